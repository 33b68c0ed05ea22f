#include "FontSetup.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

std::thread WarmFontConfiguration()
{
    return std::thread([] {
        // The configuration stays loaded for the toolkit's own first call, and listing the
        // fonts once brings in the font caches it reads next.
        FcInit();
        FcPattern *all = FcPatternCreate();
        FcObjectSet *families = FcObjectSetBuild(FC_FAMILY, nullptr);
        FcFontSetDestroy(FcFontList(nullptr, all, families));
        FcObjectSetDestroy(families);
        FcPatternDestroy(all);
    });
}

void InstallFontSubstitutions()
{
    if (!QFontDatabase::families().contains(QStringLiteral("Comic Sans MS")))
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}
