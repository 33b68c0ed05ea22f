#include "FontSetup.h"

#include <QFont>
#include <QFontDatabase>

void InstallFontSubstitutions()
{
    if (!QFontDatabase::families().contains(QStringLiteral("Comic Sans MS")))
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}
