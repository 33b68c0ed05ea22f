#include "INIFile.h"

#include "io/TextFileReader.h"
#include "io/TextFileWriter.h"
#include "support/NumberText.h"
#include "support/VeltraneError.h"
#include "support/libmodGenericTextFunctions.h"
#include "support/modPath.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <limits>
#include <cmath>
#include <string>
#include <system_error>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Without a key a value is never written or found, so such an entry is a blank line
// as far as the file is concerned (a line "=v" reads like that).
bool isBlankLine(const INIEntry &entry)
{
    return entry.Key.isEmpty() && entry.Comment.isEmpty();
}

bool isDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// An optional sign followed by digits.
bool isWholeNumber(QStringView text)
{
    if (text.startsWith(u'-') || text.startsWith(u'+'))
        text = text.sliced(1);
    return isDigits(text);
}

double decimalValue(const QString &text)
{
    const std::string digits = (text.startsWith(u'+') ? text.sliced(1) : text).toStdString();
    double value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone then: too many digits before the separator is
        // beyond any double, too many zeros after it is as good as 0.
        const bool negative = digits.front() == '-';
        const size_t start = digits.find_first_not_of("-0");
        const bool huge = start != std::string::npos && digits[start] != '.';
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -value : value;
    }
    return value;
}

} // namespace

INIFile::INIFile()
{
    Reset();
}

void INIFile::Reset()
{
    m_sections = {INISection()};
    m_currentSection.clear();
}

void INIFile::UseSection(const QString &name)
{
    m_currentSection = FindOrAddSection(name).Name;
}

void INIFile::AddComment(const QString &comment)
{
    AddEntry(m_currentSection, {QString(), QString(), comment.isEmpty() ? QStringLiteral(" ") : comment});
}

void INIFile::AddBlankLine()
{
    AddEntry(m_currentSection, {});
}

void INIFile::AddParameter(const QString &key, const QString &value, const QString &comment)
{
    AddEntry(m_currentSection, {TrimBlanks(key), TrimBlanks(value), comment});
}

void INIFile::AddNumericParameter(const QString &key, double value, const QString &comment)
{
    AddParameter(key, FormatNumericValue(value), comment);
}

int16_t INIFile::CountSections() const
{
    int16_t count = 0;
    for (const INISection &section : m_sections) {
        if (!section.Name.isEmpty()) {
            ++count;
        } else {
            for (const INIEntry &entry : section.Entries) {
                if (!entry.Key.isEmpty()) {
                    ++count;
                    break;
                }
            }
        }
    }
    return count;
}

QString INIFile::GetParameterValue(const QString &section, const QString &key, const QString &defaultValue) const
{
    const INIEntry *entry = FindParameter(section, key);
    return entry ? entry->Value : defaultValue;
}

std::optional<QString> INIFile::GetParameterLine(const QString &section, const QString &key) const
{
    const INIEntry *entry = FindParameter(section, key);
    if (!entry)
        return std::nullopt;
    return entry->Comment.isEmpty() ? entry->Value : entry->Value + u';' + entry->Comment;
}

std::optional<double> INIFile::GetNumericParameterValue(const QString &section, const QString &key,
                                                        const QString &defaultValue) const
{
    return ParseNumericValue(GetParameterValue(section, key, defaultValue));
}

std::optional<double> INIFile::NumericValueOr(const QString &section, const QString &key,
                                              std::optional<double> defaultValue) const
{
    const INIEntry *entry = FindParameter(section, key);
    return entry ? ParseNumericValue(entry->Value) : defaultValue;
}

QStringList INIFile::GetKeys(const QString &section) const
{
    QStringList keys;
    const QString sectionName = TrimBlanks(section);
    for (const INISection &candidate : m_sections) {
        if (!sameName(candidate.Name, sectionName))
            continue;
        for (const INIEntry &entry : candidate.Entries)
            if (!entry.Key.isEmpty())
                keys.append(entry.Key);
    }
    return keys;
}

QString INIFile::Text() const
{
    // Nothing is written for blank lines before the first parameter or comment.
    QString text;
    bool started = false;
    const auto writeEntry = [&](const INIEntry &entry) {
        if (!entry.Key.isEmpty()) {
            text += entry.Key + u'=' + entry.Value;
            started = true;
        }
        if (!entry.Comment.isEmpty()) {
            if (!entry.Key.isEmpty())
                text += u' ';
            text += entry.Comment == QStringLiteral(" ") ? QStringLiteral(";") : QStringLiteral("; ") + entry.Comment;
            text += LineEnd;
            started = true;
        } else if (started) {
            text += LineEnd;
        }
    };

    for (const INISection &section : m_sections) {
        if (!section.Name.isEmpty())
            text += u'[' + section.Name + u']' + LineEnd;
        for (const INIEntry &entry : section.Entries)
            writeEntry(entry);
        writeEntry({}); // the section's closing blank line
    }
    return text;
}

bool INIFile::WriteFile(const QString &fileName)
{
    try {
        TextFileWriter::SaveTextFile(fileName, Text(), ErrorSource("INIFile"));
    } catch (const VeltraneError &error) {
        m_lastErrorNumber = error.number();
        m_lastErrorDescription = error.description();
        return false;
    }
    m_lastErrorNumber = 0;
    m_lastErrorDescription.clear();
    return true;
}

bool INIFile::ReadFile(const QString &fileName)
{
    const QString fullName = MakeFullPath(fileName, QCoreApplication::applicationDirPath());
    INIFile read;
    read.ParseLines(TextFileReader::ReadTextLines(fullName, ErrorSource("INIFile")));
    m_sections = std::move(read.m_sections);
    m_currentSection = std::move(read.m_currentSection);
    return true;
}

void INIFile::ParseLines(const QStringList &lines)
{
    Reset();
    UseSection(QString());
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QString line = TrimBlanks(lines[number]);
        if (line.isEmpty()) {
            AddBlankLine();
            continue;
        }
        if (line.startsWith(u'[')) {
            if (line.size() == 1) {
                throw VeltraneError(ErrBadSectionHeader, ErrorSource("INIFile"),
                                    QStringLiteral("Invalid section header \"[\" in line %1.").arg(number + 1));
            }
            // Whatever the last character is, it closes the header.
            UseSection(line.mid(1, line.size() - 2));
            continue;
        }

        QString text = line;
        QString comment;
        const qsizetype semicolon = line.indexOf(u';');
        if (semicolon >= 0) {
            comment = line.mid(semicolon + 1);
            if (comment.startsWith(u' '))
                comment.remove(0, 1);
            text = line.left(semicolon);
        }
        if (semicolon == 0) {
            AddComment(comment);
            continue;
        }
        const qsizetype equals = text.indexOf(u'=');
        if (equals >= 0)
            AddParameter(text.left(equals), text.mid(equals + 1), comment);
        else
            AddParameter(text, QString(), comment);
    }

    // The closing blank line of each section stands for the blank lines at its end.
    for (INISection &section : m_sections) {
        while (!section.Entries.isEmpty() && isBlankLine(section.Entries.last()))
            section.Entries.removeLast();
    }
}

INISection &INIFile::FindOrAddSection(const QString &name)
{
    const QString trimmed = TrimBlanks(name);
    for (INISection &section : m_sections) {
        if (sameName(section.Name, trimmed))
            return section;
    }
    m_sections.append({trimmed, {}});
    return m_sections.last();
}

void INIFile::AddEntry(const QString &section, const INIEntry &entry)
{
    FindOrAddSection(section).Entries.append(entry);
}

const INIEntry *INIFile::FindParameter(const QString &section, const QString &key) const
{
    const QString sectionName = TrimBlanks(section);
    const QString keyName = TrimBlanks(key);
    if (keyName.isEmpty())
        return nullptr;
    for (const INISection &candidate : m_sections) {
        if (!sameName(candidate.Name, sectionName))
            continue;
        for (const INIEntry &entry : candidate.Entries) {
            if (sameName(entry.Key, keyName))
                return &entry;
        }
        return nullptr; // only the first section of that name counts
    }
    return nullptr;
}

QString INIFile::FormatNumericValue(double value)
{
    if (!std::isfinite(value))
        return {};
    const double whole = std::nearbyint(value); // ties to even
    if (whole == value && whole >= -32768 && whole <= 32767)
        return QString::number(int(whole));
    // The program's default conversion with "." as separator: its integer part comes
    // from the same 15-digit rounding as its fraction, so 0.99999999999999994 gives
    // "1", and -0.5 keeps its sign.
    return NumberToText(value, QLocale::c());
}

std::optional<double> INIFile::ParseNumericValue(const QString &text)
{
    const QString t = TrimBlanks(text);
    const auto isSeparator = [](QChar c) { return c == u'.' || c == u','; };
    const auto separator = std::find_if(t.cbegin(), t.cend(), isSeparator);
    if (separator == t.cend())
        return isWholeNumber(t) ? std::optional(decimalValue(t)) : std::nullopt;

    const qsizetype at = separator - t.cbegin();
    const QStringView integerPart = QStringView(t).left(at);
    const QStringView fractionPart = QStringView(t).sliced(at + 1);
    if (!isWholeNumber(integerPart) || !isDigits(fractionPart))
        return std::nullopt; // this also rejects a second separator
    return decimalValue(integerPart.toString() + u'.' + fractionPart.toString());
}
