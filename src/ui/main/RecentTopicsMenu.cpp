#include "RecentTopicsMenu.h"

#include "io/RecentTopics.h"

#include <QDir>
#include <QMenu>

void FillRecentTopicsMenu(QMenu &menu, const std::function<void(const QString &)> &open)
{
    const QStringList &files = RecentTopics::Files();
    if (files.isEmpty()) {
        menu.addAction(QStringLiteral("No recent topics"))->setEnabled(false);
        return;
    }
    const QString home = QDir::homePath() + u'/';
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString file = files[i];
        QString shown = QDir::toNativeSeparators(file);
        if (file.startsWith(home))
            shown = QStringLiteral("~/") + file.mid(home.size());
        // An ampersand in a path is shown, not taken for the entry's key.
        shown.replace(u'&', QStringLiteral("&&"));
        QAction *entry = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        entry->setObjectName(QStringLiteral("mnuRecentTopic(%1)").arg(i));
        QObject::connect(entry, &QAction::triggered, &menu, [open, file] { open(file); });
    }
}
