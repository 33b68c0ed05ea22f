// SPDX-License-Identifier: GPL-3.0-or-later
#include "RankPage.h"

#include "model/VeltraneTopic.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>

namespace {

constexpr int AttributeRole = Qt::UserRole;
constexpr int TiedRole = Qt::UserRole + 1;

// The ranks kept with the topic, or the order of the weightings as they stand (equal
// weightings tied).
QList<int> startingRanks(const VeltraneTopic &topic)
{
    const WeightingMethodInputs &kept = topic.MethodInputs();
    if (kept.Kind == WeightingMethodInputs::Method::Rank)
        return kept.Ranks;
    const QList<double> shares = MethodPage::CurrentShares(topic);
    QList<int> ranks;
    for (double share : shares) {
        QList<double> larger;
        for (double other : shares)
            if (other > share && !larger.contains(other))
                larger.append(other);
        ranks.append(int(larger.size()) + 1);
    }
    return ranks;
}

} // namespace

RankPage::RankPage(const VeltraneTopic &topic, QWidget *parent) : MethodPage(parent)
{
    setObjectName(QStringLiteral("pageRank"));
    m_names = AttributeNames(topic);

    auto *explanation = Explanation(
        QStringLiteral("Put the attributes in order of importance, the most important first: drag them, or "
                       "move the selected one with Alt+Up and Alt+Down. Two that matter equally can be tied."),
        this);

    lstRanks = new QListWidget(this);
    lstRanks->setObjectName(QStringLiteral("lstRanks"));
    lstRanks->setAccessibleName(QStringLiteral("Attributes, most important first"));
    lstRanks->setDragDropMode(QAbstractItemView::InternalMove);
    lstRanks->setDefaultDropAction(Qt::MoveAction);
    lstRanks->setSelectionMode(QAbstractItemView::SingleSelection);
    lstRanks->installEventFilter(this);

    const QList<int> ranks = startingRanks(topic);
    QList<int> order(ranks.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return ranks[a] < ranks[b]; });
    for (qsizetype place = 0; place < order.size(); ++place) {
        auto *item = new QListWidgetItem(lstRanks);
        item->setData(AttributeRole, order[place]);
        item->setData(TiedRole, place > 0 && ranks[order[place]] == ranks[order[place - 1]]);
    }

    btnMoveUp = new QPushButton(QStringLiteral("Move &up"), this);
    btnMoveUp->setObjectName(QStringLiteral("btnMoveUp"));
    btnMoveDown = new QPushButton(QStringLiteral("Move &down"), this);
    btnMoveDown->setObjectName(QStringLiteral("btnMoveDown"));
    chkTied = new QCheckBox(QStringLiteral("&Tied with the one above"), this);
    chkTied->setObjectName(QStringLiteral("chkTied"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnMoveUp);
    buttons->addWidget(btnMoveDown);
    buttons->addWidget(chkTied);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(lstRanks, 1);
    layout->addLayout(buttons);

    connect(btnMoveUp, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(btnMoveDown, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(chkTied, &QCheckBox::toggled, this, &RankPage::SetSelectedTied);
    connect(lstRanks, &QListWidget::currentRowChanged, this, &RankPage::followSelection);
    // A drop moves the row within the model.
    connect(lstRanks->model(), &QAbstractItemModel::rowsMoved, this, [this] {
        renumber();
        followSelection();
        emit Changed();
    });
    renumber();
    lstRanks->setCurrentRow(0);
}

WeightingMethodInputs RankPage::Inputs() const
{
    WeightingMethodInputs inputs;
    inputs.Kind = WeightingMethodInputs::Method::Rank;
    inputs.Ranks = QList<int>(lstRanks->count(), 1);
    int rank = 0;
    for (int row = 0; row < lstRanks->count(); ++row) {
        const QListWidgetItem *item = lstRanks->item(row);
        if (row == 0 || !item->data(TiedRole).toBool())
            ++rank;
        inputs.Ranks[item->data(AttributeRole).toInt()] = rank;
    }
    return inputs;
}

void RankPage::MoveSelected(int by)
{
    const int row = lstRanks->currentRow();
    const int target = row + by;
    if (row < 0 || target < 0 || target >= lstRanks->count())
        return;
    QListWidgetItem *item = lstRanks->takeItem(row);
    lstRanks->insertItem(target, item);
    lstRanks->setCurrentRow(target);
    renumber();
    followSelection();
    emit Changed();
}

void RankPage::SetSelectedTied(bool tied)
{
    QListWidgetItem *item = lstRanks->currentItem();
    if (m_renumbering || !item || lstRanks->currentRow() == 0 || item->data(TiedRole).toBool() == tied)
        return;
    item->setData(TiedRole, tied);
    renumber();
    emit Changed();
}

bool RankPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lstRanks && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::AltModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            MoveSelected(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return MethodPage::eventFilter(watched, event);
}

void RankPage::renumber()
{
    const WeightingMethodInputs inputs = Inputs();
    for (int row = 0; row < lstRanks->count(); ++row) {
        QListWidgetItem *item = lstRanks->item(row);
        const int attribute = item->data(AttributeRole).toInt();
        const bool tied = row > 0 && item->data(TiedRole).toBool();
        item->setText(QStringLiteral("%1.  %2%3")
                          .arg(inputs.Ranks[attribute])
                          .arg(m_names.value(attribute),
                               tied ? QStringLiteral("  (tied with the one above)") : QString()));
    }
}

void RankPage::followSelection()
{
    const int row = lstRanks->currentRow();
    btnMoveUp->setEnabled(row > 0);
    btnMoveDown->setEnabled(row >= 0 && row + 1 < lstRanks->count());
    m_renumbering = true;
    chkTied->setEnabled(row > 0);
    chkTied->setChecked(row > 0 && lstRanks->item(row)->data(TiedRole).toBool());
    m_renumbering = false;
}
