// The focus rules of the settings dialog's text boxes: a title is never left empty, and
// a count box always holds a whole number from 1 to its maximum once the focus leaves.
#include "frmOptions.h"

#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/NumericText.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

#include <cmath>

using namespace modParameters;

namespace {

void selectAllText(QLineEdit *box)
{
    box->selectAll();
    // A mouse press that gave the focus places the cursor after this; select again then.
    QTimer::singleShot(0, box, [box] {
        if (box->hasFocus())
            box->selectAll();
    });
}

} // namespace

QString frmOptions::CorrectedCount(const QString &text, int16_t currentCount, int16_t maximum)
{
    const std::optional<double> value = ParseNumericText(text);
    if (!value)
        return QString::number(currentCount);
    if (*value < 1)
        return QStringLiteral("1");
    if (*value <= maximum)
        return QString::number(int(std::floor(*value)));
    return QString::number(maximum);
}

bool frmOptions::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this)
        return OptionsWindowProc(event);
    const QEvent::Type type = event->type();
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box || (type != QEvent::FocusIn && type != QEvent::FocusOut))
        return QDialog::eventFilter(watched, event);

    // The focus that leaves with the window's deactivation or for a context menu, and
    // comes back to the same box afterwards, is not the person moving between boxes.
    const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
    const bool passing = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    if (type == QEvent::FocusOut) {
        if (passing)
            return false;
        m_focusedBox = nullptr;
        if (box == m_txtTitle)
            txtTitle_LostFocus();
        else
            countBox_LostFocus(box);
        return false;
    }
    if (passing && box == m_focusedBox)
        return false;
    m_focusedBox = box;
    if (box == m_txtTitle)
        txtTitle_GotFocus();
    else
        selectAllText(box);
    return false;
}

void frmOptions::txtTitle_GotFocus()
{
    m_savedTitle = m_txtTitle->text();
    selectAllText(m_txtTitle);
}

void frmOptions::txtTitle_LostFocus()
{
    // Only the empty text is blank: a title of spaces is accepted.
    if (m_txtTitle->text().isEmpty())
        m_txtTitle->setText(m_savedTitle);
}

void frmOptions::countBox_LostFocus(QLineEdit *box)
{
    const VeltraneTopic &topic = *CurrentTopic;
    if (box == m_txtOptionCount)
        box->setText(CorrectedCount(box->text(), topic.TotalOptions(), MaxOptions));
    else
        box->setText(CorrectedCount(box->text(), topic.TotalAttributes(), MaxAttributes));
}

// OK by Escape leaves the focus where it was, so the box it is in has not been corrected
// yet: every box gets its rule before the settings are read, whoever applies them.
void frmOptions::correctBoxesBeforeApply()
{
    txtTitle_LostFocus();
    countBox_LostFocus(m_txtAttributeCount);
    countBox_LostFocus(m_txtOptionCount);
}
