// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConfidenceRunner.h"

#include <QtConcurrent/QtConcurrentRun>

ConfidenceRunner::ConfidenceRunner(QObject *parent) : QObject(parent)
{
    // One thread: the other core stays with the window.
    m_pool.setMaxThreadCount(1);
    connect(&m_watcher, &QFutureWatcher<Confidence>::finished, this, &ConfidenceRunner::jobFinished);
}

ConfidenceRunner::~ConfidenceRunner()
{
    m_watcher.disconnect(this);
    m_watcher.waitForFinished();
    m_pool.waitForDone();
}

void ConfidenceRunner::Request(const VeltraneTopic &topic)
{
    // The seed is made of every value the figures depend on, so it names them as well.
    const uint64_t key = TopicConfidence::SeedOf(topic);
    m_latestKey = key;
    if (m_running) {
        if (*m_running == key)
            m_next.reset();
        else {
            m_next = topic;
            m_nextKey = key;
        }
        return;
    }
    if (m_resultKey != key)
        start(topic, key);
}

std::optional<Confidence> ConfidenceRunner::ResultFor(const VeltraneTopic &topic) const
{
    if (!m_resultKey || *m_resultKey != TopicConfidence::SeedOf(topic))
        return std::nullopt;
    return m_result;
}

void ConfidenceRunner::start(const VeltraneTopic &topic, uint64_t key)
{
    m_running = key;
    // The job works on its own copy: the window goes on changing the topic meanwhile.
    m_watcher.setFuture(QtConcurrent::run(&m_pool, [topic, key] {
        return TopicConfidence::Simulate(topic, TopicConfidence::ShownDraws, key);
    }));
}

void ConfidenceRunner::jobFinished()
{
    m_result = m_watcher.result();
    m_resultKey = m_running;
    m_running.reset();
    if (m_next) {
        const VeltraneTopic next = *m_next;
        m_next.reset();
        start(next, m_nextKey);
    }
    if (m_resultKey == m_latestKey)
        emit Ready();
}
