// Imports arbitrary bytes as a CSV sheet, answering the percentage question by the input.
// An import must never crash; a failed import leaves the topic as it was; an imported
// topic keeps to the limits and ranges, and, where no name holds a double quote (which
// the export cannot protect), survives being exported and imported again unchanged.
#include "FuzzSupport.h"
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "support/MsgBox.h"

namespace {

int percentageAnswer = vbYes;

bool holdsQuote(const VeltraneTopic &topic)
{
    bool quote = topic.Title().contains(u'"');
    for (int16_t a = 0; a < topic.TotalAttributes(); ++a)
        quote = quote || topic.GetAttributeName(a).contains(u'"');
    for (int16_t o = 0; o < topic.TotalOptions(); ++o)
        quote = quote || topic.GetOptionName(o).contains(u'"');
    return quote;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartFuzzApplication(argc, argv);
    SetMsgBoxHandler([](const QString &, int buttons, const QString &) {
        return (buttons & 7) == vbYesNo ? percentageAnswer : int(vbOK);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    percentageAnswer = size > 0 && (data[size - 1] & 1) ? vbNo : vbYes;
    const auto topic = LoadChecked(modLoadSave::ImportTopicCSV, QStringLiteral("input.csv"), data, size,
                                   modParameters::MaxOptions, modParameters::MaxAttributes);
    if (!topic)
        return 0;
    if (holdsQuote(*topic))
        return 0;

    topic->SetNormaliseWeights(false);
    modParameters::DisplayAsDecimal = size % 2 == 0;
    const QString exported = FuzzFile(QStringLiteral("exported.csv"), nullptr, 0);
    auto again = std::make_shared<VeltraneTopic>();
    percentageAnswer = vbNo; // the export marks its values: no question may be needed
    if (!modLoadSave::ExportTopicCSV(exported, *topic) || !modLoadSave::ImportTopicCSV(exported, again)
        || FuzzTopicSummary(*again) != FuzzTopicSummary(*topic))
        std::abort();
    return 0;
}
