#include "MainWindowFixture.h"
#include "WindowDriver.h"

#include "ui/main/MeterSlider.h"
#include "ui/main/ShapeControl.h"
#include "ui/support/VLabel.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

using namespace WindowDriver;

namespace {

// A shown, active window with two options and three attributes: rating cells 0..5.
class InPlaceEditingTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        topic = ShowTopic(2, 3);
        window->resize(700, 500);
        Activate(*window);
    }

    QLineEdit &Box() const { return *window->txtEditBox; }
    bool Editing() const { return !window->txtEditBox->isHidden(); }
    VLabel *Edited() const { return window->EditLabel.data(); }

    void Wait(int milliseconds)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < milliseconds)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    std::shared_ptr<VeltraneTopic> topic;
};

} // namespace

TEST_F(InPlaceEditingTest, AClickOpensTheBoxOverTheLabelWithItsTextSelected)
{
    VLabel *cell = window->lblRating[4];
    Click(*cell);
    ASSERT_TRUE(Editing());
    EXPECT_EQ(Edited(), cell);
    EXPECT_EQ(window->EditKind, frmMain::EditNumber);
    EXPECT_EQ(Box().geometry(), cell->geometry());
    EXPECT_EQ(Box().text(), "0.500");
    EXPECT_EQ(Box().selectedText(), "0.500");
    EXPECT_TRUE(Box().hasFocus());
    EXPECT_DOUBLE_EQ(Box().font().pointSizeF(), cell->font().pointSizeF() - 1);
    EXPECT_EQ(Box().font().family(), cell->font().family());
    EXPECT_EQ(Box().font().bold(), cell->font().bold());
    EXPECT_EQ(Box().alignment() & Qt::AlignHorizontal_Mask, cell->alignment() & Qt::AlignHorizontal_Mask);
    EXPECT_EQ(Box().maxLength(), 100);
}

TEST_F(InPlaceEditingTest, UnderTheHoverHighlightTheBoxTakesTheFramesPlace)
{
    VLabel *name = window->lblOption[1];
    Hover(*name);
    ASSERT_TRUE(window->shpHighlight->isVisible());
    const QRect frame = window->shpHighlight->geometry();
    Click(*name);
    EXPECT_EQ(Box().geometry(), frame);
    // The text edit starts from the name as the topic gives it.
    EXPECT_EQ(Box().text(), "Option 2");
    EXPECT_EQ(window->EditKind, frmMain::EditText);
    // Opening the edit removes the highlight.
    EXPECT_TRUE(window->shpHighlight->isHidden());
}

TEST_F(InPlaceEditingTest, TypedNumberAndEnterStoreTheValue)
{
    Click(*window->lblRating[4]);
    Type(QStringLiteral("0.75"));
    Key(Qt::Key_Return);
    EXPECT_FALSE(Editing());
    EXPECT_DOUBLE_EQ(topic->GetRating(1, 1), 0.75);
    EXPECT_EQ(window->lblRating[4]->Caption(), "0.750");
    EXPECT_TRUE(window->txtHiddenButton->hasFocus());
    EXPECT_FALSE(window->EditJustEnded);
    EXPECT_TRUE(modParameters::TopicChanged);
}

TEST_F(InPlaceEditingTest, ANumberEditTakesDigitsAndOnePointOnly)
{
    Click(*window->lblRating[0]);
    Type(QStringLiteral("0.7.5x-%"));
    EXPECT_EQ(Box().text(), "0.75");
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Box().text(), "0.7");
    // A point in the selection does not count: the selection goes when typing.
    Box().selectAll();
    Type(QStringLiteral("."));
    EXPECT_EQ(Box().text(), ".");
    Type(QStringLiteral("25"));
    Key(Qt::Key_Enter);
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 0), 0.25);
}

// A comma is the decimal separator in any locale; pasted text passes the same filter, so
// a sign or an exponent never arrives.
TEST_F(InPlaceEditingTest, ADecimalCommaCountsAndPastedTextIsFiltered)
{
    Click(*window->lblRating[4]);
    Type(QStringLiteral("0,3.,"));
    EXPECT_EQ(Box().text(), "0,3");
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(topic->GetRating(1, 1), 0.3);

    const struct { const char *pasted, *kept; double rating; } pastes[] = {
        {"-5", "5", 1}, {"1e999", "1999", 1}, {"0.2.5,7", "0.257", 0.257}, {"x", "", 0.257}};
    for (const auto &paste : pastes) {
        Click(*window->lblRating[4]);
        QApplication::clipboard()->setText(QString::fromLatin1(paste.pasted));
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Box().text(), paste.kept) << paste.pasted;
        Key(Qt::Key_Return);
        EXPECT_DOUBLE_EQ(topic->GetRating(1, 1), paste.rating) << paste.pasted;
    }
}

// An edit opened and closed without a change keeps a name longer than the box holds.
TEST_F(InPlaceEditingTest, AnUnchangedEditKeepsANameLongerThanTheBox)
{
    const QString name = QString(300, u'n');
    topic->SetOptionName(0, name);
    window->UpdateSliderArrays(false);
    Click(*window->lblOption[0]);
    EXPECT_EQ(Box().text().size(), 100);
    Key(Qt::Key_Return);
    EXPECT_EQ(topic->GetOptionName(0), name);
}

TEST_F(InPlaceEditingTest, ATextEditTakesAnyCharacterUpToOneHundred)
{
    Click(*window->lblAttribute[0]);
    Type(QStringLiteral("Cost, total (€) %1.5"));
    EXPECT_EQ(Box().text(), QStringLiteral("Cost, total (€) %1.5"));
    Box().selectAll();
    Type(QString(100, u'x'));
    EXPECT_EQ(Box().text().size(), 100);
    Type(QStringLiteral("y7"));
    EXPECT_EQ(Box().text(), QString(100, u'x'));
    // With part of the text selected, what remains decides.
    Box().setSelection(0, 5);
    Type(QStringLiteral("ab"));
    EXPECT_EQ(Box().text(), QStringLiteral("ab") + QString(95, u'x'));
    Key(Qt::Key_Return);
    EXPECT_EQ(topic->GetAttributeName(0), QStringLiteral("ab") + QString(95, u'x'));
}

TEST_F(InPlaceEditingTest, EscapeRestoresTheLabelAndGoesNowhereElse)
{
    Click(*window->lblRating[0]);
    Type(QStringLiteral("0.9"));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Editing());
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 0), 0.5);
    EXPECT_EQ(window->lblRating[0]->Caption(), "0.500");
    EXPECT_TRUE(window->txtHiddenButton->hasFocus());
    Wait(20);
    EXPECT_FALSE(Editing());
    EXPECT_FALSE(window->EditJustEnded);
}

TEST_F(InPlaceEditingTest, TabWalksTheRatingCellsRowByRowAndWrapsAround)
{
    Click(*window->lblRating[0]);
    Type(QStringLiteral("0.1"));
    Key(Qt::Key_Tab);
    ASSERT_TRUE(Editing());
    EXPECT_EQ(Edited(), window->lblRating[1]);
    EXPECT_EQ(Box().selectedText(), "0.500");
    Type(QStringLiteral("0.2"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Edited(), window->lblRating[2]);
    Key(Qt::Key_Tab);
    // The last cell of option 1's row is followed by the first of option 2's.
    EXPECT_EQ(Edited(), window->lblRating[3]);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Edited(), window->lblRating[5]);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Edited(), window->lblRating[0]);
    EXPECT_EQ(Box().text(), "0.100");
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Edited(), window->lblRating[5]);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Edited(), window->lblRating[4]);
    Key(Qt::Key_Escape);
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 0), 0.1);
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 1), 0.2);
    EXPECT_DOUBLE_EQ(topic->GetRating(1, 2), 0.5);
}

TEST_F(InPlaceEditingTest, TabWalksTheNamesOfOneKindAndWrapsAround)
{
    Click(*window->lblAttribute[2]);
    Type(QStringLiteral("Comfort"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Edited(), window->lblAttribute[0]);
    EXPECT_EQ(Box().text(), "Attribute 1");
    EXPECT_EQ(topic->GetAttributeName(2), "Comfort");
    Key(Qt::Key_Escape);

    Click(*window->lblOption[0]);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Edited(), window->lblOption[1]);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Edited(), window->lblOption[0]);

    Click(*window->lblWeighting[0]);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Edited(), window->lblWeighting[2]);
}

TEST_F(InPlaceEditingTest, TabFromTheTitleOnlyCommitsIt)
{
    Click(*window->lblTitle);
    EXPECT_EQ(Box().text(), topic->Title());
    Type(QStringLiteral("Trip"));
    Key(Qt::Key_Tab);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(topic->Title(), "Trip");
    EXPECT_EQ(window->windowTitle(), "Trip - Veltrane");
}

TEST_F(InPlaceEditingTest, PercentagesAreTypedWithoutTheSign)
{
    modParameters::DisplayAsDecimal = false;
    window->UpdateSettings();
    Click(*window->lblRating[0]);
    EXPECT_EQ(Box().text(), "50.0%");
    Type(QStringLiteral("75"));
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 0), 0.75);
    EXPECT_EQ(window->lblRating[0]->Caption(), "75.0%");
    Click(*window->lblRating[0]);
    Type(QStringLiteral("150"));
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 0), 1.0);
    EXPECT_EQ(window->lblRating[0]->Caption(), "100.0%");
    // Enter on the untouched percentage keeps the value.
    Click(*window->lblWeighting[1]);
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(topic->GetWeighting(1), 0.5);
}

TEST_F(InPlaceEditingTest, InDecimalsAPercentageTextCountsAsItsNumber)
{
    Click(*window->lblRating[0]);
    Box().setText(QStringLiteral("50%"));
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 0), 1.0);
}

TEST_F(InPlaceEditingTest, NothingToCommitLeavesLabelAndTopicAlone)
{
    modParameters::TopicChanged = false;
    // A lone point is no number.
    Click(*window->lblRating[0]);
    Type(QStringLiteral("."));
    Key(Qt::Key_Return);
    EXPECT_FALSE(Editing());
    EXPECT_EQ(window->lblRating[0]->Caption(), "0.500");
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 0), 0.5);
    // An emptied box.
    Click(*window->lblWeighting[0]);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    EXPECT_EQ(window->lblWeighting[0]->Caption(), "0.500");
    Click(*window->lblOption[0]);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    EXPECT_EQ(topic->GetOptionName(0), "Option 1");
    // A pasted negative number would be refused by the topic: it is not committed.
    Click(*window->lblRating[1]);
    Box().setText(QStringLiteral("-0.5"));
    Key(Qt::Key_Return);
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 1), 0.5);
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_TRUE(boxes.prompts().isEmpty());
}

TEST_F(InPlaceEditingTest, ALongNameIsShortenedWithTheFullNameInItsTooltipAndForTheNextEdit)
{
    const QString longName = QStringLiteral("The small red car with the folding roof and the long warranty");
    Click(*window->lblOption[1]);
    Box().setText(longName);
    Key(Qt::Key_Return);
    EXPECT_EQ(topic->GetOptionName(1), longName);
    EXPECT_TRUE(window->lblOption[1]->Caption().endsWith(QChar(0x2026)));
    EXPECT_EQ(window->lblOption[1]->toolTip(), "Option 2: " + longName);

    Click(*window->lblOption[0]);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Edited(), window->lblOption[1]);
    EXPECT_EQ(Box().text(), longName);
    // Committing the full name again changes nothing.
    modParameters::TopicChanged = false;
    Key(Qt::Key_Return);
    EXPECT_EQ(topic->GetOptionName(1), longName);
    EXPECT_FALSE(modParameters::TopicChanged);
}

TEST_F(InPlaceEditingTest, AClickOnTheBackgroundCommitsTheEdit)
{
    Click(*window->lblAttribute[1]);
    Type(QStringLiteral("Speed"));
    Click(*window, QPoint(2, window->height() - 2));
    EXPECT_FALSE(Editing());
    EXPECT_EQ(topic->GetAttributeName(1), "Speed");
}

TEST_F(InPlaceEditingTest, ClickingAnotherLabelCommitsAndMovesTheEdit)
{
    Click(*window->lblRating[0]);
    Type(QStringLiteral("0.3"));
    Click(*window->lblRating[5]);
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 0), 0.3);
    EXPECT_EQ(Edited(), window->lblRating[5]);
    EXPECT_TRUE(Editing());
}

TEST_F(InPlaceEditingTest, TheTabContinuationLastsFiveMilliseconds)
{
    Click(*window->lblRating[0]);
    window->sliderRating[0]->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(Editing());
    EXPECT_TRUE(window->EditJustEnded);
    Wait(30);
    EXPECT_FALSE(window->EditJustEnded);
    // The focus arriving at a detector later continues nothing.
    window->txtTabDetectorForward->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(Editing());
}

TEST_F(InPlaceEditingTest, WithoutAnOpenEditTabVisitsEveryEditableLabelInReadingOrder)
{
    window->txtHiddenButton->setFocus();
    std::vector<QWidget *> visited;
    for (int step = 0; step < 60 && (visited.size() < 2 || visited.back() != visited.front()); ++step) {
        Key(Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    ASSERT_EQ(visited.front(), window->lblTitle);
    ASSERT_EQ(visited.back(), window->lblTitle);
    auto position = [&visited](QWidget *w) { return std::find(visited.begin(), visited.end(), w) - visited.begin(); };
    for (QWidget *catcher : {window->txtHiddenButton, window->txtTabDetectorForward, window->txtTabDetectorBack})
        EXPECT_EQ(position(catcher), qsizetype(visited.size()));
    std::vector<VLabel *> reading = {window->lblTitle};
    for (int j = 0; j < 3; ++j)
        reading.insert(reading.end(), {window->lblAttribute[j], window->lblWeighting[j]});
    for (int i = 0; i < 2; ++i) {
        reading.push_back(window->lblOption[i]);
        for (int j = 0; j < 3; ++j)
            reading.push_back(window->lblRating[i * 3 + j]);
    }
    for (size_t n = 1; n < reading.size(); ++n)
        EXPECT_LT(position(reading[n - 1]), position(reading[n])) << reading[n]->objectName().toStdString();
}

TEST_F(InPlaceEditingTest, EnterOrF2OnAFocusedLabelEditsItAndTheFocusComesBack)
{
    window->lblTitle->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_F2);
    ASSERT_TRUE(Editing());
    EXPECT_EQ(Edited(), window->lblTitle);
    Type(QStringLiteral("Trip"));
    Key(Qt::Key_Return);
    EXPECT_EQ(topic->Title(), "Trip");
    EXPECT_TRUE(window->lblTitle->hasFocus());

    // Inside the edit, Tab goes on to the next cell as ever; Escape ends it there.
    window->lblRating[1]->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_EQ(Edited(), window->lblRating[1]);
    Type(QStringLiteral("0.2"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(Edited(), window->lblRating[2]);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(Editing());
    EXPECT_DOUBLE_EQ(topic->GetRating(0, 1), 0.2);
    EXPECT_TRUE(window->lblRating[2]->hasFocus());

    // A click opens the edit as designed: it ends on the hidden catcher.
    Click(*window->lblRating[3]);
    Key(Qt::Key_Return);
    EXPECT_TRUE(window->txtHiddenButton->hasFocus());
}

TEST_F(InPlaceEditingTest, DeleteOnAFocusedNameRemovesItUnlessItIsTheLastOne)
{
    topic->SetOptionName(1, QStringLiteral("Train"));
    window->lblOption[0]->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Delete);
    ASSERT_EQ(topic->TotalOptions(), 1);
    EXPECT_EQ(topic->GetOptionName(0), "Train");
    EXPECT_TRUE(window->lblOption[0]->hasFocus());
    Key(Qt::Key_Delete);
    EXPECT_EQ(topic->TotalOptions(), 1);

    window->lblAttribute[2]->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Delete);
    EXPECT_EQ(topic->TotalAttributes(), 2);
    EXPECT_TRUE(window->lblAttribute[1]->hasFocus());
    // A value label is no name: Delete leaves it alone.
    window->lblWeighting[0]->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Delete);
    EXPECT_EQ(topic->TotalAttributes(), 2);
}

TEST_F(InPlaceEditingTest, TheFocusMarkShowsOnScreenButNotInThePicture)
{
    VLabel *cell = window->lblRating[0];
    window->txtHiddenButton->setFocus();
    const QImage plain = cell->grab().toImage();
    window->CaptureWindow();
    const QImage picture = window->picCapture->Picture();

    cell->setFocus(Qt::TabFocusReason);
    EXPECT_NE(cell->grab().toImage(), plain);
    window->CaptureWindow();
    EXPECT_EQ(window->picCapture->Picture(), picture);
    EXPECT_TRUE(cell->hasFocus());
}
