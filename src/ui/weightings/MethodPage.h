// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/WeightingMethodInputs.h"

#include <QList>
#include <QString>
#include <QWidget>

class QLabel;
class VeltraneTopic;

// One tab of the weightings dialog: a way of answering how much each attribute matters.
// A page starts from the answers kept with the topic when they are its method's, else
// from the weightings as they stand, and says whenever its answers change.
class MethodPage : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The answers as they stand.
    virtual WeightingMethodInputs Inputs() const = 0;
    // Why the answers cannot give weightings, in plain words; empty when they can.
    virtual QString Problem() const { return {}; }

    // The topic's weightings as shares that add up to 1 (equal shares when all are 0):
    // where a page starts when the topic keeps no answers of its kind.
    static QList<double> CurrentShares(const VeltraneTopic &topic);
    // The names of the topic's attributes, in order.
    static QList<QString> AttributeNames(const VeltraneTopic &topic);

signals:
    void Changed();

protected:
    // A paragraph of explanation at the top of a page.
    static QLabel *Explanation(const QString &text, QWidget *parent);
};
