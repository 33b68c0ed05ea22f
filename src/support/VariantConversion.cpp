#include "VariantConversion.h"

#include "support/DecimalRound.h"
#include "support/NumberText.h"
#include "support/NumericText.h"
#include "support/VeltraneError.h"

#include <cmath>
#include <limits>
#include <optional>

namespace {

// Run-time errors carry the program's name as their source.
const char *const RuntimeSource = "veltrane";

[[noreturn]] void typeMismatch()
{
    throw VeltraneError::TypeMismatch(QString::fromLatin1(RuntimeSource));
}

std::optional<bool> booleanText(const QString &text)
{
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

// The number a value stands for, or a type mismatch.
double toNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::Bool:
        return value.toBool() ? -1 : 0;
    case QMetaType::QString:
    case QMetaType::QChar: {
        const QString text = value.toString().trimmed();
        if (const auto flag = booleanText(text))
            return *flag ? -1 : 0;
        const std::optional<double> number = ParseNumericText(text);
        if (!number || !std::isfinite(*number))
            typeMismatch();
        return *number;
    }
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return value.toDouble();
    default:
        typeMismatch();
    }
}

} // namespace

QString VariantToText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Float:
    case QMetaType::Double:
        return NumberToText(value.toDouble());
    default:
        if (!value.canConvert<QString>())
            typeMismatch();
        return value.toString();
    }
}

int32_t VariantToLong(const QVariant &value)
{
    const double number = RoundDecimal(toNumber(value), 0);
    if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max())
        throw VeltraneError::Overflow(QString::fromLatin1(RuntimeSource));
    return int32_t(number);
}

bool VariantToBool(const QVariant &value)
{
    return toNumber(value) != 0;
}
