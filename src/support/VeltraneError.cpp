#include "VeltraneError.h"

#include <cstring>

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

QString ErrorSource(const char *moduleName)
{
    return QStringLiteral("veltrane.") + QLatin1String(moduleName);
}
