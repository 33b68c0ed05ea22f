#include "libmodCommandLine.h"

namespace libmodCommandLine {

std::optional<QStringList> SplitCommandLine(const QString &commandLine, int16_t maxArgs)
{
    QStringList arguments;
    bool inArgument = false;
    bool inQuotes = false;
    const auto isBlank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    for (QChar c : commandLine) {
        if (inQuotes) {
            if (c == QLatin1Char('"'))
                inQuotes = inArgument = false;
            else
                arguments.last().append(c);
        } else if (inArgument) {
            if (isBlank(c))
                inArgument = false;
            else
                arguments.last().append(c);
        } else if (!isBlank(c)) {
            if (maxArgs >= 1 && arguments.size() == maxArgs)
                break;
            arguments.append(QString());
            inArgument = true;
            if (c == QLatin1Char('"'))
                inQuotes = true;
            else
                arguments.last().append(c);
        }
    }
    if (arguments.isEmpty())
        return std::nullopt;
    return arguments;
}

bool IsValidFileName(const QString &name, bool allowPath)
{
    for (QChar c : QStringLiteral("?*|<>\"")) {
        if (name.contains(c))
            return false;
    }
#ifdef Q_OS_WIN
    if (name.contains(QLatin1Char('/')))
        return false;
    const qsizetype colon = name.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return !name.contains(QLatin1Char('\\')) || allowPath;
    return colon == 1 && allowPath;
#else
    return allowPath || !name.contains(QLatin1Char('/'));
#endif
}

} // namespace libmodCommandLine
