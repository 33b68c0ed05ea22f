// SPDX-License-Identifier: GPL-3.0-or-later
#include "MethodPage.h"

#include "model/VeltraneTopic.h"

#include <QLabel>

QList<QString> MethodPage::AttributeNames(const VeltraneTopic &topic)
{
    QList<QString> names;
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j)
        names.append(topic.GetAttributeName(j));
    return names;
}

QList<double> MethodPage::CurrentShares(const VeltraneTopic &topic)
{
    QList<double> weightings;
    double sum = 0;
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j)
        sum += weightings.emplace_back(topic.GetWeighting(j));
    QList<double> shares;
    for (double weighting : weightings)
        shares.append(VeltraneTopic::NormalisedShare(weighting, sum, weightings.size()));
    return shares;
}

QLabel *MethodPage::Explanation(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}
