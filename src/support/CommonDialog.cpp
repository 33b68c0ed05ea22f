#include "CommonDialog.h"

#include "VeltraneError.h"

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
    std::optional<QString> chosen;
    if (handler())
        chosen = handler()(*this, save);
    else if (presenter())
        chosen = presenter()(*this, save);
    if (chosen) {
        m_fileName = *chosen;
        return;
    }
    if (m_cancelError)
        throw VeltraneError(cdlCancel, ErrorSource("CommonDialog"), QStringLiteral("Cancel was selected."));
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
