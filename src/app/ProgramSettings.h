#pragma once

#include "app/RegistryStore.h"

#include <QString>

#include <cstdint>

// The program settings kept between runs under HKEY_CURRENT_USER\Software\Tormask\Veltrane,
// every one as text. They are read once at start-up into modParameters (and into the first
// topic), tracked while the main window moves and resizes, and written once at exit by
// modStartup::SaveProgramSettings. A stored value that cannot be used gets a message and
// its default.
namespace ProgramSettings {

inline constexpr int32_t Hive = HKEY_CURRENT_USER;
inline const QString Key = QStringLiteral("Software\\Tormask\\Veltrane");

// LastUsedDir; by default the user's documents folder, or the empty text without one.
void ReadLastUsedDir();
// ShowSettingsOnNew, DisplayAsDecimal and ShowStability, all True by default.
void ReadDisplaySettings();
// The first topic's NormaliseWeights, False by default.
bool ReadNormaliseWeights();
// The analysis window's placement, in twips, into modParameters (AnalysisLeft and so on);
// all four are 0 unless all four are stored.
void ReadAnalysisPlacement();
// The recent topics (RecentTopics), from the values RecentTopic1 to RecentTopic8.
void ReadRecentTopics();
// Writes the recent topics into those values; the values past the last entry go. Throws
// VeltraneError when the store cannot be written.
void WriteRecentTopics();

// Placement of the main window's outer frame in twips, in its normal state.
struct WindowPlacement
{
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool maximized = false;
    // Which of the four came from the store; the others are defaults that follow the
    // design size, so they change with a window frame that becomes known later.
    bool leftStored = false;
    bool topStored = false;
    bool widthStored = false;
    bool heightStored = false;
};

// Reads the placement into modParameters and returns it. Defaults: the design size,
// centred on the screen (halves rounded to even), not maximized. All sizes in twips.
WindowPlacement RestoreWindowPlacement(int32_t designWidth, int32_t designHeight, int32_t screenWidth,
                                       int32_t screenHeight);

// The default position along one axis: the window centred on the screen, in twips.
int32_t CentredPosition(int32_t screen, int32_t window);

enum class WindowState { Normal, Minimized, Maximized };

// The main window was resized: a normal window records its size (twips) and is no longer
// maximized; a maximized one keeps its last normal size; a minimized one changes nothing.
void TrackWindowResize(WindowState state, int32_t width, int32_t height);
// The main window moved: recorded (twips, rounded to whole numbers) only in its normal state.
void TrackWindowMove(WindowState state, double left, double top);

} // namespace ProgramSettings
