// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/WeightingMethodInputs.h"

#include <QDialog>

class ComparePage;
class MethodPage;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTabWidget;
class RankPage;
class SwingPage;
class VeltraneTopic;
class WeightingPreview;

// "How much does each attribute matter?": three ways to set the weightings (ranking,
// swing and pairwise comparison) as tabs. Every tab shows the weightings it would give and
// the option that would then be best before anything changes; the dialog itself changes
// nothing. Apply accepts it, and the owner stores ChosenInputs() (as one undo step); Cancel
// or Escape rejects it.
class frmWeightings : public QDialog
{
    Q_OBJECT

public:
    static constexpr int RankTab = 0;
    static constexpr int SwingTab = 1;
    static constexpr int CompareTab = 2;

    // Opens on the tab of the method applied last, its answers shown; a copy of the topic
    // is taken, so the topic may change meanwhile.
    explicit frmWeightings(const VeltraneTopic &topic, QWidget *owner = nullptr);

    // The answers of the tab in sight.
    WeightingMethodInputs ChosenInputs() const;
    // The undo step Apply makes: "Set Weightings from the ranking".
    QString StepDescription() const;

    QLabel *lblNoLongerMatch = nullptr;
    QTabWidget *tabMethods = nullptr;
    RankPage *Rank = nullptr;
    SwingPage *Swing = nullptr;
    ComparePage *Compare = nullptr;
    WeightingPreview *Preview = nullptr;
    QPushButton *btnApply = nullptr;
    QPushButton *btnCancel = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    MethodPage *currentPage() const;
    void refreshPreview();
};
