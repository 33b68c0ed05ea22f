#include "ui/support/HelpPage.h"

#include <QCoreApplication>
#include <QFileInfo>

QUrl HelpPageUrl()
{
    const QString candidates[] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/" VELTRANE_HELP_FROM_BINDIR),
        QStringLiteral(VELTRANE_HELP_SOURCE),
    };
    for (const QString &candidate : candidates) {
        const QFileInfo page(candidate);
        if (page.isFile())
            return QUrl::fromLocalFile(page.canonicalFilePath());
    }
    return {};
}
