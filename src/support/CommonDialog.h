#pragma once

#include "support/VeltraneError.h"

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
inline constexpr int32_t cdlCancel = ErrCancel;

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
    // The file type chosen in the dialog: the position of its pair in Filter, from 1.
    int32_t FilterIndex() const { return m_filterIndex; }
    void SetFilterIndex(int32_t filterIndex) { m_filterIndex = filterIndex; }
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
    int32_t m_filterIndex = 1;
    QObject *m_owner = nullptr;
};

// What a dialog answered: the chosen path (nothing for a cancel) and the file type chosen
// with it (0: the type stays as it was set).
struct FileDialogAnswer
{
    FileDialogAnswer(std::optional<QString> chosen = std::nullopt, int32_t filterIndex = 0)
        : fileName(std::move(chosen)), filterIndex(filterIndex)
    {
    }
    std::optional<QString> fileName;
    int32_t filterIndex;
};

// Answers a dialog with a path, or with nothing for a cancel.
using FileDialogHandler = std::function<FileDialogAnswer(const CommonDialog &dialog, bool save)>;

// Replaces the on-screen dialog for the whole process (tests answer through it); an empty
// function brings the on-screen dialog back.
void SetFileDialogHandler(FileDialogHandler handler);

// The on-screen dialog, installed by the window library at start-up.
void SetFileDialogPresenter(FileDialogHandler presenter);

// The filter "desc|pattern|desc|pattern" as a list of name filters "desc (pattern)";
// a description that does not end in its pattern gets it appended.
QStringList NameFiltersOf(const QString &filter);

// Whether the file name ends in an extension: a dot that does not begin the name, then one
// to five letters and digits with at least one letter ("v1.2" and "Mr. Smith" have none).
bool HasFileExtension(const QString &path);

// The path with the extension of the filter's pair at index (from 1) appended when the name
// has none and the pair's pattern is a single "*.ext"; otherwise the path as it is.
QString WithFilterExtension(const QString &path, const QString &filter, int32_t index);
