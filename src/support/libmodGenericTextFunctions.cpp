#include "libmodGenericTextFunctions.h"

#include <QObject>

namespace libmodGenericTextFunctions {

bool IsBlank(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return true;
    if (value.metaType().flags().testFlag(QMetaType::PointerToQObject))
        return IsBlank(value.value<QObject *>());
    return value.typeId() == QMetaType::QString && value.toString().isEmpty();
}

bool IsBlank(const QObject *object)
{
    if (!object)
        return true;
    const QVariant text = object->property("text");
    return text.typeId() == QMetaType::QString && text.toString().isEmpty();
}

QString ReplaceText(const QString &text, const QString &find, const QString &replacement)
{
    if (find.isEmpty())
        return text;
    QString result;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(find); at >= 0; at = text.indexOf(find, from)) {
        result += QStringView(text).mid(from, at - from);
        result += replacement;
        from = at + find.size();
    }
    result += QStringView(text).mid(from);
    return result;
}

QString MidAfter(const QString &text, int16_t n)
{
    return n <= 0 ? text : text.mid(n);
}

QString TrimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

} // namespace libmodGenericTextFunctions
