#include "ui/support/FontSetup.h"

#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>

TEST(FontSetup, ComicSansFallsBackToComicNeue)
{
    InstallFontSubstitutions();
    QFont font(QStringLiteral("Comic Sans MS"), 12, QFont::Bold);
    const QString family = QFontInfo(font).family();
    EXPECT_TRUE(family == "Comic Sans MS" || family == "Comic Neue") << family.toStdString();
}
