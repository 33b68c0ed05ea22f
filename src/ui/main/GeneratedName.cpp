#include "GeneratedName.h"

#include "support/NumericText.h"

#include <cmath>
#include <cstdint>

QString GeneratedName(const QString &prefix, const QStringList &names)
{
    double highest = 0;
    for (const QString &name : names) {
        if (!name.startsWith(prefix))
            continue;
        const std::optional<double> number = ParseNumericText(name.mid(prefix.size()));
        if (number && *number == std::floor(*number) && *number <= INT16_MAX && *number > highest)
            highest = *number;
    }
    highest = std::max(highest, double(names.size()));
    return prefix + QString::number(qint64(highest) + 1);
}
