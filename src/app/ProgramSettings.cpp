#include "ProgramSettings.h"

#include "app/cRegistry.h"
#include "app/cRegistry_Wrapper.h"
#include "io/RecentTopics.h"
#include "io/modParameters.h"
#include "support/DecimalRound.h"
#include "support/MsgBox.h"
#include "support/VeltraneError.h"
#include "support/libmodSpecialFolders.h"

#include <optional>

namespace ProgramSettings {

namespace {

// A value written by hand may not convert: the user hears of it and the default stands.
template <typename T, typename Get>
T read(Get get, const QString &name, const T &defaultValue)
{
    try {
        return get(Hive, Key, name, defaultValue);
    } catch (const VeltraneError &error) {
        MsgBox(QStringLiteral("The setting \"%1\" in the registry cannot be used.\r\rError %2\r%3\r\rIts default is used instead.")
                   .arg(name)
                   .arg(error.number())
                   .arg(error.description()),
               vbExclamation);
        return defaultValue;
    }
}

QString readString(const QString &name, const QString &defaultValue)
{
    return read(RegGetString, name, defaultValue);
}

// A number the store holds and that converts; nothing otherwise (the default stands).
std::optional<int32_t> readStoredLong(const QString &name)
{
    if (!RegValueExists(Hive, Key, name))
        return std::nullopt;
    // Set only when the conversion succeeds; a failure is reported by read().
    std::optional<int32_t> value;
    read(
        [&value](int32_t hive, const QString &key, const QString &valueName, int32_t fallback) {
            value = RegGetLong(hive, key, valueName, fallback);
            return *value;
        },
        name, int32_t(0));
    return value;
}

bool readBool(const QString &name, bool defaultValue)
{
    return read(RegGetBool, name, defaultValue);
}

} // namespace

int32_t CentredPosition(int32_t screen, int32_t window)
{
    return int32_t(RoundDecimal(screen / 2.0 - window / 2.0, 0));
}

void ReadLastUsedDir()
{
    modParameters::LastUsedDir = readString(QStringLiteral("LastUsedDir"), GetDocumentsFolder().value_or(QString()));
}

void ReadDisplaySettings()
{
    modParameters::ShowSettingsOnNew = readBool(QStringLiteral("ShowSettingsOnNew"), true);
    modParameters::DisplayAsDecimal = readBool(QStringLiteral("DisplayAsDecimal"), true);
    modParameters::ShowStability = readBool(QStringLiteral("ShowStability"), true);
}

bool ReadNormaliseWeights()
{
    return readBool(QStringLiteral("NormaliseWeights"), false);
}

namespace {

QString recentTopicName(int number)
{
    return QStringLiteral("RecentTopic%1").arg(number);
}

} // namespace

void ReadAnalysisPlacement()
{
    using namespace modParameters;
    const std::optional<int32_t> left = readStoredLong(QStringLiteral("AnalysisLeft"));
    const std::optional<int32_t> top = readStoredLong(QStringLiteral("AnalysisTop"));
    const std::optional<int32_t> width = readStoredLong(QStringLiteral("AnalysisWidth"));
    const std::optional<int32_t> height = readStoredLong(QStringLiteral("AnalysisHeight"));
    const bool stored = left && top && width && height && *width > 0 && *height > 0;
    AnalysisLeft = stored ? *left : 0;
    AnalysisTop = stored ? *top : 0;
    AnalysisWidth = stored ? *width : 0;
    AnalysisHeight = stored ? *height : 0;
}

void ReadRecentTopics()
{
    QStringList files;
    for (int number = 1; number <= RecentTopics::MaxFiles; ++number)
        files << readString(recentTopicName(number), {});
    RecentTopics::SetFiles(files);
}

void WriteRecentTopics()
{
    // Only the entries there are: a settings file without recent topics stays as it was.
    const QStringList &files = RecentTopics::Files();
    for (int number = 1; number <= RecentTopics::MaxFiles; ++number) {
        const QString name = recentTopicName(number);
        if (number <= files.size()) {
            RegSetString(Hive, Key, name, files[number - 1]);
        } else if (RegValueExists(Hive, Key, name)) {
            cRegistry registry;
            registry.SetClassKey(Hive);
            registry.SetSectionKey(Key);
            registry.SetValueKey(name);
            registry.DeleteValue();
        }
    }
}

WindowPlacement RestoreWindowPlacement(int32_t designWidth, int32_t designHeight, int32_t screenWidth,
                                       int32_t screenHeight)
{
    using namespace modParameters;
    const std::optional<int32_t> width = readStoredLong(QStringLiteral("WindowWidth"));
    const std::optional<int32_t> height = readStoredLong(QStringLiteral("WindowHeight"));
    WindowWidth = width.value_or(designWidth);
    WindowHeight = height.value_or(designHeight);
    const std::optional<int32_t> left = readStoredLong(QStringLiteral("WindowLeft"));
    const std::optional<int32_t> top = readStoredLong(QStringLiteral("WindowTop"));
    WindowLeft = left.value_or(CentredPosition(screenWidth, designWidth));
    WindowTop = top.value_or(CentredPosition(screenHeight, designHeight));
    Maximized = readBool(QStringLiteral("Maximized"), false);
    return {WindowLeft,         WindowTop,          WindowWidth,           WindowHeight,
            Maximized,          left.has_value(),   top.has_value(),       width.has_value(),
            height.has_value()};
}

void TrackWindowResize(WindowState state, int32_t width, int32_t height)
{
    switch (state) {
    case WindowState::Minimized:
        break;
    case WindowState::Maximized:
        modParameters::Maximized = true;
        break;
    case WindowState::Normal:
        modParameters::WindowWidth = width;
        modParameters::WindowHeight = height;
        modParameters::Maximized = false;
        break;
    }
}

void TrackWindowMove(WindowState state, double left, double top)
{
    if (state != WindowState::Normal)
        return;
    modParameters::WindowLeft = int32_t(RoundDecimal(left, 0));
    modParameters::WindowTop = int32_t(RoundDecimal(top, 0));
}

} // namespace ProgramSettings
