#pragma once

#include "support/CommonDialog.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <optional>

// Answers every file dialog from a queue of paths, then with the fallback (nothing: a
// cancel), and keeps the dialogs' settings.
class FileDialogRecorder
{
public:
    struct Dialog
    {
        int32_t flags;
        QString fileName;
        QString filter;
        QString initDir;
        bool cancelError;
        QObject *owner;
        bool save;
    };

    explicit FileDialogRecorder(QList<std::optional<QString>> answers = {})
        : m_answers(std::move(answers))
    {
        SetFileDialogHandler([this](const CommonDialog &dialog, bool save) {
            dialogs.append({dialog.Flags(), dialog.FileName(), dialog.Filter(), dialog.InitDir(),
                            dialog.CancelError(), dialog.Owner(), save});
            return m_answers.isEmpty() ? fallback : m_answers.takeFirst();
        });
    }
    ~FileDialogRecorder() { SetFileDialogHandler({}); }
    FileDialogRecorder(const FileDialogRecorder &) = delete;
    FileDialogRecorder &operator=(const FileDialogRecorder &) = delete;

    // The save (open) dialogs shown.
    qsizetype count(bool save) const
    {
        return std::count_if(dialogs.begin(), dialogs.end(), [save](const Dialog &d) { return d.save == save; });
    }

    QList<Dialog> dialogs;
    std::optional<QString> fallback;

private:
    QList<std::optional<QString>> m_answers;
};
