#include "MainWindowFixture.h"
#include "WindowDriver.h"

#include "io/WindowHooks.h"
#include "io/modLoadSave.h"
#include "support/VeltraneError.h"
#include "ui/main/ImageButton.h"
#include "ui/main/ShapeControl.h"
#include "ui/support/VLabel.h"

#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstring>

using namespace WindowDriver;

namespace {

class ScreenshotTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        frmMain::InstallScreenshotHook();
        ShowTopic(3, 2);
        window->resize(700, 480);
        QApplication::processEvents();
    }

    // The controls a screenshot leaves out.
    std::vector<QWidget *> LeftOut() const
    {
        return {window->btnSave, window->btnLoad, window->btnNew, window->btnSettings, window->imgResizeTab,
                window->btnAddAttribute, window->btnAddOption, window->btnToggleScore, window->btnToggleWeightings,
                window->btnToggleRatings, window->btnAnalysis};
    }

    // Saves through the save dialog, answered with name.
    bool SaveAs(const QString &name)
    {
        files.fallback = name;
        return modLoadSave::SaveTopicAs(*modParameters::CurrentTopic);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(ScreenshotTest, LeavesOutButtonsTogglesAndGripAndPutsThemBack)
{
    const QImage before = window->grab().toImage();
    window->CaptureWindow();
    const QImage shot = window->picCapture->Picture();
    ASSERT_EQ(shot.size(), window->size());
    EXPECT_EQ(window->picCapture->size(), window->size());

    // Where the buttons were, the picture shows the window's background; the rest is as on
    // screen.
    const QImage background = window->Image();
    for (QWidget *control : LeftOut()) {
        const QRect area = control->geometry();
        EXPECT_NE(shot.copy(area), before.copy(area)) << control->objectName().toStdString();
        if (control != window->btnAddAttribute && control != window->btnAddOption) {
            EXPECT_EQ(shot.copy(area), background.copy(area).convertToFormat(shot.format()))
                << control->objectName().toStdString();
        }
        EXPECT_FALSE(control->isHidden()) << control->objectName().toStdString() << " is back";
    }
    const QRect title = window->lblTitle->geometry();
    EXPECT_EQ(shot.copy(title), before.copy(title));

    // The headings sit beside their add buttons again.
    EXPECT_EQ(window->lblWeightings->x(), window->btnAddAttribute->x() + window->btnAddAttribute->width() + 5);
    EXPECT_EQ(window->lblRatings->x(), window->btnAddOption->x() + window->btnAddOption->width() + 5);
}

TEST_F(ScreenshotTest, WithOnlyTheScorePanelTheHeadingsStayAtThePanelEdges)
{
    window->btnToggleWeightings_Click();
    window->btnToggleRatings_Click();
    window->CaptureWindow();
    EXPECT_TRUE(window->btnAddAttribute->isHidden());
    EXPECT_TRUE(window->btnAddOption->isHidden());
    EXPECT_EQ(window->lblWeightings->x(), window->picWeightingFrame->x() + 10);
    EXPECT_EQ(window->lblRatings->x(), window->picRatingFrame->x() + 10);
    EXPECT_FALSE(window->btnToggleRatings->isHidden());
}

TEST_F(ScreenshotTest, MaximisedWindowKeepsItsGripHidden)
{
    window->showMaximized();
    QApplication::processEvents();
    if (!(window->windowState() & Qt::WindowMaximized))
        GTEST_SKIP() << "this platform does not maximise";
    window->imgResizeTab->hide();
    window->CaptureWindow();
    EXPECT_TRUE(window->imgResizeTab->isHidden());
    EXPECT_FALSE(window->btnSave->isHidden());
}

TEST_F(ScreenshotTest, HighlightIsRemovedAndHeldDuringTheCapture)
{
    VLabel *option = Element<VLabel>("lblOption", 1);
    window->HighlightControl(option, frmMain::HighlightOption);
    ASSERT_FALSE(window->shpHighlight->isHidden());
    const QImage before = window->grab().toImage();
    window->CaptureWindow();
    EXPECT_TRUE(window->shpHighlight->isHidden());
    EXPECT_TRUE(window->btnRemoveOption->isHidden());
    EXPECT_FALSE(window->SuppressHighlight);
    const QRect frame = window->shpHighlight->geometry();
    EXPECT_NE(window->picCapture->Picture().copy(frame), before.copy(frame));
}

TEST_F(ScreenshotTest, AnOpenEditComesBackWithItsText)
{
    VLabel *option = Element<VLabel>("lblOption", 0);
    const QString name = option->text();
    window->BeginEdit(option, frmMain::EditText, name);
    window->txtEditBox->setText("Half typed");
    const QRect editArea = window->txtEditBox->geometry();
    const QImage before = window->grab().toImage();

    window->CaptureWindow();

    // The picture shows the label, not the edit box.
    EXPECT_NE(window->picCapture->Picture().copy(editArea), before.copy(editArea));
    // The edit is open again on the same label, with the text typed so far, uncommitted.
    EXPECT_FALSE(window->txtEditBox->isHidden());
    EXPECT_EQ(window->txtEditBox->text(), "Half typed");
    EXPECT_EQ(window->EditLabel, option);
    EXPECT_EQ(option->text(), name);
    EXPECT_EQ(modParameters::CurrentTopic->GetOptionName(0), name);
}

TEST_F(ScreenshotTest, SaveDialogWritesJpegAndBitmapScreenshots)
{
    modParameters::TopicChanged = true;
    EXPECT_FALSE(SaveAs(dir.filePath("shot.jpg"))) << "a picture is no save of the topic";
    EXPECT_FALSE(SaveAs(dir.filePath("shot.bmp")));
    EXPECT_TRUE(modParameters::TopicChanged);

    const QImage jpeg(dir.filePath("shot.jpg"));
    const QImage bmp(dir.filePath("shot.bmp"));
    ASSERT_EQ(jpeg.size(), window->size());
    ASSERT_EQ(bmp.size(), window->size());
    EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32),
              window->picCapture->Picture().convertToFormat(QImage::Format_RGB32));
    // No save button in either picture: its middle shows the background.
    const QPoint middle = window->btnSave->geometry().center();
    const QColor background = window->Image().pixelColor(middle);
    EXPECT_EQ(bmp.pixelColor(middle), background);
    EXPECT_NEAR(jpeg.pixelColor(middle).red(), background.red(), 6);
    EXPECT_NEAR(jpeg.pixelColor(middle).green(), background.green(), 6);
    EXPECT_NEAR(jpeg.pixelColor(middle).blue(), background.blue(), 6);
}

TEST_F(ScreenshotTest, UpperCaseJpgSavesATopicFile)
{
    EXPECT_TRUE(SaveAs(dir.filePath("topic.JPG")));
    QFile file(dir.filePath("topic.JPG"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(";\r\n; Veltrane - Parameter Settings"));
    EXPECT_TRUE(window->picCapture->Picture().isNull()) << "nothing was captured";
}

TEST_F(ScreenshotTest, AFailedScreenshotWriteReachesTheCaller)
{
    try {
        SaveAs(dir.filePath("no/such/folder/shot.jpg"));
        FAIL() << "no error";
    } catch (const VeltraneError &error) {
        EXPECT_EQ(error.number(), ENOENT);
        EXPECT_EQ(error.source(), "veltrane.mIntelJPEGLibrary");
    }
    EXPECT_FALSE(window->btnSave->isHidden());
}

TEST_F(ScreenshotTest, CtrlCPutsThePictureOnTheClipboardAndKeepsTheEdit)
{
    VLabel *title = window->lblTitle;
    window->BeginEdit(title, frmMain::EditText, title->text());
    window->txtEditBox->setText("New tit");
    QGuiApplication::clipboard()->setText("earlier");

    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, "\x03");
    QApplication::sendEvent(window->txtEditBox, &press);

    const QImage held = QGuiApplication::clipboard()->image();
    ASSERT_EQ(held.size(), window->size());
    const QPoint middle = window->btnSave->geometry().center();
    EXPECT_EQ(held.pixelColor(middle), window->Image().pixelColor(middle));
    EXPECT_FALSE(window->txtEditBox->isHidden());
    EXPECT_EQ(window->txtEditBox->text(), "New tit");
    EXPECT_NE(modParameters::CurrentTopic->Title(), "New tit");
}

TEST_F(ScreenshotTest, AFailedJpegSaveIsShownAndTheWindowCarriesOn)
{
    const QString name = dir.filePath("no/such/folder/shot.jpg");
    files.fallback = name;
    window->btnSave_Click();
    ASSERT_EQ(boxes.prompts().size(), 1);
    EXPECT_TRUE(boxes.prompts()[0].contains(QString::fromLocal8Bit(std::strerror(ENOENT)))) << boxes.prompts()[0].toStdString();
    EXPECT_FALSE(window->btnSave->isHidden());
    EXPECT_TRUE(window->isVisible());
}
