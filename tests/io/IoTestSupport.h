#pragma once

#include "FileDialogRecorder.h"
#include "FileSizeLimit.h"
#include "MsgBoxRecorder.h"
#include "ProgramState.h"
#include "TestFiles.h"
#include "io/WindowHooks.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QLocale>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failure output for texts.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// A folder of scratch files that disappears with the test.
class ScratchFolder
{
public:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        const QString target = path(name);
        EXPECT_TRUE(WriteFileBytes(target, bytes));
        return target;
    }

    static QByteArray read(const QString &target) { return FileBytes(target); }

private:
    QTemporaryDir m_dir;
};

// The worked example: "Choosing a car", Price 0.5 and Quality 0.25, Car A rated 0.8 and
// 0.4, Car B 0.3 and 0.9, as the program builds it (rounding to 3 places).
inline std::shared_ptr<VeltraneTopic> CarTopic()
{
    auto topic = std::make_shared<VeltraneTopic>();
    topic->SetRounding(3);
    topic->SetTitle(QStringLiteral("Choosing a car"));
    topic->SetTotalAttributes(2);
    topic->SetTotalOptions(2);
    topic->SetAttributeName(0, QStringLiteral("Price"));
    topic->SetAttributeName(1, QStringLiteral("Quality"));
    topic->SetWeighting(0, 0.5);
    topic->SetWeighting(1, 0.25);
    topic->SetOptionName(0, QStringLiteral("Car A"));
    topic->SetOptionName(1, QStringLiteral("Car B"));
    topic->SetRating(0, 0, 0.8);
    topic->SetRating(0, 1, 0.4);
    topic->SetRating(1, 0, 0.3);
    topic->SetRating(1, 1, 0.9);
    return topic;
}

// The names, weightings and ratings of a topic as one comparable text.
inline QString TopicSummary(const VeltraneTopic &topic)
{
    QStringList parts{topic.Title(), topic.InvertWeights() ? QStringLiteral("inverted") : QString()};
    for (int16_t a = 0; a < topic.TotalAttributes(); ++a)
        parts << topic.GetAttributeName(a) + '=' + QString::number(topic.GetWeighting(a));
    for (int16_t o = 0; o < topic.TotalOptions(); ++o) {
        QString line = topic.GetOptionName(o) + ':';
        for (int16_t a = 0; a < topic.TotalAttributes(); ++a)
            line += ' ' + QString::number(topic.GetRating(o, a));
        parts << line;
    }
    return parts.join(QStringLiteral(" | "));
}

// Program state that a test changes and must give back, and the C locale meanwhile.
class ParametersGuard
{
public:
    ParametersGuard() { QLocale::setDefault(QLocale::c()); }
    ~ParametersGuard() { QLocale::setDefault(m_locale); }

private:
    QLocale m_locale;
    ProgramState m_state;
};
