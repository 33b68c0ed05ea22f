#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The registry's value types.
inline constexpr int32_t REG_NONE = 0;
inline constexpr int32_t REG_SZ = 1;
inline constexpr int32_t REG_EXPAND_SZ = 2;
inline constexpr int32_t REG_BINARY = 3;
inline constexpr int32_t REG_DWORD = 4;
inline constexpr int32_t REG_DWORD_BIG_ENDIAN = 5;
inline constexpr int32_t REG_LINK = 6;
inline constexpr int32_t REG_MULTI_SZ = 7;

// One named value of a registry key. The data is kept as the registry keeps it: text
// types as UTF-16LE with their terminating null, a DWORD as four little-endian bytes.
struct RegistryValue
{
    QString name;
    int32_t type = REG_NONE;
    QByteArray data;

    bool operator==(const RegistryValue &) const = default;
};

// A key of a registry hive with its values and subkeys. Names compare without regard to
// case and keep the case they were created with. Subkeys are kept in name order, as the
// registry lists them; values in the order they were first written.
class RegistryKey
{
public:
    explicit RegistryKey(QString name = {});

    const QString &name() const { return m_name; }
    const std::vector<RegistryValue> &values() const { return m_values; }
    const std::vector<RegistryKey> &subkeys() const { return m_subkeys; }

    // The key at path below this one (this key for an empty path), or nullptr.
    const RegistryKey *findKey(const QStringList &path) const;
    RegistryKey *findKey(const QStringList &path);
    // Opens the key at path, creating what is missing; the names must be valid.
    RegistryKey &createKey(const QStringList &path);
    // Removes the subkey of that name with everything below it; false when there is none.
    bool removeSubkey(const QString &name);

    const RegistryValue *findValue(const QString &name) const;
    // Replaces the value of that name (keeping its place and the case of its name) or adds it.
    void setValue(const QString &name, int32_t type, QByteArray data);
    bool removeValue(const QString &name);

    bool operator==(const RegistryKey &) const = default;

private:
    QString m_name;
    std::vector<RegistryValue> m_values;
    std::vector<RegistryKey> m_subkeys;
};

// Splits a backslash-separated key path into its names; empty names (a doubled, leading
// or trailing backslash) are dropped. Returns false in valid when a name is not allowed.
QStringList SplitRegistryPath(const QString &path, bool *valid = nullptr);

// A key name: 1 to 255 characters, no backslash, no line break or null, valid UTF-16.
bool IsValidRegistryKeyName(const QString &name);
// A value name (empty for the default value): no line break or null, valid UTF-16.
bool IsValidRegistryValueName(const QString &name);

// Text as the registry stores it: UTF-16LE code units followed by a null.
QByteArray RegistryTextData(const QString &text);
// The UTF-16LE code units of data as text, nulls included; an odd last byte is ignored.
QString RegistryDataText(const QByteArray &data);
