#pragma once

#include <QString>

#include <functional>

class QObject;
class MeasurementTable;
struct MeasurementChoice;
class VeltraneTopic;

// What the file and start-up code need from the windows. The window library fills these
// in at start-up; tests fill in their own. An empty function means "no window": the
// callers then take the answer given in each comment.
struct WindowHooks
{
    // The main window's public IsLoading flag (false without a main window).
    std::function<bool()> mainWindowIsLoading;
    // Whether a form of that design name ("frmMain", "frmOptions") is loaded (false).
    std::function<bool(const QString &formName)> isFormLoaded;
    // The window that owns a file dialog: the settings dialog when it is open, else the
    // main window (nullptr).
    std::function<QObject *()> dialogOwner;
    // Hides the settings dialog when it is open (nothing).
    std::function<void()> hideSettingsDialog;
    // Captures the main window and writes it to fileName as a JPEG (quality 100) or a
    // bitmap; returns what the writer reports, throws VeltraneError when it cannot
    // write (false: nothing captured).
    std::function<bool(const QString &fileName, bool jpeg)> saveScreenshot;
    // Writes the decision report of the topic to fileName as PDF; shows its own messages
    // and returns whether it was written (false: no report).
    std::function<bool(const QString &fileName, const VeltraneTopic &topic)> saveReport;
    // Loads the main window (its load handler runs), returns false when it did not load.
    std::function<bool()> loadMainWindow;
    // Lets the person choose the names, attributes and options of a table of measurements,
    // starting from `choice`; false when they cancelled (without a window the proposal
    // is taken as it is).
    std::function<bool(const MeasurementTable &table, MeasurementChoice &choice)> chooseMeasurements;
};

// The one set of hooks of the process.
WindowHooks &windowHooks();
