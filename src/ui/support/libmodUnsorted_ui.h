#pragma once

#include <QString>

#include <cstdint>

class QWidget;

// The window operations of the generic support module. A null window or control is
// left alone.
namespace libmodUnsorted {

// Whether a top-level window with that design name ("frmMain", "frmOptions") exists,
// shown or not. Nothing is created or shown by the check.
bool IsFormLoaded(const QString &formName);

// Opens a web address or a document with the desktop's default application. Whether that
// worked is not reported.
void ShellOpenURL(QWidget *owner, const QString &target);

// Makes an opaque control look transparent: the parent's own rendering (without its child
// controls) of the control's rectangle, moved by offset pixels right and down, becomes the
// control's background.
void CopyParentBackground(QWidget *control, int16_t offset);

// Stop and resume updating a window; they come in pairs. Resuming schedules a repaint.
void SuspendRedraw(QWidget *window);
void ResumeRedraw(QWidget *window);

} // namespace libmodUnsorted

using libmodUnsorted::CopyParentBackground;
using libmodUnsorted::IsFormLoaded;
using libmodUnsorted::ResumeRedraw;
using libmodUnsorted::ShellOpenURL;
using libmodUnsorted::SuspendRedraw;
