#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <exception>

// Base of the application-defined error numbers; the topic's 1001 is vbObjectError + 1001.
inline constexpr int32_t vbObjectError = int32_t(0x80040000);

// The run-time errors the program raises, by number; each has a factory below that fills
// in its standard text.
inline constexpr int32_t ErrInvalidProcedureCall = 5;
inline constexpr int32_t ErrOverflow = 6;
inline constexpr int32_t ErrOutOfMemory = 7;
inline constexpr int32_t ErrTypeMismatch = 13;
// The system's EFBIG, so a read refused for its size reports the system's text.
inline constexpr int32_t ErrFileTooLarge = 27;
inline constexpr int32_t ErrObjectNotSet = 91;
inline constexpr int32_t ErrInvalidPropertyValue = 380;
// A file dialog closed with Cancel while its CancelError is set.
inline constexpr int32_t ErrCancel = 32755;

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

    // The run-time errors with their standard texts ("Overflow", "Type mismatch", ...);
    // a description, when given, replaces the standard text.
    static VeltraneError Overflow(const QString &source, const QString &description = {});
    static VeltraneError OutOfMemory(const QString &source);
    static VeltraneError TypeMismatch(const QString &source, const QString &description = {});
    static VeltraneError FileTooLarge(const QString &source);
    static VeltraneError ObjectNotSet(const QString &source);
    static VeltraneError InvalidPropertyValue(const QString &source);
    static VeltraneError Cancel(const QString &source);

private:
    int32_t m_number;
    QString m_source;
    QString m_description;
    QByteArray m_what;
};

// The executable name that starts every error source: "veltrane." + module or class.
QString ErrorSource(const char *moduleName);
