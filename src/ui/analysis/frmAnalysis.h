// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gfx/PictureBox.h"

#include <QString>

class ConfidenceRunner;
class ConfidenceView;
class ContributionChart;
class QStackedWidget;
class QTabBar;
class SensitivityChart;

// The analysis window: how sure the decision is, in views chosen by the tabs at the top.
// It belongs to the main window (non-modal, closed with it), changes nothing in the topic
// and so never asks to save; closing it only hides it.
//
// Views are widgets that draw the current topic. One that declares an invokable
// `Refresh()` has it called when it comes into sight and after every change the main
// window shows, so it can recompute what it draws; any other view is simply repainted
// then. Hidden views do no work. The confidence figures come from the owner's runner,
// shared with the main window's tooltip; without one the window keeps its own.
class frmAnalysis : public PictureBox
{
    Q_OBJECT

public:
    explicit frmAnalysis(QWidget *owner, ConfidenceRunner *runner = nullptr);

    // Puts the view under a new tab; returns the tab's index.
    int AddView(QWidget *view, const QString &caption);
    void ShowView(int index);
    int CurrentViewIndex() const;
    QWidget *CurrentView() const;

    // The main window's topic changed or was redisplayed: the view in sight follows.
    void Refresh();

    // Shows the window: the first time where it was last (kept on the screen), or, never
    // placed before, beside the main window on the side of the screen with the most room.
    void ShowBeside(const QWidget &main);

    QTabBar *tabViews = nullptr;
    SensitivityChart *Sensitivity = nullptr;
    ContributionChart *Contributions = nullptr;
    ConfidenceView *Chances = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void refreshView(QWidget *view);
    // Records the place (of the frame) and the size (inside it) for the next start, in twips.
    void trackPlacement();
    bool m_placed = false;
    void placeControls();

    QStackedWidget *m_views = nullptr;
};
