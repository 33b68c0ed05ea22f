#pragma once

#include "io/RecentTopics.h"
#include "io/WindowHooks.h"
#include "io/modParameters.h"

#include <QString>

#include <memory>

// Every program-wide value and the window hooks as they were when it was made, given back
// when it goes: a test may change any of them.
class ProgramState
{
public:
    ProgramState() = default;
    ~ProgramState()
    {
        using namespace modParameters;
        ProductTitle = m_productTitle;
        CurrentTopic = m_currentTopic;
        TopicChanged = m_topicChanged;
        IsStarting = m_isStarting;
        MaxOptions = m_maxOptions;
        MaxAttributes = m_maxAttributes;
        LastUsedDir = m_lastUsedDir;
        ShowSettingsOnNew = m_showSettingsOnNew;
        DisplayAsDecimal = m_displayAsDecimal;
        WindowLeft = m_windowLeft;
        WindowTop = m_windowTop;
        WindowWidth = m_windowWidth;
        WindowHeight = m_windowHeight;
        Maximized = m_maximized;
        ShowStability = m_showStability;
        UninstallRequested = m_uninstallRequested;
        CommandLineFile = m_commandLineFile;
        CommandLineFileType = m_commandLineFileType;
        RecentTopics::SetFiles(m_recentTopics);
        AnalysisLeft = m_analysis[0];
        AnalysisTop = m_analysis[1];
        AnalysisWidth = m_analysis[2];
        AnalysisHeight = m_analysis[3];
        windowHooks() = m_hooks;
    }
    ProgramState(const ProgramState &) = delete;
    ProgramState &operator=(const ProgramState &) = delete;

private:
    QString m_productTitle = modParameters::ProductTitle;
    std::shared_ptr<VeltraneTopic> m_currentTopic = modParameters::CurrentTopic;
    bool m_topicChanged = modParameters::TopicChanged;
    bool m_isStarting = modParameters::IsStarting;
    int16_t m_maxOptions = modParameters::MaxOptions;
    int16_t m_maxAttributes = modParameters::MaxAttributes;
    QString m_lastUsedDir = modParameters::LastUsedDir;
    bool m_showSettingsOnNew = modParameters::ShowSettingsOnNew;
    bool m_displayAsDecimal = modParameters::DisplayAsDecimal;
    int32_t m_windowLeft = modParameters::WindowLeft;
    int32_t m_windowTop = modParameters::WindowTop;
    int32_t m_windowWidth = modParameters::WindowWidth;
    int32_t m_windowHeight = modParameters::WindowHeight;
    bool m_maximized = modParameters::Maximized;
    bool m_showStability = modParameters::ShowStability;
    bool m_uninstallRequested = modParameters::UninstallRequested;
    QString m_commandLineFile = modParameters::CommandLineFile;
    QString m_commandLineFileType = modParameters::CommandLineFileType;
    QStringList m_recentTopics = RecentTopics::Files();
    int32_t m_analysis[4] = {modParameters::AnalysisLeft, modParameters::AnalysisTop, modParameters::AnalysisWidth,
                             modParameters::AnalysisHeight};
    WindowHooks m_hooks = windowHooks();
};
