#pragma once

#include "app/RegistryKey.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

// The handles of the hives the store keeps.
inline constexpr int32_t HKEY_CLASSES_ROOT = int32_t(0x80000000);
inline constexpr int32_t HKEY_CURRENT_USER = int32_t(0x80000001);
inline constexpr int32_t HKEY_LOCAL_MACHINE = int32_t(0x80000002);

// The registry of this platform: one hive file per hive in a folder of the user's
// configuration. Every change is read, made and written back at once under a lock, the
// new file replacing the old only when it is complete, so that several running copies
// and a crash in the middle of a write lose nothing. A hive file that cannot be read as
// a hive is set aside (renamed with ".bad"), reported once on standard error, and the
// hive starts empty.
namespace RegistryStore {

// $VELTRANE_REGISTRY_DIR when set, else $XDG_CONFIG_HOME/veltrane/registry.
QString Directory();
// "HKEY_CURRENT_USER" for HKEY_CURRENT_USER and so on; empty for a hive the store lacks.
QString HiveName(int32_t hive);
// The hive's file ("HKEY_CURRENT_USER.reg" in Directory()); empty for an unknown hive.
QString HiveFilePath(int32_t hive);

// The hive as stored now: empty when it has no file yet or the file cannot be read;
// nothing for an unknown hive.
std::optional<RegistryKey> Read(int32_t hive);

// Reads the hive under its lock and hands it to change, which edits it and returns
// whether there is anything to write; the hive is then written back before the lock is
// released. False when the hive is unknown, or its file cannot be read, locked or written
// (the file is then as it was).
bool Modify(int32_t hive, const std::function<bool(RegistryKey &root)> &change);

} // namespace RegistryStore
