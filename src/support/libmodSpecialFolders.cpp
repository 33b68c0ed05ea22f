#include "libmodSpecialFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace libmodSpecialFolders {

namespace {

std::optional<QStandardPaths::StandardLocation> locationOf(int32_t folderID)
{
    switch (folderID) {
    case CSIDL_DESKTOP:
    case CSIDL_DESKTOPDIRECTORY:
        return QStandardPaths::DesktopLocation;
    case CSIDL_PROGRAMS:
        return QStandardPaths::ApplicationsLocation;
    case CSIDL_PERSONAL:
        return QStandardPaths::DocumentsLocation;
    case CSIDL_MYMUSIC:
        return QStandardPaths::MusicLocation;
    case CSIDL_MYVIDEO:
        return QStandardPaths::MoviesLocation;
    case CSIDL_FONTS:
        return QStandardPaths::FontsLocation;
    case CSIDL_APPDATA:
        return QStandardPaths::GenericConfigLocation;
    case CSIDL_LOCAL_APPDATA:
        return QStandardPaths::GenericDataLocation;
    case CSIDL_INTERNET_CACHE:
        return QStandardPaths::GenericCacheLocation;
    case CSIDL_MYPICTURES:
        return QStandardPaths::PicturesLocation;
    case CSIDL_PROFILE:
        return QStandardPaths::HomeLocation;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<QString> GetSpecialFolderPath(int32_t folderID, bool create)
{
    if (create)
        folderID |= CSIDL_FLAG_CREATE;
    const bool createMissing = (folderID & CSIDL_FLAG_CREATE) != 0;
    const auto location = locationOf(folderID & ~CSIDL_FLAG_CREATE);
    if (!location)
        return std::nullopt;
    const QString path = QStandardPaths::writableLocation(*location);
    if (path.isEmpty())
        return std::nullopt;
    if (QFileInfo(path).isDir())
        return path;
    if (!createMissing)
        return QString(); // known, but not there
    if (!QDir().mkpath(path))
        return std::nullopt;
    return path;
}

std::optional<QString> GetDocumentsFolder()
{
    return GetSpecialFolderPath(CSIDL_PERSONAL, false);
}

} // namespace libmodSpecialFolders
