// SPDX-License-Identifier: GPL-3.0-or-later
#include "SwingPage.h"

#include "model/VeltraneTopic.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// The points kept with the topic, or the weightings as they stand, the largest as 100.
QList<double> startingPoints(const VeltraneTopic &topic)
{
    const WeightingMethodInputs &kept = topic.MethodInputs();
    if (kept.Kind == WeightingMethodInputs::Method::Swing)
        return kept.Points;
    const QList<double> shares = MethodPage::CurrentShares(topic);
    const double largest = *std::max_element(shares.cbegin(), shares.cend());
    QList<double> points;
    for (double share : shares)
        points.append(std::round(share / largest * 100));
    return points;
}

} // namespace

SwingPage::SwingPage(const VeltraneTopic &topic, QWidget *parent) : MethodPage(parent)
{
    setObjectName(QStringLiteral("pageSwing"));
    m_points = startingPoints(topic);

    auto *explanation = Explanation(
        QStringLiteral("Imagine an option that is worst on every attribute. Which single improvement would you "
                       "want first? Give it 100 points, and every other improvement from 0 to 100 points "
                       "against it."),
        this);

    auto *rows = new QWidget;
    rows->setObjectName(QStringLiteral("picSwingRows"));
    auto *grid = new QGridLayout(rows);
    grid->setColumnStretch(1, 1);
    for (int16_t j = 0; j < topic.TotalAttributes(); ++j) {
        const QString name = topic.GetAttributeName(j);
        auto *label = new QLabel(
            QStringLiteral("<b>%1</b> %2").arg(name.toHtmlEscaped(), SwingRange(topic, j).toHtmlEscaped()), rows);
        label->setWordWrap(true);
        auto *slider = new QSlider(Qt::Horizontal, rows);
        slider->setObjectName(QStringLiteral("sliderSwing(%1)").arg(j));
        slider->setRange(0, 100);
        slider->setPageStep(10);
        slider->setAccessibleName(QStringLiteral("Points for the swing of %1").arg(name));
        auto *box = new QSpinBox(rows);
        box->setObjectName(QStringLiteral("txtSwing(%1)").arg(j));
        box->setRange(0, 100);
        box->setAccessibleName(slider->accessibleName());
        label->setBuddy(box);
        const int shown = int(std::lround(m_points[j]));
        slider->setValue(shown);
        box->setValue(shown);
        grid->addWidget(label, 2 * j, 0, 1, 3);
        grid->addWidget(slider, 2 * j + 1, 1);
        grid->addWidget(box, 2 * j + 1, 2);
        sliderSwing.push_back(slider);
        txtSwing.push_back(box);
        connect(slider, &QSlider::valueChanged, this, [this, j](int value) { SetPoints(j, value); });
        connect(box, &QSpinBox::valueChanged, this, [this, j](int value) { SetPoints(j, value); });
    }
    grid->setRowStretch(2 * topic.TotalAttributes(), 1);

    auto *scroll = new QScrollArea(this);
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAccessibleName(QStringLiteral("Swing of each attribute"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(scroll, 1);
}

WeightingMethodInputs SwingPage::Inputs() const
{
    WeightingMethodInputs inputs;
    inputs.Kind = WeightingMethodInputs::Method::Swing;
    inputs.Points = m_points;
    return inputs;
}

QString SwingPage::Problem() const
{
    return std::all_of(m_points.cbegin(), m_points.cend(), [](double points) { return points == 0; })
               ? QStringLiteral("Give at least one improvement more than 0 points.")
               : QString();
}

void SwingPage::SetPoints(int attribute, int points)
{
    if (attribute < 0 || attribute >= m_points.size() || m_points[attribute] == points)
        return;
    m_points[attribute] = points;
    const QSignalBlocker sliderQuiet(sliderSwing[size_t(attribute)]);
    const QSignalBlocker boxQuiet(txtSwing[size_t(attribute)]);
    sliderSwing[size_t(attribute)]->setValue(points);
    txtSwing[size_t(attribute)]->setValue(points);
    emit Changed();
}

QString SwingPage::SwingRange(const VeltraneTopic &topic, int16_t attribute)
{
    if (!topic.HasScale(attribute))
        return QStringLiteral("from its worst to its best rating");
    const AttributeScale scale = topic.GetScale(attribute);
    const auto measured = [&](double value) {
        const QString number = QLocale().toString(value, 'g', 15);
        return scale.Unit.isEmpty() ? number : number + u' ' + scale.Unit;
    };
    return QStringLiteral("from %1 to %2").arg(measured(scale.Worst), measured(scale.Best));
}
