// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "WindowDriver.h"

#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/main/NotesEditor.h"
#include "ui/support/VLabel.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

using namespace WindowDriver;

namespace {

// A shown, active window on a named 3 x 3 topic whose history starts here.
class UndoRedoTest : public MainWindowTest
{
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        window->resize(700, 500);
        Activate(*window);
        topic = ShowTopic(3, 3);
        topic->SetAttributeName(1, QStringLiteral("Price"));
        topic->SetOptionName(0, QStringLiteral("Red"));
        window->UpdateSliderArrays(false);
        window->ResetHistory();
        modParameters::TopicChanged = false;
    }

    const VeltraneTopic &Now() const { return *modParameters::CurrentTopic; }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) { Key(key, modifiers); }

    // What the window shows agrees with the topic: the arrays, every name and value, gold.
    void ExpectShown(const std::string &step) const
    {
        const VeltraneTopic &t = Now();
        const int16_t A = t.TotalAttributes();
        const int16_t O = t.TotalOptions();
        ASSERT_EQ(window->lblAttribute.size(), size_t(A)) << step;
        ASSERT_EQ(window->lblRating.size(), size_t(O * A)) << step;
        EXPECT_EQ(window->windowTitle(), t.Title() + " - Veltrane") << step;
        double best = 0;
        for (int16_t i = 0; i < O; ++i)
            best = std::max(best, t.GetScore(i));
        for (int16_t j = 0; j < A; ++j) {
            EXPECT_EQ(window->lblAttribute[j]->Tag(), t.GetAttributeName(j)) << step;
            EXPECT_EQ(window->lblWeighting[j]->Caption(), frmMain::FormatNumberForDisplay(t.GetWeighting(j))) << step;
        }
        for (int16_t i = 0; i < O; ++i) {
            EXPECT_EQ(window->lblOption[i]->Tag(), t.GetOptionName(i)) << step;
            for (int16_t j = 0; j < A; ++j)
                EXPECT_EQ(window->lblRating[i * A + j]->Caption(), frmMain::FormatNumberForDisplay(t.GetRating(i, j)))
                    << step;
            EXPECT_EQ(window->sliderScore[i]->FullColor() == frmMain::BestScoreColour, t.GetScore(i) == best) << step;
        }
    }

    void Edit(VLabel &label, const QString &text)
    {
        Click(label);
        Type(text);
        Key(Qt::Key_Return);
    }

    void ApplySettings(const std::function<void(QWidget &)> &change)
    {
        WhenOpen(QStringLiteral("frmOptions"), [change](QWidget &dialog) {
            change(dialog);
            dialog.findChild<QPushButton *>(QStringLiteral("btnOk"))->click();
        });
        Click(*window->btnSettings);
        Activate(*window); // the keys go to the window again
    }

    std::shared_ptr<VeltraneTopic> topic;
};

// Equal in every stored value; the normalising switch is the person's setting, not a step.
bool Same(VeltraneTopic a, const VeltraneTopic &b)
{
    a.SetNormaliseWeights(b.NormaliseWeights());
    return a == b;
}

void Drag(MeterSlider &slider, std::initializer_list<double> fractions)
{
    const int y = slider.height() / 2;
    auto at = [&](double f) { return QPoint(int(slider.width() * f), y); };
    Press(slider, at(*fractions.begin()));
    for (double f : fractions)
        WindowDriver::Drag(slider, at(f));
    Release(slider, at(*(fractions.end() - 1)));
}

} // namespace

// Every kind of step, one after the other: each is one step, Ctrl+Z gives back exactly the
// stored state before it and Ctrl+Y and Ctrl+Shift+Z exactly the one after, shown as the
// change itself showed it. Undoing all of them reaches the loaded state, and closing then
// asks nothing.
TEST_F(UndoRedoTest, EveryKindOfStepUndoesAndRedoesExactly)
{
    const VeltraneTopic loaded = Now();
    const std::pair<const char *, std::function<void()>> steps[] = {
        {"drag a rating", [&] { Drag(*window->sliderRating[4], {0.1, 0.3, 0.45, 0.6, 0.8}); }},
        {"three keys on a weighting",
         [&] {
             window->sliderWeighting[1]->setFocus();
             for (int n = 0; n < 3; ++n)
                 Press(Qt::Key_Right, Qt::NoModifier);
         }},
        {"edit a rating", [&] { Edit(*window->lblRating[2], QStringLiteral("0.25")); }},
        {"edit the title", [&] { Edit(*window->lblTitle, QStringLiteral("Cars")); }},
        {"rename an attribute", [&] { Edit(*window->lblAttribute[0], QStringLiteral("Cost")); }},
        {"add an option", [&] { Click(*window->btnAddOption); }},
        {"add an attribute", [&] { Click(*window->btnAddAttribute); }},
        {"delete an attribute",
         [&] {
             Hover(*window->lblAttribute[1]);
             Click(*window->btnRemoveAttribute);
         }},
        {"normalise, then move a weighting",
         [&] {
             modParameters::CurrentTopic->SetNormaliseWeights(true);
             Drag(*window->sliderWeighting[0], {0.5, 0.7});
         }},
        {"settings: counts and negative attributes",
         [&] {
             ApplySettings([](QWidget &dialog) {
                 dialog.findChild<QLineEdit *>(QStringLiteral("txtOptionCount"))->setText(QStringLiteral("2"));
                 dialog.findChild<QRadioButton *>(QStringLiteral("optWeightingType(1)"))->setChecked(true);
             });
         }},
    };
    for (const auto &[name, act] : steps) {
        const VeltraneTopic before = Now();
        const qsizetype count = window->History.UndoSteps();
        act();
        const VeltraneTopic after = Now();
        ASSERT_FALSE(after == before) << name;
        EXPECT_EQ(window->History.UndoSteps(), count + 1) << name;
        EXPECT_TRUE(modParameters::TopicChanged) << name;

        Press(Qt::Key_Z);
        EXPECT_TRUE(Same(Now(), before)) << name;
        ExpectShown(name);
        Press(Qt::Key_Y);
        EXPECT_TRUE(Same(Now(), after)) << name;
        ExpectShown(name);
        Press(Qt::Key_Z);
        Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(Same(Now(), after)) << name;
    }

    for (qsizetype left = window->History.UndoSteps(); left > 0; --left) {
        EXPECT_TRUE(modParameters::TopicChanged);
        Press(Qt::Key_Z);
    }
    EXPECT_FALSE(modParameters::TopicChanged);
    EXPECT_TRUE(Same(Now(), loaded));
    ExpectShown("all undone");
    Press(Qt::Key_Z); // nothing left: nothing happens
    EXPECT_TRUE(Same(Now(), loaded));
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(boxes.prompts().isEmpty());
}

TEST_F(UndoRedoTest, TheOpenEditBoxKeepsItsOwnUndo)
{
    Drag(*window->sliderRating[0], {0.2, 0.9});
    const VeltraneTopic dragged = Now();
    Click(*window->lblTitle);
    Type(QStringLiteral("Cars"));
    ASSERT_EQ(window->txtEditBox->text(), "Cars");
    Press(Qt::Key_Z);
    EXPECT_NE(window->txtEditBox->text(), "Cars");
    EXPECT_TRUE(Now() == dragged);
    EXPECT_EQ(window->History.UndoSteps(), 1);
    Key(Qt::Key_Escape);
}

// The background menu names the steps; what stores nothing is no step; a saved state is
// the clean one; New and Load start afresh.
TEST_F(UndoRedoTest, MenuNamesTheStepAndOnlyTopicChangesCount)
{
    Hover(*window->lblAttribute[1]);
    Click(*window->btnRemoveAttribute);
    QStringList texts;
    QTimer::singleShot(0, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        for (QAction *action : menu->actions())
            texts << action->text() + (action->isEnabled() ? "" : " (off)");
        menu->actions().front()->trigger();
        menu->hide();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), window->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(window, &event);
    EXPECT_EQ(texts, QStringList({"Undo Delete Attribute \"Price\"", "Redo (off)", "", "Notes\u2026", "", "Recent Topics"}));
    EXPECT_EQ(Now().TotalAttributes(), 3);
    EXPECT_EQ(window->History.RedoDescription(), "Delete Attribute \"Price\"");

    // Display settings, the normalising switch and a picture store nothing.
    Press(Qt::Key_Y);
    modParameters::TopicChanged = false;
    window->NoteSaved();
    ApplySettings([](QWidget &dialog) {
        dialog.findChild<QRadioButton *>(QStringLiteral("optRange(100)"))->setChecked(true);
        dialog.findChild<QCheckBox *>(QStringLiteral("chkNormaliseWeights"))->setChecked(true);
    });
    Press(Qt::Key_C);
    EXPECT_EQ(window->History.UndoSteps(), 1);
    EXPECT_TRUE(window->History.IsClean());
    EXPECT_FALSE(modParameters::TopicChanged);
    Press(Qt::Key_Z);
    EXPECT_TRUE(modParameters::TopicChanged);
    EXPECT_TRUE(Now().NormaliseWeights());
    Press(Qt::Key_Y);
    EXPECT_FALSE(modParameters::TopicChanged);

    Click(*window->btnAddOption);
    boxes.fallback = vbNo;
    Press(Qt::Key_N);
    EXPECT_FALSE(window->History.CanUndo());
    EXPECT_EQ(Now().TotalOptions(), 2);

    Click(*window->btnAddOption);
    const QString file = QStringLiteral(VELTRANE_SOURCE_DIR "/examples/car.vtp");
    files.fallback = file;
    Press(Qt::Key_L);
    EXPECT_FALSE(window->History.CanUndo());
    EXPECT_TRUE(window->History.IsClean());
    EXPECT_FALSE(modParameters::TopicChanged);
}

TEST_F(UndoRedoTest, NotesEditedInTheirBoxAreOneStepEach)
{
    // The box opened by F4 (the menu's entry runs the same), closed by OK or Cancel.
    const auto edit = [this](const QString &text, bool keep) {
        Press(Qt::Key_F4, Qt::NoModifier);
        auto *editor = window->findChild<NotesEditor *>(QStringLiteral("frmNotes"));
        ASSERT_TRUE(editor && editor->isVisible());
        EXPECT_EQ(editor->Notes(), Now().Description());
        editor->txtNotes->setPlainText(text);
        keep ? editor->accept() : editor->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    edit(QStringLiteral("Bought in May.\nThe dealer gave 5% off;\ttax included."), true);
    EXPECT_EQ(Now().Description(), "Bought in May.\nThe dealer gave 5% off;\ttax included.");
    EXPECT_TRUE(modParameters::TopicChanged);
    EXPECT_EQ(window->History.UndoDescription(), "Edit Notes");
    EXPECT_EQ(window->History.UndoSteps(), 1);

    // Cancel, and OK without a change, store nothing.
    edit(QStringLiteral("dropped"), false);
    edit(Now().Description(), true);
    EXPECT_EQ(window->History.UndoSteps(), 1);

    Press(Qt::Key_Z);
    EXPECT_TRUE(Now().Description().isEmpty());
    EXPECT_FALSE(modParameters::TopicChanged);
    Press(Qt::Key_Y);
    EXPECT_EQ(Now().Description(), "Bought in May.\nThe dealer gave 5% off;\ttax included.");
}

// A settings pass that changes only how values show is no step, even where the display
// rounds them; one that changes the topic is one step, and its undo shows the topic as it
// was before the pass at once.
TEST_F(UndoRedoTest, OnlySettingsPassesThatChangeTheTopicAreSteps)
{
    for (int16_t j = 0; j < 3; ++j)
        topic->pSetWeighting(j, 0.8 - 0.318 * j, false);
    topic->SetRating(0, 0, 0.1234);
    window->UpdateSliderArrays(false);
    window->ResetHistory();
    const VeltraneTopic before = Now();
    ApplySettings([](QWidget &dialog) {
        dialog.findChild<QRadioButton *>(QStringLiteral("optRange(100)"))->setChecked(true);
    });
    ApplySettings([](QWidget &dialog) {
        dialog.findChild<QCheckBox *>(QStringLiteral("chkNormaliseWeights"))->setChecked(true);
    });
    EXPECT_FALSE(window->History.CanUndo());
    EXPECT_TRUE(Same(Now(), before));

    ApplySettings([](QWidget &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("txtTitle"))->setText(QStringLiteral("Bikes"));
        dialog.findChild<QRadioButton *>(QStringLiteral("optWeightingType(1)"))->setChecked(true);
    });
    EXPECT_EQ(window->History.UndoSteps(), 1);
    Press(Qt::Key_Z);
    EXPECT_TRUE(Same(Now(), before));
    EXPECT_EQ(window->lblTitle->Caption(), before.Title());
    ExpectShown("settings undone");
}
