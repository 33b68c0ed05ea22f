// The topic's notes, edited in a box of their own from the background menu or F4.
#include "frmMain.h"

#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "ui/main/NotesEditor.h"

#include <QApplication>

void frmMain::EditNotes()
{
    if (QApplication::activeModalWidget() || !modParameters::CurrentTopic)
        return;
    const std::shared_ptr<VeltraneTopic> topic = modParameters::CurrentTopic;
    auto *editor = new NotesEditor(topic->Title(), topic->Description(), this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    connect(editor, &QDialog::accepted, this, [this, editor, topic] {
        if (modParameters::CurrentTopic != topic || editor->Notes() == topic->Description())
            return;
        topic->SetDescription(editor->Notes());
        Document.Report(TopicDocument::Notes);
        RecordStep(QStringLiteral("Edit Notes"));
    });
    editor->open();
}
