#include "SettingsDialogFixture.h"
#include "UrlRecorder.h"

#include "VeltraneVersion.h"
#include "io/WindowHooks.h"
#include "ui/main/AccessibleWidgets.h"
#include "ui/support/HelpPage.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDesktopServices>
#include <QFontInfo>
#include <QScreen>

using namespace modParameters;
using namespace WindowDriver;

namespace {

constexpr uint32_t Red192 = 192;

void ExpectFont(const QWidget *control, double points, bool bold)
{
    const QFont font = control->font();
    EXPECT_DOUBLE_EQ(font.pointSizeF(), points) << control->objectName().toStdString();
    EXPECT_EQ(font.bold(), bold) << control->objectName().toStdString();
    EXPECT_TRUE(QFontInfo(font).family() == QLatin1String("Comic Neue")
                || QFontInfo(font).family() == QLatin1String("Comic Sans MS"))
        << QFontInfo(font).family().toStdString();
}

} // namespace

TEST_F(SettingsDialogTest, EveryControlCarriesItsDesignNameCaptionAndFont)
{
    OpenDialog();
    EXPECT_EQ(dialog->objectName(), "frmOptions");
    EXPECT_EQ(dialog->parentWidget(), main);
    EXPECT_TRUE(dialog->isModal());
    const std::pair<const char *, const char *> captions[] = {
        {"lblTabText(0)", "Topic"},
        {"lblTabText(1)", "Preferences"},
        {"lblTabText(2)", "About"},
        {"lblTopicSettings", "Topic Settings:"},
        {"lblTitle", "Topic Title:"},
        {"lblAttributeCount", "No. Of Attributes"},
        {"lblOptionCount", "No. Of Options"},
        {"lblWeightingType(0)", "Positive Attributes"},
        {"lblWeightingType(1)", "Negative Attributes"},
        {"lblDisplaySettings", "Display Settings:"},
        {"lblRange(1)", "Decimals"},
        {"lblRange(100)", "Percentages"},
        {"lblNormaliseWeights", "Normalise Weights?"},
        {"lblProgramSettings", "Program Settings:"},
        {"lblShowSettingsOnNew", "Show settings when starting a new topic?"},
        {"lblWebsiteNote", "For help and support, please visit"},
    };
    for (const auto &[name, caption] : captions)
        EXPECT_EQ(Label(name)->Caption(), QString::fromLatin1(caption)) << name;
    EXPECT_FALSE(Label("lblCopyright1")->Caption().isEmpty());
    EXPECT_TRUE(Label("lblCopyright2")->Caption().contains("GPL-3.0-or-later")); // the licence of LICENSE
    EXPECT_FALSE(Label("lblWebLink")->Caption().isEmpty());

    for (const char *heading : {"lblTabText(0)", "lblTabText(1)", "lblTabText(2)", "lblTitle", "lblTopicSettings",
                                "lblDisplaySettings", "lblProgramSettings", "lblVeltraneTitle"})
        ExpectFont(Find(heading), 9.75, true);
    for (const char *plain : {"lblAttributeCount", "lblOptionCount", "lblWeightingType(0)", "lblRange(100)",
                              "lblNormaliseWeights", "lblShowSettingsOnNew", "lblCopyright1", "lblWebsiteNote"})
        ExpectFont(Find(plain), 8.25, false);

    // The option buttons the program addresses are 1 and 100; there is no 0.
    EXPECT_NE(Find<QRadioButton>("optRange(1)"), nullptr);
    EXPECT_NE(Find<QRadioButton>("optRange(100)"), nullptr);
    EXPECT_EQ(dialog->findChild<QWidget *>("optRange(0)"), nullptr);
    EXPECT_EQ(Find("optWeightingType(0)")->parentWidget(), Find("picWeightingType"));

    auto *ok = Find<QPushButton>("btnOk");
    auto *cancel = Find<QPushButton>("btnCancel");
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_LT(ok->x(), cancel->x());
    EXPECT_EQ(ok->y(), cancel->y());
}

TEST_F(SettingsDialogTest, TheAboutPageNamesTheVersionAndItsLinkOpensTheHelpPage)
{
    OpenDialog();
    QString version = QStringLiteral("Veltrane v%1.%2").arg(VELTRANE_VERSION_MAJOR).arg(VELTRANE_VERSION_MINOR);
    if (VELTRANE_VERSION_PATCH >= 1)
        version += QStringLiteral(".%1").arg(VELTRANE_VERSION_PATCH);
    EXPECT_EQ(Label("lblVeltraneTitle")->Caption(), version);

    const QUrl help = HelpPageUrl();
    ASSERT_FALSE(help.isEmpty());
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(help.scheme(), &recorder, "open");
    Click(*Label("lblWebLink"));
    QDesktopServices::unsetUrlHandler(help.scheme());
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened.front(), help);
}

TEST_F(SettingsDialogTest, ShowsTheTopicAndTheProgramSettings)
{
    Topic().SetInvertWeights(true);
    Topic().SetNormaliseWeights(true);
    DisplayAsDecimal = false;
    ShowSettingsOnNew = false;
    OpenDialog();
    EXPECT_EQ(Box("txtTitle")->text(), "Cars");
    EXPECT_EQ(Box("txtAttributeCount")->text(), "3");
    EXPECT_EQ(Box("txtOptionCount")->text(), "5");
    EXPECT_TRUE(Find<QRadioButton>("optWeightingType(1)")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("optRange(100)")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("optRange(1)")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>("chkNormaliseWeights")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("chkShowSettingsOnNew")->isChecked());
    EXPECT_FALSE(main->OptionChangeCancelled);
}

TEST_F(SettingsDialogTest, OpensOnTheTopicTabCentredOverTheMainWindow)
{
    main->OptionChangeCancelled = true;
    OpenDialog();
    EXPECT_FALSE(main->OptionChangeCancelled);
    EXPECT_TRUE(Shown("txtTitle"));
    EXPECT_TRUE(Shown("lblWeightingType(1)"));
    EXPECT_FALSE(Shown("optRange(1)"));
    EXPECT_FALSE(Shown("lblWebLink"));
    EXPECT_FALSE(Shown("imgTabBackground(0)"));
    EXPECT_TRUE(Shown("imgTabBackground(1)"));
    EXPECT_EQ(dialog->pos(), frmOptions::CentredPosition(main->frameGeometry(), dialog->size(),
                                                         main->screen()->geometry().size()));
}

TEST_F(SettingsDialogTest, PlacementKeepsOffTheRightEdgeAndTheBottomStrip)
{
    const QSize screen(1280, 1024);
    const QSize dialogSize(380, 300);
    // Centred: 100 + 600 / 2 - 190 = 210; 100 + 400 / 2 - 150 = 150.
    EXPECT_EQ(frmOptions::CentredPosition(QRect(100, 100, 600, 400), dialogSize, screen), QPoint(210, 150));
    // Past the right edge: moved left to touch it.
    EXPECT_EQ(frmOptions::CentredPosition(QRect(1000, 100, 600, 400), dialogSize, screen).x(), 1280 - 380);
    // Into the bottom 400 twips (26.67 pixels): moved up; 1024 - 26.67 - 300 = 697.33.
    EXPECT_EQ(frmOptions::CentredPosition(QRect(100, 700, 600, 400), dialogSize, screen).y(), 697);
    // Just clear of the strip: left alone (top 697, bottom 997 < 997.33).
    EXPECT_EQ(frmOptions::CentredPosition(QRect(100, 647, 600, 400), dialogSize, screen).y(), 697);
    // Off the left or top edge: no correction.
    EXPECT_EQ(frmOptions::CentredPosition(QRect(-500, -500, 200, 200), dialogSize, screen), QPoint(-590, -550));
}

TEST_F(SettingsDialogTest, TheWindowIsARoundedShapeWithTwentyPixelCorners)
{
    OpenDialog();
    dialog->Form_Resize();
    const QRegion shape = dialog->mask();
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(dialog->width() - 1, dialog->height() - 1)));
    EXPECT_TRUE(shape.contains(QPoint(dialog->width() / 2, 0)));
    EXPECT_TRUE(shape.contains(QPoint(0, dialog->height() / 2)));
    EXPECT_TRUE(shape.contains(QPoint(10, 10)));
}

TEST_F(SettingsDialogTest, TabsShowTheirOwnControlsOnly)
{
    OpenDialog();
    Click(*Label("lblTabText(1)"));
    EXPECT_TRUE(Shown("optRange(100)"));
    EXPECT_TRUE(Shown("lblShowSettingsOnNew"));
    EXPECT_FALSE(Shown("txtOptionCount"));
    EXPECT_FALSE(Shown("picWeightingType"));
    EXPECT_FALSE(Shown("imgLogo"));
    EXPECT_FALSE(Shown("imgTabBackground(1)"));
    EXPECT_TRUE(Shown("imgTabBackground(0)"));

    Click(*Label("imgTabBackground(2)"));
    EXPECT_TRUE(Shown("imgLogo"));
    EXPECT_TRUE(Shown("lblWebLink"));
    EXPECT_FALSE(Shown("chkNormaliseWeights"));
    EXPECT_FALSE(Shown("lblTopicSettings"));

    // The heading of the selected tab keeps it selected.
    Click(*Label("lblTabText(2)"));
    EXPECT_TRUE(Shown("lblVeltraneTitle"));
    EXPECT_FALSE(Shown("imgTabBackground(2)"));
}

TEST_F(SettingsDialogTest, HeadingsLightUpRedUnlessSelected)
{
    OpenDialog();
    VLabel *topic = Label("lblTabText(0)");
    VLabel *preferences = Label("lblTabText(1)");
    VLabel *about = Label("lblTabText(2)");

    Hover(*preferences);
    EXPECT_EQ(preferences->ForeColor(), Red192);
    EXPECT_EQ(topic->ForeColor(), 0u);
    Hover(*about);
    EXPECT_EQ(about->ForeColor(), Red192);
    EXPECT_EQ(preferences->ForeColor(), 0u);
    // The selected tab's heading is not recoloured; the others turn black.
    Hover(*topic);
    EXPECT_EQ(topic->ForeColor(), 0u);
    EXPECT_EQ(about->ForeColor(), 0u);

    Hover(*about);
    Hover(*dialog, QPoint(dialog->width() / 2, dialog->height() - 5));
    for (VLabel *heading : {topic, preferences, about})
        EXPECT_EQ(heading->ForeColor(), 0u);

    // Selecting a tab paints its heading black at once.
    Hover(*about);
    Click(*about);
    EXPECT_EQ(about->ForeColor(), 0u);
}

TEST_F(SettingsDialogTest, CaptionsBesideCheckBoxesAndOptionButtonsActOnThem)
{
    OpenDialog();
    auto *normalise = Find<QCheckBox>("chkNormaliseWeights");
    auto *showOnNew = Find<QCheckBox>("chkShowSettingsOnNew");
    ASSERT_FALSE(normalise->isChecked());
    ASSERT_TRUE(showOnNew->isChecked());
    Click(*Label("lblNormaliseWeights"));
    EXPECT_TRUE(normalise->isChecked());
    Click(*Label("lblNormaliseWeights"));
    EXPECT_FALSE(normalise->isChecked());
    Click(*Label("lblShowSettingsOnNew"));
    EXPECT_FALSE(showOnNew->isChecked());

    Click(*Label("lblRange(100)"));
    EXPECT_TRUE(Find<QRadioButton>("optRange(100)")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("optRange(1)")->isChecked());
    Click(*Label("lblRange(1)"));
    EXPECT_TRUE(Find<QRadioButton>("optRange(1)")->isChecked());

    // The weighting type is a group of its own.
    Click(*Label("lblWeightingType(1)"));
    EXPECT_TRUE(Find<QRadioButton>("optWeightingType(1)")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("optWeightingType(0)")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("optRange(1)")->isChecked());
}

TEST_F(SettingsDialogTest, WhileLoadedFileDialogsBelongToItAndItCanBeHidden)
{
    OpenDialog();
    dialog->show();
    EXPECT_EQ(windowHooks().dialogOwner(), dialog.get());
    windowHooks().hideSettingsDialog();
    EXPECT_FALSE(dialog->isVisible());
    dialog.reset();
    EXPECT_EQ(windowHooks().dialogOwner(), main);
}

TEST(SettingsDialogCounts, EveryCorrectionOfACountBox)
{
    const std::pair<const char *, const char *> cases[] = {
        {"0", "1"},  {"-4", "1"}, {"0.5", "1"},  {"12", "10"}, {"1e1", "10"}, {"10.5", "10"},
        {"3.9", "3"}, {" 3 ", "3"}, {"7", "7"},  {"", "4"},    {"abc", "4"},  {"3x", "4"},
        {".", "4"},  {"1e400", "10"},
    };
    for (const auto &[typed, kept] : cases)
        EXPECT_EQ(frmOptions::CorrectedCount(QString::fromLatin1(typed), 4, 10), QString::fromLatin1(kept)) << typed;
}

TEST_F(SettingsDialogTest, CountBoxesSelectOnFocusAndCorrectWhenLeft)
{
    OpenDialog();
    Activate(*dialog);
    QLineEdit *attributes = Box("txtAttributeCount");
    QLineEdit *options = Box("txtOptionCount");
    attributes->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(attributes->selectedText(), "3");
    attributes->setText(QStringLiteral("12"));
    options->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(attributes->text(), "10");
    EXPECT_EQ(options->selectedText(), "5");
    options->setText(QStringLiteral("letters"));
    attributes->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(options->text(), "5");
    attributes->clear();
    options->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(attributes->text(), "3");
    // Corrections are silent.
    EXPECT_TRUE(boxes.prompts().isEmpty());
}

TEST_F(SettingsDialogTest, AnEmptyTitleGetsTheTitleHeldBeforeEditingButBlanksStay)
{
    OpenDialog();
    Activate(*dialog);
    QLineEdit *title = Box("txtTitle");
    title->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(title->selectedText(), "Cars");
    title->setText(QStringLiteral("Bikes"));
    Box("txtOptionCount")->setFocus(Qt::TabFocusReason);
    title->setFocus(Qt::TabFocusReason);
    title->clear();
    Box("txtOptionCount")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(title->text(), "Bikes");
    title->setFocus(Qt::TabFocusReason);
    title->setText(QStringLiteral("   "));
    Box("txtOptionCount")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(title->text(), "   ");
}

TEST_F(SettingsDialogTest, OkAppliesEverySettingInItsPlace)
{
    OpenDialog();
    Box("txtTitle")->setText(QStringLiteral("Bikes"));
    Find<QRadioButton>("optWeightingType(1)")->setChecked(true);
    Find<QRadioButton>("optRange(100)")->setChecked(true);
    Find<QCheckBox>("chkNormaliseWeights")->setChecked(true);
    Find<QCheckBox>("chkShowSettingsOnNew")->setChecked(false);
    Box("txtOptionCount")->setText(QStringLiteral("3"));
    Box("txtAttributeCount")->setText(QStringLiteral("4"));
    Find<QPushButton>("btnOk")->click();

    EXPECT_TRUE(dialog->IsUnloaded());
    EXPECT_FALSE(main->OptionChangeCancelled);
    EXPECT_EQ(Topic().Title(), "Bikes");
    EXPECT_TRUE(Topic().InvertWeights());
    EXPECT_TRUE(Topic().NormaliseWeights());
    EXPECT_FALSE(DisplayAsDecimal);
    EXPECT_FALSE(ShowSettingsOnNew);
    EXPECT_TRUE(TopicChanged);
    // Shrinking drops the last options with their names; the window follows.
    ASSERT_EQ(Topic().TotalOptions(), 3);
    EXPECT_EQ(Topic().GetOptionName(2), "Car C");
    EXPECT_EQ(Topic().TotalAttributes(), 4);
    EXPECT_EQ(main->lblOption.size(), 3u);
    EXPECT_EQ(main->lblAttribute.size(), 4u);
    EXPECT_EQ(main->lblRating.size(), 12u);
}

TEST_F(SettingsDialogTest, DisplayAndNormalisingAloneDoNotMarkTheTopicChanged)
{
    OpenDialog();
    Find<QRadioButton>("optRange(100)")->setChecked(true);
    Find<QCheckBox>("chkNormaliseWeights")->setChecked(true);
    Find<QCheckBox>("chkShowSettingsOnNew")->setChecked(false);
    Find<QPushButton>("btnOk")->click();
    EXPECT_FALSE(TopicChanged);
    EXPECT_FALSE(DisplayAsDecimal);
    EXPECT_TRUE(Topic().NormaliseWeights());
}

TEST_F(SettingsDialogTest, NegativeAttributesAloneMarkTheTopicChanged)
{
    OpenDialog();
    Find<QRadioButton>("optWeightingType(1)")->setChecked(true);
    Find<QPushButton>("btnOk")->click();
    EXPECT_TRUE(Topic().InvertWeights());
    EXPECT_TRUE(TopicChanged);
}

TEST_F(SettingsDialogTest, UnchangedCountsDoNotRebuildTheWindowUnlessItIsLoading)
{
    // A name changed behind the window's back shows only when the arrays are rebuilt.
    Topic().SetAttributeName(0, QStringLiteral("Speed"));
    OpenDialog();
    Find<QPushButton>("btnOk")->click();
    EXPECT_EQ(main->lblAttribute[0]->Caption(), "Attribute 1");
    EXPECT_FALSE(TopicChanged);

    main->IsLoading = true;
    OpenDialog();
    Find<QPushButton>("btnOk")->click();
    main->IsLoading = false;
    EXPECT_EQ(main->lblAttribute[0]->Caption(), "Speed");
    EXPECT_EQ(Topic().TotalAttributes(), 3);
    // While loading only the title counts as a change, and it did not change.
    EXPECT_FALSE(TopicChanged);
}

TEST_F(SettingsDialogTest, WhileLoadingOnlyTheTitleIsCompared)
{
    main->IsLoading = true;
    OpenDialog();
    Find<QRadioButton>("optWeightingType(1)")->setChecked(true);
    Box("txtOptionCount")->setText(QStringLiteral("2"));
    Find<QPushButton>("btnOk")->click();
    EXPECT_FALSE(TopicChanged);
    EXPECT_EQ(Topic().TotalOptions(), 2);

    OpenDialog();
    Box("txtTitle")->setText(QStringLiteral("cars"));
    Find<QPushButton>("btnOk")->click();
    main->IsLoading = false;
    EXPECT_TRUE(TopicChanged);
    EXPECT_EQ(Topic().Title(), "cars");
}

TEST_F(SettingsDialogTest, CancelLeavesEverythingAsItWas)
{
    OpenDialog();
    dialog->SelectTab(1);
    Click(*Label("lblRange(100)"));
    Click(*Label("lblNormaliseWeights"));
    dialog->SelectTab(0);
    Box("txtTitle")->setText(QStringLiteral("Bikes"));
    Box("txtOptionCount")->setText(QStringLiteral("2"));
    Click(*Label("lblWeightingType(1)"));
    Find<QPushButton>("btnCancel")->click();

    EXPECT_TRUE(dialog->IsUnloaded());
    EXPECT_TRUE(main->OptionChangeCancelled);
    EXPECT_EQ(Topic().Title(), "Cars");
    EXPECT_EQ(Topic().TotalOptions(), 5);
    EXPECT_FALSE(Topic().InvertWeights());
    EXPECT_FALSE(Topic().NormaliseWeights());
    EXPECT_TRUE(DisplayAsDecimal);
    EXPECT_FALSE(TopicChanged);
    EXPECT_EQ(files.dialogs.size(), 0);
}

TEST_F(SettingsDialogTest, EscapeCancelsOnceStartUpIsOver)
{
    OpenDialog();
    Activate(*dialog);
    Box("txtTitle")->setFocus();
    Box("txtTitle")->setText(QStringLiteral("Bikes"));
    Key(Qt::Key_Escape);
    EXPECT_TRUE(dialog->IsUnloaded());
    EXPECT_TRUE(main->OptionChangeCancelled);
    EXPECT_EQ(Topic().Title(), "Cars");
}

TEST_F(SettingsDialogTest, EnterPressesOkOrTheFocusedButton)
{
    OpenDialog();
    Activate(*dialog);
    Box("txtTitle")->setFocus();
    Box("txtTitle")->setText(QStringLiteral("Bikes"));
    Key(Qt::Key_Return);
    EXPECT_TRUE(dialog->IsUnloaded());
    EXPECT_FALSE(main->OptionChangeCancelled);
    EXPECT_EQ(Topic().Title(), "Bikes");

    OpenDialog();
    Activate(*dialog);
    Box("txtTitle")->setText(QStringLiteral("Vans"));
    Find<QPushButton>("btnCancel")->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(dialog->IsUnloaded());
    EXPECT_TRUE(main->OptionChangeCancelled);
    EXPECT_EQ(Topic().Title(), "Bikes");
}

TEST_F(SettingsDialogTest, ShowModalReturnsWhenTheDialogUnloads)
{
    WhenOpen(QStringLiteral("frmOptions"), [](QWidget &window) {
        window.findChild<QLineEdit *>(QStringLiteral("txtTitle"))->setText(QStringLiteral("Vans"));
        window.findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
    });
    frmOptions::ShowModal(*main);
    EXPECT_EQ(Topic().Title(), "Vans");
    EXPECT_EQ(OpenWindow(QStringLiteral("frmOptions")), nullptr);
}

TEST_F(SettingsDialogTest, ScreenReadersHearEveryControlByItsLabel)
{
    InstallAccessibleWidgets();
    OpenDialog();
    const auto name = [](QWidget *control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    EXPECT_EQ(name(Box("txtTitle")), "Topic Title");
    EXPECT_EQ(name(Box("txtOptionCount")), "No. Of Options");
    EXPECT_EQ(name(Find("optWeightingType(1)")), "Negative Attributes");
    EXPECT_EQ(name(Find("optRange(100)")), "Percentages");
    EXPECT_EQ(name(Find("chkNormaliseWeights")), "Normalise Weights?");

    // A label that sets its control can be pressed, and says so.
    dialog->show();
    dialog->SelectTab(1);
    QAccessibleInterface *label = QAccessible::queryAccessibleInterface(Label("lblNormaliseWeights"));
    EXPECT_EQ(label->text(QAccessible::Description), "Click to switch on or off");
    auto *box = Find<QCheckBox>("chkNormaliseWeights");
    const bool before = box->isChecked();
    label->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_NE(box->isChecked(), before);
    QAccessibleInterface *tab = QAccessible::queryAccessibleInterface(Label("lblTabText(2)"));
    EXPECT_TRUE(tab->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    EXPECT_EQ(tab->text(QAccessible::Description), "Tab; click to show its page");
}


TEST_F(SettingsDialogTest, ApplyingCorrectsCountBoxesThatStillHoldTheirTypedText)
{
    OpenDialog();
    Box("txtOptionCount")->setText(QStringLiteral("12"));
    Box("txtAttributeCount")->setText(QStringLiteral("0"));
    dialog->ApplySettings();
    EXPECT_EQ(Box("txtOptionCount")->text(), "10");
    EXPECT_EQ(Box("txtAttributeCount")->text(), "1");
    EXPECT_EQ(Topic().TotalOptions(), 10);
    EXPECT_EQ(Topic().TotalAttributes(), 1);
}
