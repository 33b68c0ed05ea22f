// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class VeltraneTopic;

// Veltrane from a shell: scores, CSV export and the report of a topic file (or of a CSV
// file the importer reads), without a window. Messages that the window would show in a
// box go to standard error in the same words.
namespace ScriptedRun {

// Exit codes: success, a failure the messages explain, and arguments that make no sense.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;

// Writes the report of the topic to the file; shows its own messages, false on failure.
using ReportWriter = std::function<bool(const QString &fileName, const VeltraneTopic &topic)>;

enum class Command { None, Scores, Export, Report };

// Which scripted command the arguments (argv[1..]) ask for; None for a normal start.
Command Requested(const QStringList &arguments);

// The usage lines of the scripted commands, for --help and for usage errors.
QString UsageText();

// Runs the command the arguments ask for and returns the exit code. Output goes to
// standard output, messages to standard error. The topic read becomes the current topic.
int Run(const QStringList &arguments, const ReportWriter &writeReport);

// The scores in the plain table and in JSON (both end with a line break).
QString ScoresText(const VeltraneTopic &topic);
QString ScoresJson(const VeltraneTopic &topic);

} // namespace ScriptedRun
