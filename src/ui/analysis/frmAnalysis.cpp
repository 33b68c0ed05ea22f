// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAnalysis.h"

#include "AnalysisArt.h"
#include "ConfidenceRunner.h"
#include "ConfidenceView.h"
#include "ContributionChart.h"
#include "SensitivityChart.h"
#include "gfx/modFormElements.h"
#include "io/modParameters.h"
#include "ui/support/WindowFit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>

#include <cmath>

namespace {

constexpr QSize DefaultSize(800, 540);
constexpr QSize SmallestSize(420, 300);
constexpr int Margin = 8;

} // namespace

frmAnalysis::frmAnalysis(QWidget *owner, ConfidenceRunner *runner) : PictureBox(owner)
{
    setWindowFlag(Qt::Window);
    setObjectName(QStringLiteral("frmAnalysis"));
    setWindowTitle(QStringLiteral("How sure is the decision? - ") + modParameters::ProductTitle);
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

int frmAnalysis::AddView(QWidget *view, const QString &caption)
{
    m_views->addWidget(view);
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
        refreshView(m_views->currentWidget());
}

int frmAnalysis::CurrentViewIndex() const
{
    return m_views->currentIndex();
}

QWidget *frmAnalysis::CurrentView() const
{
    return m_views->currentWidget();
}

void frmAnalysis::Refresh()
{
    if (isVisible())
        refreshView(m_views->currentWidget());
}

void frmAnalysis::refreshView(QWidget *view)
{
    if (!view)
        return;
    const QMetaObject *meta = view->metaObject();
    const int refresh = meta->indexOfMethod("Refresh()");
    if (refresh >= 0)
        meta->method(refresh).invoke(view, Qt::DirectConnection);
    else
        view->update();
}

void frmAnalysis::placeControls()
{
    const QSize tabs = tabViews->sizeHint();
    tabViews->setGeometry(Margin + 4, Margin, std::min(tabs.width(), width() - 2 * Margin), tabs.height());
    m_views->setGeometry(Margin, Margin + tabs.height(), width() - 2 * Margin, height() - 2 * Margin - tabs.height());
}

void frmAnalysis::ShowBeside(const QWidget &main)
{
    if (!m_placed) {
        using namespace modParameters;
        const QScreen *screen = main.screen() ? main.screen() : QGuiApplication::primaryScreen();
        const QRect area = screen ? screen->availableGeometry() : QRect();
        const double twips = 15 * devicePixelRatioF();
        // The frame the window manager will add is not known before the first show: the
        // main window's stands in for it.
        const QSize frame = main.frameGeometry().size() - main.size();
        if (AnalysisWidth > 0) {
            const QSize inner(int(std::lround(AnalysisWidth / twips)), int(std::lround(AnalysisHeight / twips)));
            const QRect stored(QPoint(int(std::lround(AnalysisLeft / twips)), int(std::lround(AnalysisTop / twips))),
                               inner + frame);
            const QRect fitted = FitWithin(stored, area);
            resize((fitted.size() - frame).expandedTo(minimumSize()));
            move(fitted.topLeft());
        } else {
            move(PlaceBeside(main.frameGeometry(), size() + frame, area).topLeft());
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
    modParameters::AnalysisLeft = int32_t(std::lround(at.x() * twips));
    modParameters::AnalysisTop = int32_t(std::lround(at.y() * twips));
    modParameters::AnalysisWidth = int32_t(std::lround(width() * twips));
    modParameters::AnalysisHeight = int32_t(std::lround(height() * twips));
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
    refreshView(m_views->currentWidget());
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
