#include "ScreenPresenters.h"

#include "io/modParameters.h"
#include "support/CommonDialog.h"
#include "support/MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

QWidget *parentFor(QObject *owner)
{
    if (auto *widget = qobject_cast<QWidget *>(owner))
        return widget;
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QMessageBox::Icon iconOf(int buttons)
{
    switch (buttons & 0x70) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int answerOf(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return vbCancel;
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    default:
        return vbOK;
    }
}

QString titleOr(const QString &title)
{
    return title.isEmpty() ? modParameters::ProductTitle : title;
}

} // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const QString &prompt, int buttons, const QString &title,
                                            QWidget *parent)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(titleOr(title));
    box->setIcon(iconOf(buttons));
    box->setTextFormat(Qt::PlainText);
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box->setText(text);

    QMessageBox::StandardButton first = QMessageBox::Ok;
    switch (buttons & 7) {
    case vbOKCancel:
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    case vbYesNoCancel:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        first = QMessageBox::Yes;
        break;
    case vbYesNo:
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        first = QMessageBox::Yes;
        break;
    default:
        box->setStandardButtons(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
        break;
    }
    box->setDefaultButton(first);
    return box;
}

int ShowMessageBox(const QString &prompt, int buttons, const QString &title)
{
    const auto box = MakeMessageBox(prompt, buttons, title, parentFor(nullptr));
    // With standard buttons exec() returns the one clicked (Escape: the escape button).
    return answerOf(box->exec());
}

void ConfigureFileDialog(QFileDialog &fileDialog, const CommonDialog &dialog, bool save)
{
    const int32_t flags = dialog.Flags();
    fileDialog.setWindowTitle(save ? QStringLiteral("Save As") : QStringLiteral("Open"));
    fileDialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    fileDialog.setFileMode(!save && (flags & cdlOFNFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    fileDialog.setOption(QFileDialog::DontConfirmOverwrite, !(save && (flags & cdlOFNOverwritePrompt)));
    // The name is used as typed: no extension is added.
    fileDialog.setDefaultSuffix(QString());
    const QStringList filters = NameFiltersOf(dialog.Filter());
    if (!filters.isEmpty())
        fileDialog.setNameFilters(filters);
    if (!dialog.InitDir().isEmpty() && QFileInfo(dialog.InitDir()).isDir())
        fileDialog.setDirectory(dialog.InitDir());
    if (!dialog.FileName().isEmpty())
        fileDialog.selectFile(dialog.FileName());
}

QString FileDialogProblem(const QString &path, int32_t flags, bool save)
{
    const QFileInfo info(path);
    if ((flags & (cdlOFNPathMustExist | cdlOFNFileMustExist)) && !info.dir().exists())
        return QStringLiteral("%1\nThe folder does not exist.\nCheck the path and try again.")
            .arg(QDir::toNativeSeparators(path));
    if ((flags & cdlOFNFileMustExist) && !info.isFile())
        return QStringLiteral("%1\nFile not found.\nCheck the file name and try again.")
            .arg(QDir::toNativeSeparators(path));
    if (save && (flags & cdlOFNNoReadOnlyReturn)) {
        const bool readOnly = info.exists() ? !info.isWritable() : !QFileInfo(info.absolutePath()).isWritable();
        if (readOnly)
            return QStringLiteral("%1\nThis file or its folder is read-only.\nTry again with a different file name.")
                .arg(QDir::toNativeSeparators(path));
    }
    return {};
}

FileDialogAnswer ShowFileDialog(const CommonDialog &dialog, bool save)
{
    QFileDialog fileDialog(parentFor(dialog.Owner()));
    ConfigureFileDialog(fileDialog, dialog, save);
    while (fileDialog.exec() == QDialog::Accepted) {
        const QString chosen = fileDialog.selectedFiles().value(0);
        if (chosen.isEmpty())
            continue;
        const QString problem = FileDialogProblem(chosen, dialog.Flags(), save);
        if (!problem.isEmpty()) {
            QMessageBox::warning(&fileDialog, fileDialog.windowTitle(), problem);
            continue;
        }
        const int32_t filterIndex = int32_t(fileDialog.nameFilters().indexOf(fileDialog.selectedNameFilter())) + 1;
        // The dialog asked about the name as typed; the file written gets the chosen
        // type's extension, and that file may exist too.
        const QString written = WithFilterExtension(chosen, dialog.Filter(), filterIndex);
        if (save && written != chosen && (dialog.Flags() & cdlOFNOverwritePrompt) && QFileInfo::exists(written)
            && QMessageBox::question(&fileDialog, fileDialog.windowTitle(),
                                     QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                         .arg(QFileInfo(written).fileName()))
                   != QMessageBox::Yes)
            continue;
        return FileDialogAnswer(chosen, filterIndex);
    }
    return {};
}

void InstallScreenPresenters()
{
    SetMsgBoxPresenter(ShowMessageBox);
    SetFileDialogPresenter(ShowFileDialog);
}
