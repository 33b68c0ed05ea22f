// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/AttributeScale.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class ScaleDrawing;

// "Measure in units…" for one attribute: rated by hand (and then perhaps lower is better),
// or measured in a unit from a worst to a best value, with break points between them and
// a drawing of the function that follows every edit. OK is refused while the scale is not
// valid, and the dialog says why.
class frmScale : public QDialog
{
    Q_OBJECT

public:
    // What the attribute is now: its name, its scale if measured, its direction if not.
    frmScale(const QString &attributeName, const std::optional<AttributeScale> &scale, bool lowerBetter,
             QWidget *parent = nullptr);

    // The scale as typed; nothing when "rated by hand" is chosen or it is not valid.
    std::optional<AttributeScale> Scale() const;
    bool Measured() const;
    bool LowerBetter() const;
    // Why OK is refused; empty when it is not.
    QString Problem() const;

    void accept() override;

private:
    std::optional<AttributeScale> typedScale(QString *problem) const;
    void addPoint();
    void removePoint();
    void refresh();

    QRadioButton *optByHand = nullptr;
    QRadioButton *optMeasured = nullptr;
    QCheckBox *chkLowerBetter = nullptr;
    QLineEdit *txtUnit = nullptr;
    QLineEdit *txtWorst = nullptr;
    QLineEdit *txtBest = nullptr;
    QTableWidget *tblPoints = nullptr;
    QPushButton *btnAddPoint = nullptr;
    QPushButton *btnRemovePoint = nullptr;
    ScaleDrawing *picFunction = nullptr;
    QLabel *lblProblem = nullptr;
    QPushButton *btnOK = nullptr;
    QWidget *m_units = nullptr; // everything that only a measured attribute has
};
