// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAnalysis.h"

#include "AnalysisArt.h"
#include "AnalysisView.h"
#include "ConfidenceRunner.h"
#include "ConfidenceView.h"
#include "ContributionChart.h"
#include "SensitivityChart.h"
#include "gfx/modFormElements.h"
#include "ui/support/WindowFit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>

#include <cmath>

namespace {

constexpr QSize DefaultSize(800, 540);
constexpr QSize SmallestSize(420, 300);
constexpr int Margin = 8;

} // namespace

frmAnalysis::frmAnalysis(QWidget *owner, const QString &programTitle, ConfidenceRunner *runner) : PictureBox(owner)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("frmAnalysis"));
    setWindowTitle(QStringLiteral("How sure is the decision? - ") + programTitle);
    if (owner)
        setWindowIcon(owner->windowIcon());
    setFont(AnalysisArt::Face(8.25, false));
    SetBackColor(modFormElements::BackgroundBaseColour);
    setMinimumSize(SmallestSize);
    resize(DefaultSize);

    tabViews = new QTabBar(this);
    tabViews->setObjectName(QStringLiteral("tabViews"));
    tabViews->setDrawBase(false);
    tabViews->setExpanding(false);
    tabViews->setFont(AnalysisArt::Face(9.75, true));
    m_views = new QStackedWidget(this);
    m_views->setObjectName(QStringLiteral("stkViews"));
    connect(tabViews, &QTabBar::currentChanged, this, &frmAnalysis::ShowView);

    Sensitivity = new SensitivityChart;
    AddView(Sensitivity, QStringLiteral("Sensitivity"));
    Contributions = new ContributionChart;
    AddView(Contributions, QStringLiteral("Contributions"));
    Chances = new ConfidenceView(runner ? runner : new ConfidenceRunner(this));
    AddView(Chances, QStringLiteral("Confidence"));
    placeControls();
}

int frmAnalysis::AddView(AnalysisView *view, const QString &caption)
{
    m_views->addWidget(&view->Widget());
    m_viewList.append(view);
    const int index = tabViews->addTab(caption);
    placeControls();
    return index;
}

void frmAnalysis::ShowView(int index)
{
    if (index < 0 || index >= m_views->count())
        return;
    if (tabViews->currentIndex() != index) {
        tabViews->setCurrentIndex(index); // comes back here through currentChanged
        return;
    }
    m_views->setCurrentIndex(index);
    if (isVisible())
        refreshView(index);
}

int frmAnalysis::CurrentViewIndex() const
{
    return m_views->currentIndex();
}

QWidget *frmAnalysis::CurrentView() const
{
    return m_views->currentWidget();
}

void frmAnalysis::Refresh(const VeltraneTopic &topic)
{
    m_topic = topic;
    if (isVisible())
        refreshView(m_views->currentIndex());
}

void frmAnalysis::refreshView(int index)
{
    if (m_topic && index >= 0 && index < m_viewList.size())
        m_viewList[index]->Refresh(*m_topic);
}

void frmAnalysis::placeControls()
{
    const QSize tabs = tabViews->sizeHint();
    tabViews->setGeometry(Margin + 4, Margin, std::min(tabs.width(), width() - 2 * Margin), tabs.height());
    m_views->setGeometry(Margin, Margin + tabs.height(), width() - 2 * Margin, height() - 2 * Margin - tabs.height());
}

void frmAnalysis::ShowBeside(const QWidget &main, const QRect &stored)
{
    if (!m_placed) {
        const QScreen *screen = main.screen() ? main.screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect();
        const double twips = 15 * devicePixelRatioF();
        // The frame the window manager will add is not known before the first show: the
        // main window's stands in for it.
        const QSize frame = main.frameGeometry().size() - main.size();
        if (stored.width() > 0) {
            const QSize inner(int(std::lround(stored.width() / twips)), int(std::lround(stored.height() / twips)));
            const QRect last(QPoint(int(std::lround(stored.left() / twips)), int(std::lround(stored.top() / twips))),
                             inner + frame);
            const QRect fitted = FitWithin(last, area);
            resize((fitted.size() - frame).expandedTo(minimumSize()));
            move(fitted.topLeft());
        } else {
            const QRect placed = PlaceBeside(main.frameGeometry(), size() + frame, minimumSize() + frame, area);
            resize(placed.size() - frame);
            move(placed.topLeft());
        }
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
}

void frmAnalysis::trackPlacement()
{
    if (!m_placed || !isVisible() || (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        return;
    const double twips = 15 * devicePixelRatioF();
    const QPoint at = frameGeometry().topLeft();
    emit Placed(QRect(int(std::lround(at.x() * twips)), int(std::lround(at.y() * twips)),
                      int(std::lround(width() * twips)), int(std::lround(height() * twips))));
}

void frmAnalysis::moveEvent(QMoveEvent *event)
{
    PictureBox::moveEvent(event);
    trackPlacement();
}

void frmAnalysis::resizeEvent(QResizeEvent *event)
{
    PictureBox::resizeEvent(event);
    trackPlacement();
    DrawCornerGradient(*this, modFormElements::BackgroundBaseColour, modFormElements::BackgroundCornerColour);
    placeControls();
}

void frmAnalysis::showEvent(QShowEvent *event)
{
    PictureBox::showEvent(event);
    refreshView(m_views->currentIndex());
}

void frmAnalysis::keyPressEvent(QKeyEvent *event)
{
    // The key that opens the window closes it again, as does Escape.
    if (event->modifiers() == Qt::NoModifier && (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F9)) {
        close();
        return;
    }
    PictureBox::keyPressEvent(event);
}
