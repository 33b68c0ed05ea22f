// SPDX-License-Identifier: GPL-3.0-or-later
#include "ComparePage.h"

#include "model/VeltraneTopic.h"
#include "model/WeightingMethods.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// How much more, by the intensity 2 to 9 of the scale.
const char *const Degrees[] = {"a little more",      "moderately more",  "moderately to strongly more",
                               "strongly more",      "strongly to very strongly more",
                               "very strongly more", "very strongly to far more", "far more"};

QString ratioText(double judgement)
{
    const QLocale locale;
    const auto figure = [&](double value) {
        return std::abs(value - std::round(value)) < 1e-9 ? locale.toString(qlonglong(std::llround(value)))
                                                          : locale.toString(value, 'f', 1);
    };
    return judgement >= 1 ? figure(judgement) + QStringLiteral(" : 1") : QStringLiteral("1 : ") + figure(1 / judgement);
}

// The judgements kept with the topic, or the ratios of the weightings as they stand, each
// at the nearest step of the scale.
QList<QList<double>> startingJudgements(const VeltraneTopic &topic)
{
    const WeightingMethodInputs &kept = topic.MethodInputs();
    if (kept.Kind == WeightingMethodInputs::Method::Compare)
        return kept.Judgements;
    const QList<double> shares = MethodPage::CurrentShares(topic);
    const qsizetype n = shares.size();
    QList<QList<double>> judgements(n, QList<double>(n, 1.0));
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = i + 1; j < n; ++j) {
            const double ratio = shares[j] == 0 ? (shares[i] == 0 ? 1 : 9) : shares[i] / shares[j];
            judgements[i][j] = ComparePage::JudgementAt(ComparePage::PositionOf(ratio));
            judgements[j][i] = 1 / judgements[i][j];
        }
    }
    return judgements;
}

} // namespace

ComparePage::ComparePage(const VeltraneTopic &topic, QWidget *parent) : MethodPage(parent)
{
    setObjectName(QStringLiteral("pageCompare"));
    m_names = AttributeNames(topic);
    m_judgements = startingJudgements(topic);

    auto *explanation = Explanation(
        QStringLiteral("Compare two attributes at a time: which of the two matters more, and how much more? "
                       "Move each slider towards the one that matters more."),
        this);
    lblConsistency = new QLabel(this);
    lblConsistency->setObjectName(QStringLiteral("lblConsistency"));
    lblConsistency->setWordWrap(true);
    lblConsistency->setTextFormat(Qt::PlainText);
    btnUseFitting = new QPushButton(QStringLiteral("&Use the value that fits"), this);
    btnUseFitting->setObjectName(QStringLiteral("btnUseFitting"));
    connect(btnUseFitting, &QPushButton::clicked, this, &ComparePage::UseFittingValue);

    auto *rows = new QWidget;
    rows->setObjectName(QStringLiteral("picPairRows"));
    auto *grid = new QGridLayout(rows);
    grid->setColumnStretch(1, 1);
    const qsizetype n = m_names.size();
    for (qsizetype i = 0; i < n; ++i) {
        for (qsizetype j = i + 1; j < n; ++j) {
            const int pair = int(m_pairs.size());
            m_pairs.emplace_back(int(i), int(j));
            auto *left = new QLabel(m_names[i], rows);
            left->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            auto *right = new QLabel(m_names[j], rows);
            auto *slider = new QSlider(Qt::Horizontal, rows);
            slider->setObjectName(QStringLiteral("sliderPair(%1)").arg(pair));
            slider->setRange(-FarMore, FarMore);
            slider->setPageStep(2);
            slider->setTickPosition(QSlider::TicksBelow);
            slider->setTickInterval(2);
            slider->setInvertedControls(false);
            slider->setAccessibleName(QStringLiteral("%1 against %2").arg(m_names[i], m_names[j]));
            slider->setValue(PositionOf(m_judgements[i][j]));
            left->setBuddy(slider);
            auto *words = new QLabel(rows);
            words->setObjectName(QStringLiteral("lblPair(%1)").arg(pair));
            words->setAlignment(Qt::AlignCenter);
            grid->addWidget(left, 2 * pair, 0);
            grid->addWidget(slider, 2 * pair, 1);
            grid->addWidget(right, 2 * pair, 2);
            grid->addWidget(words, 2 * pair + 1, 1);
            sliderPair.push_back(slider);
            lblPair.push_back(words);
            showJudgement(pair);
            connect(slider, &QSlider::valueChanged, this, [this, pair](int position) { SetPosition(pair, position); });
        }
    }
    grid->setRowStretch(2 * int(m_pairs.size()), 1);

    auto *scroll = new QScrollArea(this);
    scroll->setWidget(rows);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAccessibleName(QStringLiteral("Pairs of attributes"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(scroll, 1);
    layout->addWidget(lblConsistency);
    layout->addWidget(btnUseFitting, 0, Qt::AlignLeft);
    showConsistency();
}

WeightingMethodInputs ComparePage::Inputs() const
{
    WeightingMethodInputs inputs;
    inputs.Kind = WeightingMethodInputs::Method::Compare;
    inputs.Judgements = m_judgements;
    return inputs;
}

QString ComparePage::Problem() const
{
    return m_names.size() < 2 ? QStringLiteral("Comparing needs at least two attributes.") : QString();
}

void ComparePage::SetPosition(int pair, int position)
{
    if (pair < 0 || pair >= int(m_pairs.size()))
        return;
    const auto [i, j] = m_pairs[size_t(pair)];
    position = std::clamp(position, -FarMore, FarMore);
    // A kept judgement off the scale stays as it is until its slider moves.
    if (PositionOf(m_judgements[i][j]) == position && sliderPair[size_t(pair)]->value() == position)
        return;
    m_judgements[i][j] = JudgementAt(position);
    m_judgements[j][i] = 1 / m_judgements[i][j];
    const QSignalBlocker quiet(sliderPair[size_t(pair)]);
    sliderPair[size_t(pair)]->setValue(position);
    showJudgement(pair);
    showConsistency();
    emit Changed();
}

void ComparePage::UseFittingValue()
{
    if (m_worstPair >= 0)
        SetPosition(m_worstPair, PositionOf(m_fitting));
}

double ComparePage::JudgementAt(int position)
{
    position = std::clamp(position, -FarMore, FarMore);
    return position <= 0 ? double(1 - position) : 1 / double(1 + position);
}

int ComparePage::PositionOf(double judgement)
{
    if (!(judgement > 0))
        return 0;
    const double steps = judgement >= 1 ? -(judgement - 1) : 1 / judgement - 1;
    return std::clamp(int(std::lround(steps)), -FarMore, FarMore);
}

QString ComparePage::JudgementWords(double judgement, const QString &a, const QString &b)
{
    const int position = PositionOf(judgement);
    if (position == 0)
        return QStringLiteral("equal (%1)").arg(ratioText(judgement));
    const QString &more = position < 0 ? a : b;
    return QStringLiteral("%1 matters %2 (%3)")
        .arg(more, QLatin1String(Degrees[std::abs(position) - 1]), ratioText(judgement));
}

void ComparePage::showJudgement(int pair)
{
    const auto [i, j] = m_pairs[size_t(pair)];
    const QString words = JudgementWords(m_judgements[i][j], m_names[i], m_names[j]);
    lblPair[size_t(pair)]->setText(words);
    sliderPair[size_t(pair)]->setAccessibleDescription(words);
}

void ComparePage::showConsistency()
{
    m_worstPair = -1;
    if (m_names.size() < 2) {
        lblConsistency->setText(Problem());
        btnUseFitting->hide();
        return;
    }
    const PairwiseResult result = WeightingMethods::Pairwise(m_judgements);
    const QString ratio = QLocale().toString(result.ConsistencyRatio, 'f', 3);
    if (m_names.size() < 3) {
        lblConsistency->setText(QStringLiteral("Two attributes cannot contradict each other."));
    } else if (result.ConsistencyRatio <= WeightingMethods::AcceptableRatio) {
        lblConsistency->setText(
            QStringLiteral("Consistency ratio %1: the comparisons agree with each other well enough.").arg(ratio));
    } else {
        const int i = result.WorstRow;
        const int j = result.WorstColumn;
        for (size_t k = 0; k < m_pairs.size(); ++k)
            if (m_pairs[k] == std::pair(i, j))
                m_worstPair = int(k);
        m_fitting = result.Weights[i] / result.Weights[j];
        lblConsistency->setText(
            QStringLiteral("Consistency ratio %1: above 0.10, so some comparisons contradict each other. "
                           "%2 against %3 fits the others least: it says %4, where the others would give %5.")
                .arg(ratio, m_names[i], m_names[j], JudgementWords(m_judgements[i][j], m_names[i], m_names[j]),
                     JudgementWords(m_fitting, m_names[i], m_names[j])));
    }
    btnUseFitting->setVisible(m_worstPair >= 0);
}
