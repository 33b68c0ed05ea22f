// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/AttributeScale.h"

#include <QWidget>

#include <optional>

// A small drawing of a value function: the rating (0 to 1, upwards) over the measured
// value (in number order, left to right), with the anchors and break points marked.
// Nothing is drawn but a note while the scale is not valid.
class ScaleDrawing : public QWidget
{
    Q_OBJECT

public:
    explicit ScaleDrawing(QWidget *parent = nullptr);

    void SetScale(const std::optional<AttributeScale> &scale);
    const std::optional<AttributeScale> &Scale() const { return m_scale; }

    QSize sizeHint() const override { return {260, 170}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<AttributeScale> m_scale;
};
