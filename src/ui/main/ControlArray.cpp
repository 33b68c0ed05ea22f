#include "ControlArray.h"

#include <QObject>

QString ControlArrayElementName(const QString &arrayName, int16_t index)
{
    return arrayName + u'(' + QString::number(index) + u')';
}

std::optional<int16_t> ControlArrayIndex(const QObject &control)
{
    const QString name = control.objectName();
    const qsizetype open = name.lastIndexOf(u'(');
    if (open <= 0 || !name.endsWith(u')'))
        return std::nullopt;
    bool ok = false;
    const int index = name.mid(open + 1, name.size() - open - 2).toInt(&ok);
    if (!ok || index < 0 || index > INT16_MAX)
        return std::nullopt;
    return int16_t(index);
}

QString ControlArrayName(const QObject &control)
{
    const QString name = control.objectName();
    return ControlArrayIndex(control) ? name.left(name.lastIndexOf(u'(')) : name;
}
