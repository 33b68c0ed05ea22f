#include "FontSetup.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

void InstallFontSubstitutions()
{
    if (!QFontDatabase::families().contains(QStringLiteral("Comic Sans MS")))
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}
