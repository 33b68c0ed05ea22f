#include "cRegistry_Wrapper.h"

#include "support/VariantConversion.h"

namespace cRegistry_Wrapper {

namespace {

cRegistry addressed(int32_t hive, const QString &key, const QString &name = {})
{
    cRegistry registry;
    registry.SetClassKey(hive);
    registry.SetSectionKey(key);
    registry.SetValueKey(name);
    return registry;
}

// The stored value, read as the type says; the stored type decides what comes back.
std::optional<QVariant> read(int32_t hive, const QString &key, const QString &name, int32_t type)
{
    cRegistry registry = addressed(hive, key, name);
    if (!registry.ValueExists())
        return std::nullopt;
    registry.SetValueType(type);
    return registry.Value();
}

void write(int32_t hive, const QString &key, const QString &name, int32_t type, const QVariant &value)
{
    cRegistry registry = addressed(hive, key, name);
    registry.SetValueType(type);
    registry.SetValue(value);
}

} // namespace

bool RegValueExists(int32_t hive, const QString &key, const QString &name)
{
    return addressed(hive, key, name).ValueExists();
}

void RegDeleteKeyIfExists(int32_t hive, const QString &key)
{
    cRegistry registry = addressed(hive, key);
    if (registry.KeyExists())
        registry.DeleteKey();
}

QString RegGetString(int32_t hive, const QString &key, const QString &name, const QString &defaultValue)
{
    const std::optional<QVariant> value = read(hive, key, name, REG_SZ);
    return value ? VariantToText(*value) : defaultValue;
}

void RegSetString(int32_t hive, const QString &key, const QString &name, const QString &text)
{
    write(hive, key, name, REG_SZ, text);
}

int32_t RegGetLong(int32_t hive, const QString &key, const QString &name, int32_t defaultValue)
{
    const std::optional<QVariant> value = read(hive, key, name, REG_DWORD);
    return value ? VariantToLong(*value) : defaultValue;
}

void RegSetLong(int32_t hive, const QString &key, const QString &name, int32_t value, bool asString)
{
    if (asString)
        write(hive, key, name, REG_SZ, QString::number(value));
    else
        write(hive, key, name, REG_DWORD, QVariant(value));
}

bool RegGetBool(int32_t hive, const QString &key, const QString &name, bool defaultValue)
{
    const std::optional<QVariant> value = read(hive, key, name, REG_DWORD);
    return value ? VariantToBool(*value) : defaultValue;
}

void RegSetBool(int32_t hive, const QString &key, const QString &name, bool flag, bool asString)
{
    if (asString)
        write(hive, key, name, REG_SZ, flag ? QStringLiteral("True") : QStringLiteral("False"));
    else
        write(hive, key, name, REG_DWORD, QVariant(int32_t(flag ? 1 : 0)));
}

bool RegKeyHasNoSubkeys(int32_t hive, const QString &key)
{
    QStringList sections;
    int32_t count = 0;
    addressed(hive, key).EnumerateSections(sections, count);
    return count == 0;
}

} // namespace cRegistry_Wrapper
