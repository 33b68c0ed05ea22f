// SPDX-License-Identifier: GPL-3.0-or-later
#include "INITextValue.h"

namespace INITextValue {

namespace {

constexpr QChar Quote = u'"';

bool needsEscape(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || c == u';' || c == u'\\' || c.isSurrogate();
}

// Whether the INI reader gives the text back exactly as written after "Key=".
bool readsBackPlain(const QString &text)
{
    if (text.startsWith(u' ') || text.endsWith(u' ') || (text.startsWith(Quote) && text.endsWith(Quote)))
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A backslash is harmless outside quotes; a well-formed surrogate pair is ordinary text.
        if (c == u'\\')
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (needsEscape(c))
            return false;
    }
    return true;
}

int hexValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

} // namespace

QString Encode(const QString &text)
{
    if (readsBackPlain(text))
        return text;
    QString value;
    value.reserve(text.size() + text.size() / 8 + 2);
    value += Quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            value += c;
            value += text[++i];
            continue;
        }
        switch (c.unicode()) {
        case u'\\': value += QStringLiteral("\\\\"); break;
        case u'\n': value += QStringLiteral("\\n"); break;
        case u'\r': value += QStringLiteral("\\r"); break;
        case u'\t': value += QStringLiteral("\\t"); break;
        default:
            if (needsEscape(c))
                value += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                value += c;
        }
    }
    value += Quote;
    return value;
}

QString Decode(const QString &value)
{
    if (value.size() < 2 || !value.startsWith(Quote) || !value.endsWith(Quote))
        return value;
    const QStringView body = QStringView(value).sliced(1, value.size() - 2);
    QString text;
    text.reserve(body.size());
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c != u'\\' || i + 1 == body.size()) {
            text += c;
            continue;
        }
        const QChar next = body[i + 1];
        switch (next.unicode()) {
        case u'\\': text += u'\\'; ++i; continue;
        case u'n': text += u'\n'; ++i; continue;
        case u'r': text += u'\r'; ++i; continue;
        case u't': text += u'\t'; ++i; continue;
        case u'u':
            if (i + 5 < body.size()) {
                int code = 0;
                for (qsizetype k = i + 2; k < i + 6 && code >= 0; ++k)
                    code = hexValue(body[k]) < 0 ? -1 : code * 16 + hexValue(body[k]);
                if (code >= 0) {
                    text += QChar(char16_t(code));
                    i += 5;
                    continue;
                }
            }
            break;
        default:
            break;
        }
        text += c;
    }
    return text;
}

} // namespace INITextValue
