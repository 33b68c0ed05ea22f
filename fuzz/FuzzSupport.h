#pragma once

// Shared by the fuzz targets that read files.
#include "model/VeltraneTopic.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

// The application the file code expects (relative names are read from its folder).
inline void StartFuzzApplication(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
}

// A scratch file of the process under `name`, holding the input.
inline QString FuzzFile(const QString &name, const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        std::abort();
    return path;
}

// What a topic reports, as one comparable text.
inline QString FuzzTopicSummary(const VeltraneTopic &topic)
{
    QStringList parts{topic.Title(), topic.InvertWeights() ? QStringLiteral("inverted") : QString(),
                      QString::number(topic.RatingSpread(), 'g', 17),
                      QString::number(topic.WeightingSpread(), 'g', 17)};
    for (int16_t a = 0; a < topic.TotalAttributes(); ++a)
        parts << topic.GetAttributeName(a) << QString::number(topic.GetWeighting(a), 'g', 17);
    for (int16_t o = 0; o < topic.TotalOptions(); ++o) {
        parts << topic.GetOptionName(o);
        for (int16_t a = 0; a < topic.TotalAttributes(); ++a)
            parts << QString::number(topic.GetRating(o, a), 'g', 17);
    }
    return parts.join(u'\x1F');
}

// A loaded or imported topic keeps to the program's limits and ranges.
inline void CheckLoadedTopic(const VeltraneTopic &topic, int16_t maxOptions, int16_t maxAttributes)
{
    if (topic.TotalOptions() < 1 || topic.TotalOptions() > maxOptions || topic.TotalAttributes() < 1
        || topic.TotalAttributes() > maxAttributes || topic.Rounding() != 3
        || !(topic.RatingSpread() >= 0 && topic.RatingSpread() <= VeltraneTopic::MaxSpread)
        || !(topic.WeightingSpread() >= 0 && topic.WeightingSpread() <= VeltraneTopic::MaxSpread))
        std::abort();
    const auto inRange = [](double value) { return value >= 0 && value <= 1; };
    for (int16_t a = 0; a < topic.TotalAttributes(); ++a) {
        if (!inRange(topic.GetWeighting(a)))
            std::abort();
    }
    for (int16_t o = 0; o < topic.TotalOptions(); ++o) {
        if (!inRange(topic.GetScore(o)))
            std::abort();
        for (int16_t a = 0; a < topic.TotalAttributes(); ++a) {
            if (!inRange(topic.GetRating(o, a)))
                std::abort();
        }
    }
}

// Runs `load(fileName, topic)` on the input written to `name`, starting from a topic whose
// NormaliseWeights comes from the first byte. A failure must leave the topic as it was; a
// success must replace it, keep NormaliseWeights and hold to the limits. Returns the
// loaded topic, or null when the load failed.
template <typename Loader>
std::shared_ptr<VeltraneTopic> LoadChecked(Loader load, const QString &name, const uint8_t *data, size_t size,
                                           int16_t maxOptions, int16_t maxAttributes)
{
    auto topic = std::make_shared<VeltraneTopic>();
    topic->SetNormaliseWeights(size > 0 && (data[0] & 1));
    const auto before = topic;
    if (!load(FuzzFile(name, data, size), topic)) {
        if (topic != before)
            std::abort();
        return nullptr;
    }
    if (topic == before || topic->NormaliseWeights() != before->NormaliseWeights())
        std::abort();
    CheckLoadedTopic(*topic, maxOptions, maxAttributes);
    return topic;
}
