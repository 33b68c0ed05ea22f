#include "cRegistry.h"

#include "support/VariantConversion.h"
#include "support/VeltraneError.h"

#include <QScopedValueRollback>

namespace {

const QString ClassesKey = QStringLiteral("SOFTWARE\\Classes\\");

// A text is stored for expansion when it holds a "%" and another one at least two
// characters further on, so that a variable name fits between them.
bool needsExpansion(const QString &text)
{
    const qsizetype first = text.indexOf(QLatin1Char('%'));
    return first >= 0 && text.indexOf(QLatin1Char('%'), first + 2) >= 0;
}

// The text of a text value: its data without the terminating null.
QString storedText(const QByteArray &data)
{
    QString text = RegistryDataText(data);
    if (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

int32_t storedNumber(const QByteArray &data, bool bigEndian)
{
    uint32_t number = 0;
    for (int i = 0; i < 4; ++i) {
        const uint32_t byte = i < data.size() ? uchar(data[i]) : 0;
        number |= bigEndian ? byte << (8 * (3 - i)) : byte << (8 * i);
    }
    return int32_t(number);
}

QByteArray dwordData(int32_t number)
{
    QByteArray data(4, '\0');
    for (int i = 0; i < 4; ++i)
        data[i] = char((uint32_t(number) >> (8 * i)) & 0xFF);
    return data;
}

bool isWholeNumber(const QVariant &value)
{
    return value.typeId() == QMetaType::Short || value.typeId() == QMetaType::Int;
}

} // namespace

void cRegistry::SetMachine(const QString &machine)
{
    if (machine.size() < 3)
        m_sMachine.clear();
    else if (!machine.startsWith(QLatin1String("\\\\")))
        m_sMachine = QStringLiteral("\\\\") + machine;
    else
        m_sMachine = machine;
}

std::optional<RegistryKey> cRegistry::pReadKey() const
{
    bool valid = false;
    const QStringList path = SplitRegistryPath(m_sSectionKey, &valid);
    if (!m_sMachine.isEmpty() || !valid)
        return std::nullopt;
    const std::optional<RegistryKey> hive = RegistryStore::Read(m_hClassKey);
    if (!hive)
        return std::nullopt;
    const RegistryKey *key = hive->findKey(path);
    if (!key)
        return std::nullopt;
    return *key;
}

const RegistryValue *cRegistry::pFindValue(const RegistryKey &key) const
{
    return key.findValue(m_sValueKey);
}

QString cRegistry::pHive() const
{
    return QString::number(m_hClassKey);
}

void cRegistry::pRaise(int32_t number, const QString &description) const
{
    throw VeltraneError(number, ErrorSource("cRegistry"), description);
}

bool cRegistry::KeyExists() const
{
    return pReadKey().has_value();
}

bool cRegistry::CreateKey()
{
    bool valid = false;
    const QStringList path = SplitRegistryPath(m_sSectionKey, &valid);
    const bool created = m_sMachine.isEmpty() && valid && RegistryStore::Modify(m_hClassKey, [&](RegistryKey &root) {
        if (root.findKey(path))
            return false;
        root.createKey(path);
        return true;
    });
    if (!created)
        pRaise(ErrorPlain, QStringLiteral("Failed to create registry Key: '") + m_sSectionKey);
    return true;
}

bool cRegistry::DeleteKey()
{
    bool valid = false;
    const QStringList path = SplitRegistryPath(m_sSectionKey, &valid);
    bool deleted = false;
    if (m_sMachine.isEmpty() && valid && !path.isEmpty()) {
        const bool stored = RegistryStore::Modify(m_hClassKey, [&](RegistryKey &root) {
            RegistryKey *parent = root.findKey(path.mid(0, path.size() - 1));
            const RegistryKey *key = parent ? parent->findKey({path.last()}) : nullptr;
            // As the registry does, a key is deleted only when it has no subkeys.
            if (!key || !key->subkeys().empty())
                return false;
            deleted = parent->removeSubkey(path.last());
            return true;
        });
        deleted = deleted && stored;
    }
    if (!deleted)
        pRaise(ErrorPlain, QStringLiteral("Failed to delete registry Key: '%1',Section: '%2").arg(pHive(), m_sSectionKey));
    return true;
}

bool cRegistry::DeleteValue()
{
    bool valid = false;
    const QStringList path = SplitRegistryPath(m_sSectionKey, &valid);
    enum { KeyMissing, ValueMissing, Deleted } outcome = KeyMissing;
    bool stored = false;
    if (m_sMachine.isEmpty() && valid) {
        stored = RegistryStore::Modify(m_hClassKey, [&](RegistryKey &root) {
            RegistryKey *key = root.findKey(path);
            if (!key)
                return false;
            outcome = key->removeValue(m_sValueKey) ? Deleted : ValueMissing;
            return outcome == Deleted;
        });
    }
    if (outcome == KeyMissing)
        pRaise(ErrorPlain, QStringLiteral("Failed to open key '%1',Section: '%2' for delete access").arg(pHive(), m_sSectionKey));
    if (outcome == ValueMissing || !stored)
        pRaise(ErrorPlain, QStringLiteral("Failed to delete registry Key: '%1',Section: '%2',Key: '%3")
                               .arg(pHive(), m_sSectionKey, m_sValueKey));
    return true;
}

QVariant cRegistry::Value() const
{
    const std::optional<RegistryKey> key = pReadKey();
    const RegistryValue *value = key ? pFindValue(*key) : nullptr;
    if (!value)
        return m_vDefault;
    m_hValueType = value->type;
    switch (value->type) {
    case REG_SZ:
    case REG_MULTI_SZ:
        return storedText(value->data);
    case REG_EXPAND_SZ:
        return ExpandEnvironmentVariables(storedText(value->data));
    case REG_DWORD:
        return storedNumber(value->data, false);
    case REG_DWORD_BIG_ENDIAN:
        return storedNumber(value->data, true);
    default:
        // Elements 0 to the stored size: one more than the data, left 0.
        return QByteArray(value->data).append('\0');
    }
}

bool cRegistry::ValueExists() const
{
    const std::optional<RegistryKey> key = pReadKey();
    return key && pFindValue(*key);
}

void cRegistry::SetValue(const QVariant &value)
{
    const QString valueText = VariantToText(value);
    const QString setValueText = QStringLiteral("Failed to set registry value Key: '%1',Section: '%2',Key: '%3' to value: '%4'")
                                     .arg(pHive(), m_sSectionKey, m_sValueKey, valueText);

    enum { Write, WriteNothing, NotBytes, Unsupported } outcome = Unsupported;
    int32_t type = m_hValueType;
    QByteArray data;
    switch (m_hValueType) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        type = needsExpansion(valueText) ? REG_EXPAND_SZ : REG_SZ;
        data = RegistryTextData(valueText);
        outcome = Write;
        break;
    case REG_BINARY:
        outcome = value.typeId() == QMetaType::QByteArray ? Write : NotBytes;
        data = value.toByteArray();
        break;
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
        // Written as a plain DWORD either way; anything but a whole number writes nothing.
        outcome = isWholeNumber(value) ? Write : WriteNothing;
        type = REG_DWORD;
        data = dwordData(value.toInt());
        break;
    default:
        break;
    }
    if (outcome == Write && !IsValidRegistryValueName(m_sValueKey))
        outcome = Unsupported;

    bool valid = false;
    const QStringList path = SplitRegistryPath(m_sSectionKey, &valid);
    if (!m_sMachine.isEmpty() || !valid || RegistryStore::HiveName(m_hClassKey).isEmpty())
        pRaise(ErrorPlain, setValueText);
    const bool stored = RegistryStore::Modify(m_hClassKey, [&](RegistryKey &root) {
        const bool keyExisted = root.findKey(path) != nullptr;
        RegistryKey &key = root.createKey(path);
        if (outcome != Write)
            return !keyExisted;
        const RegistryValue *old = key.findValue(m_sValueKey);
        if (old && old->type == type && old->data == data)
            return !keyExisted;
        key.setValue(m_sValueKey, type, data);
        return true;
    });
    if (!stored)
        pRaise(outcome == Write ? ErrorSetValue : ErrorPlain, setValueText);
    if (outcome == NotBytes)
        pRaise(ErrorPlain, QString());
    if (outcome == Unsupported)
        pRaise(ErrorSetValue, setValueText);
}

bool cRegistry::EnumerateValues(QStringList &sKeyNames, int32_t &iKeyCount) const
{
    sKeyNames.clear();
    if (const std::optional<RegistryKey> key = pReadKey()) {
        for (const RegistryValue &value : key->values())
            sKeyNames.append(value.name);
    }
    iKeyCount = int32_t(sKeyNames.size());
    return true;
}

bool cRegistry::EnumerateSections(QStringList &sSect, int32_t &iSectCount) const
{
    sSect.clear();
    if (const std::optional<RegistryKey> key = pReadKey()) {
        for (const RegistryKey &subkey : key->subkeys())
            sSect.append(subkey.name());
    }
    iSectCount = int32_t(sSect.size());
    return true;
}

void cRegistry::pSetClassValue(const QString &sectionKey, const QString &value)
{
    // The caller's SectionKey comes back when the class value has been written, or has failed.
    const QScopedValueRollback<QString> keepSection(m_sSectionKey);
    m_hClassKey = HKEY_CLASSES_ROOT;
    m_sSectionKey = sectionKey;
    SetValue(value);
    m_hClassKey = HKEY_LOCAL_MACHINE;
    m_sSectionKey = ClassesKey + sectionKey;
    SetValue(value);
}

void cRegistry::CreateEXEAssociation(const QString &sExePath, const QString &sClassName,
                                     const QString &sClassDescription, const QString &sAssociation,
                                     const QString &sOpenMenuText, bool bSupportPrint, const QString &sPrintMenuText,
                                     bool bSupportNew, const QString &sNewMenuText, bool bSupportInstall,
                                     const QString &sInstallMenuText, int32_t lDefaultIconIndex)
{
    QString exe = sExePath;
    while (exe.startsWith(QLatin1Char(' ')))
        exe.remove(0, 1);
    while (exe.endsWith(QLatin1Char(' ')))
        exe.chop(1);
    if (!exe.startsWith(QLatin1Char('"')))
        exe.prepend(QLatin1Char('"'));
    if (!exe.endsWith(QLatin1Char('"')))
        exe.append(QLatin1Char('"'));
    const auto command = [&](const QString &sw) {
        return exe + QLatin1Char(' ') + (sw.isEmpty() ? QString() : sw + QLatin1Char(' ')) + QStringLiteral("\"%1\"");
    };
    const auto orDefault = [](const QString &text, const QString &fallback) { return text.isEmpty() ? fallback : text; };
    const QString shell = sClassName + QStringLiteral("\\shell\\");

    m_hValueType = REG_SZ;
    m_sValueKey.clear();
    pSetClassValue(QLatin1Char('.') + sAssociation, sClassName);
    pSetClassValue(sClassName, sClassDescription);
    pSetClassValue(shell + QStringLiteral("open"), orDefault(sOpenMenuText, QStringLiteral("&Open")));
    pSetClassValue(shell + QStringLiteral("open\\command"), command({}));
    if (bSupportPrint) {
        pSetClassValue(shell + QStringLiteral("print"), orDefault(sPrintMenuText, QStringLiteral("&Print")));
        pSetClassValue(shell + QStringLiteral("print\\command"), command(QStringLiteral("/p")));
    }
    if (bSupportInstall) {
        pSetClassValue(shell + QStringLiteral("add"), orDefault(sInstallMenuText, QStringLiteral("&Install ") + sAssociation));
        pSetClassValue(shell + QStringLiteral("add\\command"), command(QStringLiteral("/a")));
    }
    if (bSupportNew) {
        pSetClassValue(shell + QStringLiteral("new"), orDefault(sNewMenuText, QStringLiteral("&New")));
        pSetClassValue(shell + QStringLiteral("new\\command"), command(QStringLiteral("/n")));
    }
    if (lDefaultIconIndex > -1)
        pSetClassValue(sClassName + QStringLiteral("\\DefaultIcon"), exe + QLatin1Char(',') + QString::number(lDefaultIconIndex));
}

void cRegistry::CreateAdditionalEXEAssociations(const QString &sClassName, const QStringList &vItems)
{
    if (vItems.isEmpty() || vItems.size() % 3 != 0)
        pRaise(ErrorParameterList,
               QStringLiteral("Invalid parameter list passed to CreateAdditionalEXEAssociations - expected Name/Text/Command"));
    m_sSectionKey = sClassName;
    if (!KeyExists())
        pRaise(ErrorClassNotDefined, QStringLiteral("Error - attempt to create additional associations before class defined."));
    m_hValueType = REG_SZ;
    m_sValueKey.clear();
    for (qsizetype i = 0; i < vItems.size(); i += 3) {
        const QString verbKey = sClassName + QStringLiteral("\\shell\\") + vItems[i];
        pSetClassValue(verbKey, vItems[i + 1]);
        pSetClassValue(verbKey + QStringLiteral("\\command"), vItems[i + 2]);
    }
}

QVariant cRegistry::ValueEx(int32_t classKey, const QString &sectionKey, const QString &valueKey, int32_t valueType,
                            const QVariant &defaultValue)
{
    m_hClassKey = classKey;
    m_sSectionKey = sectionKey;
    m_sValueKey = valueKey;
    m_hValueType = valueType;
    m_vDefault = defaultValue;
    return Value();
}

void cRegistry::SetValueEx(int32_t classKey, const QString &sectionKey, const QString &valueKey, int32_t valueType,
                           const QVariant &defaultValue, const QVariant &newValue)
{
    m_hClassKey = classKey;
    m_sSectionKey = sectionKey;
    m_sValueKey = valueKey;
    m_hValueType = valueType;
    m_vDefault = defaultValue;
    if (m_hValueType == REG_SZ && VariantToText(newValue).isEmpty())
        SetValue(m_vDefault);
    else
        SetValue(newValue);
}

QString ExpandEnvironmentVariables(const QString &text)
{
    QString result;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('%'), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('%'), open + 1);
        if (close < 0)
            break;
        result += QStringView(text).mid(pos, open - pos);
        const QString name = text.mid(open + 1, close - open - 1);
        if (!name.isEmpty() && qEnvironmentVariableIsSet(name.toLocal8Bit().constData()))
            result += qEnvironmentVariable(name.toLocal8Bit().constData());
        else
            result += QStringView(text).mid(open, close - open + 1);
        pos = close + 1;
    }
    result += QStringView(text).mid(pos);
    return result;
}
