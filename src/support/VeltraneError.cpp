#include "VeltraneError.h"

#include <cerrno>
#include <cstring>

static_assert(ErrFileTooLarge == EFBIG);

namespace {

QString orStandard(const QString &description, const char *standard)
{
    return description.isEmpty() ? QString::fromLatin1(standard) : description;
}

} // namespace

VeltraneError::VeltraneError(int32_t number, QString source, QString description)
    : m_number(number)
    , m_source(std::move(source))
    , m_description(std::move(description))
    , m_what(QStringLiteral("%1 (%2): %3").arg(m_number).arg(m_source, m_description).toUtf8())
{
}

VeltraneError VeltraneError::fromErrno(int error, const QString &source)
{
    return VeltraneError(error, source, QString::fromLocal8Bit(std::strerror(error)));
}

VeltraneError VeltraneError::Overflow(const QString &source, const QString &description)
{
    return VeltraneError(ErrOverflow, source, orStandard(description, "Overflow"));
}

VeltraneError VeltraneError::OutOfMemory(const QString &source)
{
    return VeltraneError(ErrOutOfMemory, source, QStringLiteral("Out of memory"));
}

VeltraneError VeltraneError::TypeMismatch(const QString &source, const QString &description)
{
    return VeltraneError(ErrTypeMismatch, source, orStandard(description, "Type mismatch"));
}

VeltraneError VeltraneError::FileTooLarge(const QString &source)
{
    return fromErrno(ErrFileTooLarge, source);
}

VeltraneError VeltraneError::ObjectNotSet(const QString &source)
{
    return VeltraneError(ErrObjectNotSet, source, QStringLiteral("Object variable or With block variable not set"));
}

VeltraneError VeltraneError::InvalidPropertyValue(const QString &source)
{
    return VeltraneError(ErrInvalidPropertyValue, source, QStringLiteral("Invalid property value"));
}

VeltraneError VeltraneError::Cancel(const QString &source)
{
    return VeltraneError(ErrCancel, source, QStringLiteral("Cancel was selected."));
}

QString ErrorSource(const char *moduleName)
{
    return QStringLiteral("veltrane.") + QLatin1String(moduleName);
}
