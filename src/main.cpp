#include "app/ScriptedRun.h"
#include "app/modStartup.h"
#include "io/WindowHooks.h"
#include "ui/main/AccessibleWidgets.h"
#include "ui/main/frmMain.h"
#include "ui/report/DecisionReport.h"
#include "ui/support/FontSetup.h"
#include "ui/support/ScreenPresenters.h"

#include <QApplication>
#include <QFile>

int main(int argc, char **argv)
{
    // Answered before anything needs a display.
    if (modStartup::PrintHelpOrVersion(argc, argv))
        return 0;
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QFile::decodeName(argv[i]);
    switch (ScriptedRun::Requested(arguments)) {
    case ScriptedRun::Command::None:
        break;
    case ScriptedRun::Command::Report: {
        // The report draws with the window's fonts and views, on no screen at all.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication application(argc, argv);
        InstallFontSubstitutions();
        return ScriptedRun::Run(arguments, DecisionReport::Save);
    }
    default: {
        // Scores and exports need no display, nor the widgets' start-up.
        QCoreApplication application(argc, argv);
        return ScriptedRun::Run(arguments, {});
    }
    }

    std::thread fonts = WarmFontConfiguration();
    QApplication application(argc, argv); // takes Qt's own arguments out of argv
    frmMain::PrepareButtonArt();
    fonts.join();

    // What the window library puts behind the core's hooks, before anything is shown.
    InstallFontSubstitutions();
    InstallScreenPresenters();
    InstallAccessibleWidgets();
    frmMain::InstallWindowHooks();
    windowHooks().saveReport = DecisionReport::Save;

    return modStartup::Main(argc, argv);
}
