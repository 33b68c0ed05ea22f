// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmWeightings.h"

#include "ComparePage.h"
#include "RankPage.h"
#include "SwingPage.h"
#include "WeightingPreview.h"
#include "gfx/ColourValue.h"
#include "gfx/modFormElements.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "ui/analysis/AnalysisArt.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

using Method = WeightingMethodInputs::Method;

const char *methodWords(Method method)
{
    switch (method) {
    case Method::Rank:
        return "the ranking";
    case Method::Swing:
        return "the swing points";
    case Method::Compare:
        return "the comparisons";
    case Method::None:
        break;
    }
    return "";
}

} // namespace

frmWeightings::frmWeightings(const VeltraneTopic &topic, QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmWeightings"));
    setWindowTitle(QStringLiteral("How much does each attribute matter? - ") + modParameters::ProductTitle);
    setFont(AnalysisArt::Face(8.25, false));
    setAccessibleName(QStringLiteral("How much does each attribute matter?"));

    const WeightingMethodInputs &kept = topic.MethodInputs();
    lblNoLongerMatch = new QLabel(this);
    lblNoLongerMatch->setObjectName(QStringLiteral("lblNoLongerMatch"));
    lblNoLongerMatch->setWordWrap(true);
    lblNoLongerMatch->setTextFormat(Qt::PlainText);
    lblNoLongerMatch->setFocusPolicy(Qt::TabFocus); // read out first by a screen reader
    if (kept.Kind != Method::None && !topic.WeightingsMatchMethod())
        lblNoLongerMatch->setText(
            QStringLiteral("The weightings no longer match %1 applied last: a weighting has been changed since. "
                           "Apply again to set them from the answers below.")
                .arg(QLatin1String(methodWords(kept.Kind))));
    lblNoLongerMatch->setVisible(!lblNoLongerMatch->text().isEmpty());

    tabMethods = new QTabWidget(this);
    tabMethods->setObjectName(QStringLiteral("tabMethods"));
    tabMethods->setAccessibleName(QStringLiteral("Ways to set the weightings"));
    tabMethods->tabBar()->setFont(AnalysisArt::Face(9.75, true));
    Rank = new RankPage(topic);
    Swing = new SwingPage(topic);
    Compare = new ComparePage(topic);
    tabMethods->insertTab(RankTab, Rank, QStringLiteral("&Rank"));
    tabMethods->insertTab(SwingTab, Swing, QStringLiteral("&Swing"));
    tabMethods->insertTab(CompareTab, Compare, QStringLiteral("C&ompare"));
    tabMethods->setTabToolTip(RankTab, QStringLiteral("Put the attributes in order of importance"));
    tabMethods->setTabToolTip(SwingTab, QStringLiteral("Give each improvement from worst to best points"));
    tabMethods->setTabToolTip(CompareTab, QStringLiteral("Compare the attributes two at a time"));
    tabMethods->setCurrentIndex(kept.Kind == Method::Swing     ? SwingTab
                                : kept.Kind == Method::Compare ? CompareTab
                                                               : RankTab);

    Preview = new WeightingPreview(topic, this);

    auto *buttons = new QDialogButtonBox(this);
    btnApply = buttons->addButton(QStringLiteral("&Apply"), QDialogButtonBox::AcceptRole);
    btnApply->setObjectName(QStringLiteral("btnApply"));
    btnApply->setDefault(true);
    btnCancel = buttons->addButton(QDialogButtonBox::Cancel);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *body = new QHBoxLayout;
    body->addWidget(tabMethods, 1);
    body->addWidget(Preview);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblNoLongerMatch);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    for (MethodPage *page : {static_cast<MethodPage *>(Rank), static_cast<MethodPage *>(Swing),
                             static_cast<MethodPage *>(Compare)})
        connect(page, &MethodPage::Changed, this, &frmWeightings::refreshPreview);
    connect(tabMethods, &QTabWidget::currentChanged, this, &frmWeightings::refreshPreview);
    refreshPreview();
    resize(820, 500);
}

WeightingMethodInputs frmWeightings::ChosenInputs() const
{
    return currentPage()->Inputs();
}

QString frmWeightings::StepDescription() const
{
    return QStringLiteral("Set Weightings from ") + QLatin1String(methodWords(ChosenInputs().Kind));
}

MethodPage *frmWeightings::currentPage() const
{
    return static_cast<MethodPage *>(tabMethods->currentWidget());
}

void frmWeightings::refreshPreview()
{
    const MethodPage *page = currentPage();
    const QString problem = page->Problem();
    Preview->Show(page->Inputs(), problem);
    btnApply->setEnabled(Preview->ShownProblem().isEmpty());
}

void frmWeightings::paintEvent(QPaintEvent *)
{
    // The main window's background: its base colour, lightening towards the bottom-right corner.
    QPainter painter(this);
    QLinearGradient background(rect().topLeft(), rect().bottomRight());
    background.setColorAt(0.5, ColourFromValue(modFormElements::BackgroundBaseColour));
    background.setColorAt(1, ColourFromValue(modFormElements::BackgroundCornerColour));
    painter.fillRect(rect(), background);
}
