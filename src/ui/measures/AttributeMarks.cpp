// SPDX-License-Identifier: GPL-3.0-or-later
#include "AttributeMarks.h"

#include "ui/analysis/AnalysisArt.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>

namespace {

constexpr int Gap = 3;

} // namespace

AttributeMarks::AttributeMarks(QWidget *window, std::function<void(int)> measure)
    : QObject(window), m_window(window), m_measure(std::move(measure))
{
}

QString AttributeMarks::MarkText(bool countsAgainst, bool measured, const QString &unit)
{
    QStringList parts;
    if (countsAgainst)
        parts << QStringLiteral("\u2193");
    if (measured)
        parts << u'(' + (unit.isEmpty() ? QStringLiteral("#") : unit) + u')';
    return parts.join(u' ');
}

void AttributeMarks::Update(const QList<QWidget *> &names, const QStringList &marks, const QStringList &tips)
{
    for (qsizetype j = 0; j < names.size(); ++j) {
        if (j >= m_names.size() || m_names[j] != names[j]) {
            if (j < m_names.size() && m_names[j])
                m_names[j]->removeEventFilter(this);
            names[j]->installEventFilter(this);
            if (j < m_names.size())
                m_names[j] = names[j];
            else
                m_names.append(names[j]);
        }
        if (j >= m_marks.size())
            m_marks.append(nullptr);
        // A mark is made when it first has something to show.
        if (!m_marks[j] && marks.value(j).isEmpty())
            continue;
        if (!m_marks[j]) {
            m_marks[j] = new QLabel(m_window);
            m_marks[j]->setObjectName(QStringLiteral("lblMeasureMark(%1)").arg(j));
            m_marks[j]->setFont(AnalysisArt::Face(8.25, true));
            m_marks[j]->setStyleSheet(QStringLiteral("color: #000080"));
        }
        QLabel *mark = m_marks[j];
        if (mark->text() != marks.value(j) || mark->toolTip() != tips.value(j)) {
            mark->setText(marks.value(j));
            mark->setToolTip(tips.value(j));
            mark->setAccessibleName(tips.value(j));
            mark->adjustSize();
            place(int(j));
        }
    }
    while (m_marks.size() > names.size())
        delete m_marks.takeLast();
    while (m_names.size() > names.size()) {
        if (m_names.last())
            m_names.last()->removeEventFilter(this);
        m_names.removeLast();
    }
}

int AttributeMarks::Room(int attribute) const
{
    if (attribute >= m_marks.size() || !m_marks[attribute] || m_marks[attribute]->text().isEmpty())
        return 0;
    return m_marks[attribute]->sizeHint().width() + Gap;
}

void AttributeMarks::place(int attribute)
{
    QLabel *mark = m_marks[attribute];
    const QWidget *name = m_names[attribute];
    if (!mark)
        return;
    const bool shown = name && name->isVisible() && !mark->text().isEmpty();
    if (shown) {
        mark->move(name->x() + name->width() + Gap, name->y() + (name->height() - mark->height()) / 2);
        mark->raise();
    }
    mark->setVisible(shown);
}

bool AttributeMarks::eventFilter(QObject *watched, QEvent *event)
{
    const auto attribute = int(m_names.indexOf(qobject_cast<QWidget *>(watched)));
    if (attribute < 0)
        return false;
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (attribute < m_marks.size())
            place(attribute);
        return false;
    case QEvent::ContextMenu: {
        QMenu menu(m_window);
        menu.setObjectName(QStringLiteral("mnuAttribute"));
        QAction *measure = menu.addAction(QStringLiteral("Measure in &units\u2026"));
        measure->setObjectName(QStringLiteral("mnuMeasure"));
        connect(measure, &QAction::triggered, this, [this, attribute] { m_measure(attribute); });
        menu.exec(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    default:
        return false;
    }
}
