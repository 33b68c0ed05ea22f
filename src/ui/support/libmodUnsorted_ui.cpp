#include "libmodUnsorted_ui.h"

#include "gfx/PictureBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QPainter>
#include <QPixmap>
#include <QUrl>
#include <QWidget>

#include <algorithm>

namespace libmodUnsorted {

bool IsFormLoaded(const QString &formName)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(),
                       [&](const QWidget *window) { return window->objectName() == formName; });
}

void ShellOpenURL(QWidget *, const QString &target)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(target));
}

void CopyParentBackground(QWidget *widget, int16_t offset)
{
    if (!widget)
        return;
    QWidget &control = *widget;
    QWidget *parent = control.parentWidget();
    if (!parent || control.width() <= 0 || control.height() <= 0)
        return;
    const QRect source(control.x() + offset, control.y() + offset, control.width(), control.height());
    QPixmap copy(control.size());
    copy.fill(parent->palette().color(parent->backgroundRole()));
    parent->render(&copy, QPoint(), QRegion(source), QWidget::DrawWindowBackground);

    if (auto *surface = qobject_cast<PictureBox *>(&control)) {
        QPainter painter(&surface->Image());
        painter.drawPixmap(0, 0, copy);
        surface->update();
        return;
    }
    QPalette palette = control.palette();
    palette.setBrush(control.backgroundRole(), QBrush(copy));
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

void SuspendRedraw(QWidget *window)
{
    if (window)
        window->setUpdatesEnabled(false);
}

void ResumeRedraw(QWidget *window)
{
    if (window)
        window->setUpdatesEnabled(true);
}

} // namespace libmodUnsorted
