#include "ui/support/HelpPage.h"

#include "ui/support/libmodUnsorted_ui.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QWidget>

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

namespace {

class HelpKey : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        const QUrl page = HelpPageUrl();
        if (!page.isEmpty())
            ShellOpenURL(static_cast<QWidget *>(watched)->window(), page.toString());
        return true;
    }
};

} // namespace

void InstallHelpKey(QObject *owner)
{
    qApp->installEventFilter(new HelpKey(owner));
}
