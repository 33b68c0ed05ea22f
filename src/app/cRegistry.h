#pragma once

#include "app/RegistryKey.h"
#include "app/RegistryStore.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>

// Addresses one registry value by hive (ClassKey), key path (SectionKey) and value name
// (ValueKey), and reads, writes, tests, deletes and enumerates there. Reads never fail:
// what cannot be read gives Default, False or an empty list. Failed changes throw
// VeltraneError with source "veltrane.cRegistry".
class cRegistry
{
public:
    // Error numbers.
    static constexpr int32_t ErrorPlain = 26001;
    static constexpr int32_t ErrorSetValue = int32_t(0x800469A9);
    static constexpr int32_t ErrorParameterList = int32_t(0x800469AC);
    static constexpr int32_t ErrorClassNotDefined = int32_t(0x800469AD);

    // Another computer's registry; no remote registry is reachable on this platform, so
    // while it is set reads give Default and changes fail.
    QString Machine() const { return m_sMachine; }
    void SetMachine(const QString &machine);

    bool KeyExists() const;
    bool CreateKey();
    bool DeleteKey();
    bool DeleteValue();

    // A successful read sets ValueType to the stored type.
    QVariant Value() const;
    bool ValueExists() const;
    void SetValue(const QVariant &value);

    bool EnumerateValues(QStringList &sKeyNames, int32_t &iKeyCount) const;
    bool EnumerateSections(QStringList &sSect, int32_t &iSectCount) const;

    void CreateEXEAssociation(const QString &sExePath, const QString &sClassName, const QString &sClassDescription,
                              const QString &sAssociation, const QString &sOpenMenuText = QStringLiteral("&Open"),
                              bool bSupportPrint = false, const QString &sPrintMenuText = QStringLiteral("&Print"),
                              bool bSupportNew = false, const QString &sNewMenuText = QStringLiteral("&New"),
                              bool bSupportInstall = false, const QString &sInstallMenuText = {},
                              int32_t lDefaultIconIndex = -1);
    // vItems: groups of three texts (verb name, menu text, command).
    void CreateAdditionalEXEAssociations(const QString &sClassName, const QStringList &vItems);

    int32_t ValueType() const { return m_hValueType; }
    void SetValueType(int32_t valueType) { m_hValueType = valueType; }
    int32_t ClassKey() const { return m_hClassKey; }
    void SetClassKey(int32_t classKey) { m_hClassKey = classKey; }
    QString SectionKey() const { return m_sSectionKey; }
    void SetSectionKey(const QString &sectionKey) { m_sSectionKey = sectionKey; }
    QString ValueKey() const { return m_sValueKey; }
    void SetValueKey(const QString &valueKey) { m_sValueKey = valueKey; }
    QVariant Default() const { return m_vDefault; }
    void SetDefault(const QVariant &defaultValue) { m_vDefault = defaultValue; }

    QVariant ValueEx(int32_t classKey, const QString &sectionKey, const QString &valueKey, int32_t valueType,
                     const QVariant &defaultValue);
    void SetValueEx(int32_t classKey, const QString &sectionKey, const QString &valueKey, int32_t valueType,
                    const QVariant &defaultValue, const QVariant &newValue);

private:
    // The key this instance addresses as stored now, or nothing.
    std::optional<RegistryKey> pReadKey() const;
    const RegistryValue *pFindValue(const RegistryKey &key) const;
    void pSetClassValue(const QString &sectionKey, const QString &value);
    QString pHive() const;
    [[noreturn]] void pRaise(int32_t number, const QString &description) const;

    int32_t m_hClassKey = 0;
    QString m_sSectionKey;
    QString m_sValueKey;
    mutable int32_t m_hValueType = 0;
    QVariant m_vDefault;
    QString m_sMachine;
};

// %NAME% replaced by the variable NAME of the process environment; a name that is not
// set, and a lone "%", stay as written.
QString ExpandEnvironmentVariables(const QString &text);
