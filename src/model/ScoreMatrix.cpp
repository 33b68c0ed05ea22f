// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScoreMatrix.h"

#include "VeltraneTopic.h"

ScoreMatrix ScoreMatrix::Of(const VeltraneTopic &topic)
{
    ScoreMatrix m;
    m.Attributes = int(topic.m_attributes.size());
    m.Options = int(topic.m_options.size());
    m.Invert = topic.m_invertWeights;
    m.Stored.resize(m.Attributes);
    m.Against.resize(m.Attributes);
    for (int a = 0; a < m.Attributes; ++a) {
        m.Stored[a] = m.Attributes == 1 ? 1.0 : topic.m_attributes[a].Weighting;
        m.Against[a] = topic.m_attributes[a].LowerBetter;
    }
    m.Rating.resize(qsizetype(m.Options) * m.Attributes);
    for (int o = 0; o < m.Options; ++o) {
        for (int a = 0; a < m.Attributes; ++a)
            m.Rating[o * m.Attributes + a] = topic.m_options[o].Ratings[a];
    }
    m.Normalise();
    return m;
}

void ScoreMatrix::Normalise()
{
    double sum = 0;
    for (double stored : Stored)
        sum += stored;
    Weight.resize(Attributes);
    for (int a = 0; a < Attributes; ++a)
        Weight[a] = VeltraneTopic::NormalisedShare(Stored[a], sum, Attributes);
}

double ScoreMatrix::Score(int option) const
{
    double score = 0;
    for (int a = 0; a < Attributes; ++a)
        score += Share(option, a);
    return score;
}
