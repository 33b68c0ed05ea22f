// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/TopicConfidence.h"
#include "model/VeltraneTopic.h"

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>

#include <cstdint>
#include <optional>

// Counts the confidence figures of the topic on a thread of its own, so that the window
// never waits for them. One job runs at a time: a request while one runs is remembered,
// and only the newest such request runs when it ends, so a slider drag starts no more
// jobs than the thread can finish. Every result is tagged with the values it was counted
// for and is handed out only for a topic with exactly those values: the figures of an
// older state are never shown for a newer one.
class ConfidenceRunner : public QObject
{
    Q_OBJECT

public:
    explicit ConfidenceRunner(QObject *parent = nullptr);
    // Waits for the job in flight: no thread outlives its runner.
    ~ConfidenceRunner() override;

    // Asks for the figures of the topic as it stands (ShownDraws draws, seeded by its values).
    void Request(const VeltraneTopic &topic);
    // The figures for the topic's present values, when they are counted.
    std::optional<Confidence> ResultFor(const VeltraneTopic &topic) const;
    bool IsBusy() const { return m_running.has_value(); }

signals:
    // Figures for the newest request are there.
    void Ready();

private:
    void start(const VeltraneTopic &topic, uint64_t key);
    void jobFinished();

    QThreadPool m_pool;
    QFutureWatcher<Confidence> m_watcher;
    std::optional<uint64_t> m_running; // the key of the job in flight
    std::optional<VeltraneTopic> m_next;
    uint64_t m_nextKey = 0;
    uint64_t m_latestKey = 0;
    std::optional<uint64_t> m_resultKey;
    Confidence m_result;
};
