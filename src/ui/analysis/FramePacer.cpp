// SPDX-License-Identifier: GPL-3.0-or-later
#include "FramePacer.h"

#include <QWidget>

FramePacer::FramePacer(QWidget *view) : QObject(view), m_view(view)
{
    m_frame.setSingleShot(true);
    connect(&m_frame, &QTimer::timeout, m_view, qOverload<>(&QWidget::update));
}

void FramePacer::Request()
{
    if (m_frame.isActive())
        return;
    const qint64 since = m_sincePaint.isValid() ? m_sincePaint.elapsed() : FrameMilliseconds;
    if (since >= FrameMilliseconds)
        m_view->update();
    else
        m_frame.start(int(FrameMilliseconds - since));
}

void FramePacer::Painted()
{
    m_sincePaint.start();
}
