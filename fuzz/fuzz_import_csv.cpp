// Imports arbitrary bytes as a CSV sheet, answering the percentage question by the input.
// An import must never crash; a failed import leaves the topic as it was; an imported
// topic keeps to the limits and ranges and survives being exported and imported again
// unchanged. So does a topic whose names and values are taken from the input itself:
// every topic the export writes reads back the same.
#include "FuzzSupport.h"
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "support/MsgBox.h"
#include "support/libmodGenericTextFunctions.h"

namespace {

int percentageAnswer = vbYes;

// The export must be read back as it was written, without any question.
void checkRoundTrip(const VeltraneTopic &topic, bool decimal)
{
    modParameters::DisplayAsDecimal = decimal;
    percentageAnswer = vbNo;
    const QString exported = FuzzFile(QStringLiteral("exported.csv"), nullptr, 0);
    auto again = std::make_shared<VeltraneTopic>();
    if (!modLoadSave::ExportTopicCSV(exported, topic) || !modLoadSave::ImportTopicCSV(exported, again)
        || FuzzTopicSummary(*again) != FuzzTopicSummary(topic))
        std::abort();
}

// A topic named by the input's text cut at NUL characters (title, attributes, options)
// and valued by its bytes. Names are trimmed and blank ones left at their defaults, as
// the import trims cells; an attribute named "Score:" is left out too, as the import
// reads it as the end of the names.
VeltraneTopic topicOfInput(const uint8_t *data, size_t size)
{
    VeltraneTopic topic;
    topic.SetRounding(3);
    topic.SetTotalAttributes(int16_t(1 + data[0] % modParameters::MaxAttributes));
    topic.SetTotalOptions(int16_t(1 + data[size / 2] % modParameters::MaxOptions));
    const QStringList names = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(u'\0');
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString name = TrimBlanks(names[i]);
        const auto attribute = int16_t(i - 1);
        const auto option = int16_t(i - 1 - topic.TotalAttributes());
        if (name.isEmpty())
            continue;
        if (i == 0)
            topic.SetTitle(name);
        else if (attribute < topic.TotalAttributes() && name.toLower() != u"score:")
            topic.SetAttributeName(attribute, name);
        else if (attribute >= topic.TotalAttributes() && option < topic.TotalOptions())
            topic.SetOptionName(option, name);
    }
    size_t next = 0;
    const auto value = [&] { return data[next++ % size] / 255.0; };
    for (int16_t a = 0; a < topic.TotalAttributes(); ++a)
        topic.pSetWeighting(a, value(), false);
    for (int16_t o = 0; o < topic.TotalOptions(); ++o) {
        for (int16_t a = 0; a < topic.TotalAttributes(); ++a)
            topic.SetRating(o, a, value());
    }
    return topic;
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
    if (size > 0)
        checkRoundTrip(topicOfInput(data, size), data[0] & 1);

    percentageAnswer = size > 0 && (data[size - 1] & 1) ? vbNo : vbYes;
    const auto topic = LoadChecked(modLoadSave::ImportTopicCSV, QStringLiteral("input.csv"), data, size,
                                   modParameters::MaxOptions, modParameters::MaxAttributes);
    if (!topic)
        return 0;
    topic->SetNormaliseWeights(false);
    checkRoundTrip(*topic, size % 2 == 0);
    return 0;
}
