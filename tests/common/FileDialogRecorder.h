#pragma once

#include "support/CommonDialog.h"

#include <QList>
#include <QString>

#include <optional>

// Answers every file dialog from a queue of paths (nothing: a cancel) and keeps the
// dialogs' settings.
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

    explicit FileDialogRecorder(QList<std::optional<QString>> answers)
        : m_answers(std::move(answers))
    {
        SetFileDialogHandler([this](const CommonDialog &dialog, bool save) {
            dialogs.append({dialog.Flags(), dialog.FileName(), dialog.Filter(), dialog.InitDir(),
                            dialog.CancelError(), dialog.Owner(), save});
            return m_answers.isEmpty() ? std::nullopt : m_answers.takeFirst();
        });
    }
    ~FileDialogRecorder() { SetFileDialogHandler({}); }
    FileDialogRecorder(const FileDialogRecorder &) = delete;
    FileDialogRecorder &operator=(const FileDialogRecorder &) = delete;

    QList<Dialog> dialogs;

private:
    QList<std::optional<QString>> m_answers;
};
