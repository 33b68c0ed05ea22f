#include "MainWindowFixture.h"
#include "WindowDriver.h"

#include "io/MeasurementImport.h"
#include "io/RecentTopics.h"
#include "io/WindowHooks.h"
#include "io/modLoadSave.h"
#include "ui/main/GeneratedName.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/main/ShapeControl.h"
#include "ui/support/VLabel.h"

#include "TestFiles.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace WindowDriver;

namespace {

// A shown, active window; file dialogs are recorded and answered with `files.fallback`.
class CommandsTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window->resize(700, 500);
        Activate(*window);
    }

    std::shared_ptr<VeltraneTopic> NamedTopic(const QStringList &attributes, int options)
    {
        auto topic = ShowTopic(options, int(attributes.size()));
        for (int16_t j = 0; j < attributes.size(); ++j)
            topic->SetAttributeName(j, attributes[j]);
        window->UpdateSliderArrays(false);
        modParameters::TopicChanged = false;
        return topic;
    }

    QString Saved(const char *name) const { return folder.filePath(QString::fromLatin1(name)); }

    QTemporaryDir folder;
};

QString Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(GeneratedName, OneMoreThanTheHighestWholeNumberOrTheCount)
{
    EXPECT_EQ(GeneratedName("Attribute ", {"Attribute 1", "Speed", "Attribute 7"}), "Attribute 8");
    EXPECT_EQ(GeneratedName("Attribute ", {"Attribute 2.5", "Attribute x", "Speed"}), "Attribute 4");
    EXPECT_EQ(GeneratedName("Attribute ", {"attribute 9", "Attribute 1"}), "Attribute 3");
    EXPECT_EQ(GeneratedName("Attribute ", {"Attribute 99999", "Attribute 2"}), "Attribute 3");
    EXPECT_EQ(GeneratedName("Attribute ", {"Attribute 32767"}), "Attribute 32768");
    EXPECT_EQ(GeneratedName("Attribute ", {"Attribute  5 ", "Attribute -3", "Attribute "}), "Attribute 6");
    EXPECT_EQ(GeneratedName("Option ", {"Option 4", "Attribute 9"}), "Option 5");
}

TEST_F(CommandsTest, AddAttributeNamesItAfterTheHighestNumber)
{
    auto topic = NamedTopic({"Attribute 1", "Speed", "Attribute 7"}, 2);
    Click(*window->btnAddAttribute);
    ASSERT_EQ(topic->TotalAttributes(), 4);
    EXPECT_EQ(topic->GetAttributeName(3), "Attribute 8");
    EXPECT_EQ(window->lblAttribute.size(), 4u);
    EXPECT_EQ(window->lblAttribute[3]->Caption(), "Attribute 8");
    EXPECT_EQ(window->lblRating.size(), 8u);
}

TEST_F(CommandsTest, AddOptionCountsUnnamedOptions)
{
    auto topic = ShowTopic(3, 2);
    topic->SetOptionName(1, QStringLiteral("Option 2.5"));
    Click(*window->btnAddOption);
    ASSERT_EQ(topic->TotalOptions(), 4);
    EXPECT_EQ(topic->GetOptionName(3), "Option 4");
    EXPECT_EQ(window->lblOption.size(), 4u);
}

TEST_F(CommandsTest, RemoveDeletesTheNameUnderTheHoverHighlight)
{
    auto topic = NamedTopic({"Price", "Speed", "Comfort"}, 3);
    topic->SetOptionName(0, QStringLiteral("Car A"));
    topic->SetOptionName(1, QStringLiteral("Car B"));
    window->UpdateSliderArrays(false);

    Hover(*window->lblAttribute[1]);
    ASSERT_TRUE(window->btnRemoveAttribute->isVisible());
    Click(*window->btnRemoveAttribute);
    ASSERT_EQ(topic->TotalAttributes(), 2);
    EXPECT_EQ(topic->GetAttributeName(0), "Price");
    EXPECT_EQ(topic->GetAttributeName(1), "Comfort");
    EXPECT_EQ(window->lblAttribute.size(), 2u);
    EXPECT_TRUE(window->shpHighlight->isHidden());
    EXPECT_TRUE(window->btnRemoveAttribute->isHidden());

    Hover(*window->lblOption[0]);
    ASSERT_TRUE(window->btnRemoveOption->isVisible());
    Click(*window->btnRemoveOption);
    ASSERT_EQ(topic->TotalOptions(), 2);
    EXPECT_EQ(topic->GetOptionName(0), "Car B");
    EXPECT_EQ(window->lblOption.size(), 2u);
    EXPECT_EQ(window->lblRating.size(), 4u);
}

// No remove button stays beside a name the pointer left, nor over a rebuilt or new topic.
TEST_F(CommandsTest, TheHoverHighlightFollowsThePointerAndGoesWithTheTopic)
{
    NamedTopic({"Price", "Speed"}, 2);
    Hover(*window->lblAttribute[1]);
    Hover(*window->lblOption[0]);
    EXPECT_TRUE(window->btnRemoveAttribute->isHidden());
    EXPECT_TRUE(window->btnRemoveOption->isVisible());
    Hover(*window->lblRating[0]);
    EXPECT_TRUE(window->btnRemoveOption->isHidden());
    EXPECT_TRUE(window->shpHighlight3->isHidden());
    EXPECT_EQ(window->HighlightTarget, window->lblRating[0]);

    Hover(*window->lblAttribute[0]);
    window->UpdateSliderArrays(false);
    EXPECT_TRUE(window->shpHighlight->isHidden());
    EXPECT_TRUE(window->btnRemoveAttribute->isHidden());
    Click(*window->btnRemoveAttribute);
    EXPECT_EQ(modParameters::CurrentTopic->TotalAttributes(), 2);

    // Entering a label brings the highlight without any movement over it.
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(window->lblOption[1]->mapToGlobal(QPoint(2, 2))));
    QApplication::sendEvent(window->lblOption[1], &enter);
    EXPECT_EQ(window->HighlightTarget, window->lblOption[1]);
    Click(*window->btnNew);
    EXPECT_TRUE(window->btnRemoveOption->isHidden());
}

// A name label reaching a button never takes its click: the button lies above.
TEST_F(CommandsTest, ButtonsLieAboveTheNameLabelsThatReachThem)
{
    QStringList names;
    for (int j = 0; j < 10; ++j)
        names << QStringLiteral("A rather long criterion name %1").arg(j);
    NamedTopic(names, 3);
    window->resize(850, 600);
    QApplication::processEvents();
    for (ImageButton *button : {window->btnToggleScore, window->btnToggleWeightings, window->btnToggleRatings,
                                window->btnAddAttribute, window->btnAddOption}) {
        QWidget *hit = window->childAt(button->geometry().center());
        EXPECT_TRUE(hit == button || button->isAncestorOf(hit)) << button->objectName().toStdString();
    }
    Click(*window->btnToggleWeightings);
    Click(*window->btnToggleWeightings);
    EXPECT_TRUE(window->ShowWeightings);
    EXPECT_TRUE(window->txtEditBox->isHidden());
}

TEST_F(CommandsTest, NewWithoutTheDialogShowsAFreshTwoByTwoTopic)
{
    auto old = NamedTopic({"Price", "Speed", "Comfort"}, 4);
    old->SetNormaliseWeights(true);
    Click(*window->btnNew);
    const auto fresh = modParameters::CurrentTopic;
    ASSERT_NE(fresh, old);
    EXPECT_EQ(fresh->Title(), "New Topic");
    EXPECT_EQ(fresh->TotalAttributes(), 2);
    EXPECT_EQ(fresh->TotalOptions(), 2);
    EXPECT_EQ(fresh->Rounding(), 3);
    EXPECT_TRUE(fresh->NormaliseWeights());
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_FALSE(window->IsLoading);
    EXPECT_EQ(window->lblAttribute.size(), 2u);
    EXPECT_EQ(window->lblOption.size(), 2u);
    EXPECT_EQ(window->windowTitle(), "New Topic - Veltrane");
    EXPECT_TRUE(boxes.prompts().isEmpty());
}

TEST_F(CommandsTest, NewAsksToSaveChangesFirst)
{
    auto old = NamedTopic({"Price", "Speed"}, 3);
    modParameters::TopicChanged = true;

    boxes.fallback = vbCancel;
    Click(*window->btnNew);
    EXPECT_EQ(boxes.prompts().size(), 1);
    EXPECT_EQ(modParameters::CurrentTopic, old);
    EXPECT_TRUE(modParameters::TopicChanged);

    boxes.fallback = vbYes;
    files.fallback = Saved("before-new.vtp");
    Click(*window->btnNew);
    EXPECT_EQ(files.count(true), 1);
    EXPECT_TRUE(Read(*files.fallback).contains("Attribute1_Name=Speed"));
    EXPECT_NE(modParameters::CurrentTopic, old);

    auto changed = NamedTopic({"Cost"}, 1);
    modParameters::TopicChanged = true;
    boxes.fallback = vbNo;
    Click(*window->btnNew);
    EXPECT_EQ(files.count(true), 1);
    EXPECT_NE(modParameters::CurrentTopic, changed);
    EXPECT_EQ(modParameters::CurrentTopic->TotalAttributes(), 2);
    EXPECT_FALSE(modParameters::TopicChanged);
}

// The old topic comes back with its unsaved changes still marked, so quitting asks.
TEST_F(CommandsTest, NewWithTheDialogCancelledKeepsTheOldTopicAndItsChanges)
{
    auto old = NamedTopic({"Price", "Speed", "Comfort"}, 4);
    modParameters::TopicChanged = true;
    modParameters::ShowSettingsOnNew = true;
    boxes.fallback = vbNo;
    WhenOpen(QStringLiteral("frmOptions"), [](QWidget &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("txtOptionCount"))->setText(QStringLiteral("7"));
        dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
    });
    Click(*window->btnNew);
    EXPECT_EQ(modParameters::CurrentTopic, old);
    EXPECT_EQ(old->TotalOptions(), 4);
    EXPECT_TRUE(modParameters::TopicChanged);
    EXPECT_EQ(window->lblOption.size(), 4u);
    EXPECT_EQ(window->lblAttribute[2]->Caption(), "Comfort");
    EXPECT_FALSE(window->IsLoading);
    EXPECT_TRUE(window->picMask->isHidden());
}

TEST_F(CommandsTest, NewWithTheDialogAppliedShowsTheNewTopicAsUnchanged)
{
    NamedTopic({"Price"}, 1);
    modParameters::ShowSettingsOnNew = true;
    WhenOpen(QStringLiteral("frmOptions"), [](QWidget &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("txtAttributeCount"))->setText(QStringLiteral("4"));
        dialog.findChild<QLineEdit *>(QStringLiteral("txtOptionCount"))->setText(QStringLiteral("3"));
        dialog.findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
    });
    Click(*window->btnNew);
    const auto fresh = modParameters::CurrentTopic;
    EXPECT_EQ(fresh->TotalAttributes(), 4);
    EXPECT_EQ(fresh->TotalOptions(), 3);
    EXPECT_EQ(window->lblRating.size(), 12u);
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_TRUE(window->ShowScores && window->ShowWeightings && window->ShowRatings);
}

TEST_F(CommandsTest, LoadReplacesTheTopicAndRebuildsTheWindow)
{
    VeltraneTopic saved;
    saved.SetRounding(3);
    saved.SetTitle(QStringLiteral("Holidays"));
    saved.SetTotalAttributes(3);
    saved.SetTotalOptions(4);
    files.fallback = Saved("holidays.vtp");
    ASSERT_TRUE(modLoadSave::SaveTopicFile(*files.fallback, saved));

    auto old = NamedTopic({"Price"}, 1);
    modParameters::TopicChanged = true;
    boxes.fallback = vbCancel;
    Click(*window->btnLoad);
    EXPECT_EQ(files.count(false), 0);
    EXPECT_EQ(modParameters::CurrentTopic, old);

    boxes.fallback = vbNo;
    Click(*window->btnLoad);
    EXPECT_EQ(files.count(false), 1);
    EXPECT_EQ(modParameters::CurrentTopic->Title(), "Holidays");
    EXPECT_EQ(window->lblOption.size(), 4u);
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_EQ(window->windowTitle(), "Holidays - Veltrane");
}

// The Load button's right-click menu (and the background's) lists the files last loaded
// or saved; one opens as Load opens it, one that is gone is taken off with a message.
TEST_F(CommandsTest, RecentTopicsOpenAsLoadDoesAndAMissingOneGoes)
{
    RecentTopics::SetFiles({});
    VeltraneTopic saved;
    saved.SetRounding(3);
    saved.SetTitle(QStringLiteral("Holidays"));
    saved.SetTotalOptions(4);
    const QString topicFile = QFileInfo(Saved("a&b.vtp")).absoluteFilePath();
    ASSERT_TRUE(modLoadSave::SaveTopicFile(topicFile, saved));
    files.fallback = topicFile;
    Click(*window->btnLoad);
    const QString gone = QFileInfo(Saved("gone.vtp")).absoluteFilePath();
    RecentTopics::Note(gone);
    ASSERT_EQ(RecentTopics::Files(), QStringList({gone, topicFile}));

    // The menu shows the paths, newest first; choosing the missing file removes it.
    QStringList shown;
    QTimer::singleShot(0, [&shown] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        for (const QAction *entry : menu->actions())
            shown << entry->text();
        menu->actions().front()->trigger();
        menu->close();
    });
    const QPoint at(3, 3);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, window->btnLoad->mapToGlobal(at));
    QApplication::sendEvent(window->btnLoad, &rightClick);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith("&1 ") && shown[0].endsWith("/gone.vtp")) << shown[0].toStdString();
    EXPECT_TRUE(shown[1].startsWith("&2 ") && shown[1].endsWith("/a&&b.vtp")) << shown[1].toStdString();
    EXPECT_EQ(boxes.prompts(), QStringList({"The topic file \"" + gone
                                            + "\" no longer exists.\rIt has been taken off the list of recent topics."}));
    EXPECT_EQ(RecentTopics::Files(), QStringList({topicFile}));

    // An existing one asks the save question first, then loads.
    NamedTopic({"Price"}, 1);
    modParameters::TopicChanged = true;
    window->OpenRecentTopic(topicFile);
    EXPECT_EQ(boxes.prompts().size(), 2);
    EXPECT_EQ(modParameters::CurrentTopic->Title(), "Holidays");
    EXPECT_EQ(window->lblOption.size(), 4u);
}

TEST_F(CommandsTest, ADroppedTopicOrCsvFileOpensAsLoadDoesAndOtherDropsAreRefused)
{
    VeltraneTopic saved;
    saved.SetRounding(3);
    saved.SetTotalAttributes(2);
    saved.SetTotalOptions(3);
    saved.SetTitle(QStringLiteral("Bikes"));
    saved.SetOptionName(1, QStringLiteral("City"));
    const QString csvFile = Saved("bikes.csv");
    ASSERT_TRUE(modLoadSave::ExportTopicCSV(csvFile, saved));
    saved.SetTitle(QStringLiteral("Holidays"));
    const QString topicFile = Saved("holidays.vtp");
    ASSERT_TRUE(modLoadSave::SaveTopicFile(topicFile, saved));
    const QString otherFile = Saved("notes.txt");
    ASSERT_TRUE(WriteFileBytes(otherFile, "Holidays"));
    // Open would read this one as a topic file, by the name's exact last four characters.
    const QString upperCsv = Saved("BIKES.CSV");
    ASSERT_TRUE(QFile::copy(csvFile, upperCsv));

    // As a drag from another program comes: entering first, then the drop on the target
    // that accepted the entry; false when refused on entry.
    auto dragAndDrop = [this](const QList<QUrl> &urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(window, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        drop.setAccepted(false);
        QApplication::sendEvent(window, &drop);
        QApplication::processEvents();
        return drop.isAccepted();
    };
    const QUrl topicUrl = QUrl::fromLocalFile(topicFile);
    for (const QList<QUrl> &refused : {QList<QUrl>{QUrl::fromLocalFile(otherFile)}, QList<QUrl>{QUrl::fromLocalFile(upperCsv)},
                                       QList<QUrl>{topicUrl, topicUrl},
                                       QList<QUrl>{QUrl(QStringLiteral("https://example.org/a.vtp"))}})
        EXPECT_FALSE(dragAndDrop(refused)) << refused.front().toString().toStdString();
    EXPECT_NE(modParameters::CurrentTopic->Title(), "Holidays");

    // The save question comes first, as for Load; Cancel keeps the topic.
    auto old = NamedTopic({"Price"}, 1);
    modParameters::TopicChanged = true;
    boxes.fallback = vbCancel;
    EXPECT_TRUE(dragAndDrop({topicUrl}));
    EXPECT_EQ(boxes.prompts().size(), 1);
    EXPECT_EQ(modParameters::CurrentTopic, old);

    boxes.fallback = vbNo;
    EXPECT_TRUE(dragAndDrop({topicUrl}));
    EXPECT_EQ(modParameters::CurrentTopic->Title(), "Holidays");
    EXPECT_EQ(window->lblOption.size(), 3u);
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_TRUE(dragAndDrop({QUrl::fromLocalFile(csvFile)}));
    EXPECT_EQ(modParameters::CurrentTopic->Title(), "Bikes");
    EXPECT_EQ(modParameters::CurrentTopic->GetOptionName(1), "City");
    EXPECT_EQ(files.count(false), 0);
}

TEST_F(CommandsTest, SettingsCancelledChangeNothingAndAppliedOnesShowAtOnce)
{
    auto topic = ShowTopic(2, 2);
    modParameters::TopicChanged = false;
    WhenOpen(QStringLiteral("frmOptions"), [](QWidget &dialog) {
        dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
    });
    Click(*window->btnSettings);
    EXPECT_TRUE(window->OptionChangeCancelled);

    WhenOpen(QStringLiteral("frmOptions"), [](QWidget &dialog) {
        dialog.findChild<QRadioButton *>(QStringLiteral("optRange(100)"))->setChecked(true);
        dialog.findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
    });
    Click(*window->btnSettings);
    EXPECT_FALSE(window->OptionChangeCancelled);
    EXPECT_FALSE(modParameters::DisplayAsDecimal);
    EXPECT_EQ(window->lblRating[0]->Caption(), "50.0%");
    // The refresh itself marks nothing: only the dialog decides.
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_FALSE(window->IsLoading);
}

TEST_F(CommandsTest, ShortcutsActOnlyWithCtrlAlone)
{
    ShowTopic(2, 2);
    window->sliderRating[0]->setFocus();
    EXPECT_FALSE(Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_FALSE(Key(Qt::Key_L, Qt::ControlModifier | Qt::AltModifier));
    EXPECT_FALSE(Key(Qt::Key_N, Qt::ControlModifier | Qt::MetaModifier));
    EXPECT_FALSE(Key(Qt::Key_S));
    EXPECT_EQ(files.count(true) + files.count(false), 0);

    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(files.count(true), 1);
    Key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(files.count(false), 1);
    const auto before = modParameters::CurrentTopic;
    Key(Qt::Key_N, Qt::ControlModifier);
    EXPECT_NE(modParameters::CurrentTopic, before);
    // The slider did not see the keys.
    EXPECT_FLOAT_EQ(window->sliderRating[0]->Value(), 50.0f);
}

TEST_F(CommandsTest, CtrlSWhileEditingSavesTheEditedValue)
{
    ShowTopic(2, 2);
    Click(*window->lblRating[0]);
    Type(QStringLiteral("0.9"));
    files.fallback = Saved("edited.vtp");
    Key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(Read(*files.fallback).contains("Rating0=0.9\r\n"));
    EXPECT_TRUE(window->txtEditBox->isHidden());
}

TEST_F(CommandsTest, CtrlQAsksAboutUnsavedChangesAndCancelKeepsTheWindow)
{
    ShowTopic(2, 2);
    modParameters::TopicChanged = true;
    boxes.fallback = vbCancel;
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(boxes.prompts().size(), 1);
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(Key(Qt::Key_Q, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_EQ(boxes.prompts().size(), 1);

    boxes.fallback = vbNo;
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(boxes.prompts().size(), 2);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull() || !window->isVisible());
}

// A file may hold a rating to more places than its label shows: it comes in as shown, and
// the score is that of the numbers on the screen.
TEST_F(CommandsTest, ALoadedRatingIsHeldAsItsLabelShowsIt)
{
    QString text = Read(QStringLiteral(VELTRANE_SOURCE_DIR "/examples/car.vtp"));
    text.replace("Rating0=0.8", "Rating0=0.12345");
    const QString file = Saved("fine.vtp");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(text.toUtf8());
    out.close();

    window->OpenRecentTopic(file);
    VeltraneTopic raw = *modParameters::CurrentTopic;
    raw.SetRounding(-1);
    EXPECT_EQ(raw.GetRating(0, 0), 0.123);
    EXPECT_EQ(window->lblRating[0]->Caption(), "0.123");
    EXPECT_EQ(window->lblScore[0]->Caption(), "0.215") << "(0.5 × 0.123 + 0.25 × 0.4) / 0.75";
    EXPECT_FALSE(modParameters::TopicChanged);
}

// A topic made from a table of measurements is one step: undo brings back the topic it
// replaced, as it was saved, and redo the table's.
TEST_F(CommandsTest, ATableOfMeasurementsIsOneUndoStep)
{
    NamedTopic({"Price", "Looks"}, 3);
    window->ResetHistory();
    const QString sheet = Saved("shop.csv");
    QFile out(sheet);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("Product,Price ($)\r\nAero,1299\r\nBrik,899\r\n");
    out.close();
    SetFileDialogHandler([&](const CommonDialog &, bool) { return FileDialogAnswer(sheet, 3); });
    windowHooks().chooseMeasurements = [](const MeasurementTable &, MeasurementChoice &) { return true; };

    Click(*window->btnLoad);
    SetFileDialogHandler({});
    ASSERT_EQ(modParameters::CurrentTopic->GetOptionName(1), "Brik");
    EXPECT_TRUE(modParameters::TopicChanged);
    EXPECT_EQ(window->History.UndoDescription(), "Import Measurements");

    window->Undo();
    EXPECT_EQ(modParameters::CurrentTopic->GetAttributeName(1), "Looks");
    EXPECT_EQ(window->lblOption.size(), 3u);
    EXPECT_FALSE(modParameters::TopicChanged);
    window->Redo();
    EXPECT_TRUE(modParameters::CurrentTopic->HasValue(0, 0));
    EXPECT_EQ(modParameters::CurrentTopic->GetValue(0, 0), 1299);
    EXPECT_TRUE(modParameters::TopicChanged);
}
