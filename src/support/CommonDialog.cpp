#include "CommonDialog.h"

#include "VeltraneError.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

FileDialogHandler &handler()
{
    static FileDialogHandler instance;
    return instance;
}

FileDialogHandler &presenter()
{
    static FileDialogHandler instance;
    return instance;
}

} // namespace

void CommonDialog::ShowOpen()
{
    show(false);
}

void CommonDialog::ShowSave()
{
    show(true);
}

void CommonDialog::show(bool save)
{
    FileDialogAnswer answer;
    if (handler())
        answer = handler()(*this, save);
    else if (presenter())
        answer = presenter()(*this, save);
    if (answer.fileName) {
        m_fileName = *answer.fileName;
        if (answer.filterIndex > 0)
            m_filterIndex = answer.filterIndex;
        return;
    }
    if (m_cancelError)
        throw VeltraneError::Cancel(ErrorSource("CommonDialog"));
}

void SetFileDialogHandler(FileDialogHandler newHandler)
{
    handler() = std::move(newHandler);
}

void SetFileDialogPresenter(FileDialogHandler newPresenter)
{
    presenter() = std::move(newPresenter);
}

QStringList NameFiltersOf(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString();
        if (description.isEmpty() && pattern.isEmpty())
            continue;
        // Qt reads the patterns from the parentheses that end a name filter.
        if (!pattern.isEmpty() && !description.endsWith(QLatin1Char(')'))) {
            QString patterns = pattern;
            patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
            description += QStringLiteral(" (") + patterns + QLatin1Char(')');
        }
        filters << description;
    }
    return filters;
}

bool HasFileExtension(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    static const QRegularExpression extension(QStringLiteral("^.+\\.(?=[0-9]*[A-Za-z])[A-Za-z0-9]{1,5}$"));
    return extension.match(name).hasMatch();
}

QString WithFilterExtension(const QString &path, const QString &filter, int32_t index)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    const qsizetype patternAt = qsizetype(index) * 2 - 1;
    if (index < 1 || patternAt >= parts.size() || HasFileExtension(path))
        return path;
    static const QRegularExpression single(QStringLiteral("^\\*(\\.[A-Za-z0-9]+)$"));
    const QRegularExpressionMatch match = single.match(parts[patternAt].trimmed());
    return match.hasMatch() ? path + match.captured(1) : path;
}
