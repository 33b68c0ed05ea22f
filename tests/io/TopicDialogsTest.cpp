#include "io/modLoadSave.h"

#include "IoTestSupport.h"
#include "support/VeltraneError.h"

#include <QDir>
#include <QFileInfo>

using namespace modLoadSave;

namespace {

// Records what the screenshot hook was asked to do.
struct ScreenshotHook
{
    QStringList calls;

    void install()
    {
        windowHooks().saveScreenshot = [this](const QString &fileName, bool jpeg) {
            calls << fileName + (jpeg ? " jpeg" : " bmp");
            return true;
        };
    }
};

} // namespace

TEST(TopicDialogs, SaveDialogSettingsAndDispatchByExtension)
{
    ParametersGuard guard;
    ScratchFolder folder;
    ScreenshotHook screenshots;
    screenshots.install();
    int owner = 0;
    windowHooks().dialogOwner = [&owner] { return reinterpret_cast<QObject *>(&owner); };
    modParameters::LastUsedDir = "/somewhere/";
    auto topic = CarTopic();
    topic->SetTitle("What: A/B? <\"x\"> | *\\");

    FileDialogRecorder dialogs({folder.path("a.vtp"), folder.path("b.csv"), folder.path("c.jpg"),
                                folder.path("d.bmp"), folder.path("e.CSV"), folder.path("f"), folder.path("g.JPG"),
                                folder.path("h.pdf")});
    MsgBoxRecorder boxes;
    EXPECT_TRUE(SaveTopicAs(*topic));
    const auto &first = dialogs.dialogs[0];
    EXPECT_EQ(first.flags, 0x208802);
    EXPECT_EQ(first.fileName, "What AB x  ");
    EXPECT_EQ(first.filter, "Veltrane Topic (*.vtp)|*.vtp|Excel CSV file (*.csv)|*.csv|"
                            "Screenshot - JPG Image (*.jpg)|*.jpg|Screenshot - Bitmap Image (*.bmp)|*.bmp|"
                            "Decision report (*.pdf)|*.pdf");
    EXPECT_EQ(first.initDir, "/somewhere/");
    EXPECT_TRUE(first.cancelError);
    EXPECT_TRUE(first.save);
    EXPECT_EQ(first.owner, reinterpret_cast<QObject *>(&owner));
    EXPECT_EQ(modParameters::LastUsedDir, QDir(folder.path("")).path() + "/");
    EXPECT_TRUE(ScratchFolder::read(folder.path("a.vtp")).startsWith(";\r\n; Veltrane - Parameter Settings"));

    EXPECT_TRUE(SaveTopicAs(*topic));
    // The title holds a double quote, so its field is quoted.
    EXPECT_TRUE(ScratchFolder::read(folder.path("b.csv")).startsWith("\"Topic: What: A/B? <\"\"x\"\"> | *\\\"\r\n"));

    // A screenshot is taken but is no save of the topic.
    modParameters::TopicChanged = true;
    EXPECT_FALSE(SaveTopicAs(*topic));
    EXPECT_FALSE(SaveTopicAs(*topic));
    EXPECT_EQ(screenshots.calls, QStringList({folder.path("c.jpg") + " jpeg", folder.path("d.bmp") + " bmp"}));
    EXPECT_TRUE(modParameters::TopicChanged);

    // Anything else, upper-case extensions included, is a topic file; a name without an
    // extension gets that of the chosen type (here the first).
    for (const char *name : {"e.CSV", "f.vtp", "g.JPG"}) {
        EXPECT_TRUE(SaveTopicAs(*topic));
        EXPECT_TRUE(ScratchFolder::read(folder.path(name)).startsWith(";\r\n")) << name;
    }
    EXPECT_EQ(screenshots.calls.size(), 2);

    // A report is written by the window library, and is no save of the topic either.
    QStringList reports;
    windowHooks().saveReport = [&reports](const QString &fileName, const VeltraneTopic &of) {
        reports << fileName + ' ' + of.Title();
        return true;
    };
    EXPECT_FALSE(SaveTopicAs(*topic));
    windowHooks().saveReport = {};
    EXPECT_EQ(reports, QStringList(folder.path("h.pdf") + ' ' + topic->Title()));
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

// The type chosen in the dialog decides for a name typed without an extension.
TEST(TopicDialogs, ANameWithoutExtensionIsSavedAsTheChosenType)
{
    ParametersGuard guard;
    ScratchFolder folder;
    ScreenshotHook screenshots;
    screenshots.install();
    const struct { const char *typed; int type; const char *written; } saves[] = {
        {"Choosing a laptop", 1, "Choosing a laptop.vtp"}, {"laptop-export", 2, "laptop-export.csv"},
        {"shot", 3, "shot.jpg"}, {"v1.2", 4, "v1.2.bmp"}, {"Mr. Smith", 2, "Mr. Smith.csv"},
        {"typed.CSV", 2, "typed.CSV"}, {"notes.txt", 2, "notes.txt"}};
    for (const auto &save : saves) {
        const QString typed = folder.path(save.typed);
        SetFileDialogHandler([&](const CommonDialog &, bool) { return FileDialogAnswer(typed, save.type); });
        SaveTopicAs(*CarTopic());
        EXPECT_TRUE(QFileInfo::exists(folder.path(save.written)) || screenshots.calls.join(" ").contains(save.written))
            << save.typed;
    }
    SetFileDialogHandler({});
    EXPECT_TRUE(ScratchFolder::read(folder.path("laptop-export.csv")).startsWith("Topic: "));
    EXPECT_TRUE(ScratchFolder::read(folder.path("typed.CSV")).startsWith(";\r\n")) << "used as typed: a topic file";
    EXPECT_EQ(screenshots.calls, QStringList({folder.path("shot.jpg") + " jpeg", folder.path("v1.2.bmp") + " bmp"}));
}

TEST(TopicDialogs, CancelledDialogsChangeNothing)
{
    ParametersGuard guard;
    ScreenshotHook screenshots;
    screenshots.install();
    modParameters::LastUsedDir = "/kept/";
    modParameters::TopicChanged = true;
    FileDialogRecorder dialogs({std::nullopt, std::nullopt});
    MsgBoxRecorder boxes;
    EXPECT_FALSE(SaveTopicAs(*CarTopic()));
    auto topic = CarTopic();
    const auto before = topic;
    EXPECT_FALSE(OpenTopic(topic));
    EXPECT_EQ(topic, before);
    EXPECT_EQ(dialogs.dialogs.size(), 2);
    EXPECT_EQ(modParameters::LastUsedDir, "/kept/");
    EXPECT_TRUE(modParameters::TopicChanged);
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_TRUE(screenshots.calls.isEmpty());
}

TEST(TopicDialogs, OpenDialogSettingsHidesTheSettingsDialogAndDispatches)
{
    ParametersGuard guard;
    ScratchFolder folder;
    ASSERT_TRUE(SaveTopicFile(folder.path("car.vtp"), *CarTopic()));
    ASSERT_TRUE(ExportTopicCSV(folder.path("car.csv"), *CarTopic()));

    QStringList events;
    windowHooks().isFormLoaded = [](const QString &form) { return form == "frmOptions"; };
    windowHooks().hideSettingsDialog = [&events] { events << "hidden"; };
    modParameters::LastUsedDir = "/start/";
    modParameters::TopicChanged = true;
    FileDialogRecorder dialogs({folder.path("car.vtp"), folder.path("car.csv")});
    MsgBoxRecorder boxes;

    auto topic = std::make_shared<VeltraneTopic>();
    EXPECT_TRUE(OpenTopic(topic));
    const auto &dialog = dialogs.dialogs[0];
    EXPECT_EQ(dialog.flags, 0x201004);
    EXPECT_EQ(dialog.fileName, "");
    EXPECT_EQ(dialog.filter, "Veltrane Topic (*.vtp)|*.vtp|Excel CSV file (*.csv)|*.csv|"
                             "Table of measurements (*.csv)|*.csv|All supported files|*.vtp;*.csv");
    EXPECT_EQ(dialog.initDir, "/start/");
    EXPECT_TRUE(dialog.cancelError);
    EXPECT_FALSE(dialog.save);
    EXPECT_EQ(events, QStringList({"hidden"}));
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_EQ(TopicSummary(*topic), TopicSummary(*CarTopic()));

    // The CSV import: the title comes back, the rest as exported.
    windowHooks().isFormLoaded = [](const QString &) { return false; };
    modParameters::TopicChanged = true;
    topic = std::make_shared<VeltraneTopic>();
    EXPECT_TRUE(OpenTopic(topic));
    EXPECT_EQ(TopicSummary(*topic), TopicSummary(*CarTopic()));
    EXPECT_EQ(events.size(), 1);
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(TopicDialogs, FailedOpenKeepsTopicAndChangedFlag)
{
    ParametersGuard guard;
    ScratchFolder folder;
    modParameters::TopicChanged = true;
    FileDialogRecorder dialogs({folder.write("bad.vtp", "[Topic]\r\n"), folder.write("bad.csv", "nothing\r\n")});
    MsgBoxRecorder boxes;
    auto topic = CarTopic();
    const auto before = topic;
    EXPECT_FALSE(OpenTopic(topic));
    EXPECT_FALSE(OpenTopic(topic));
    EXPECT_EQ(topic, before);
    EXPECT_TRUE(modParameters::TopicChanged);
    ASSERT_EQ(boxes.boxes.size(), 2);
    EXPECT_TRUE(boxes.boxes[0].prompt.startsWith("An error occurred whilst loading the file!"));
    EXPECT_EQ(boxes.boxes[1].prompt, "This file does not contain any topic data that Veltrane is able to interpret.");
}

TEST(TopicDialogs, CheckSaveTopicFollowsTheAnswer)
{
    ParametersGuard guard;
    ScratchFolder folder;
    ScreenshotHook screenshots;
    screenshots.install();
    const auto topic = CarTopic();

    modParameters::TopicChanged = false;
    {
        MsgBoxRecorder boxes;
        EXPECT_TRUE(CheckSaveTopic(*topic));
        EXPECT_TRUE(boxes.boxes.isEmpty());
    }

    modParameters::TopicChanged = true;
    {
        MsgBoxRecorder boxes({vbNo});
        EXPECT_TRUE(CheckSaveTopic(*topic));
        ASSERT_EQ(boxes.boxes.size(), 1);
        EXPECT_EQ(boxes.boxes[0].prompt, "Do you want to save this topic first?");
        EXPECT_EQ(boxes.boxes[0].buttons, vbYesNoCancel + vbQuestion);
        EXPECT_EQ(boxes.boxes[0].title, "Save Topic");
        EXPECT_TRUE(modParameters::TopicChanged);
    }
    {
        MsgBoxRecorder boxes({vbCancel});
        EXPECT_FALSE(CheckSaveTopic(*topic));
    }
    {
        // Yes, then the Save dialog is cancelled: the caller must not go on.
        FileDialogRecorder dialogs({std::nullopt});
        MsgBoxRecorder boxes({vbYes});
        EXPECT_FALSE(CheckSaveTopic(*topic));
        EXPECT_EQ(dialogs.dialogs.size(), 1);
    }
    {
        // Yes, then a screenshot is chosen: the topic is still unsaved.
        FileDialogRecorder dialogs({folder.path("shot.jpg")});
        MsgBoxRecorder boxes({vbYes});
        EXPECT_FALSE(CheckSaveTopic(*topic));
        EXPECT_EQ(screenshots.calls.size(), 1);
        EXPECT_TRUE(modParameters::TopicChanged);
    }
    {
        FileDialogRecorder dialogs({folder.path("saved.vtp")});
        MsgBoxRecorder boxes({vbYes});
        EXPECT_TRUE(CheckSaveTopic(*topic));
        EXPECT_FALSE(modParameters::TopicChanged);
        EXPECT_TRUE(QFile::exists(folder.path("saved.vtp")));
    }
}

TEST(TopicDialogs, DialogErrorsOtherThanCancelReachTheCaller)
{
    ParametersGuard guard;
    SetFileDialogHandler([](const CommonDialog &, bool) -> std::optional<QString> {
        throw VeltraneError(32766, "CommonDialog", "The dialog failed");
    });
    auto topic = CarTopic();
    EXPECT_THROW(SaveTopicAs(*topic), VeltraneError);
    EXPECT_THROW(OpenTopic(topic), VeltraneError);
    SetFileDialogHandler({});
}
