#include "NotesEditor.h"

#include "io/modParameters.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QVBoxLayout>

NotesEditor::NotesEditor(const QString &topicTitle, const QString &notes, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNotes"));
    setWindowTitle(QStringLiteral("Notes on %1 - %2").arg(topicTitle, modParameters::ProductTitle));
    setWindowModality(Qt::WindowModal);

    auto *hint = new QLabel(QStringLiteral("What the decision is about, what you thought, what you chose and why. "
                                           "The notes are saved with the topic and open its report."),
                            this);
    hint->setWordWrap(true);
    txtNotes = new QPlainTextEdit(this);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    txtNotes->setAccessibleName(QStringLiteral("Notes"));
    // Tab goes on to the buttons, as in the program's other boxes; Ctrl+Enter is OK.
    txtNotes->setTabChangesFocus(true);
    // One undo step of the topic per edit: the box's own undo covers typing until OK.
    txtNotes->setPlainText(notes);
    txtNotes->moveCursor(QTextCursor::End);
    hint->setBuddy(txtNotes);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("btnNotes"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(txtNotes, 1);
    layout->addWidget(buttons);
    resize(520, 360);
}

QString NotesEditor::Notes() const
{
    return txtNotes->toPlainText();
}
