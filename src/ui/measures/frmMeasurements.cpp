// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMeasurements.h"

#include "MeasuresLook.h"
#include "io/MeasurementTable.h"
#include "io/WindowHooks.h"
#include "io/modParameters.h"
#include "ui/support/MeasureText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum TableColumn { UseColumn, NameColumn, UnitColumn, LowestColumn, HighestColumn, DirectionColumn, WorstColumn,
                   BestColumn, NoteColumn, TableColumns };

const QStringList Directions{QStringLiteral("Higher is better"), QStringLiteral("Lower is better"),
                             QStringLiteral("Not measured")};

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

frmMeasurements::frmMeasurements(const MeasurementTable &table, const MeasurementChoice &proposal, QWidget *parent)
    : QDialog(parent), m_table(table), m_title(proposal.Title)
{
    setObjectName(QStringLiteral("frmMeasurements"));
    setWindowTitle(QStringLiteral("Table of measurements - ") + modParameters::ProductTitle);
    MeasuresLook::Apply(*this);

    auto *layout = new QVBoxLayout(this);
    auto *namesRow = new QHBoxLayout;
    auto *namesLabel = new QLabel(QStringLiteral("Options are named by the column"));
    cboNames = new QComboBox;
    cboNames->setObjectName(QStringLiteral("cboNames"));
    cboNames->addItem(QStringLiteral("(none: Option 1, Option 2, ...)"));
    for (int c = 0; c < table.ColumnCount(); ++c)
        cboNames->addItem(table.Column(c).Name);
    cboNames->setCurrentIndex(proposal.NameColumn + 1);
    namesLabel->setBuddy(cboNames);
    namesRow->addWidget(namesLabel);
    namesRow->addWidget(cboNames, 1);
    layout->addLayout(namesRow);

    layout->addWidget(new QLabel(QStringLiteral("Columns that become attributes (at most %1):")
                                     .arg(modParameters::MaxAttributes)));
    tblColumns = new QTableWidget(table.ColumnCount(), TableColumns);
    tblColumns->setObjectName(QStringLiteral("tblColumns"));
    tblColumns->setHorizontalHeaderLabels({QString(), QStringLiteral("Column"), QStringLiteral("Unit"),
                                           QStringLiteral("Lowest"), QStringLiteral("Highest"),
                                           QStringLiteral("Direction"), QStringLiteral("Worst"),
                                           QStringLiteral("Best"), QString()});
    tblColumns->verticalHeader()->hide();
    tblColumns->setSelectionMode(QAbstractItemView::NoSelection);
    tblColumns->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(tblColumns, 2);

    auto *rowsRow = new QHBoxLayout;
    auto *rowsLabel = new QLabel(QStringLiteral("Rows that become options (at most %1):").arg(modParameters::MaxOptions));
    txtFilter = new QLineEdit;
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setPlaceholderText(QStringLiteral("Search the rows"));
    txtFilter->setClearButtonEnabled(true);
    lblRowsChosen = new QLabel;
    lblRowsChosen->setObjectName(QStringLiteral("lblRowsChosen"));
    rowsRow->addWidget(rowsLabel);
    rowsRow->addWidget(txtFilter, 1);
    rowsRow->addWidget(lblRowsChosen);
    layout->addLayout(rowsRow);
    lstRows = new QListWidget;
    lstRows->setObjectName(QStringLiteral("lstRows"));
    lstRows->setUniformItemSizes(true); // thousands of rows stay quick
    layout->addWidget(lstRows, 3);

    lblProblem = new QLabel;
    lblProblem->setObjectName(QStringLiteral("lblProblem"));
    lblProblem->setWordWrap(true);
    layout->addWidget(lblProblem);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    m_buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &frmMeasurements::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &frmMeasurements::reject);

    m_updating = true;
    buildColumns(proposal);
    buildRows(proposal);
    m_updating = false;
    connect(cboNames, &QComboBox::currentIndexChanged, this, &frmMeasurements::refresh);
    connect(txtFilter, &QLineEdit::textChanged, this, &frmMeasurements::applyFilter);
    connect(lstRows, &QListWidget::itemChanged, this, &frmMeasurements::rowsChanged);
    refresh();
    resize(900, 560);
}

void frmMeasurements::buildColumns(const MeasurementChoice &proposal)
{
    m_anchorsTyped = QList<bool>(m_table.ColumnCount(), false);
    for (int c = 0; c < m_table.ColumnCount(); ++c) {
        const MeasurementColumn &column = m_table.Column(c);
        const auto chosen = std::find_if(proposal.Attributes.begin(), proposal.Attributes.end(),
                                         [c](const MeasuredColumnChoice &a) { return a.Column == c; });
        auto *use = new QCheckBox;
        use->setObjectName(indexed("chkUse", c));
        use->setAccessibleName(QStringLiteral("Use %1 as an attribute").arg(column.Name));
        use->setChecked(chosen != proposal.Attributes.end());
        tblColumns->setCellWidget(c, UseColumn, use);
        tblColumns->setItem(c, NameColumn, new QTableWidgetItem(column.Name));
        tblColumns->setItem(c, UnitColumn, new QTableWidgetItem(column.Unit));
        tblColumns->setItem(c, LowestColumn, new QTableWidgetItem);
        tblColumns->setItem(c, HighestColumn, new QTableWidgetItem);

        auto *direction = new QComboBox;
        direction->setObjectName(indexed("cboDirection", c));
        direction->setAccessibleName(QStringLiteral("Direction of %1").arg(column.Name));
        // A column that is not all numbers can only be rated by hand.
        direction->addItems(column.Numeric ? Directions : QStringList{Directions.last()});
        if (column.Numeric && chosen != proposal.Attributes.end())
            direction->setCurrentIndex(int(chosen->Kind));
        tblColumns->setCellWidget(c, DirectionColumn, direction);
        for (const int anchor : {WorstColumn, BestColumn}) {
            auto *edit = new QLineEdit;
            edit->setObjectName(indexed(anchor == WorstColumn ? "txtWorst" : "txtBest", c));
            edit->setAccessibleName(
                QStringLiteral("%1 value of %2").arg(anchor == WorstColumn ? "Worst" : "Best", column.Name));
            edit->setEnabled(column.Numeric);
            tblColumns->setCellWidget(c, anchor, edit);
            connect(edit, &QLineEdit::textEdited, this, [this, c] {
                m_anchorsTyped[c] = true;
                refresh();
            });
        }
        tblColumns->setItem(c, NoteColumn, new QTableWidgetItem(column.Problem));
        if (chosen != proposal.Attributes.end() && column.Numeric)
            showAnchors(c, chosen->Worst, chosen->Best);
        connect(use, &QCheckBox::toggled, this, &frmMeasurements::refresh);
        connect(direction, &QComboBox::currentIndexChanged, this, [this, c] { directionChanged(c); });
    }
    tblColumns->resizeColumnsToContents();
    tblColumns->horizontalHeader()->setStretchLastSection(true);
}

void frmMeasurements::buildRows(const MeasurementChoice &proposal)
{
    for (int32_t r = 0; r < m_table.RowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m_table.ColumnCount(); ++c)
            cells.append(m_table.Text(r, c));
        auto *item = new QListWidgetItem(cells.join(QStringLiteral("  |  ")), lstRows);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(proposal.Rows.contains(r) ? Qt::Checked : Qt::Unchecked);
    }
}

void frmMeasurements::showAnchors(int column, double worst, double best)
{
    const bool updating = std::exchange(m_updating, true);
    qobject_cast<QLineEdit *>(tblColumns->cellWidget(column, WorstColumn))->setText(MeasureText(worst, {}));
    qobject_cast<QLineEdit *>(tblColumns->cellWidget(column, BestColumn))->setText(MeasureText(best, {}));
    m_updating = updating;
}

void frmMeasurements::directionChanged(int column)
{
    if (m_anchorsTyped[column]) {
        // The person's anchors stay; only their roles change.
        auto *worst = qobject_cast<QLineEdit *>(tblColumns->cellWidget(column, WorstColumn));
        auto *best = qobject_cast<QLineEdit *>(tblColumns->cellWidget(column, BestColumn));
        const QString text = worst->text();
        worst->setText(best->text());
        best->setText(text);
    }
    refresh();
}

void frmMeasurements::rowsChanged()
{
    if (!m_updating)
        refresh();
}

void frmMeasurements::applyFilter(const QString &text)
{
    const QString wanted = text.trimmed();
    for (int r = 0; r < lstRows->count(); ++r) {
        QListWidgetItem *item = lstRows->item(r);
        item->setHidden(!wanted.isEmpty() && !item->text().contains(wanted, Qt::CaseInsensitive));
    }
}

QList<int32_t> frmMeasurements::chosenRows() const
{
    QList<int32_t> rows;
    for (int r = 0; r < lstRows->count(); ++r) {
        if (lstRows->item(r)->checkState() == Qt::Checked)
            rows.append(r);
    }
    return rows;
}

void frmMeasurements::refresh()
{
    if (m_updating)
        return;
    const QList<int32_t> rows = chosenRows();
    for (int c = 0; c < m_table.ColumnCount(); ++c) {
        const MeasurementColumn &column = m_table.Column(c);
        const auto range = MeasurementImport::Range(m_table, c, rows);
        tblColumns->item(c, LowestColumn)->setText(range ? MeasureText(range->first, column.Unit) : QString());
        tblColumns->item(c, HighestColumn)->setText(range ? MeasureText(range->second, column.Unit) : QString());
        const auto *direction = qobject_cast<QComboBox *>(tblColumns->cellWidget(c, DirectionColumn));
        const bool measured = column.Numeric && direction->currentIndex() != MeasuredColumnChoice::NotMeasured;
        for (const int anchor : {WorstColumn, BestColumn})
            tblColumns->cellWidget(c, anchor)->setEnabled(measured);
        if (measured && !m_anchorsTyped[c]) {
            MeasuredColumnChoice anchors{c, MeasuredColumnChoice::Direction(direction->currentIndex()), 0, 1};
            MeasurementImport::SetDefaultAnchors(m_table, rows, anchors);
            showAnchors(c, anchors.Worst, anchors.Best);
        }
    }
    lblRowsChosen->setText(QStringLiteral("%1 of %2 chosen").arg(rows.size()).arg(m_table.RowCount()));
    const QString problem = Problem();
    lblProblem->setText(problem);
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
}

MeasurementChoice frmMeasurements::Choice() const
{
    MeasurementChoice choice;
    choice.Title = m_title;
    choice.NameColumn = cboNames->currentIndex() - 1;
    choice.Rows = chosenRows();
    for (int c = 0; c < m_table.ColumnCount(); ++c) {
        if (!qobject_cast<QCheckBox *>(tblColumns->cellWidget(c, UseColumn))->isChecked())
            continue;
        MeasuredColumnChoice attribute;
        attribute.Column = c;
        attribute.Kind = m_table.Column(c).Numeric
                             ? MeasuredColumnChoice::Direction(
                                   qobject_cast<QComboBox *>(tblColumns->cellWidget(c, DirectionColumn))->currentIndex())
                             : MeasuredColumnChoice::NotMeasured;
        const auto anchor = [&](int which) {
            const QString text = qobject_cast<QLineEdit *>(tblColumns->cellWidget(c, which))->text();
            return ParseMeasureText(text, m_table.Column(c).Unit).value_or(std::nan(""));
        };
        attribute.Worst = anchor(WorstColumn);
        attribute.Best = anchor(BestColumn);
        choice.Attributes.append(attribute);
    }
    return choice;
}

QString frmMeasurements::Problem() const
{
    const MeasurementChoice choice = Choice();
    for (const MeasuredColumnChoice &attribute : choice.Attributes) {
        if (attribute.Kind != MeasuredColumnChoice::NotMeasured
            && (!std::isfinite(attribute.Worst) || !std::isfinite(attribute.Best)))
            return QStringLiteral("The worst and best values of \u201c%1\u201d must be numbers.")
                .arg(m_table.Column(attribute.Column).Name);
    }
    return MeasurementImport::Problem(m_table, choice);
}

void frmMeasurements::accept()
{
    if (Problem().isEmpty())
        QDialog::accept();
}

bool frmMeasurements::Choose(const MeasurementTable &table, MeasurementChoice &choice)
{
    QWidget *owner = windowHooks().dialogOwner ? qobject_cast<QWidget *>(windowHooks().dialogOwner()) : nullptr;
    frmMeasurements dialog(table, choice, owner);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice = dialog.Choice();
    return true;
}
