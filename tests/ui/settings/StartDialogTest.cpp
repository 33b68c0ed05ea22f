#include "SettingsDialogFixture.h"

#include "io/modLoadSave.h"

#include <QFile>
#include <QTemporaryDir>

using namespace modParameters;
using namespace WindowDriver;

namespace {

class StartDialogTest : public SettingsDialogTest
{
protected:
    void SetUp() override
    {
        SettingsDialogTest::SetUp();
        IsStarting = true;
    }

    QString WriteFile(const char *name, const QByteArray &content)
    {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QTemporaryDir folder;
};

} // namespace

TEST_F(StartDialogTest, OffersBeginAndLoadTopic)
{
    OpenDialog();
    EXPECT_EQ(Find<QPushButton>("btnOk")->text(), "Begin");
    EXPECT_EQ(Find<QPushButton>("btnCancel")->text(), "Load Topic");
}

TEST_F(StartDialogTest, EscapeBeginsWithTheSettingsShownAndCorrectsBothCountBoxesFirst)
{
    OpenDialog();
    Activate(*dialog);
    // The focus is still in the box when Escape comes: neither box has been corrected.
    Box("txtOptionCount")->setText(QStringLiteral("0"));
    Box("txtAttributeCount")->setFocus();
    Box("txtAttributeCount")->setText(QStringLiteral("12"));
    Key(Qt::Key_Escape);
    EXPECT_TRUE(dialog->IsUnloaded());
    EXPECT_FALSE(main->OptionChangeCancelled);
    EXPECT_EQ(Topic().TotalAttributes(), 10);
    EXPECT_EQ(Topic().TotalOptions(), 1);
    EXPECT_EQ(main->lblAttribute.size(), 10u);
}

TEST_F(StartDialogTest, LoadTopicWithTheOpenDialogCancelledKeepsTheStartDialogOpen)
{
    OpenDialog();
    dialog->show();
    files.fallback.reset();
    Find<QPushButton>("btnCancel")->click();
    EXPECT_EQ(files.dialogs.size(), 1);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->IsUnloaded());
    EXPECT_FALSE(main->OptionChangeCancelled);
    EXPECT_EQ(Topic().Title(), "Cars");
    EXPECT_TRUE(boxes.prompts().isEmpty());
}

TEST_F(StartDialogTest, LoadTopicWithAFileThatFailsShowsTheStartDialogAgain)
{
    files.fallback = WriteFile("broken.vtp", "[Topic]\r\nName=Broken\r\n");
    int rounds = 0;
    WhenOpen(QStringLiteral("frmOptions"), [&](QWidget &first) {
        ++rounds;
        first.findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
        // The open operation hid the dialog before reading; it comes back for another try.
        EXPECT_FALSE(first.isVisible());
        WhenOpen(QStringLiteral("frmOptions"), [&](QWidget &again) {
            ++rounds;
            EXPECT_EQ(&again, &first);
            again.findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
        });
    });
    frmOptions::ShowModal(*main);
    EXPECT_EQ(rounds, 2);
    EXPECT_EQ(boxes.prompts().size(), 1);
    EXPECT_EQ(Topic().Title(), "Cars");
    EXPECT_FALSE(main->OptionChangeCancelled);
}

TEST_F(StartDialogTest, LoadTopicWithAGoodFileShowsItAndCloses)
{
    VeltraneTopic saved;
    saved.SetRounding(3);
    saved.SetTitle(QStringLiteral("Holidays"));
    saved.SetTotalAttributes(4);
    saved.SetTotalOptions(2);
    files.fallback = folder.filePath(QStringLiteral("holidays.vtp"));
    ASSERT_TRUE(modLoadSave::SaveTopicFile(*files.fallback, saved));
    TopicChanged = true;

    WhenOpen(QStringLiteral("frmOptions"), [](QWidget &window) {
        window.findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
    });
    // As in the New command at start-up, the window is loading meanwhile.
    main->StartLoad();
    frmOptions::ShowModal(*main);
    main->EndLoad();
    EXPECT_TRUE(boxes.prompts().isEmpty());
    EXPECT_EQ(Topic().Title(), "Holidays");
    EXPECT_FALSE(TopicChanged);
    EXPECT_FALSE(main->OptionChangeCancelled);
    EXPECT_EQ(main->lblAttribute.size(), 4u);
    EXPECT_EQ(main->lblOption.size(), 2u);
    EXPECT_EQ(OpenWindow(QStringLiteral("frmOptions")), nullptr);
}
