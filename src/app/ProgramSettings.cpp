#include "ProgramSettings.h"

#include "app/cRegistry_Wrapper.h"
#include "io/modParameters.h"
#include "support/DecimalRound.h"
#include "support/MsgBox.h"
#include "support/VeltraneError.h"
#include "support/libmodSpecialFolders.h"

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

int32_t readLong(const QString &name, int32_t defaultValue)
{
    return read(RegGetLong, name, defaultValue);
}

bool readBool(const QString &name, bool defaultValue)
{
    return read(RegGetBool, name, defaultValue);
}

int32_t centred(int32_t screen, int32_t window)
{
    return int32_t(RoundDecimal(screen / 2.0 - window / 2.0, 0));
}

} // namespace

void ReadLastUsedDir()
{
    modParameters::LastUsedDir = readString(QStringLiteral("LastUsedDir"), GetDocumentsFolder().value_or(QString()));
}

void ReadDisplaySettings()
{
    modParameters::ShowSettingsOnNew = readBool(QStringLiteral("ShowSettingsOnNew"), true);
    modParameters::DisplayAsDecimal = readBool(QStringLiteral("DisplayAsDecimal"), true);
}

bool ReadNormaliseWeights()
{
    return readBool(QStringLiteral("NormaliseWeights"), false);
}

WindowPlacement RestoreWindowPlacement(int32_t designWidth, int32_t designHeight, int32_t screenWidth,
                                       int32_t screenHeight)
{
    using namespace modParameters;
    WindowWidth = readLong(QStringLiteral("WindowWidth"), designWidth);
    WindowHeight = readLong(QStringLiteral("WindowHeight"), designHeight);
    WindowLeft = readLong(QStringLiteral("WindowLeft"), centred(screenWidth, designWidth));
    WindowTop = readLong(QStringLiteral("WindowTop"), centred(screenHeight, designHeight));
    Maximized = readBool(QStringLiteral("Maximized"), false);
    return {WindowLeft, WindowTop, WindowWidth, WindowHeight, Maximized};
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
