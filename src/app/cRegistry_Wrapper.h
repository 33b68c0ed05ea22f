#pragma once

#include "app/cRegistry.h"

#include <QString>

#include <cstdint>

// One-call registry procedures: each addresses a key (and value) in a hive, does one thing
// with a cRegistry of its own and drops it. A read value converts by the usual Variant
// rules, so a Long or Boolean written as text reads back; text that does not convert
// throws ErrTypeMismatch ("Type mismatch"). Writes throw cRegistry's errors.
namespace cRegistry_Wrapper {

bool RegValueExists(int32_t hive, const QString &key, const QString &name);
void RegDeleteKeyIfExists(int32_t hive, const QString &key);
QString RegGetString(int32_t hive, const QString &key, const QString &name, const QString &defaultValue = {});
void RegSetString(int32_t hive, const QString &key, const QString &name, const QString &text);
int32_t RegGetLong(int32_t hive, const QString &key, const QString &name, int32_t defaultValue = 0);
void RegSetLong(int32_t hive, const QString &key, const QString &name, int32_t value, bool asString = false);
bool RegGetBool(int32_t hive, const QString &key, const QString &name, bool defaultValue = false);
void RegSetBool(int32_t hive, const QString &key, const QString &name, bool flag, bool asString = false);
bool RegKeyHasNoSubkeys(int32_t hive, const QString &key);

} // namespace cRegistry_Wrapper

using cRegistry_Wrapper::RegDeleteKeyIfExists;
using cRegistry_Wrapper::RegGetBool;
using cRegistry_Wrapper::RegGetLong;
using cRegistry_Wrapper::RegGetString;
using cRegistry_Wrapper::RegKeyHasNoSubkeys;
using cRegistry_Wrapper::RegSetBool;
using cRegistry_Wrapper::RegSetLong;
using cRegistry_Wrapper::RegSetString;
using cRegistry_Wrapper::RegValueExists;
