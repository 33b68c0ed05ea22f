// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gfx/PictureBox.h"
#include "model/VeltraneTopic.h"

#include <QList>
#include <QString>

#include <optional>

class AnalysisView;
class ConfidenceRunner;
class ConfidenceView;
class ContributionChart;
class QStackedWidget;
class QTabBar;
class SensitivityChart;

// The analysis window: how sure the decision is, in views chosen by the tabs at the top.
// It belongs to the main window (non-modal, closed with it); closing it only hides it.
// Its views only show the topic; the one change made here, the confidence view's spread
// sliders, goes to the owner as a request (ConfidenceView::SpreadChanged), and the owner
// changes the topic and records the step.
//
// The window is handed the topic after every change (Refresh) and hands it on to the view
// in sight, and to a view when it comes into sight; hidden views do no work. The
// confidence figures come from the owner's runner, shared with the main window's tooltip;
// without one the window keeps its own.
class frmAnalysis : public PictureBox
{
    Q_OBJECT

public:
    // programTitle ends the window's caption.
    frmAnalysis(QWidget *owner, const QString &programTitle, ConfidenceRunner *runner = nullptr);

    // Puts the view under a new tab; returns the tab's index. The window owns the view.
    int AddView(AnalysisView *view, const QString &caption);
    void ShowView(int index);
    int CurrentViewIndex() const;
    QWidget *CurrentView() const;
    // Every view, in the order of the tabs.
    QList<AnalysisView *> Views() const { return m_viewList; }

    // The topic changed or was shown anew: the view in sight follows.
    void Refresh(const VeltraneTopic &topic);

    // Shows the window: the first time where it was last (`stored`, the frame's place and
    // the inner size in twips, kept on the screen), or, never placed before (an empty
    // `stored`), beside the main window on the side of the screen with the most room.
    void ShowBeside(const QWidget &main, const QRect &stored);

signals:
    // The window was moved or resized by the user: its place and size in twips, as
    // ShowBeside takes them, for the owner to keep.
    void Placed(const QRect &twips);

public:
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
    void refreshView(int index);
    // Reports the place (of the frame) and the size (inside it) for the next start, in twips.
    void trackPlacement();
    bool m_placed = false;
    void placeControls();

    QStackedWidget *m_views = nullptr;
    QList<AnalysisView *> m_viewList;
    std::optional<VeltraneTopic> m_topic;
};
