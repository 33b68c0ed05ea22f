// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AnalysisView.h"
#include "FramePacer.h"

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <cstdint>

// Why each option scores as it does: one bar per option, as long as its score (the full
// width is a score of 1), split into each attribute's share (normalised weighting times
// rating) in that attribute's colour. The best option's row is laid on gold; a legend
// names the attributes with their normalised weightings, and a segment's tooltip gives
// its arithmetic.
class ContributionChart : public QWidget, public AnalysisView
{
    Q_OBJECT

public:
    explicit ContributionChart(QWidget *parent = nullptr);

    void Refresh(const VeltraneTopic &topic) override;
    QWidget &Widget() override { return *this; }

    // What is drawn, for the tests: per option, its shares in attribute order.
    QList<QList<double>> Shares() const { return m_shares; }
    int16_t Leader() const { return m_leader; }
    // Whether the option is marked as sharing the lead (all options level as shown are).
    bool SharesLead(int16_t option) const { return m_leads.value(option); }
    // The text a tooltip shows at that point, empty where there is no segment.
    QString ToolTipAt(QPointF point) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    struct Segment
    {
        QRectF place;
        int16_t option = -1;
        int16_t attribute = -1;
    };

    QList<Segment> layoutSegments() const;
    QRectF barArea() const;
    QRectF rowRect(int option) const;

    QList<QString> m_optionNames;
    QList<QString> m_attributeNames;
    QList<double> m_weightings; // normalised, unrounded
    QList<QList<double>> m_shares;
    QList<QList<double>> m_ratings;
    QList<double> m_scores;
    QList<bool> m_reversed; // per attribute: its ratings count as 1 - r
    int16_t m_leader = -1;
    QList<bool> m_leads; // per option: it shares the lead as the main window shows it
    FramePacer *m_pacer = new FramePacer(this);
};
