#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>

class QObject;

// The flags of the open and save dialogs, with their usual values.
enum CommonDialogFlags : int32_t {
    cdlOFNReadOnly = 0x1,
    cdlOFNOverwritePrompt = 0x2,
    cdlOFNHideReadOnly = 0x4,
    cdlOFNPathMustExist = 0x800,
    cdlOFNFileMustExist = 0x1000,
    cdlOFNNoReadOnlyReturn = 0x8000,
    cdlOFNLongNames = 0x200000,
};

// The error number of a cancelled dialog when CancelError is set.
inline constexpr int32_t cdlCancel = 32755;

// The open and save file dialog: set the properties, call ShowOpen or ShowSave, read
// FileName. The dialog itself is whatever is installed: a test's handler, else the
// on-screen presenter of the window library; with neither, every dialog is cancelled.
class CommonDialog
{
public:
    int32_t Flags() const { return m_flags; }
    void SetFlags(int32_t flags) { m_flags = flags; }
    QString FileName() const { return m_fileName; }
    void SetFileName(const QString &fileName) { m_fileName = fileName; }
    // Pairs of description and pattern joined by "|".
    QString Filter() const { return m_filter; }
    void SetFilter(const QString &filter) { m_filter = filter; }
    QString InitDir() const { return m_initDir; }
    void SetInitDir(const QString &initDir) { m_initDir = initDir; }
    bool CancelError() const { return m_cancelError; }
    void SetCancelError(bool cancelError) { m_cancelError = cancelError; }
    // The window the dialog belongs to (nullptr: the active window).
    QObject *Owner() const { return m_owner; }
    void SetOwner(QObject *owner) { m_owner = owner; }

    // Show the dialog; on a choice FileName holds the full path. A cancel throws
    // VeltraneError cdlCancel when CancelError is set and otherwise changes nothing.
    void ShowOpen();
    void ShowSave();

private:
    void show(bool save);

    int32_t m_flags = 0;
    QString m_fileName;
    QString m_filter;
    QString m_initDir;
    bool m_cancelError = false;
    QObject *m_owner = nullptr;
};

// Answers a dialog with a path, or with nothing for a cancel.
using FileDialogHandler = std::function<std::optional<QString>(const CommonDialog &dialog, bool save)>;

// Replaces the on-screen dialog for the whole process (tests answer through it); an empty
// function brings the on-screen dialog back.
void SetFileDialogHandler(FileDialogHandler handler);

// The on-screen dialog, installed by the window library at start-up.
void SetFileDialogPresenter(FileDialogHandler presenter);

// The filter "desc|pattern|desc|pattern" as a list of name filters "desc (pattern)";
// a description that does not end in its pattern gets it appended.
QStringList NameFiltersOf(const QString &filter);
