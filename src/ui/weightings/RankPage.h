// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MethodPage.h"

class QCheckBox;
class QListWidget;
class QPushButton;

// Ranking: the attributes in a list, most important first, reordered by dragging or with
// Alt+Up and Alt+Down; an attribute may be tied with the one above it. Rank-order
// centroid weights turn the order into weightings.
class RankPage : public MethodPage
{
    Q_OBJECT

public:
    RankPage(const VeltraneTopic &topic, QWidget *parent = nullptr);

    WeightingMethodInputs Inputs() const override;

    // Moves the selected attribute one place up (-1) or down (+1).
    void MoveSelected(int by);
    // Ties the selected attribute with the one above it, or unties it.
    void SetSelectedTied(bool tied);

    QListWidget *lstRanks = nullptr;
    QPushButton *btnMoveUp = nullptr;
    QPushButton *btnMoveDown = nullptr;
    QCheckBox *chkTied = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Numbers the rows by rank and follows the selection with the buttons.
    void renumber();
    void followSelection();

    QList<QString> m_names;
    bool m_renumbering = false;
};
