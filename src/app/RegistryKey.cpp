#include "RegistryKey.h"

#include <algorithm>

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString nameOf(const RegistryKey &key)
{
    return key.name();
}

QString nameOf(const RegistryValue &value)
{
    return value.name;
}

// The element of that name in a list of keys or values.
template <typename List>
auto findNamed(List &list, const QString &name)
{
    return std::find_if(list.begin(), list.end(), [&](const auto &item) { return sameName(nameOf(item), name); });
}

template <typename List>
bool eraseNamed(List &list, const QString &name)
{
    const auto found = findNamed(list, name);
    if (found == list.end())
        return false;
    list.erase(found);
    return true;
}

bool hasForbiddenCharacter(const QString &name)
{
    for (QChar c : name) {
        if (c == QChar(0) || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            return true;
    }
    return false;
}

} // namespace

RegistryKey::RegistryKey(QString name)
    : m_name(std::move(name))
{
}

const RegistryKey *RegistryKey::findKey(const QStringList &path) const
{
    const RegistryKey *key = this;
    for (const QString &part : path) {
        const auto found = findNamed(key->m_subkeys, part);
        if (found == key->m_subkeys.end())
            return nullptr;
        key = &*found;
    }
    return key;
}

RegistryKey *RegistryKey::findKey(const QStringList &path)
{
    return const_cast<RegistryKey *>(std::as_const(*this).findKey(path));
}

RegistryKey &RegistryKey::createKey(const QStringList &path)
{
    RegistryKey *key = this;
    for (const QString &part : path) {
        auto place = std::lower_bound(key->m_subkeys.begin(), key->m_subkeys.end(), part,
                                      [](const RegistryKey &k, const QString &name) {
                                          return k.m_name.compare(name, Qt::CaseInsensitive) < 0;
                                      });
        if (place == key->m_subkeys.end() || !sameName(place->m_name, part))
            place = key->m_subkeys.insert(place, RegistryKey(part));
        key = &*place;
    }
    return *key;
}

bool RegistryKey::removeSubkey(const QString &name)
{
    return eraseNamed(m_subkeys, name);
}

const RegistryValue *RegistryKey::findValue(const QString &name) const
{
    const auto found = findNamed(m_values, name);
    return found == m_values.end() ? nullptr : &*found;
}

void RegistryKey::setValue(const QString &name, int32_t type, QByteArray data)
{
    const auto found = findNamed(m_values, name);
    if (found == m_values.end()) {
        m_values.push_back({name, type, std::move(data)});
    } else {
        found->type = type;
        found->data = std::move(data);
    }
}

bool RegistryKey::removeValue(const QString &name)
{
    return eraseNamed(m_values, name);
}

QStringList SplitRegistryPath(const QString &path, bool *valid)
{
    const QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    if (valid)
        *valid = std::all_of(parts.begin(), parts.end(), IsValidRegistryKeyName);
    return parts;
}

bool IsValidRegistryKeyName(const QString &name)
{
    return !name.isEmpty() && name.size() <= 255 && !name.contains(QLatin1Char('\\'))
        && IsValidRegistryValueName(name);
}

bool IsValidRegistryValueName(const QString &name)
{
    return !hasForbiddenCharacter(name) && QStringView(name).isValidUtf16();
}

QByteArray RegistryTextData(const QString &text)
{
    QByteArray data;
    data.reserve((text.size() + 1) * 2);
    for (QChar c : text) {
        data.append(char(c.unicode() & 0xFF));
        data.append(char(c.unicode() >> 8));
    }
    data.append(2, '\0');
    return data;
}

QString RegistryDataText(const QByteArray &data)
{
    QString text(data.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(char16_t(uchar(data[2 * i]) | (uchar(data[2 * i + 1]) << 8)));
    return text;
}
