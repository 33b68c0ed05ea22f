#pragma once

#include <QUrl>

// The program's own help page: the one installed with the program (beside its binary's
// share folder), else the one in the source tree it was built from. An empty URL when
// neither exists.
QUrl HelpPageUrl();
