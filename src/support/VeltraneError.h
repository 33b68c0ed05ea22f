#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <exception>

// Base of the application-defined error numbers; the topic's 1001 is vbObjectError + 1001.
inline constexpr int32_t vbObjectError = int32_t(0x80040000);

// A failure raised with a number, a source and a description.
class VeltraneError : public std::exception
{
public:
    VeltraneError(int32_t number, QString source, QString description);

    int32_t number() const noexcept { return m_number; }
    QString source() const { return m_source; }
    QString description() const { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

    // A failure of the operating system: errno and its text, with the given source.
    static VeltraneError fromErrno(int error, const QString &source);

private:
    int32_t m_number;
    QString m_source;
    QString m_description;
    QByteArray m_what;
};

// The executable name that starts every error source: "veltrane." + module or class.
QString ErrorSource(const char *moduleName);
