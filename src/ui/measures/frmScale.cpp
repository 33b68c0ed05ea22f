// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmScale.h"

#include "MeasuresLook.h"
#include "ScaleDrawing.h"
#include "io/modParameters.h"
#include "ui/support/MeasureText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

frmScale::frmScale(const QString &attributeName, const std::optional<AttributeScale> &scale, bool lowerBetter,
                   QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmScale"));
    setWindowTitle(QStringLiteral("Measure \u201c%1\u201d in units - %2").arg(attributeName, modParameters::ProductTitle));
    MeasuresLook::Apply(*this);

    auto *layout = new QVBoxLayout(this);
    optByHand = new QRadioButton(QStringLiteral("&Rated by hand"));
    optByHand->setObjectName(QStringLiteral("optByHand"));
    chkLowerBetter = new QCheckBox(QStringLiteral("&Lower is better: its ratings count against an option"));
    chkLowerBetter->setObjectName(QStringLiteral("chkLowerBetter"));
    chkLowerBetter->setChecked(lowerBetter && !scale);
    optMeasured = new QRadioButton(QStringLiteral("&Measured in a unit; each value gives its rating"));
    optMeasured->setObjectName(QStringLiteral("optMeasured"));
    (scale ? optMeasured : optByHand)->setChecked(true);
    layout->addWidget(optByHand);
    auto *lowerRow = new QHBoxLayout;
    lowerRow->addSpacing(24);
    lowerRow->addWidget(chkLowerBetter);
    layout->addLayout(lowerRow);
    layout->addWidget(optMeasured);

    m_units = new QWidget;
    auto *units = new QHBoxLayout(m_units);
    units->setContentsMargins(24, 0, 0, 0);
    auto *form = new QFormLayout;
    txtUnit = new QLineEdit(scale ? scale->Unit : QString());
    txtUnit->setObjectName(QStringLiteral("txtUnit"));
    txtUnit->setMaxLength(int(ValueFunction::MaxUnitLength));
    txtUnit->setPlaceholderText(QStringLiteral("$, h, kg"));
    txtWorst = new QLineEdit(scale ? MeasureText(scale->Worst, {}) : QString());
    txtWorst->setObjectName(QStringLiteral("txtWorst"));
    txtBest = new QLineEdit(scale ? MeasureText(scale->Best, {}) : QString());
    txtBest->setObjectName(QStringLiteral("txtBest"));
    form->addRow(QStringLiteral("&Unit"), txtUnit);
    form->addRow(QStringLiteral("&Worst value (rates 0)"), txtWorst);
    form->addRow(QStringLiteral("&Best value (rates 1)"), txtBest);
    tblPoints = new QTableWidget(0, 2);
    tblPoints->setObjectName(QStringLiteral("tblPoints"));
    tblPoints->setHorizontalHeaderLabels({QStringLiteral("Value"), QStringLiteral("Rating")});
    tblPoints->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblPoints->verticalHeader()->hide();
    tblPoints->setAccessibleName(QStringLiteral("Points between worst and best"));
    if (scale) {
        for (const ValuePoint &point : scale->Points) {
            const int row = tblPoints->rowCount();
            tblPoints->insertRow(row);
            tblPoints->setItem(row, 0, new QTableWidgetItem(MeasureText(point.Value, {})));
            tblPoints->setItem(row, 1, new QTableWidgetItem(MeasureText(point.Rating, {})));
        }
    }
    form->addRow(QStringLiteral("Points between them"), tblPoints);
    btnAddPoint = new QPushButton(QStringLiteral("&Add a point"));
    btnAddPoint->setObjectName(QStringLiteral("btnAddPoint"));
    btnRemovePoint = new QPushButton(QStringLiteral("Remove the &point"));
    btnRemovePoint->setObjectName(QStringLiteral("btnRemovePoint"));
    auto *pointButtons = new QHBoxLayout;
    pointButtons->addWidget(btnAddPoint);
    pointButtons->addWidget(btnRemovePoint);
    form->addRow(QString(), pointButtons);
    units->addLayout(form, 1);
    picFunction = new ScaleDrawing;
    units->addWidget(picFunction, 1);
    layout->addWidget(m_units);

    lblProblem = new QLabel;
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);
    layout->addWidget(lblProblem);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    btnOK = buttons->button(QDialogButtonBox::Ok);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmScale::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &frmScale::reject);

    for (QLineEdit *edit : {txtUnit, txtWorst, txtBest})
        connect(edit, &QLineEdit::textChanged, this, &frmScale::refresh);
    connect(optMeasured, &QRadioButton::toggled, this, &frmScale::refresh);
    connect(tblPoints, &QTableWidget::itemChanged, this, &frmScale::refresh);
    connect(btnAddPoint, &QPushButton::clicked, this, &frmScale::addPoint);
    connect(btnRemovePoint, &QPushButton::clicked, this, &frmScale::removePoint);
    refresh();
}

bool frmScale::Measured() const
{
    return optMeasured->isChecked();
}

bool frmScale::LowerBetter() const
{
    return !Measured() && chkLowerBetter->isChecked();
}

std::optional<AttributeScale> frmScale::typedScale(QString *problem) const
{
    const QString unit = txtUnit->text().trimmed();
    const std::optional<double> worst = ParseMeasureText(txtWorst->text(), unit);
    const std::optional<double> best = ParseMeasureText(txtBest->text(), unit);
    if (!worst || !best) {
        *problem = QStringLiteral("Type the worst and the best value as numbers.");
        return std::nullopt;
    }
    AttributeScale scale{unit, *worst, *best, {}};
    for (int row = 0; row < tblPoints->rowCount(); ++row) {
        const QTableWidgetItem *value = tblPoints->item(row, 0);
        const QTableWidgetItem *rating = tblPoints->item(row, 1);
        const std::optional<double> v = value ? ParseMeasureText(value->text(), unit) : std::nullopt;
        const std::optional<double> r = rating ? ParseMeasureText(rating->text(), {}) : std::nullopt;
        if (!v || !r) {
            *problem = QStringLiteral("Point %1 needs a value and a rating from 0 to 1.").arg(row + 1);
            return std::nullopt;
        }
        scale.Points.append({*v, *r});
    }
    // Points may be typed in any order; the function takes them from worst to best.
    const double direction = scale.Best > scale.Worst ? 1 : -1;
    std::sort(scale.Points.begin(), scale.Points.end(),
              [direction](const ValuePoint &a, const ValuePoint &b) { return direction * a.Value < direction * b.Value; });
    *problem = ValueFunction::Problem(scale);
    return problem->isEmpty() ? std::optional(scale) : std::nullopt;
}

std::optional<AttributeScale> frmScale::Scale() const
{
    QString problem;
    return Measured() ? typedScale(&problem) : std::nullopt;
}

QString frmScale::Problem() const
{
    QString problem;
    if (Measured())
        typedScale(&problem);
    return problem;
}

void frmScale::addPoint()
{
    if (tblPoints->rowCount() >= ValueFunction::MaxPoints)
        return;
    const int row = tblPoints->rowCount();
    tblPoints->insertRow(row);
    auto *value = new QTableWidgetItem;
    tblPoints->setItem(row, 0, value);
    tblPoints->setItem(row, 1, new QTableWidgetItem);
    tblPoints->setCurrentItem(value);
    tblPoints->editItem(value);
    refresh();
}

void frmScale::removePoint()
{
    const int row = tblPoints->currentRow() >= 0 ? tblPoints->currentRow() : tblPoints->rowCount() - 1;
    if (row >= 0)
        tblPoints->removeRow(row);
    refresh();
}

void frmScale::refresh()
{
    m_units->setEnabled(Measured());
    chkLowerBetter->setEnabled(!Measured());
    btnAddPoint->setEnabled(tblPoints->rowCount() < ValueFunction::MaxPoints);
    btnRemovePoint->setEnabled(tblPoints->rowCount() > 0);
    QString problem;
    picFunction->SetScale(typedScale(&problem));
    if (!Measured())
        problem.clear();
    lblProblem->setText(problem);
    btnOK->setEnabled(problem.isEmpty());
}

void frmScale::accept()
{
    if (Problem().isEmpty())
        QDialog::accept();
}
