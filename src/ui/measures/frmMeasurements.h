// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "io/MeasurementImport.h"

#include <QDialog>
#include <QList>

class MeasurementTable;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;

// Before a table of measurements becomes a topic: which column names the options, which
// columns become attributes (with their direction and anchors) and which rows become
// options. The anchors follow the lowest and highest value of the chosen rows until the
// person types their own. OK is refused while the choice cannot make a topic, and the
// dialog says why.
class frmMeasurements : public QDialog
{
    Q_OBJECT

public:
    frmMeasurements(const MeasurementTable &table, const MeasurementChoice &proposal, QWidget *parent = nullptr);

    // The choice as the dialog shows it now.
    MeasurementChoice Choice() const;
    // Why OK is refused; empty when it is not.
    QString Problem() const;

    // Shows the dialog modally over the main window; false on Cancel, else `choice` holds
    // what was chosen. Installed as the file code's WindowHooks::chooseMeasurements.
    static bool Choose(const MeasurementTable &table, MeasurementChoice &choice);

    void accept() override;

private:
    void buildColumns(const MeasurementChoice &proposal);
    void buildRows(const MeasurementChoice &proposal);
    void directionChanged(int column);
    void rowsChanged();
    void applyFilter(const QString &text);
    void showAnchors(int column, double worst, double best);
    void refresh();
    QList<int32_t> chosenRows() const;

    const MeasurementTable &m_table;
    QString m_title;
    QComboBox *cboNames = nullptr;
    QTableWidget *tblColumns = nullptr;
    QLineEdit *txtFilter = nullptr;
    QListWidget *lstRows = nullptr;
    QLabel *lblRowsChosen = nullptr;
    QLabel *lblProblem = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QList<bool> m_anchorsTyped; // per sheet column: the person typed an anchor
    bool m_updating = false;
};
