#pragma once

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include "ui/settings/SettingsDialogOwner.h"

#include <array>
#include <cstdint>
#include <functional>

class VLabel;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

// The settings dialog: the topic's title, counts and weighting type, the display and
// program preferences, and the About page. During start-up it is the start dialog
// ("Begin" / "Load Topic"). Nothing is applied until OK; it is modal, owned by the
// main window, and unloads itself (the object lives until ShowModal returns).
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    // Loads the dialog over its owner (Form_Load): clears the owner's
    // OptionChangeCancelled, places the dialog and shows the current settings.
    explicit frmOptions(SettingsDialogOwner &owner);
    // Unload: the dialog hooks of the file code are given back.
    ~frmOptions() override;

    // Loads the dialog, shows it modally over owner and returns when it has unloaded,
    // showing it again when "Load Topic" hid it and then loaded nothing.
    static void ShowModal(SettingsDialogOwner &owner);

    // Shapes the window to its rounded outline; run on resize and on every activation.
    void Form_Resize();
    void ShowCurrentSettings();
    void ApplySettings();
    void SelectTab(int16_t index);
    void btnOk_Click();
    void btnCancel_Click();

    // True once OK, Cancel or a successful "Load Topic" has unloaded the dialog.
    bool IsUnloaded() const { return m_unloaded; }

    // The dialog's top-left corner, all in pixels: centred over the main window's
    // frame, moved left off the right screen edge and up out of the bottom 400 twips.
    static QPoint CentredPosition(const QRect &mainFrame, const QSize &dialogSize, const QSize &screen);
    // The text a count box holds once the focus leaves it.
    static QString CorrectedCount(const QString &text, int16_t currentCount, int16_t maximum);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // frmOptions_Controls.cpp: the controls, their captions and fonts, and their wiring.
    void buildControls();
    void buildTabStrip();
    void buildTopicPage();
    void buildPreferencesPage();
    void buildAboutPage();
    void buildButtons();
    VLabel *addLabel(const QString &name, const QString &caption, const QRect &place, bool heading);
    void applyTabVisibility(int16_t index);
    void tabHeadingMouseMove(int16_t index);
    void setAllHeadingsBlack();

    // frmOptions_Boxes.cpp: the focus rules of the three text boxes.
    void txtTitle_GotFocus();
    void txtTitle_LostFocus();
    void countBox_LostFocus(QLineEdit *box);
    void correctBoxesBeforeApply();

    bool OptionsWindowProc(QEvent *event);
    void runEscape();
    void unloadDialog();
    void installDialogHooks();
    int16_t selectedTab() const;

    SettingsDialogOwner &m_owner;
    bool m_unloaded = false;
    bool m_showAgain = false;
    bool m_inResize = false;
    QString m_savedTitle;
    // The text box that has the focus as far as its focus rules are concerned.
    QPointer<QLineEdit> m_focusedBox;
    QPoint m_dragOffset;
    bool m_dragging = false;
    std::function<QObject *()> m_previousDialogOwner;
    std::function<void()> m_previousHideSettingsDialog;

    std::array<VLabel *, 3> m_lblTabText{};
    std::array<VLabel *, 3> m_imgTabBackground{};
    VLabel *m_lblTopicSettings = nullptr;
    VLabel *m_lblTitle = nullptr;
    QLineEdit *m_txtTitle = nullptr;
    VLabel *m_lblAttributeCount = nullptr;
    QLineEdit *m_txtAttributeCount = nullptr;
    VLabel *m_lblOptionCount = nullptr;
    QLineEdit *m_txtOptionCount = nullptr;
    QWidget *m_picWeightingType = nullptr;
    std::array<QRadioButton *, 2> m_optWeightingType{};
    std::array<VLabel *, 2> m_lblWeightingType{};
    VLabel *m_lblDisplaySettings = nullptr;
    QRadioButton *m_optRange1 = nullptr;
    QRadioButton *m_optRange100 = nullptr;
    VLabel *m_lblRange1 = nullptr;
    VLabel *m_lblRange100 = nullptr;
    QCheckBox *m_chkNormaliseWeights = nullptr;
    VLabel *m_lblNormaliseWeights = nullptr;
    VLabel *m_lblProgramSettings = nullptr;
    QCheckBox *m_chkShowSettingsOnNew = nullptr;
    VLabel *m_lblShowSettingsOnNew = nullptr;
    QCheckBox *m_chkShowStability = nullptr;
    VLabel *m_lblShowStability = nullptr;
    VLabel *m_imgLogo = nullptr;
    VLabel *m_lblVeltraneTitle = nullptr;
    VLabel *m_lblCopyright1 = nullptr;
    VLabel *m_lblCopyright2 = nullptr;
    VLabel *m_lblWebsiteNote = nullptr;
    VLabel *m_lblWebLink = nullptr;
    QPushButton *m_btnOk = nullptr;
    QPushButton *m_btnCancel = nullptr;
};
