#pragma once

#include "support/CommonDialog.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class CommonDialog;
class QFileDialog;
class QMessageBox;
class QWidget;

// Puts the on-screen message box and file dialog behind MsgBox and CommonDialog.
// Call once after the QApplication exists.
void InstallScreenPresenters();

// The message box MsgBox shows for these arguments: icon and buttons from `buttons`,
// the program title when `title` is empty, CR line breaks as line breaks.
std::unique_ptr<QMessageBox> MakeMessageBox(const QString &prompt, int buttons, const QString &title,
                                            QWidget *parent);

// Shows the message box modally and returns the answer as MsgBox does.
int ShowMessageBox(const QString &prompt, int buttons, const QString &title);

// Sets up a file dialog from the settings of `dialog`.
void ConfigureFileDialog(QFileDialog &fileDialog, const CommonDialog &dialog, bool save);

// What is wrong with choosing `path` under these flags, as a message; empty when nothing is.
QString FileDialogProblem(const QString &path, int32_t flags, bool save);

// Shows the file dialog modally until a choice passes the flags' checks or the user
// cancels; returns the chosen path and file type, or nothing for a cancel.
FileDialogAnswer ShowFileDialog(const CommonDialog &dialog, bool save);
