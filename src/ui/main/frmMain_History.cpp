// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo in the main window: which user actions make one step, the keys and the
// background menu that take steps back and forward, and the refresh that shows a restored
// state the way the change itself was shown.
#include "frmMain.h"

#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "ui/main/MeterSlider.h"
#include "ui/main/RecentTopicsMenu.h"
#include "ui/support/VLabel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

using namespace modParameters;

namespace {

// Quick key moves on one slider, each within this time of the one before, are one step.
constexpr qint64 KeyMergeMilliseconds = 1000;
constexpr int MaxNameInStep = 30;

// Menu texts would take "&" for the mark of a shortcut letter.
QString menuText(const QString &verb, const QString &description)
{
    QString text = description.isEmpty() ? verb : verb + u' ' + description;
    return text.replace(u'&', QStringLiteral("&&"));
}

} // namespace

QString frmMain::QuotedName(const QString &Name)
{
    const QString shown = Name.size() > MaxNameInStep ? Name.left(MaxNameInStep - 1) + QChar(0x2026) : Name;
    return u'"' + shown + u'"';
}

void frmMain::ResetHistory()
{
    Document.Reset();
    KeyMoveSlider.clear();
}

void frmMain::RecordStep(const QString &Description, const QString &MergeKey)
{
    if (IsLoading || !CurrentTopic)
        return;
    Document.Record(Description, MergeKey);
}

QString frmMain::WeightingStep(int16_t AttributeID) const
{
    return QStringLiteral("Change Weighting of ") + QuotedName(CurrentTopic->GetAttributeName(AttributeID));
}

QString frmMain::RatingStep(int16_t Index) const
{
    const int16_t option = GetOptionIDFromIndex(Index);
    const int16_t attribute = GetAttributeIDFromIndex(Index);
    return QStringLiteral("Change Rating of ") + QuotedName(CurrentTopic->GetOptionName(option))
           + QStringLiteral(" on ") + QuotedName(CurrentTopic->GetAttributeName(attribute));
}

void frmMain::SliderAdjustmentEnded(bool Weighting, int16_t Index, bool ByKey)
{
    const VeltraneTopic &topic = *CurrentTopic;
    if (Index >= (Weighting ? topic.TotalAttributes() : int16_t(topic.TotalOptions() * topic.TotalAttributes())))
        return;
    QString mergeKey;
    if (ByKey) {
        const QString slider = (Weighting ? sliderWeighting : sliderRating)[Index]->objectName();
        if (slider != KeyMoveSlider || !KeyMoveClock.isValid() || KeyMoveClock.elapsed() > KeyMergeMilliseconds)
            ++KeyMoveBurst;
        KeyMoveSlider = slider;
        KeyMoveClock.start();
        mergeKey = slider + u'#' + QString::number(KeyMoveBurst);
    }
    RecordStep(Weighting ? WeightingStep(Index) : RatingStep(Index), mergeKey);
}

void frmMain::NoteSaved()
{
    Document.NoteSaved();
}

void frmMain::Undo()
{
    if (InHistoryStep || QApplication::activeModalWidget() || !CurrentTopic)
        return;
    const int16_t attributes = CurrentTopic->TotalAttributes();
    const int16_t options = CurrentTopic->TotalOptions();
    if (Document.Undo())
        ShowRestoredState(attributes, options);
}

void frmMain::Redo()
{
    if (InHistoryStep || QApplication::activeModalWidget() || !CurrentTopic)
        return;
    const int16_t attributes = CurrentTopic->TotalAttributes();
    const int16_t options = CurrentTopic->TotalOptions();
    if (Document.Redo())
        ShowRestoredState(attributes, options);
}

void frmMain::ShowRestoredState(int16_t AttributesBefore, int16_t OptionsBefore)
{
    InHistoryStep = true;
    // The remove buttons stood beside a name that may no longer be there.
    HighlightControl(nullptr, HighlightPlain);
    if (CurrentTopic->TotalAttributes() != AttributesBefore || CurrentTopic->TotalOptions() != OptionsBefore) {
        UpdateSliderArrays(false);
    } else {
        // The names through their labels, as an edit would, then every value.
        for (int16_t j = 0; j < CurrentTopic->TotalAttributes(); ++j)
            lblAttribute[j]->SetCaption(CurrentTopic->GetAttributeName(j));
        for (int16_t i = 0; i < CurrentTopic->TotalOptions(); ++i)
            lblOption[i]->SetCaption(CurrentTopic->GetOptionName(i));
        UpdateSettings();
    }
    Document.FollowHistory();
    KeyMoveSlider.clear();
    InHistoryStep = false;
}

void frmMain::contextMenuEvent(QContextMenuEvent *event)
{
    if (QApplication::activeModalWidget())
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuHistory"));
    QAction *undo = menu.addAction(menuText(QStringLiteral("Undo"), History.UndoDescription()), this, &frmMain::Undo);
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setEnabled(History.CanUndo());
    QAction *redo = menu.addAction(menuText(QStringLiteral("Redo"), History.RedoDescription()), this, &frmMain::Redo);
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    redo->setEnabled(History.CanRedo());
    menu.addSeparator();
    QAction *notes = menu.addAction(QStringLiteral("Notes\u2026"), this, &frmMain::EditNotes);
    notes->setObjectName(QStringLiteral("mnuNotes"));
    notes->setShortcut(QKeySequence(Qt::Key_F4));
    // The keys are the window's (Form_KeyDown); the menu only shows them.
    for (QAction *action : {undo, redo, notes})
        action->setShortcutContext(Qt::WidgetShortcut);
    menu.addSeparator();
    QMenu *recent = menu.addMenu(QStringLiteral("Recent Topics"));
    recent->setObjectName(QStringLiteral("mnuRecentTopics"));
    FillRecentTopicsMenu(*recent, [this](const QString &file) { OpenRecentTopic(file); });
    menu.exec(event->globalPos());
    event->accept();
}
