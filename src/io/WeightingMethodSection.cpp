// SPDX-License-Identifier: GPL-3.0-or-later
#include "WeightingMethodSection.h"

#include "io/INIFile.h"
#include "model/VeltraneTopic.h"
#include "support/VeltraneError.h"

#include <QRegularExpression>

#include <array>
#include <charconv>
#include <cmath>

namespace WeightingMethodSection {

namespace {

using Method = WeightingMethodInputs::Method;

const QString Section = QStringLiteral("WeightingMethod");
const QString MethodKey = QStringLiteral("Method");
constexpr double LeastJudgement = 1.0 / 9;
constexpr double GreatestJudgement = 9;
// A judgement of 1/9 written as 0.111 still counts as on the scale.
constexpr double JudgementSlack = 1e-3;

QString rankKey(qsizetype k)
{
    return QStringLiteral("Rank%1").arg(k);
}

QString pointsKey(qsizetype k)
{
    return QStringLiteral("Points%1").arg(k);
}

QString pairKey(qsizetype i, qsizetype j)
{
    return QStringLiteral("Pair%1_%2").arg(i).arg(j);
}

// The shortest decimal text that reads back as the very same number, so that answers
// typed by hand survive a save unchanged.
QString exactText(double value)
{
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed);
    return error == std::errc() ? QString::fromLatin1(buffer.data(), end - buffer.data())
                                : INIFile::FormatNumericValue(value);
}

// A judgement below 1 as "1/x" whenever that reads back exactly (1/3, 1/7), else as a decimal.
QString judgementText(double value)
{
    if (value < 1) {
        const QString inverse = exactText(1 / value);
        const std::optional<double> read = INIFile::ParseNumericValue(inverse);
        if (read && 1 / *read == value)
            return QStringLiteral("1/") + inverse;
    }
    return exactText(value);
}

std::optional<double> judgementValue(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (!trimmed.startsWith(QLatin1String("1/")))
        return INIFile::ParseNumericValue(trimmed);
    const std::optional<double> inverse = INIFile::ParseNumericValue(trimmed.sliced(2));
    if (!inverse || *inverse == 0)
        return std::nullopt;
    return 1 / *inverse;
}

[[noreturn]] void notANumber(const QString &key)
{
    throw VeltraneError::TypeMismatch(
        ErrorSource("modLoadSave"),
        QStringLiteral("Type mismatch: %1 in [%2] is missing or not a number").arg(key, Section));
}

[[noreturn]] void badValue(const QString &key, const QString &problem)
{
    throw VeltraneError(ErrInvalidProcedureCall, ErrorSource("modLoadSave"),
                        QStringLiteral("Invalid procedure call or argument: %1 in [%2] %3").arg(key, Section, problem));
}

double requiredNumber(const INIFile &ini, const QString &key)
{
    const std::optional<double> number = ini.GetNumericParameterValue(Section, key);
    if (!number)
        notANumber(key);
    return *number;
}

// Keys of the method's own kind for an attribute the topic does not have (a ranking for
// more attributes, a pair beyond the last one) or a pair named the wrong way round.
void checkKeysFit(const QStringList &keys, Method method, qsizetype count)
{
    static const QRegularExpression indexed(QStringLiteral("^(Rank|Points)(\\d+)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression pair(QStringLiteral("^Pair(\\d+)_(\\d+)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const QString counted = QStringLiteral("; the topic has %1 attributes").arg(count);
    for (const QString &key : keys) {
        if (method == Method::Compare) {
            const QRegularExpressionMatch match = pair.match(key);
            if (!match.hasMatch())
                continue;
            const qlonglong i = match.captured(1).toLongLong();
            const qlonglong j = match.captured(2).toLongLong();
            if (i >= count || j >= count || match.captured(1).size() > 4 || match.captured(2).size() > 4)
                badValue(key, QStringLiteral("compares an attribute the topic does not have") + counted);
            if (i >= j)
                badValue(key, QStringLiteral("is not a pair of two attributes with the lower number first"));
            continue;
        }
        const QRegularExpressionMatch match = indexed.match(key);
        const bool ours = match.hasMatch()
                          && (match.captured(1).compare(QLatin1String("Rank"), Qt::CaseInsensitive) == 0)
                                 == (method == Method::Rank);
        if (ours && (match.captured(2).size() > 4 || match.captured(2).toLongLong() >= count))
            badValue(key, QStringLiteral("is for an attribute the topic does not have") + counted);
    }
}

WeightingMethodInputs readRanks(const INIFile &ini, qsizetype count)
{
    WeightingMethodInputs inputs;
    inputs.Kind = Method::Rank;
    for (qsizetype k = 0; k < count; ++k) {
        const double rank = requiredNumber(ini, rankKey(k));
        if (!(rank >= 1 && rank <= double(count) && rank == std::floor(rank)))
            badValue(rankKey(k),
                     QStringLiteral("is %1, not a whole number from 1 to %2").arg(exactText(rank)).arg(count));
        inputs.Ranks.append(int(rank));
    }
    return inputs;
}

WeightingMethodInputs readPoints(const INIFile &ini, qsizetype count)
{
    WeightingMethodInputs inputs;
    inputs.Kind = Method::Swing;
    double total = 0;
    for (qsizetype k = 0; k < count; ++k) {
        const double points = requiredNumber(ini, pointsKey(k));
        if (!(points >= 0 && points <= 100))
            badValue(pointsKey(k), QStringLiteral("is %1, outside 0 to 100").arg(exactText(points)));
        total += inputs.Points.emplace_back(points);
    }
    if (total == 0)
        badValue(count == 1 ? pointsKey(0) : pointsKey(0) + QStringLiteral(" to ") + pointsKey(count - 1),
                 QStringLiteral("give no swing more than 0 points"));
    return inputs;
}

WeightingMethodInputs readPairs(const INIFile &ini, qsizetype count)
{
    if (count < 2)
        badValue(MethodKey, QStringLiteral("is Compare, which needs at least two attributes"));
    WeightingMethodInputs inputs;
    inputs.Kind = Method::Compare;
    inputs.Judgements = QList<QList<double>>(count, QList<double>(count, 1.0));
    for (qsizetype i = 0; i < count; ++i) {
        for (qsizetype j = i + 1; j < count; ++j) {
            const QString key = pairKey(i, j);
            const std::optional<double> judgement = judgementValue(ini.GetParameterValue(Section, key));
            if (!judgement)
                notANumber(key);
            if (!(*judgement >= LeastJudgement * (1 - JudgementSlack) && *judgement <= GreatestJudgement))
                badValue(key, QStringLiteral("is %1, outside 1/9 to 9").arg(ini.GetParameterValue(Section, key)));
            inputs.Judgements[i][j] = *judgement;
            inputs.Judgements[j][i] = 1 / *judgement;
        }
    }
    return inputs;
}

} // namespace

void Write(INIFile &ini, const VeltraneTopic &topic)
{
    const WeightingMethodInputs &inputs = topic.MethodInputs();
    if (inputs.Kind == Method::None)
        return;
    ini.UseSection(Section);
    ini.AddParameter(MethodKey, WeightingMethodInputs::MethodName(inputs.Kind));
    for (qsizetype k = 0; k < inputs.Ranks.size(); ++k)
        ini.AddParameter(rankKey(k), QString::number(inputs.Ranks[k]));
    for (qsizetype k = 0; k < inputs.Points.size(); ++k)
        ini.AddParameter(pointsKey(k), exactText(inputs.Points[k]));
    for (qsizetype i = 0; i < inputs.Judgements.size(); ++i)
        for (qsizetype j = i + 1; j < inputs.Judgements.size(); ++j)
            ini.AddParameter(pairKey(i, j), judgementText(inputs.Judgements[i][j]));
}

void Read(const INIFile &ini, VeltraneTopic &topic)
{
    const QStringList keys = ini.GetKeys(Section);
    if (keys.isEmpty())
        return;
    const QString name = ini.GetParameterValue(Section, MethodKey);
    const std::optional<Method> method = WeightingMethodInputs::MethodFromName(name.trimmed());
    if (!method)
        badValue(MethodKey, QStringLiteral("is \"%1\", not Rank, Swing or Compare").arg(name));

    const qsizetype count = topic.TotalAttributes();
    checkKeysFit(keys, *method, count);
    switch (*method) {
    case Method::Rank:
        topic.SetMethodInputs(readRanks(ini, count));
        break;
    case Method::Swing:
        topic.SetMethodInputs(readPoints(ini, count));
        break;
    case Method::Compare:
        topic.SetMethodInputs(readPairs(ini, count));
        break;
    case Method::None:
        break;
    }
}

} // namespace WeightingMethodSection
