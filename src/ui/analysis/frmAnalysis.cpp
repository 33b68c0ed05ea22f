// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAnalysis.h"

#include "AnalysisArt.h"
#include "ConfidenceRunner.h"
#include "ConfidenceView.h"
#include "ContributionChart.h"
#include "SensitivityChart.h"
#include "gfx/modFormElements.h"
#include "io/modParameters.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QStackedWidget>
#include <QTabBar>

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

void frmAnalysis::resizeEvent(QResizeEvent *event)
{
    PictureBox::resizeEvent(event);
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
