#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QObject;

// An element of a control array is named after its array with the index in parentheses:
// "sliderRating(4)". The name is the only place the index is kept.
QString ControlArrayElementName(const QString &arrayName, int16_t index);

// The index of a control array element, or none for a control that is not one.
std::optional<int16_t> ControlArrayIndex(const QObject &control);

// The array name of an element ("sliderRating"), or the whole name of a single control.
QString ControlArrayName(const QObject &control);
