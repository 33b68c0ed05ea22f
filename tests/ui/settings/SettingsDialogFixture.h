#pragma once

#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/CommonDialog.h"
#include "support/MsgBox.h"
#include "ui/main/frmMain.h"
#include "ui/settings/frmOptions.h"
#include "ui/support/FontSetup.h"
#include "ui/support/VLabel.h"

#include "FileDialogRecorder.h"
#include "MsgBoxRecorder.h"
#include "ProgramState.h"
#include "WindowDriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <memory>
#include <optional>

// A loaded main window showing a topic of three attributes and five named options, and
// the settings dialog over it. Message boxes and file dialogs are answered and recorded.
class SettingsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        using namespace modParameters;
        InstallFontSubstitutions();
        frmMain::InstallWindowHooks();
        boxes.fallback = vbOK;
        IsStarting = false;
        ShowSettingsOnNew = false;
        DisplayAsDecimal = true;
        CommandLineFileType.clear();
        CurrentTopic = std::make_shared<VeltraneTopic>();
        main = new frmMain;
        main->Form_Load();

        auto topic = std::make_shared<VeltraneTopic>();
        topic->SetRounding(3);
        topic->SetTitle(QStringLiteral("Cars"));
        topic->SetTotalAttributes(3);
        topic->SetTotalOptions(5);
        for (int16_t i = 0; i < 5; ++i)
            topic->SetOptionName(i, QStringLiteral("Car %1").arg(QChar(u'A' + i)));
        CurrentTopic = topic;
        main->UpdateSliderArrays(false);
        TopicChanged = false;
        ShowSettingsOnNew = true;
    }

    void TearDown() override
    {
        // Nothing a test left pending may reach the next test's handlers: no unsaved
        // topic to ask about, and every posted close or deletion handled here.
        modParameters::TopicChanged = false;
        dialog.reset();
        delete main;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    frmOptions &OpenDialog()
    {
        dialog = std::make_unique<frmOptions>(*main);
        return *dialog;
    }

    template <typename Control = QWidget>
    Control *Find(const char *name) const
    {
        auto *control = dialog->findChild<Control *>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    VLabel *Label(const char *name) const { return Find<VLabel>(name); }
    QLineEdit *Box(const char *name) const { return Find<QLineEdit>(name); }
    bool Shown(const char *name) const { return Find(name)->isVisibleTo(dialog.get()); }

    VeltraneTopic &Topic() const { return *modParameters::CurrentTopic; }

    frmMain *main = nullptr;
    std::unique_ptr<frmOptions> dialog;
    ProgramState state;
    MsgBoxRecorder boxes;
    FileDialogRecorder files;
};
