#include "ScriptedRun.h"

#include "app/ProgramSettings.h"
#include "io/modLoadSave.h"
#include "io/modLoadSaveCSV.h"
#include "io/modParameters.h"
#include "model/DecisionSummary.h"
#include "model/TopicConfidence.h"
#include "model/VeltraneTopic.h"
#include "support/MsgBox.h"
#include "support/NumberText.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <memory>

namespace ScriptedRun {

namespace {

struct Arguments
{
    Command command = Command::None;
    bool json = false;
    QStringList files;
};

Arguments parse(const QStringList &arguments)
{
    Arguments parsed;
    for (const QString &argument : arguments) {
        const Command command = Requested({argument});
        if (command != Command::None)
            parsed.command = command;
        else if (argument == QLatin1String("--json"))
            parsed.json = true;
        else
            parsed.files << argument;
    }
    return parsed;
}

// A usage error: a second command, an unknown switch, the wrong number of files.
bool makesSense(const Arguments &parsed, const QStringList &arguments)
{
    const int commands = int(std::count_if(arguments.begin(), arguments.end(),
                                           [](const QString &argument) { return Requested({argument}) != Command::None; }));
    if (commands != 1)
        return false;
    for (const QString &file : parsed.files) {
        if (file.startsWith(u'-'))
            return false;
    }
    if (parsed.json && parsed.command != Command::Scores)
        return false;
    return parsed.files.size() == (parsed.command == Command::Scores ? 1 : 2);
}

QTextStream &errors()
{
    static QTextStream stream(stderr);
    return stream;
}

// The words of a message box, on standard error; a yes/no question is answered Yes (the
// importer's question whether numbers above 1 are percentages) and says so.
int printMessage(const QString &prompt, int buttons)
{
    QString text = prompt;
    text.replace(u'\r', u'\n');
    const bool question = (buttons & 7) == vbYesNo || (buttons & 7) == vbYesNoCancel;
    errors() << "veltrane: " << text << (question ? QStringLiteral(" Yes.") : QString()) << '\n';
    errors().flush();
    return question ? vbYes : vbOK;
}

QString number3(double value)
{
    return FixedNumberText(value, 3, QLocale::c());
}

// A share of draws in percent with one place; a share that would round to 0 or 100
// without being it says so, so that an unlikely outcome never reads as an impossible one.
QString chanceText(double share)
{
    if (share > 0 && share < 0.0005)
        return QStringLiteral("<0.1%");
    if (share >= 0.9995 && share < 1)
        return QStringLiteral(">99.9%");
    return FixedNumberText(share * 100, 1, QLocale::c()) + u'%';
}

// A topic file, or a CSV file the importer reads, by the rule the Open dialog uses.
std::shared_ptr<VeltraneTopic> loadTopic(const QString &fileName)
{
    std::shared_ptr<VeltraneTopic> topic = modParameters::CurrentTopic;
    const QString path = QFileInfo(fileName).absoluteFilePath();
    return modLoadSave::OpenTopicFile(path, topic) ? topic : nullptr;
}

// The same file under two names (a link, "./"), or the same name.
bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

void readDisplaySettings()
{
    ProgramSettings::ReadDisplaySettings();
    modParameters::CurrentTopic = std::make_shared<VeltraneTopic>();
    modParameters::CurrentTopic->SetNormaliseWeights(ProgramSettings::ReadNormaliseWeights());
}

} // namespace

Command Requested(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--scores"))
            return Command::Scores;
        if (argument == QLatin1String("--export"))
            return Command::Export;
        if (argument == QLatin1String("--report"))
            return Command::Report;
    }
    return Command::None;
}

QString UsageText()
{
    return QStringLiteral("Usage: veltrane [TOPIC.vtp]\n"
                          "       veltrane /uninstall\n"
                          "       veltrane --scores TOPIC [--json]\n"
                          "       veltrane --export TOPIC OUT.csv\n"
                          "       veltrane --report TOPIC OUT.pdf\n"
                          "       veltrane --help | --version\n");
}

int Run(const QStringList &arguments, const ReportWriter &writeReport)
{
    const Arguments parsed = parse(arguments);
    if (!makesSense(parsed, arguments)) {
        errors() << UsageText();
        errors().flush();
        return ExitUsage;
    }
    SetMsgBoxHandler([](const QString &prompt, int buttons, const QString &) { return printMessage(prompt, buttons); });

    if (parsed.command != Command::Scores) {
        if (sameFile(parsed.files[0], parsed.files[1])) {
            printMessage(QStringLiteral("An error occurred whilst saving the file!\r\r"
                                        "The output would replace the topic it is made from: ")
                             + parsed.files[1],
                         vbCritical);
            return ExitFailed;
        }
        // A save goes through a new file renamed over the old one: over a device or a
        // folder that would replace it rather than write to it.
        const QFileInfo target(parsed.files[1]);
        if (target.exists() && !target.isFile()) {
            printMessage(QStringLiteral("An error occurred whilst saving the file!\r\r"
                                        "Not an ordinary file: ")
                             + parsed.files[1],
                         vbCritical);
            return ExitFailed;
        }
        readDisplaySettings();
    }
    const std::shared_ptr<VeltraneTopic> topic = loadTopic(parsed.files[0]);
    if (!topic)
        return ExitFailed;

    const QString output = parsed.command == Command::Scores ? QString() : QFileInfo(parsed.files[1]).absoluteFilePath();
    switch (parsed.command) {
    case Command::Scores: {
        QTextStream out(stdout);
        out << (parsed.json ? ScoresJson(*topic) : ScoresText(*topic));
        out.flush();
        return ExitOk;
    }
    case Command::Export:
        return modLoadSave::ExportTopicCSV(output, *topic) ? ExitOk : ExitFailed;
    case Command::Report:
        modParameters::CurrentTopic = topic;
        return writeReport && writeReport(output, *topic) ? ExitOk : ExitFailed;
    case Command::None:
        break;
    }
    return ExitUsage;
}

QString ScoresText(const VeltraneTopic &topic)
{
    const DecisionSummary summary = DecisionSummaries::Summarise(topic);
    const Confidence chances = TopicConfidence::Simulate(topic, TopicConfidence::ShownDraws, TopicConfidence::SeedOf(topic));

    const QStringList heading{QStringLiteral("Place"), QStringLiteral("Option"), QStringLiteral("Score"),
                              QStringLiteral("Best in")};
    QList<QStringList> rows{heading};
    for (const int16_t option : summary.Order) {
        rows << QStringList{QString::number(summary.Place(option)), topic.GetOptionName(option),
                            number3(topic.GetScore(option)),
                            chanceText(chances.Best[option])};
    }
    QList<qsizetype> widths(heading.size(), 0);
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());

    QString text = topic.Title() + u'\n' + u'\n';
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c) {
            // Numbers to the right, names to the left.
            const bool numeric = c != 1;
            const QString cell = numeric ? row[c].rightJustified(widths[c]) : row[c].leftJustified(widths[c]);
            line += (c ? QStringLiteral("  ") : QString()) + cell;
        }
        text += line + u'\n';
    }
    text += u'\n' + DecisionSummaries::ClosestChangeSentence(topic, summary.Closest, number3) + u'\n';
    text += QStringLiteral("Chances of being best from %1 draws, every rating within \u00B1%2 and every weighting within \u00B1%3.\n")
                .arg(chances.Draws)
                .arg(NumberToText(topic.RatingSpread(), QLocale::c()), NumberToText(topic.WeightingSpread(), QLocale::c()));
    return text;
}

QString ScoresJson(const VeltraneTopic &topic)
{
    const DecisionSummary summary = DecisionSummaries::Summarise(topic);
    const Confidence chances = TopicConfidence::Simulate(topic, TopicConfidence::ShownDraws, TopicConfidence::SeedOf(topic));

    QJsonArray options;
    for (int16_t option = 0; option < topic.TotalOptions(); ++option) {
        options.append(QJsonObject{{QStringLiteral("name"), topic.GetOptionName(option)},
                                   {QStringLiteral("score"), topic.GetScore(option)},
                                   {QStringLiteral("place"), summary.Place(option)},
                                   {QStringLiteral("chanceBest"), chances.Best[option]}});
    }
    QJsonValue closest;
    if (summary.Closest) {
        const SliderChange &change = *summary.Closest;
        QJsonObject object{{QStringLiteral("slider"), change.IsWeighting ? QStringLiteral("weighting") : QStringLiteral("rating")},
                           {QStringLiteral("attribute"), topic.GetAttributeName(change.AttributeID)},
                           {QStringLiteral("from"), change.From},
                           {QStringLiteral("to"), change.To},
                           {QStringLiteral("newBest"), topic.GetOptionName(change.NewLeader)}};
        if (!change.IsWeighting)
            object.insert(QStringLiteral("option"), topic.GetOptionName(change.OptionID));
        closest = object;
    }
    const QJsonObject root{{QStringLiteral("title"), topic.Title()},
                           {QStringLiteral("best"), topic.GetOptionName(summary.Leader)},
                           {QStringLiteral("options"), options},
                           {QStringLiteral("closestChange"), closest},
                           {QStringLiteral("draws"), chances.Draws},
                           {QStringLiteral("ratingSpread"), topic.RatingSpread()},
                           {QStringLiteral("weightingSpread"), topic.WeightingSpread()}};
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

} // namespace ScriptedRun
