// In-place editing: one edit box opened over the clicked label; its text becomes the
// label's caption when the edit ends, and Tab / Shift+Tab carry the edit on to the next or
// previous label of the same array.
#include "frmMain.h"

#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/VeltraneError.h"
#include "ui/main/ControlArray.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/main/ShapeControl.h"
#include "ui/support/VLabel.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>

#include <algorithm>

using namespace modParameters;

namespace {

// Focus that leaves with the window's deactivation or a context menu is not the end of
// an edit: the person comes back to the same edit.
bool isRealFocusChange(const QEvent *event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

// Routes the events of the edit box, the three focus catchers and the window itself to
// the window's handlers, leaving the window's own event filter to its other duties.
class frmMain::EditEvents : public QObject
{
public:
    explicit EditEvents(frmMain &window) : QObject(&window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        frmMain &w = m_window;
        const QEvent::Type type = event->type();
        if (watched == &w) {
            if (type == QEvent::MouseButtonPress)
                w.Form_Click();
            return false;
        }
        if (watched == w.txtEditBox) {
            if (type == QEvent::KeyPress)
                return w.txtEditBox_KeyPress(static_cast<QKeyEvent *>(event));
            if (type == QEvent::FocusOut && isRealFocusChange(event))
                w.txtEditBox_LostFocus();
            return false;
        }
        if (type != QEvent::FocusIn || !isRealFocusChange(event))
            return false;
        if (watched == w.txtHiddenButton)
            w.txtHiddenButton_GotFocus();
        else if (watched == w.txtTabDetectorForward)
            w.txtTabDetectorForward_GotFocus();
        else if (watched == w.txtTabDetectorBack)
            w.txtTabDetectorBack_GotFocus();
        return false;
    }

private:
    frmMain &m_window;
};

// Text that arrives other than by a typed key (pasted, dropped, the selection pasted with
// the middle button) passes the key filter character by character, as if typed; what the
// filter refuses is taken out again at once. Text the window puts into the box itself is
// not an edit and is left alone.
class frmMain::EditFilter : public QObject
{
public:
    explicit EditFilter(frmMain &window) : QObject(&window), m_window(window)
    {
        QLineEdit *box = window.txtEditBox;
        connect(box, &QLineEdit::textChanged, this, [this, box] { m_last = box->text(); });
        connect(box, &QLineEdit::textEdited, this, [this, box] { filter(*box); });
    }

private:
    void filter(QLineEdit &box)
    {
        const QString input = box.text();
        // The part between the common beginning and end is what arrived.
        const qsizetype most = std::min(input.size(), m_last.size());
        qsizetype head = 0;
        while (head < most && input.at(head) == m_last.at(head))
            ++head;
        qsizetype tail = 0;
        while (tail < most - head && input.at(input.size() - 1 - tail) == m_last.at(m_last.size() - 1 - tail))
            ++tail;
        const QString arrived = input.mid(head, input.size() - head - tail);
        QString remaining = m_last.left(head) + m_last.right(tail);
        QString kept;
        for (const QChar c : arrived) {
            if (frmMain::AcceptsEditCharacter(m_window.EditKind, remaining, c)) {
                kept += c;
                remaining += c;
            }
        }
        if (kept.size() == arrived.size())
            return;
        box.setText(m_last.left(head) + kept + m_last.right(tail));
        box.setCursorPosition(int(head + kept.size()));
    }

    frmMain &m_window;
    QString m_last;
};

void frmMain::InitEditing()
{
    auto *events = new EditEvents(*this);
    for (QObject *watched : {static_cast<QObject *>(this), static_cast<QObject *>(txtEditBox),
                             static_cast<QObject *>(txtHiddenButton), static_cast<QObject *>(txtTabDetectorForward),
                             static_cast<QObject *>(txtTabDetectorBack)})
        watched->installEventFilter(events);
    // The catchers only take the focus; nothing typed into them is kept.
    for (QLineEdit *catcher : {txtHiddenButton, txtTabDetectorForward, txtTabDetectorBack})
        catcher->setReadOnly(true);
    connect(tmrTabFixer, &QTimer::timeout, this, &frmMain::tmrTabFixer_Timer);
    new EditFilter(*this);
}

void frmMain::lblTitle_Click()
{
    BeginEdit(lblTitle, EditText, CurrentTopic->Title());
}

void frmMain::lblOption_Click(int16_t Index)
{
    BeginEdit(lblOption[Index], EditText, CurrentTopic->GetOptionName(Index));
}

void frmMain::lblAttribute_Click(int16_t Index)
{
    BeginEdit(lblAttribute[Index], EditText, CurrentTopic->GetAttributeName(Index));
}

void frmMain::lblWeighting_Click(int16_t Index)
{
    BeginEdit(lblWeighting[Index], EditNumber);
}

void frmMain::lblRating_Click(int16_t Index)
{
    BeginEdit(lblRating[Index], EditNumber);
}

void frmMain::BeginEdit(VLabel *Label, int16_t Kind, const std::optional<QString> &InitialText)
{
    if (!txtEditBox->isHidden())
        CommitEditText();
    EditLabel = Label;
    // Tab walks a row across measured and unmeasured cells: each takes its own kind of number.
    EditKind = Kind == EditText ? EditText : NumberEditKind(*Label);

    QFont font = Label->font();
    font.setPointSizeF(font.pointSizeF() - 1);
    txtEditBox->setFont(font);
    txtEditBox->setAlignment(Label->alignment() & Qt::AlignHorizontal_Mask);

    // The highlight frame is larger than its label and makes room for the box; it counts
    // only while it frames this label (after a Tab it may frame the one under the mouse).
    const bool framed = !shpHighlight->isHidden() && HighlightTarget == Label;
    txtEditBox->setGeometry(framed ? shpHighlight->geometry() : Label->geometry());
    EditStartText = InitialText.value_or(Label->Caption());
    txtEditBox->setText(EditStartText);

    txtEditBox->show();
    txtEditBox->raise();
    txtEditBox->setFocus(Qt::OtherFocusReason);
    txtEditBox->selectAll();
    EditJustEnded = false;
    HighlightControl(nullptr, HighlightPlain);
}

bool frmMain::txtEditBox_KeyPress(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Tab:
        if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier)
            return false;
        (modifiers == Qt::ShiftModifier ? txtTabDetectorBack : txtTabDetectorForward)->setFocus(Qt::TabFocusReason);
        return true;
    case Qt::Key_Backtab:
        txtTabDetectorBack->setFocus(Qt::BacktabFocusReason);
        return true;
    case Qt::Key_Escape:
        if (EditLabel)
            txtEditBox->setText(EditLabel->Caption());
        txtHiddenButton->setFocus(Qt::OtherFocusReason);
        txtEditBox->hide();
        EndKeyboardEdit();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        txtHiddenButton->setFocus(Qt::OtherFocusReason);
        EndKeyboardEdit();
        return true;
    case Qt::Key_Backspace:
        return false;
    default:
        break;
    }
    const QString typed = event->text();
    // Keys without a printable character (arrows, Delete, Home, Ctrl+A, ...) edit as usual.
    if (typed.isEmpty() || !typed.at(0).isPrint() || (modifiers & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    return !AcceptsEditCharacter(typed.at(0));
}

int16_t frmMain::NumberEditKind(const VLabel &Label) const
{
    const VeltraneTopic &topic = *CurrentTopic;
    const std::optional<int16_t> index = ControlArrayIndex(Label);
    const bool measured = index && ControlArrayName(Label) == QLatin1String("lblRating")
                          && *index < topic.TotalOptions() * topic.TotalAttributes()
                          && topic.HasScale(GetAttributeIDFromIndex(*index));
    return measured ? EditMeasure : EditNumber;
}

// The key filter: what the box would hold without its selection decides.
bool frmMain::AcceptsEditCharacter(QChar typed) const
{
    QString remaining = txtEditBox->text();
    if (txtEditBox->hasSelectedText())
        remaining.remove(txtEditBox->selectionStart(), txtEditBox->selectedText().size());
    return AcceptsEditCharacter(EditKind, remaining, typed);
}

// A comma can mean nothing else in a number, so it is a decimal separator in every
// locale, like "." and the locale's own; a number holds one of them at most. A measured
// value is read as a whole when it is committed, so any character may go into it.
bool frmMain::AcceptsEditCharacter(int16_t kind, const QString &remaining, QChar typed)
{
    const bool roomLeft = remaining.size() < MaxEditLength;
    if (typed.isDigit() && typed.unicode() < 128)
        return roomLeft;
    if (kind != EditNumber)
        return roomLeft;
    const QString separator = QLocale().decimalPoint();
    auto isPoint = [&separator](QChar c) { return c == u'.' || c == u',' || QString(c) == separator; };
    if (!isPoint(typed))
        return false;
    return std::none_of(remaining.begin(), remaining.end(), isPoint) && roomLeft;
}

// An edit left as it was opened stands for the whole text it started from, even one longer
// than the box holds.
QString frmMain::OpenEditText() const
{
    const QString text = txtEditBox->text();
    return text == EditStartText.left(txtEditBox->maxLength()) ? EditStartText : text;
}

// Writes the box's text into the edited label, whose change handling stores it. An
// empty text, and in a number edit a text that is no number, leaves the label as it was.
void frmMain::CommitEditText()
{
    const QString text = OpenEditText();
    if (text.isEmpty() || !EditLabel)
        return;
    if (EditKind == EditNumber) {
        try {
            if (NormaliseNumericInput(text) < 0)
                return;
        } catch (const VeltraneError &) {
            return;
        }
    }
    const QString step = EditStep(*EditLabel, text);
    EditLabel->SetCaption(text);
    RecordStep(step);
}

// What committing text into the label does, in the words of the undo menu.
QString frmMain::EditStep(const VLabel &label, const QString &text) const
{
    const VeltraneTopic &topic = *CurrentTopic;
    if (&label == lblTitle)
        return QStringLiteral("Change Title to ") + QuotedName(text);
    const std::optional<int16_t> index = ControlArrayIndex(label);
    const QString array = ControlArrayName(label);
    if (!index)
        return QStringLiteral("Edit");
    if (array == QLatin1String("lblOption") && *index < topic.TotalOptions())
        return QStringLiteral("Rename Option ") + QuotedName(topic.GetOptionName(*index)) + QStringLiteral(" to ")
               + QuotedName(text);
    if (array == QLatin1String("lblAttribute") && *index < topic.TotalAttributes())
        return QStringLiteral("Rename Attribute ") + QuotedName(topic.GetAttributeName(*index))
               + QStringLiteral(" to ") + QuotedName(text);
    if (array == QLatin1String("lblWeighting") && *index < topic.TotalAttributes())
        return WeightingStep(*index);
    if (array == QLatin1String("lblRating") && *index < topic.TotalOptions() * topic.TotalAttributes())
        return RatingStep(*index);
    return QStringLiteral("Edit");
}

void frmMain::txtEditBox_LostFocus()
{
    if (txtEditBox->isHidden())
        return;
    CommitEditText();
    txtEditBox->hide();
    EditJustEnded = true;
    tmrTabFixer->start();
}

void frmMain::CommitOpenEdit()
{
    if (txtEditBox->isHidden())
        return;
    txtEditBox_LostFocus();
    EditJustEnded = false;
    txtHiddenButton->setFocus(Qt::OtherFocusReason);
}

void frmMain::txtHiddenButton_GotFocus()
{
    EditJustEnded = false;
}

void frmMain::txtTabDetectorForward_GotFocus()
{
    if (EditJustEnded)
        JumpToTabOffset(+1);
}

void frmMain::txtTabDetectorBack_GotFocus()
{
    if (EditJustEnded)
        JumpToTabOffset(-1);
}

void frmMain::tmrTabFixer_Timer()
{
    EditJustEnded = false;
    tmrTabFixer->stop();
}

void frmMain::Form_Click()
{
    txtHiddenButton->setFocus(Qt::MouseFocusReason);
}

void frmMain::JumpToTabOffset(int16_t Offset)
{
    EditJustEnded = false;
    if (!EditLabel)
        return;
    const std::optional<int16_t> index = ControlArrayIndex(*EditLabel);
    if (!index)
        return;
    const std::vector<VLabel *> *array = EditArrayOf(*EditLabel);
    if (!array || array->empty())
        return;
    const int highest = int(array->size()) - 1;
    int target = *index + Offset;
    if (target > highest)
        target = 0;
    else if (target < 0)
        target = highest;
    VLabel *next = (*array)[target];
    if (next->Tag().isEmpty())
        BeginEdit(next, EditKind);
    else
        BeginEdit(next, EditKind, next->Tag());
}

const std::vector<VLabel *> *frmMain::EditArrayOf(const VLabel &label) const
{
    const QString name = ControlArrayName(label);
    for (const std::vector<VLabel *> *array : {&lblOption, &lblAttribute, &lblWeighting, &lblRating}) {
        if (!array->empty() && ControlArrayName(*array->front()) == name)
            return array;
    }
    return nullptr;
}

void frmMain::WireKeyboardEdit(VLabel *label, const std::function<void()> &edit, int16_t kind)
{
    label->setFocusPolicy(Qt::TabFocus);
    connect(label, &VLabel::Click, this, [this] { EditFromKeyboard = false; });
    connect(label, &VLabel::EditKey, this, [this, edit] {
        edit();
        EditFromKeyboard = true;
    });
    if (kind == HighlightOption)
        connect(label, &VLabel::DeleteKey, this, [this, label] { RemoveOption(label); });
    else if (kind == HighlightAttribute)
        connect(label, &VLabel::DeleteKey, this, [this, label] { RemoveAttribute(label); });
}

// The edit has ended and the focus rests on the hidden catcher; an edit begun from the
// keyboard gives it back to its label, so that Tab goes on from there.
void frmMain::EndKeyboardEdit()
{
    if (!EditFromKeyboard)
        return;
    EditFromKeyboard = false;
    if (EditLabel && EditLabel->isVisible())
        EditLabel->setFocus(Qt::OtherFocusReason);
}

// Tab without an open edit walks the window as it reads: the title and the command
// buttons, each panel's toggle and add button, then its names, sliders and values row by
// row. The focus catchers and the closed edit box are no stops on the way.
void frmMain::UpdateTabOrder()
{
    std::vector<QWidget *> order = {txtHiddenButton, lblTitle,      btnNew,
                                    btnLoad,         btnSave,       btnSettings,
                                    btnAnalysis,     btnToggleScore, btnToggleWeightings,
                                    btnWeightings,   btnAddAttribute};
    for (size_t j = 0; j < lblAttribute.size(); ++j)
        order.insert(order.end(), {lblAttribute[j], sliderWeighting[j], lblWeighting[j]});
    order.insert(order.end(), {btnToggleRatings, btnAddOption});
    const size_t columns = lblAttribute.size();
    for (size_t i = 0; i < lblOption.size(); ++i) {
        order.push_back(lblOption[i]);
        for (size_t k = i * columns; k < (i + 1) * columns && k < lblRating.size(); ++k)
            order.insert(order.end(), {sliderRating[k], lblRating[k]});
    }
    for (size_t n = 1; n < order.size(); ++n)
        setTabOrder(order[n - 1], order[n]);
}
