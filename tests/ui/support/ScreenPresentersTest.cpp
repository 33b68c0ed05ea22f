#include "ui/support/ScreenPresenters.h"

#include "support/CommonDialog.h"
#include "support/MsgBox.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

// Runs `act` on the modal window as soon as the event loop of exec() shows it.
template <typename Window, typename Act>
void whenModalShows(Act act)
{
    QTimer::singleShot(0, [act] {
        auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        act(window);
    });
}

} // namespace

TEST(ScreenPresenters, MessageBoxTakesIconButtonsTitleAndLineBreaks)
{
    auto box = MakeMessageBox("An error occurred whilst saving the file!\r\rError 13\rNo <b>bold</b>",
                              vbCritical, QString(), nullptr);
    EXPECT_EQ(box->windowTitle(), "Veltrane");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->text(), "An error occurred whilst saving the file!\n\nError 13\nNo <b>bold</b>");
    EXPECT_EQ(box->textFormat(), Qt::PlainText);

    box = MakeMessageBox("Do you want to save this topic first?", vbYesNoCancel + vbQuestion, "Save Topic", nullptr);
    EXPECT_EQ(box->windowTitle(), "Save Topic");
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Cancel));

    EXPECT_EQ(MakeMessageBox("?", vbYesNo + vbQuestion, {}, nullptr)->standardButtons(),
              QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(MakeMessageBox("!", vbExclamation, {}, nullptr)->icon(), QMessageBox::Warning);
    EXPECT_EQ(MakeMessageBox("i", vbInformation, {}, nullptr)->icon(), QMessageBox::Information);
    EXPECT_EQ(MakeMessageBox("c", vbOKCancel, {}, nullptr)->standardButtons(),
              QMessageBox::Ok | QMessageBox::Cancel);
}

TEST(ScreenPresenters, InstalledMessageBoxAnswersWithTheButtonClicked)
{
    InstallScreenPresenters();
    whenModalShows<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::No)->click(); });
    EXPECT_EQ(MsgBox("Do you want to save this topic first?", vbYesNoCancel + vbQuestion, "Save Topic"), vbNo);
    whenModalShows<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Cancel)->click(); });
    EXPECT_EQ(MsgBox("?", vbYesNoCancel), vbCancel);
    whenModalShows<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Ok)->click(); });
    EXPECT_EQ(MsgBox("note", vbInformation), vbOK);
    SetMsgBoxPresenter({});
    SetFileDialogPresenter({});
}

TEST(ScreenPresenters, FileDialogFollowsTheFlags)
{
    QTemporaryDir dir;
    CommonDialog save;
    save.SetFlags(0x208802);
    save.SetFilter("Veltrane Topic (*.vtp)|*.vtp|Excel CSV file (*.csv)|*.csv");
    save.SetInitDir(dir.path());
    save.SetFileName("Choosing a car");
    QFileDialog saveDialog;
    ConfigureFileDialog(saveDialog, save, true);
    EXPECT_EQ(saveDialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(saveDialog.fileMode(), QFileDialog::AnyFile);
    EXPECT_FALSE(saveDialog.testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_TRUE(saveDialog.defaultSuffix().isEmpty());
    EXPECT_EQ(saveDialog.nameFilters(), QStringList({"Veltrane Topic (*.vtp)", "Excel CSV file (*.csv)"}));
    EXPECT_EQ(saveDialog.directory().absolutePath(), QDir(dir.path()).absolutePath());
    EXPECT_EQ(saveDialog.windowTitle(), "Save As");

    CommonDialog open;
    open.SetFlags(0x201004);
    QFileDialog openDialog;
    ConfigureFileDialog(openDialog, open, false);
    EXPECT_EQ(openDialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(openDialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(openDialog.windowTitle(), "Open");

    save.SetFlags(0);
    QFileDialog quietDialog;
    ConfigureFileDialog(quietDialog, save, true);
    EXPECT_TRUE(quietDialog.testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(ScreenPresenters, FileDialogChecksPathAndFile)
{
    QTemporaryDir dir;
    const QString missingFolder = dir.path() + "/nowhere/a.vtp";
    const QString missingFile = dir.path() + "/a.vtp";
    EXPECT_FALSE(FileDialogProblem(missingFolder, 0x208802, true).isEmpty());
    EXPECT_TRUE(FileDialogProblem(missingFile, 0x208802, true).isEmpty());
    EXPECT_TRUE(FileDialogProblem(missingFolder, 0, true).isEmpty());
    EXPECT_TRUE(FileDialogProblem(missingFile, 0x201004, false).contains("File not found"));
    EXPECT_TRUE(FileDialogProblem(missingFolder, 0x201004, false).contains("folder does not exist"));

    if (geteuid() != 0) {
        QFile file(missingFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        file.setPermissions(QFileDevice::ReadOwner);
        EXPECT_TRUE(FileDialogProblem(missingFile, 0x208802, true).contains("read-only"));
        EXPECT_TRUE(FileDialogProblem(missingFile, 0x208800, false).isEmpty());
    }
}

TEST(ScreenPresenters, FileDialogReturnsTheChoiceOrNothingOnCancel)
{
    QTemporaryDir dir;
    CommonDialog dialog;
    dialog.SetFlags(0x208802);
    dialog.SetInitDir(dir.path());
    const QString target = dir.path() + "/topic.vtp";
    whenModalShows<QFileDialog>([target](QFileDialog *fileDialog) {
        fileDialog->selectFile(target);
        QMetaObject::invokeMethod(fileDialog, "accept");
    });
    EXPECT_EQ(ShowFileDialog(dialog, true).fileName, std::optional<QString>(target));

    whenModalShows<QFileDialog>([](QFileDialog *fileDialog) { fileDialog->reject(); });
    EXPECT_EQ(ShowFileDialog(dialog, false).fileName, std::nullopt);
}
