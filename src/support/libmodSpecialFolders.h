#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The user's special folders, by their classic numeric identifiers (5 = documents).
// An empty optional is the "null" answer: no such folder on this system, or an
// identifier that is not known.
namespace libmodSpecialFolders {

inline constexpr int32_t CSIDL_DESKTOP = 0x0000;
inline constexpr int32_t CSIDL_PROGRAMS = 0x0002;
inline constexpr int32_t CSIDL_PERSONAL = 0x0005;
inline constexpr int32_t CSIDL_MYMUSIC = 0x000d;
inline constexpr int32_t CSIDL_MYVIDEO = 0x000e;
inline constexpr int32_t CSIDL_DESKTOPDIRECTORY = 0x0010;
inline constexpr int32_t CSIDL_FONTS = 0x0014;
inline constexpr int32_t CSIDL_APPDATA = 0x001a;
inline constexpr int32_t CSIDL_LOCAL_APPDATA = 0x001c;
inline constexpr int32_t CSIDL_INTERNET_CACHE = 0x0020;
inline constexpr int32_t CSIDL_MYPICTURES = 0x0027;
inline constexpr int32_t CSIDL_PROFILE = 0x0028;
inline constexpr int32_t CSIDL_FLAG_CREATE = 0x8000;

// The folder's path. When the folder does not exist the answer is the empty text,
// unless create is set (or CSIDL_FLAG_CREATE is part of folderID): then it is created.
std::optional<QString> GetSpecialFolderPath(int32_t folderID, bool create = false);

// The current user's documents folder, not created when missing.
std::optional<QString> GetDocumentsFolder();

} // namespace libmodSpecialFolders

using libmodSpecialFolders::GetDocumentsFolder;
using libmodSpecialFolders::GetSpecialFolderPath;
