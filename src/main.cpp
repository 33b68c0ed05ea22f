#include "app/modStartup.h"
#include "ui/main/AccessibleWidgets.h"
#include "ui/main/frmMain.h"
#include "ui/support/FontSetup.h"
#include "ui/support/ScreenPresenters.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // Answered before anything needs a display.
    if (modStartup::PrintHelpOrVersion(argc, argv))
        return 0;

    std::thread fonts = WarmFontConfiguration();
    QApplication application(argc, argv); // takes Qt's own arguments out of argv
    frmMain::PrepareButtonArt();
    fonts.join();

    // What the window library puts behind the core's hooks, before anything is shown.
    InstallFontSubstitutions();
    InstallScreenPresenters();
    InstallAccessibleWidgets();
    frmMain::InstallWindowHooks();

    return modStartup::Main(argc, argv);
}
