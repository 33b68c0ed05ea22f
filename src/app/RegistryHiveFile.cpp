#include "RegistryHiveFile.h"

#include "io/TextFileReader.h"

namespace RegistryHiveFile {

namespace {

const QString CrLf = QStringLiteral("\r\n");

struct Fault
{
    QString error;
};

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QStringView trimmedStart(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    return text;
}

QStringView trimmedEnd(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// A quoted text at the start of `text` ("..." with \\ and \" escaped); `text` is left
// just after the closing quote.
QString takeQuoted(QStringView &text)
{
    QString result;
    qsizetype i = 1;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"'))
            break;
        if (c == QLatin1Char('\\')) {
            if (i + 1 >= text.size() || (text[i + 1] != QLatin1Char('\\') && text[i + 1] != QLatin1Char('"')))
                throw Fault{QStringLiteral("a backslash in quoted text must be doubled")};
            ++i;
        }
        result.append(text[i]);
    }
    if (i >= text.size())
        throw Fault{QStringLiteral("quoted text without its closing quote")};
    text = text.mid(i + 1);
    return result;
}

void expectEnd(QStringView rest)
{
    if (!trimmedStart(rest).isEmpty())
        throw Fault{QStringLiteral("unexpected text after the value")};
}

uint32_t parseHexNumber(QStringView digits, qsizetype maxDigits)
{
    if (digits.isEmpty() || digits.size() > maxDigits)
        throw Fault{QStringLiteral("a hexadecimal number of 1 to %1 digits expected").arg(maxDigits)};
    bool ok = false;
    const uint32_t number = digits.toUInt(&ok, 16);
    if (!ok || digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
        throw Fault{QStringLiteral("not a hexadecimal number: %1").arg(digits)};
    return number;
}

// The bytes of a hex list; a line that ends in a backslash continues on the next.
QByteArray parseHexList(QStringView first, const QStringList &lines, qsizetype &index)
{
    QString list = trimmedEnd(first).toString();
    while (list.endsWith(QLatin1Char('\\'))) {
        list.chop(1);
        if (++index >= lines.size())
            throw Fault{QStringLiteral("the hex list continues past the end of the file")};
        list += trimmedEnd(trimmedStart(lines[index]));
    }
    QByteArray data;
    if (trimmedStart(list).isEmpty())
        return data;
    for (QStringView item : QStringView(list).split(QLatin1Char(','))) {
        item = trimmedEnd(trimmedStart(item));
        data.append(char(parseHexNumber(item, 2)));
    }
    return data;
}

struct Parser
{
    const QStringList &lines;
    const QString &rootName;
    RegistryKey root;
    RegistryKey *current = nullptr;
    bool inDeletedKey = false;

    void header(QStringView line)
    {
        line = trimmedEnd(line);
        if (!line.endsWith(QLatin1Char(']')))
            throw Fault{QStringLiteral("a key line must end with ]")};
        QStringView path = line.mid(1, line.size() - 2);
        const bool deletion = path.startsWith(QLatin1Char('-'));
        if (deletion)
            path = path.mid(1);
        if (!path.startsWith(rootName, Qt::CaseInsensitive))
            throw Fault{QStringLiteral("a key outside %1").arg(rootName)};
        path = path.mid(rootName.size());
        QStringList names;
        if (!path.isEmpty()) {
            if (path.front() != QLatin1Char('\\'))
                throw Fault{QStringLiteral("a key outside %1").arg(rootName)};
            names = path.mid(1).toString().split(QLatin1Char('\\'));
            for (const QString &name : names) {
                if (!IsValidRegistryKeyName(name))
                    throw Fault{QStringLiteral("not a valid key name: \"%1\"").arg(name)};
            }
        }
        current = nullptr;
        inDeletedKey = deletion;
        if (!deletion) {
            current = &root.createKey(names);
        } else if (!names.isEmpty()) {
            if (RegistryKey *parent = root.findKey(names.mid(0, names.size() - 1)))
                parent->removeSubkey(names.last());
        } else {
            throw Fault{QStringLiteral("the hive itself cannot be deleted")};
        }
    }

    void value(QStringView line, qsizetype &index)
    {
        if (!current)
            throw Fault{inDeletedKey ? QStringLiteral("a value under a deleted key")
                                     : QStringLiteral("a value before the first key")};
        QString name;
        if (line.front() == QLatin1Char('@')) {
            line = line.mid(1);
        } else {
            name = takeQuoted(line);
            if (!IsValidRegistryValueName(name))
                throw Fault{QStringLiteral("not a valid value name")};
        }
        line = trimmedStart(line);
        if (!line.startsWith(QLatin1Char('=')))
            throw Fault{QStringLiteral("= expected after the value name")};
        line = trimmedStart(line.mid(1));

        if (line.startsWith(QLatin1Char('-'))) {
            expectEnd(line.mid(1));
            current->removeValue(name);
        } else if (line.startsWith(QLatin1Char('"'))) {
            const QString text = takeQuoted(line);
            expectEnd(line);
            current->setValue(name, REG_SZ, RegistryTextData(text));
        } else if (line.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const uint32_t number = parseHexNumber(trimmedEnd(line.mid(6)), 8);
            QByteArray data(4, '\0');
            for (int i = 0; i < 4; ++i)
                data[i] = char((number >> (8 * i)) & 0xFF);
            current->setValue(name, REG_DWORD, data);
        } else if (line.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
            line = line.mid(3);
            int32_t type = REG_BINARY;
            if (line.startsWith(QLatin1Char('('))) {
                const qsizetype close = line.indexOf(QLatin1Char(')'));
                if (close < 0)
                    throw Fault{QStringLiteral("hex( without its closing )")};
                type = int32_t(parseHexNumber(line.mid(1, close - 1), 8));
                line = line.mid(close + 1);
            }
            if (!line.startsWith(QLatin1Char(':')))
                throw Fault{QStringLiteral(": expected after hex")};
            current->setValue(name, type, parseHexList(line.mid(1), lines, index));
        } else {
            throw Fault{QStringLiteral("a value must be quoted text, dword:, hex: or -")};
        }
    }
};

QString escaped(const QString &text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    out.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return out;
}

// The text of a REG_SZ value that a quoted line can carry unchanged, or nothing.
std::optional<QString> plainText(const RegistryValue &value)
{
    const QByteArray &data = value.data;
    if (value.type != REG_SZ || data.size() < 2 || data.size() % 2 != 0 || !data.endsWith(QByteArray(2, '\0')))
        return std::nullopt;
    const QString text = RegistryDataText(data.left(data.size() - 2));
    if (!IsValidRegistryValueName(text))
        return std::nullopt;
    return text;
}

QString valueLine(const RegistryValue &value)
{
    QString line = value.name.isEmpty() ? QStringLiteral("@=")
                                        : QLatin1Char('"') + escaped(value.name) + QLatin1String("\"=");
    if (const auto text = plainText(value))
        return line + QLatin1Char('"') + escaped(*text) + QLatin1Char('"');
    if (value.type == REG_DWORD && value.data.size() == 4) {
        uint32_t number = 0;
        for (int i = 3; i >= 0; --i)
            number = (number << 8) | uchar(value.data[i]);
        return line + QStringLiteral("dword:%1").arg(number, 8, 16, QLatin1Char('0'));
    }
    line += value.type == REG_BINARY ? QStringLiteral("hex:")
                                     : QStringLiteral("hex(%1):").arg(uint32_t(value.type), 0, 16);
    for (qsizetype i = 0; i < value.data.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        line += QStringLiteral("%1").arg(uchar(value.data[i]), 2, 16, QLatin1Char('0'));
    }
    return line;
}

void writeKey(QString &out, const RegistryKey &key, const QString &path, bool isRoot)
{
    if (!isRoot || !key.values().empty()) {
        out += QLatin1Char('[') + path + QLatin1Char(']') + CrLf;
        for (const RegistryValue &value : key.values())
            out += valueLine(value) + CrLf;
        out += CrLf;
    }
    for (const RegistryKey &subkey : key.subkeys())
        writeKey(out, subkey, path + QLatin1Char('\\') + subkey.name(), false);
}

} // namespace

ParseResult Parse(const QString &text, const QString &rootName)
{
    ParseResult result;
    const QStringList lines = TextFileReader::SplitLines(text);
    Parser parser{lines, rootName, RegistryKey(rootName)};
    bool headerSeen = false;
    qsizetype index = 0;
    try {
        for (; index < lines.size(); ++index) {
            const QStringView line = trimmedStart(lines[index]);
            if (line.isEmpty() || (headerSeen && line.startsWith(QLatin1Char(';'))))
                continue;
            if (!headerSeen) {
                if (trimmedEnd(line) != QLatin1String(Header))
                    throw Fault{QStringLiteral("the first line must be \"%1\"").arg(QLatin1String(Header))};
                headerSeen = true;
            } else if (line.startsWith(QLatin1Char('['))) {
                parser.header(line);
            } else if (line.startsWith(QLatin1Char('"')) || line.startsWith(QLatin1Char('@'))) {
                parser.value(line, index);
            } else {
                throw Fault{QStringLiteral("a line that is neither a key nor a value")};
            }
        }
    } catch (const Fault &fault) {
        result.line = int(std::min<qsizetype>(index, lines.size() - 1)) + 1;
        result.error = fault.error;
        return result;
    }
    result.ok = true;
    result.root = std::move(parser.root);
    return result;
}

QString Write(const RegistryKey &root, const QString &rootName)
{
    QString out = QLatin1String(Header) + CrLf + CrLf;
    writeKey(out, root, rootName, true);
    return out;
}

} // namespace RegistryHiveFile
