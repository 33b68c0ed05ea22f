#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Generic command-line support: splitting a raw command line into arguments and checking
// that a text can be a file name.
namespace libmodCommandLine {

// Splits commandLine (without the program's own path) into arguments: blanks (space,
// tab) separate them, double quotes group text with blanks and are not kept; a closing
// quote ends its argument. Returns at most maxArgs arguments (0: no limit), or nothing
// when there are none.
std::optional<QStringList> SplitCommandLine(const QString &commandLine, int16_t maxArgs = 0);

// Whether name can name a file (with a folder part when allowPath is true). Never valid:
// ? * | < > and the double quote. "/" separates folders, so it is allowed only with
// allowPath; on Windows also ":" (only as a drive's second character) and "\".
bool IsValidFileName(const QString &name, bool allowPath);

} // namespace libmodCommandLine

using libmodCommandLine::IsValidFileName;
using libmodCommandLine::SplitCommandLine;
