#pragma once

#include <QUrl>

class QObject;

// The program's own help page: the one installed with the program (beside its binary's
// share folder), else the one in the source tree it was built from. An empty URL when
// neither exists.
QUrl HelpPageUrl();

// F1 opens the help page from every window of the program (the main window, the settings
// dialog, the analysis window), whichever control has the focus. The key handler lives as
// long as `owner`.
void InstallHelpKey(QObject *owner);
