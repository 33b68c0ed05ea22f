// The commands of the main window's buttons and of the Ctrl shortcuts: new topic, load,
// save, settings, adding and removing options and attributes, copy picture, quit.
#include "frmMain.h"

#include "gfx/libmodScreenCapture.h"
#include "io/RecentTopics.h"
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/MsgBox.h"
#include "support/VeltraneError.h"
#include "ui/main/DecisionInsight.h"
#include "ui/main/GeneratedName.h"
#include "ui/main/ImageButton.h"
#include "ui/main/RecentTopicsMenu.h"
#include "ui/support/HelpPage.h"
#include "ui/settings/frmOptions.h"
#include "ui/support/VLabel.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <functional>
#include <optional>

using namespace modParameters;

namespace {

// A failure that reaches a command is shown, never passed to the event loop.
template <typename Command>
void guarded(Command command)
{
    try {
        command();
    } catch (const VeltraneError &error) {
        MsgBox(error.description(), vbCritical);
    }
}

QStringList namesOf(int16_t count, const std::function<QString(int16_t)> &nameOf)
{
    QStringList names;
    for (int16_t id = 0; id < count; ++id)
        names << nameOf(id);
    return names;
}

std::optional<int16_t> indexIn(const std::vector<VLabel *> &array, const VLabel *label)
{
    const auto found = std::find(array.begin(), array.end(), label);
    if (!label || found == array.end())
        return std::nullopt;
    return int16_t(found - array.begin());
}

// Deletes element `index` of `names` through `remove`, then takes the highlight away and
// rebuilds the arrays. A focused name hands the focus on to the name now in its place.
void removeAndRebuild(frmMain &window, const std::function<void()> &remove, const std::vector<VLabel *> &names,
                      int16_t index)
{
    const bool focused = names[index]->hasFocus();
    remove();
    window.Document.Report(TopicDocument::Structure);
    window.HighlightControl(nullptr, frmMain::HighlightPlain);
    window.UpdateSliderArrays(false);
    if (focused && !names.empty())
        names[std::min<size_t>(index, names.size() - 1)]->setFocus(Qt::TabFocusReason);
}

// The Load command once the save question allows it: `open` replaces the topic (a file
// dialog, or a file already named), then the window shows the new one. A topic made from
// a table of measurements (`fromTable` set by `open`) is one more undo step.
void loadWith(frmMain &window, const std::function<bool(std::shared_ptr<VeltraneTopic> &)> &open,
              const bool *fromTable = nullptr)
{
    window.CommitOpenEdit();
    guarded([&window, &open, fromTable] {
        if (!modLoadSave::CheckSaveTopic(*CurrentTopic))
            return;
        if (open(CurrentTopic))
            window.ShowLoadedTopic(fromTable && *fromTable ? QStringLiteral("Import Measurements") : QString());
    });
}

// One topic or CSV file dropped on the window opens as Load opens it; anything else is
// refused while it is dragged, so the pointer shows no drop.
class FileDrops : public QObject
{
public:
    explicit FileDrops(frmMain &window) : QObject(&window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (watched != &m_window
            || (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop))
            return false;
        auto *drop = static_cast<QDropEvent *>(event);
        const QString file = droppedFile(*drop->mimeData());
        if (file.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // The dragging program waits for the drop to end: the save question comes after.
        if (type == QEvent::Drop) {
            QTimer::singleShot(0, &m_window, [window = &m_window, file] {
                loadWith(*window, [&file](std::shared_ptr<VeltraneTopic> &topic) {
                    return modLoadSave::OpenTopicFile(file, topic);
                });
            });
        }
        return true;
    }

private:
    static QString droppedFile(const QMimeData &data)
    {
        const QList<QUrl> urls = data.urls();
        if (urls.size() != 1 || !urls.front().isLocalFile())
            return {};
        const QString file = urls.front().toLocalFile();
        return modLoadSave::IsOpenableFileName(file) && QFileInfo(file).isFile() ? file : QString();
    }

    frmMain &m_window;
};

} // namespace

// Sees every key before the control with the focus does; a Ctrl shortcut of the main
// window runs its command and goes no further.
class frmMain::ShortcutKeys : public QObject
{
public:
    explicit ShortcutKeys(frmMain &window) : QObject(&window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != &m_window)
            return false;
        return m_window.Form_KeyDown(static_cast<QKeyEvent *>(event));
    }

private:
    frmMain &m_window;
};

void frmMain::InitCommands()
{
    const std::pair<ImageButton *, void (frmMain::*)()> commands[] = {
        {btnNew, &frmMain::btnNew_Click},
        {btnLoad, &frmMain::btnLoad_Click},
        {btnSave, &frmMain::btnSave_Click},
        {btnSettings, &frmMain::btnSettings_Click},
        {btnAddOption, &frmMain::btnAddOption_Click},
        {btnAddAttribute, &frmMain::btnAddAttribute_Click},
        {btnRemoveOption, &frmMain::btnRemoveOption_Click},
        {btnRemoveAttribute, &frmMain::btnRemoveAttribute_Click},
        {btnAnalysis, &frmMain::btnAnalysis_Click},
        {btnWeightings, &frmMain::btnWeightings_Click},
    };
    for (const auto &[button, handler] : commands)
        connect(button, &ImageButton::Click, this, handler);
    qApp->installEventFilter(new ShortcutKeys(*this));
    InstallHelpKey(this);
    // A right click on Load offers the recent topics.
    btnLoad->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(btnLoad, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("mnuRecentTopics"));
        FillRecentTopicsMenu(menu, [this](const QString &file) { OpenRecentTopic(file); });
        menu.exec(btnLoad->mapToGlobal(at));
    });
    setAcceptDrops(true);
    installEventFilter(new FileDrops(*this));
}

bool frmMain::Form_KeyDown(QKeyEvent *event)
{
    // Beside the Ctrl shortcuts: F9 opens the analysis window, F8 the weightings dialog.
    if (event->key() == Qt::Key_F9 && event->modifiers() == Qt::NoModifier) {
        btnAnalysis_Click();
        return true;
    }
    // F4 opens the topic's notes.
    if (event->key() == Qt::Key_F4 && event->modifiers() == Qt::NoModifier && txtEditBox->isHidden()) {
        EditNotes();
        return true;
    }
    if (event->key() == Qt::Key_F8 && event->modifiers() == Qt::NoModifier) {
        btnWeightings_Click();
        return true;
    }
    // Undo and redo, beside the shortcuts of the design; in the open edit box the keys
    // are the box's own.
    if (txtEditBox->isHidden()) {
        const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
        const bool ctrl = modifiers == Qt::ControlModifier;
        if (ctrl && event->key() == Qt::Key_Z) {
            Undo();
            return true;
        }
        if ((ctrl && event->key() == Qt::Key_Y)
            || (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && event->key() == Qt::Key_Z)) {
            Redo();
            return true;
        }
    }
    if (event->modifiers() != Qt::ControlModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_S:
        btnSave_Click();
        return true;
    case Qt::Key_L:
        btnLoad_Click();
        return true;
    case Qt::Key_Q:
        CommitOpenEdit();
        close();
        return true;
    case Qt::Key_N:
        btnNew_Click();
        return true;
    case Qt::Key_C:
        CopyPicture();
        return true;
    default:
        return false;
    }
}

void frmMain::btnNew_Click()
{
    CommitOpenEdit();
    guarded([this] {
        if (!modLoadSave::CheckSaveTopic(*CurrentTopic))
            return;
        StartLoad();
        const std::shared_ptr<VeltraneTopic> previous = CurrentTopic;
        // What a cancelled dialog gives back: the topic and whether it has unsaved changes
        // (answered No to the save question, it still has them).
        const bool previousChanged = TopicChanged;
        auto fresh = std::make_shared<VeltraneTopic>();
        fresh->SetNormaliseWeights(previous->NormaliseWeights());
        fresh->SetRounding(3);
        fresh->SetTotalAttributes(2);
        fresh->SetTotalOptions(2);
        Document.Replace(fresh, false);

        const bool showDialog = ShowSettingsOnNew;
        bool cancelled = false;
        if (showDialog) {
            show();
            frmOptions::ShowModal(*this);
            cancelled = OptionChangeCancelled;
        }
        if (!cancelled) {
            ShowScores = ShowWeightings = ShowRatings = true;
            UpdateToggleButtons();
            if (showDialog) {
                Form_Resize();
            } else {
                show();
                UpdateSliderArrays(true);
            }
        } else {
            Document.Replace(previous, previousChanged);
        }
        EndLoad();
        Form_Resize();
        // The kept topic goes on with its steps; where it counts as unchanged, that is
        // where undoing leads back to.
        if (!cancelled)
            ResetHistory();
        else
            NoteSaved();
    });
}

void frmMain::btnAnalysis_Click()
{
    Insight->ShowAnalysis();
}

void frmMain::btnLoad_Click()
{
    bool fromTable = false;
    loadWith(
        *this, [&fromTable](std::shared_ptr<VeltraneTopic> &topic) { return modLoadSave::OpenTopic(topic, &fromTable); },
        &fromTable);
}

void frmMain::OpenRecentTopic(const QString &FileName)
{
    if (!QFileInfo(FileName).isFile()) {
        RecentTopics::Forget(FileName);
        MsgBox(QStringLiteral("The topic file \"%1\" no longer exists.\rIt has been taken off the list of recent topics.")
                   .arg(FileName),
               vbExclamation);
        return;
    }
    loadWith(*this, [&FileName](std::shared_ptr<VeltraneTopic> &topic) {
        return modLoadSave::OpenTopicFile(FileName, topic);
    });
}

void frmMain::btnSave_Click()
{
    CommitOpenEdit();
    guarded([this] {
        if (modLoadSave::SaveTopicAs(*CurrentTopic))
            NoteSaved();
    });
}

void frmMain::btnSettings_Click()
{
    CommitOpenEdit();
    guarded([this] {
        // A pass that changed only how values show changes no value and records no step.
        frmOptions::ShowModal(*this);
        if (OptionChangeCancelled) {
            Form_Resize();
            return;
        }
        // While loading, the report marks nothing: the dialog has marked what it changed.
        IsLoading = true;
        Document.Report(TopicDocument::Settings);
        UpdateSettings();
        QCoreApplication::processEvents();
        RepaintGradients();
        IsLoading = false;
        RecordStep(QStringLiteral("Change Settings"));
    });
}

void frmMain::btnAddAttribute_Click()
{
    CommitOpenEdit();
    guarded([this] {
        VeltraneTopic &topic = *CurrentTopic;
        const QStringList names = namesOf(topic.TotalAttributes(), [&](int16_t j) { return topic.GetAttributeName(j); });
        const QString name = GeneratedName(QStringLiteral("Attribute "), names);
        topic.AddAttribute(name);
        Document.Report(TopicDocument::Structure);
        UpdateSliderArrays(false);
        RecordStep(QStringLiteral("Add Attribute ") + QuotedName(name));
    });
}

void frmMain::btnAddOption_Click()
{
    CommitOpenEdit();
    guarded([this] {
        VeltraneTopic &topic = *CurrentTopic;
        const QStringList names = namesOf(topic.TotalOptions(), [&](int16_t i) { return topic.GetOptionName(i); });
        const QString name = GeneratedName(QStringLiteral("Option "), names);
        topic.AddOption(name);
        Document.Report(TopicDocument::Structure);
        UpdateSliderArrays(false);
        RecordStep(QStringLiteral("Add Option ") + QuotedName(name));
    });
}

// The remove buttons stand beside the name under the hover highlight: that one goes.
void frmMain::btnRemoveAttribute_Click()
{
    RemoveAttribute(HighlightedAttribute);
}

void frmMain::btnRemoveOption_Click()
{
    RemoveOption(HighlightedOption);
}

void frmMain::RemoveAttribute(const VLabel *label)
{
    CommitOpenEdit();
    const std::optional<int16_t> index = indexIn(lblAttribute, label);
    if (!index || !btnRemoveAttribute->isEnabled())
        return;
    guarded([this, index] {
        const QString step = QStringLiteral("Delete Attribute ") + QuotedName(CurrentTopic->GetAttributeName(*index));
        removeAndRebuild(*this, [&] { CurrentTopic->DeleteAttribute(*index); }, lblAttribute, *index);
        RecordStep(step);
    });
}

void frmMain::RemoveOption(const VLabel *label)
{
    CommitOpenEdit();
    const std::optional<int16_t> index = indexIn(lblOption, label);
    if (!index || !btnRemoveOption->isEnabled())
        return;
    guarded([this, index] {
        const QString step = QStringLiteral("Delete Option ") + QuotedName(CurrentTopic->GetOptionName(*index));
        removeAndRebuild(*this, [&] { CurrentTopic->DeleteOption(*index); }, lblOption, *index);
        RecordStep(step);
    });
}

void frmMain::CopyPicture()
{
    // An open edit stays open: the capture leaves it out of the picture and reopens it.
    CaptureWindow();
    libmodScreenCapture::PutPictureOnClipboard(picCapture->Picture());
}
