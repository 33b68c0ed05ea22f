// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// What the settings dialog needs from the window that opens it: the window (its parent and
// the frame it is centred over), whether a topic is loading, the note that the dialog was
// cancelled, and the rebuild of the control arrays after the counts changed.
class SettingsDialogOwner
{
public:
    virtual QWidget &OwnerWindow() = 0;
    virtual bool OwnerIsLoading() const = 0;
    virtual void SetOptionChangeCancelled(bool cancelled) = 0;
    virtual void UpdateSliderArrays(bool SkipRedrawForm) = 0;

protected:
    ~SettingsDialogOwner() = default;
};
