#pragma once

#include "support/VeltraneError.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <type_traits>

// One line of a section: a parameter (Key not empty), a comment line (Key empty,
// Comment not empty) or a blank line (all three empty).
struct INIEntry
{
    QString Key;
    QString Value;
    QString Comment;
};

struct INISection
{
    QString Name; // empty for the unnamed section before the first header
    QList<INIEntry> Entries;
};

// A small INI-style document: sections of parameters, comments and blank lines in file
// order, so that a document read and written again keeps its layout. Keys and section
// names compare case-insensitively; the first of duplicate keys wins.
class INIFile
{
public:
    // The number ReadFile raises for a header line made of "[" alone.
    static constexpr int32_t ErrBadSectionHeader = ErrInvalidProcedureCall;

    INIFile();

    // Back to one empty unnamed section, which becomes current.
    void Reset();
    // Makes the section of that (trimmed) name current, appending it when new.
    void UseSection(const QString &name);
    // Appends to the current section. An empty comment is kept as a single blank.
    void AddComment(const QString &comment);
    void AddBlankLine();
    void AddParameter(const QString &key, const QString &value, const QString &comment = {});
    // Whole numbers in the 16-bit range as integers ("0", "1"), anything else as decimal
    // text with "." whatever the locale ("0.5", "-0.5", "0.00001"); NaN as the empty text.
    void AddNumericParameter(const QString &key, double value, const QString &comment = {});

    // Named sections, plus one when the unnamed section holds a parameter.
    int16_t CountSections() const;
    QString GetParameterValue(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    // The value read as a number with "." or "," as decimal separator ("0.5", "0,5",
    // "-0,5", "1"); no number for any other text. A missing key reads defaultValue.
    std::optional<double> GetNumericParameterValue(const QString &section, const QString &key,
                                                   const QString &defaultValue = {}) const;
    // A number as the default ("0.75", std::nullopt). A template, so that a braced empty
    // default ({}) still means the empty text above.
    template <typename Number>
        requires(std::is_convertible_v<Number, std::optional<double>> && !std::is_convertible_v<Number, QString>)
    std::optional<double> GetNumericParameterValue(const QString &section, const QString &key,
                                                   Number defaultValue) const
    {
        return NumericValueOr(section, key, std::optional<double>(defaultValue));
    }

    // The keys of a section's parameters in file order; none when there is no such section.
    QStringList GetKeys(const QString &section) const;

    // A parameter's value as its line holds it: on reading, a ";" starts a comment, so a
    // value written with ";" inside comes back split, and this joins it again. Nothing
    // when the key is missing.
    std::optional<QString> GetParameterLine(const QString &section, const QString &key) const;

    // The numeric form of the file: what AddNumericParameter writes and
    // GetNumericParameterValue reads, also for numbers inside a longer value.
    static QString FormatNumericValue(double value);
    static std::optional<double> ParseNumericValue(const QString &text);

    // The document as WriteFile writes it: CR LF line ends, one empty line after each section.
    QString Text() const;
    // Saves Text() as UTF-8; false on failure, with the system's error number and text in
    // LastErrorNumber() and LastErrorDescription(). A failed save keeps the old file.
    bool WriteFile(const QString &fileName);
    int32_t LastErrorNumber() const { return m_lastErrorNumber; }
    QString LastErrorDescription() const { return m_lastErrorDescription; }

    // Replaces the document by the file's contents; a relative name is taken from the
    // program's own folder. Throws VeltraneError when the file cannot be read (the
    // system's error) or holds a header of "[" alone; the document then stays as it was.
    bool ReadFile(const QString &fileName);

private:
    INISection &FindOrAddSection(const QString &name);
    void AddEntry(const QString &section, const INIEntry &entry);
    const INIEntry *FindParameter(const QString &section, const QString &key) const;
    std::optional<double> NumericValueOr(const QString &section, const QString &key,
                                         std::optional<double> defaultValue) const;
    void ParseLines(const QStringList &lines);

    QList<INISection> m_sections;
    QString m_currentSection;
    int32_t m_lastErrorNumber = 0;
    QString m_lastErrorDescription;
};
