#pragma once

#include <QString>
#include <QStringList>

// The topic files last loaded or saved, newest first: at most eight, each once, by their
// full paths. The program settings read the list at start-up and write it at exit.
namespace RecentTopics {

inline constexpr int MaxFiles = 8;

const QStringList &Files();
// Replaces the list (as the settings stored it): blank entries and repeats are dropped,
// and so is every entry past the eighth.
void SetFiles(const QStringList &files);
// The file was loaded or saved: it heads the list.
void Note(const QString &fileName);
// Takes the file off the list.
void Forget(const QString &fileName);

} // namespace RecentTopics
