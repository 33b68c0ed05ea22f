// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up measurement: a Qt window of the main window's size that
// only shows itself, so the figure for Veltrane can be read against what Qt alone costs.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(607, 415);
    window.show();
    return QApplication::exec();
}
