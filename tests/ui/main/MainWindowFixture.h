#pragma once

#include "app/ProgramSettings.h"
#include "app/cRegistry_Wrapper.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/CommonDialog.h"
#include "support/MsgBox.h"
#include "ui/main/ControlArray.h"
#include "ui/main/frmMain.h"
#include "ui/support/FontSetup.h"

#include "FileDialogRecorder.h"
#include "MsgBoxRecorder.h"
#include "ProgramState.h"

#include <QApplication>
#include <QPointer>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

// A loaded main window on a fresh registry key, with every prompt answered by the test.
// The window hooks are installed before the window loads, as the program does, so change
// tracking asks the window whether it is loading; ProgramState puts the old ones back.
class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frmMain::InstallWindowHooks();
        InstallFontSubstitutions();
        RegDeleteKeyIfExists(ProgramSettings::Hive, ProgramSettings::Key);
        boxes.fallback = vbNo;
        modParameters::DisplayAsDecimal = true;
        modParameters::ShowSettingsOnNew = false;
        modParameters::CommandLineFile.clear();
        modParameters::CommandLineFileType.clear();
        modParameters::TopicChanged = false;
        modParameters::CurrentTopic = std::make_shared<VeltraneTopic>();
        window = new frmMain;
        window->Form_Load();
    }

    void TearDown() override
    {
        delete window.data();
    }

    // Shows a fresh topic of the given counts, rounded to 3 places, the way a load does.
    std::shared_ptr<VeltraneTopic> ShowTopic(int options, int attributes)
    {
        auto topic = std::make_shared<VeltraneTopic>();
        topic->SetRounding(3);
        topic->SetTotalAttributes(int16_t(attributes));
        topic->SetTotalOptions(int16_t(options));
        modParameters::CurrentTopic = topic;
        window->StartLoad();
        window->UpdateSliderArrays(false);
        window->EndLoad();
        return topic;
    }

    template <typename Control = QWidget>
    Control *Find(const QString &name) const
    {
        return window->findChild<Control *>(name);
    }

    template <typename Control = QWidget>
    Control *Element(const char *array, int index) const
    {
        return Find<Control>(ControlArrayElementName(QString::fromLatin1(array), int16_t(index)));
    }

    ProgramState state;
    MsgBoxRecorder boxes;
    FileDialogRecorder files;
    QPointer<frmMain> window;
};

// Layout arithmetic: nearest integer, halves to even.
inline int RoundHalfEven(double value)
{
    return int(std::nearbyint(value));
}
