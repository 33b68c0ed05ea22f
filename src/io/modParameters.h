#pragma once

#include "VeltraneVersion.h"

#include <QString>

#include <cstdint>
#include <memory>

class VeltraneTopic;

// The program-wide state: the one open topic, its unsaved-changes flag, the limits and
// the persistent settings. Start-up sets them; every other module reads them here.
namespace modParameters {

inline QString ProductTitle = QStringLiteral("Veltrane");

// major.minor.revision, without leading zeros; written into topic files.
inline const QString AppVersion = QStringLiteral(VELTRANE_VERSION_TEXT);

inline std::shared_ptr<VeltraneTopic> CurrentTopic;
inline bool TopicChanged = false;
// The one writer of TopicChanged: every module that marks or clears it calls this (the
// open topic's document keeps it in step with its history).
inline void SetTopicChanged(bool changed)
{
    TopicChanged = changed;
}
inline bool IsStarting = false;

// The most options, and the most attributes, the main window can show.
inline constexpr int16_t ShownLimit = 10;
inline int16_t MaxOptions = ShownLimit;
inline int16_t MaxAttributes = ShownLimit;

// Persistent settings, read at start-up and written at exit.
inline QString LastUsedDir;
inline bool ShowSettingsOnNew = true;
inline bool DisplayAsDecimal = true;
inline int32_t WindowLeft = 0;
inline int32_t WindowTop = 0;
inline int32_t WindowWidth = 0;
inline int32_t WindowHeight = 0;
inline bool Maximized = false;
// The analysis window as it was last placed, in twips: where its frame was and the size
// inside the frame (unlike the main window's, which is the outer size: the analysis
// window is placed before its frame is known). A width of 0 when it was never shown.
inline int32_t AnalysisLeft = 0;
inline int32_t AnalysisTop = 0;
inline int32_t AnalysisWidth = 0;
inline int32_t AnalysisHeight = 0;
// Sliders and the best score bar show how far values may move before the best option changes.
inline bool ShowStability = true;

// The command line.
inline bool UninstallRequested = false;
inline QString CommandLineFile;
inline QString CommandLineFileType;

} // namespace modParameters
