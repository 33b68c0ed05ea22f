#include "ui/support/VLabel.h"
#include "ui/support/FontSetup.h"
#include "ui/support/libmodTextMetrics.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

const QString Ellipsis = QStringLiteral("\u2026");

int Width(const QFont &font, const QString &text) { return QFontMetrics(font).horizontalAdvance(text); }

struct FitFixture : ::testing::Test
{
    QWidget window;
    QLineEdit *fontCalc = new QLineEdit(&window);
    VLabel *label = new VLabel(&window);
    int changes = 0;

    void SetUp() override
    {
        InstallFontSubstitutions();
        fontCalc->setObjectName(QStringLiteral("txtFontCalc"));
        libmodTextMetrics::SetFontCalcControl(fontCalc);
        label->setFont(QFont(QStringLiteral("Comic Sans MS"), 8, QFont::Bold));
        label->setGeometry(100, 20, 120, 18);
        QObject::connect(label, &VLabel::Change, [this] { ++changes; });
    }

    void TearDown() override { libmodTextMetrics::SetFontCalcControl(nullptr); }
};

} // namespace

TEST(TextMetrics, MeasuresInTheGivenFont)
{
    QLineEdit box;
    const QFont big(QStringLiteral("Comic Sans MS"), 16, QFont::Bold);
    const QSize size = MeasureText(box, QStringLiteral("Weightings"), big);
    EXPECT_EQ(box.font(), big) << "the control takes the font";
    EXPECT_EQ(size.width(), Width(big, QStringLiteral("Weightings")));
    EXPECT_EQ(size.height(), QFontMetrics(big).height());
    EXPECT_EQ(TextWidthInControl(box, QStringLiteral("Weightings")), size.width());
}

TEST(TextMetrics, ComicSansFallsBackToComicNeue)
{
    InstallFontSubstitutions();
    const QString family = QFontInfo(QFont(QStringLiteral("Comic Sans MS"), 12, QFont::Bold)).family();
    if (QFontDatabase::families().contains(QStringLiteral("Comic Sans MS")))
        EXPECT_EQ(family, "Comic Sans MS");
    else
        EXPECT_EQ(family, "Comic Neue");
}

TEST_F(FitFixture, LimitZeroChangesNothing)
{
    label->SetCaption(QStringLiteral("  A rather long option name that does not fit  "));
    changes = 0;
    FitLabelCaption(*label, 0);
    FitLabelCaption(*label);
    EXPECT_EQ(label->Caption(), "  A rather long option name that does not fit  ");
    EXPECT_EQ(label->geometry(), QRect(100, 20, 120, 18));
    EXPECT_EQ(changes, 0);
}

TEST_F(FitFixture, MinusOneFitsTheCurrentWidthWithoutResizing)
{
    const QString full = QStringLiteral("A rather long option name that does not fit");
    label->SetCaption(full);
    FitLabelCaption(*label, -1);
    const QString caption = label->Caption();
    ASSERT_TRUE(caption.endsWith(Ellipsis)) << caption.toStdString();
    EXPECT_LE(Width(label->font(), caption + "SS"), 120);
    // Up to the next character that is not a space, it would not have fitted.
    qsizetype next = caption.size() - 1;
    while (full.at(next) == u' ')
        ++next;
    EXPECT_GT(Width(label->font(), full.left(next + 1) + Ellipsis + "SS"), 120);
    EXPECT_EQ(label->geometry(), QRect(100, 20, 120, 18));
    EXPECT_EQ(fontCalc->font(), label->font()) << "measured in txtFontCalc with the label's font";
}

TEST_F(FitFixture, FittingCaptionIsLeftUntrimmed)
{
    label->SetCaption(QStringLiteral(" Cost "));
    changes = 0;
    FitLabelCaption(*label, -1);
    EXPECT_EQ(label->Caption(), " Cost ");
    EXPECT_EQ(changes, 0);
}

TEST_F(FitFixture, OneCharacterIsNeverShortened)
{
    label->SetCaption(QStringLiteral("W"));
    FitLabelCaption(*label, 1);
    EXPECT_EQ(label->Caption(), "W");
    EXPECT_EQ(label->width(), Width(label->font(), QStringLiteral("WSS")));
}

TEST_F(FitFixture, ShortenedTextLosesTrailingSpacesBeforeTheEllipsis)
{
    label->SetCaption(QStringLiteral("Ab cdefghijklmnop"));
    const int limit = Width(label->font(), QStringLiteral("Ab c") + Ellipsis + "SS") - 1;
    FitLabelCaption(*label, limit);
    EXPECT_EQ(label->Caption(), "Ab" + Ellipsis);
    EXPECT_EQ(changes, 2); // the caption set by the test, then the shortened one
}

TEST_F(FitFixture, OnlySpacesAreTrimmed)
{
    label->SetCaption(QStringLiteral("\tAbcdefghijklmnop "));
    const int limit = Width(label->font(), QStringLiteral("\tAbcdef") + Ellipsis + "SS");
    FitLabelCaption(*label, limit);
    EXPECT_EQ(label->Caption(), "\tAbcdef" + Ellipsis);
}

TEST_F(FitFixture, PositiveLimitResizesByAlignment)
{
    const QString text = QStringLiteral("Price");
    const int w = Width(label->font(), text + "SS");

    label->SetCaption(text);
    label->SetAlignment(0);
    FitLabelCaption(*label, 500);
    EXPECT_EQ(label->geometry(), QRect(100, 20, w, 18));

    label->setGeometry(100, 20, 120, 18);
    label->SetAlignment(1);
    FitLabelCaption(*label, 500);
    EXPECT_EQ(label->geometry(), QRect(220 - w, 20, w, 18)) << "right edge kept";

    label->setGeometry(100, 20, 120, 18);
    label->SetAlignment(2);
    FitLabelCaption(*label, 500);
    EXPECT_EQ(label->x(), int(std::nearbyint(100 + 60 - w / 2.0))) << "centre kept";
    EXPECT_EQ(label->width(), w);
    EXPECT_EQ(label->Caption(), text);
}

namespace {

// The shortening rule step by step: drop the last character, trim, measure again.
QString FitOneAtATime(const QFont &font, const QString &caption, int limit)
{
    auto trimmed = [](QString t) {
        while (t.endsWith(u' '))
            t.chop(1);
        while (t.startsWith(u' '))
            t.remove(0, 1);
        return t;
    };
    QString text = trimmed(caption);
    int w = Width(font, text + "SS");
    bool shortened = false;
    while (text.size() >= 2 && w > limit) {
        text.chop(1);
        text = trimmed(text);
        shortened = true;
        w = Width(font, text + Ellipsis + "SS");
    }
    return shortened ? text + Ellipsis : caption;
}

} // namespace

// Many names, many limits: the fast fitting gives exactly the text of the step-by-step rule.
TEST_F(FitFixture, SameTextAsShorteningOneCharacterAtATime)
{
    const QStringList words = {QStringLiteral("Wide"), QStringLiteral("il"), QStringLiteral("  "),
                               QStringLiteral("Ünïcode"), QStringLiteral("MMMM"), QStringLiteral("a b"),
                               QStringLiteral("\u00e9t\u00e9"), QStringLiteral("x"), QStringLiteral("\U0001F600")};
    for (const QFont &font : {QFont(QStringLiteral("Comic Sans MS"), 8, QFont::Bold),
                              QFont(QStringLiteral("Comic Sans MS"), 12)}) {
        label->setFont(font);
        unsigned seed = 7;
        for (int name = 0; name < 150; ++name) {
            QString caption = name % 5 == 0 ? QStringLiteral(" ") : QString();
            for (int word = 0, count = 1 + name % 11; word < count; ++word) {
                seed = seed * 1103515245 + 12345;
                caption += words[(seed >> 16) % words.size()];
            }
            for (const int limit : {1, 20, 37, 60, 100, 151, 400}) {
                label->SetCaption(caption);
                label->setGeometry(100, 20, 120, 18);
                FitLabelCaption(*label, limit);
                ASSERT_EQ(label->Caption(), FitOneAtATime(font, caption, limit))
                    << caption.toStdString() << " limit " << limit;
            }
        }
    }
}
