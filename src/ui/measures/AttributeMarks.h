// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QLabel;
class QWidget;

// Small marks beside the attribute names of the main window: "↓" where an attribute's
// ratings count against, its unit where it is measured. Each mark follows its name label
// wherever the layout moves it. A right click on a name (or the menu key while it has the
// focus) offers "Measure in units…" for that attribute.
class AttributeMarks : public QObject
{
    Q_OBJECT

public:
    AttributeMarks(QWidget *window, std::function<void(int attribute)> measure);

    // One mark per name label; an empty text shows none. Tips are the marks' tooltips.
    void Update(const QList<QWidget *> &names, const QStringList &marks, const QStringList &tips);
    // How much narrower the name must be to leave room for its mark.
    int Room(int attribute) const;

    // What the marks were last made from (the window's business).
    size_t Source = 0;

    // "↓", "($)", "↓ ($)": the mark of an attribute.
    static QString MarkText(bool countsAgainst, bool measured, const QString &unit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place(int attribute);

    QWidget *m_window;
    std::function<void(int)> m_measure;
    QList<QPointer<QWidget>> m_names;
    QList<QLabel *> m_marks;
};
