#pragma once

#include "app/RegistryKey.h"

#include <QString>

// The text form of one hive: the registry export format ("Windows Registry Editor
// Version 5.00"), so that a person can read and edit it and Windows can import it.
namespace RegistryHiveFile {

inline constexpr char Header[] = "Windows Registry Editor Version 5.00";

struct ParseResult
{
    bool ok = false;
    RegistryKey root;
    int line = 0; // where the fault is, counted from 1
    QString error;
};

// Reads the text of the hive named rootName ("HKEY_CURRENT_USER"); any line end will do.
// An empty text is an empty hive. Deletions ("[-key]", "name"=-) are applied as an
// import applies them.
ParseResult Parse(const QString &text, const QString &rootName);

// The hive as text with CR LF line ends: every key in its own section, each value on one
// line. Plain text values are written as quoted text, DWORDs as dword:, all other data
// as hex lists.
QString Write(const RegistryKey &root, const QString &rootName);

} // namespace RegistryHiveFile
