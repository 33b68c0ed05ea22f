#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Start-up, the command line and shutdown of the program.
namespace modStartup {

// The messages of the command line.
inline const QString InvalidArgumentCountMessage = QStringLiteral("Invalid number of command line arguments!");
inline const QString InvalidFileNameMessage = QStringLiteral("Invalid filename: ");
inline const QString FileNotFoundMessage = QStringLiteral("File does not exist: ");
inline const QString UnrecognisedFileTypeMessage = QStringLiteral("Unrecognised file type: ");
inline const QString UninstallQuestion = QStringLiteral(
    "Do you want to remove Veltrane's settings from the registry?\r\rYour topic files are not touched.");

// When the arguments ask for --help or --version, prints the answer to standard output
// and returns true: the program then ends without a window (and needs no display).
bool PrintHelpOrVersion(int argc, char **argv);

// The entry procedure: sets up the program-wide state, reads the settings, interprets
// the command line (argv[1..], Qt's own arguments already taken out) and loads the main
// window, then runs the event loop until the main window is gone. Returns the exit code.
// With /uninstall it asks, removes the program's registry keys and ends without a window.
int Main(int argc, char **argv);

// Sets UninstallRequested, or CommandLineFile and CommandLineFileType, from the
// arguments, or shows why the argument cannot be opened.
void ProcessCommandLine(const QStringList &arguments);

// The command-line file as the loader is to be given it. CommandLineFile stays as typed (the
// messages show it so), but a relative name means the folder the program was started in, as
// for the existence test, not the program's own folder that the loader would take.
QString CommandLineFilePath();

// The uninstall question and, on Yes, the removal of the program's keys from both hives.
void Uninstall();

// The open topic has unsaved changes, unless the main window is rebuilding its controls.
void MarkTopicChanged();

// Writes every setting as text, in its fixed order. A write that fails does not stop the
// others; the first failure is shown once. Returns whether all were written.
bool SaveProgramSettings();

// The main window is about to close: asks whether to save the topic first and, unless
// the user cancels (false: the window stays), runs beforeSaving (the window removes its
// hooks there) and writes the settings.
bool QueryUnloadMainWindow(const std::function<void()> &beforeSaving = {});

} // namespace modStartup
