// Loads arbitrary bytes as a topic file. A load must never crash; a failed load leaves the
// topic as it was; a loaded topic keeps to the limits and ranges and survives being saved
// and loaded again unchanged, spreads included; 100 draws of its confidence figures add up.
#include "FuzzSupport.h"
#include "model/TopicConfidence.h"
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "support/MsgBox.h"

#include <cmath>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartFuzzApplication(argc, argv);
    SetMsgBoxHandler([](const QString &, int, const QString &) { return int(vbOK); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto topic = LoadChecked(modLoadSave::LoadTopicFile, QStringLiteral("input.vtp"), data, size,
                                   modParameters::MaxOptions, modParameters::MaxAttributes);
    if (!topic)
        return 0;

    const Confidence confidence = TopicConfidence::Simulate(*topic, 100, TopicConfidence::SeedOf(*topic));
    double best = 0;
    for (qsizetype o = 0; o < confidence.Rank.size(); ++o) {
        best += confidence.Best[o];
        double places = 0;
        for (double share : confidence.Rank[o])
            places += share;
        if (!(std::abs(places - 1) < 1e-9))
            std::abort();
    }
    if (confidence.Best.size() != topic->TotalOptions() || !(std::abs(best - 1) < 1e-9))
        std::abort();

    topic->SetNormaliseWeights(false);
    const QString saved = FuzzFile(QStringLiteral("saved.vtp"), nullptr, 0);
    auto again = std::make_shared<VeltraneTopic>();
    if (!modLoadSave::SaveTopicFile(saved, *topic) || !modLoadSave::LoadTopicFile(saved, again)
        || FuzzTopicSummary(*again) != FuzzTopicSummary(*topic))
        std::abort();
    return 0;
}
