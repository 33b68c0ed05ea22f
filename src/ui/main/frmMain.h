#pragma once

#include "app/ProgramSettings.h"
#include "app/TopicDocument.h"
#include "gfx/PictureBox.h"
#include "model/AttributeScale.h"
#include "model/TopicHistory.h"
#include "ui/settings/SettingsDialogOwner.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class DecisionInsight;
class ImageButton;
class frmWeightings;
struct StableRange;
class VeltraneTopic;
class MeterSlider;
class ShapeControl;
class VLabel;
class QLabel;
class QLineEdit;
class QTimer;

// The main window: the whole decision matrix of the current topic in one window. Title row
// with the command buttons, then three rounded panels: scores (a bar per option, the best
// in gold), weightings (a slider per attribute) and ratings (a slider per option and
// attribute). Every control is named by its design name; the elements of a control array
// are named "array(index)", and element 0 of every array lives as long as the window.
//
// The duties are spread over several files: frmMain.cpp (controls, load, placement,
// close), frmMain_Arrays.cpp (control arrays, index mapping, loading mask),
// frmMain_Layout.cpp (layout and resizing), frmMain_Scores.cpp (score bars, background,
// hover highlight), frmMain_Values.cpp (value refresh, sliders, caption changes, number
// conversions), frmMain_Editing.cpp (in-place editing), frmMain_Commands.cpp (commands
// and keyboard shortcuts), frmMain_History.cpp (undo and redo) and frmMain_Capture.cpp
// (pictures of the window). How sure the decision is belongs to DecisionInsight.
class frmMain : public PictureBox, public SettingsDialogOwner
{
    Q_OBJECT

public:
    // Design inner size of the window, in pixels.
    static constexpr int DesignWidth = 607;
    static constexpr int DesignHeight = 415;
    static constexpr int TwipsPerPixel = 15;

    // Highlight kinds of HighlightControl.
    static constexpr int16_t HighlightPlain = 0;
    static constexpr int16_t HighlightOption = 1;
    static constexpr int16_t HighlightAttribute = 2;

    // Edit kinds of BeginEdit, and the longest text the edit box takes.
    static constexpr int16_t EditText = 0;
    static constexpr int16_t EditNumber = 1;
    // A value in its unit, typed into a rating cell of a measured attribute: signs, group
    // separators and the unit are part of it.
    static constexpr int16_t EditMeasure = 2;
    static constexpr int MaxEditLength = 100;

    // Score bar colours.
    static constexpr uint32_t BestScoreColour = 0x0CC0FE;  // RGB(254,192,12)
    static constexpr uint32_t OtherScoreColour = 0x0980FD; // RGB(253,128,9)

    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    // The loaded main window, or nullptr.
    static frmMain *Instance();

    // Fills the main window's part of the window hooks: loadMainWindow,
    // mainWindowIsLoading, isFormLoaded and dialogOwner.
    static void InstallWindowHooks();
    // Starts drawing the fixed buttons' pictures on a second thread while the rest of
    // start-up goes on; the window takes them when it creates its buttons.
    static void PrepareButtonArt();

    // The load handler: hooks, fixed controls, the topic named on the command line or a
    // new topic, placement, first layout.
    void Form_Load();

    // ---- Fixed controls -------------------------------------------------------------
    VLabel *lblTitle = nullptr;
    VLabel *lblScores = nullptr;
    VLabel *lblWeightings = nullptr;
    VLabel *lblRatings = nullptr;
    PictureBox *picScoreFrame = nullptr;
    PictureBox *picWeightingFrame = nullptr;
    PictureBox *picRatingFrame = nullptr;
    PictureBox *picMask = nullptr;
    VLabel *lblLoading = nullptr;
    PictureBox *picCapture = nullptr;
    VLabel *lblHighlight = nullptr;
    ShapeControl *shpHighlight = nullptr;
    ShapeControl *shpHighlight2 = nullptr;
    ShapeControl *shpHighlight3 = nullptr;
    QLabel *imgResizeTab = nullptr;
    QLineEdit *txtFontCalc = nullptr;
    ImageButton *btnNew = nullptr;
    ImageButton *btnLoad = nullptr;
    ImageButton *btnSave = nullptr;
    ImageButton *btnSettings = nullptr;
    ImageButton *btnAddOption = nullptr;
    ImageButton *btnAddAttribute = nullptr;
    ImageButton *btnRemoveOption = nullptr;
    ImageButton *btnRemoveAttribute = nullptr;
    ImageButton *btnToggleScore = nullptr;
    ImageButton *btnToggleWeightings = nullptr;
    ImageButton *btnToggleRatings = nullptr;
    ImageButton *btnImageStore = nullptr;
    // Opens the analysis window; left of btnToggleScore on the score panel's heading row.
    ImageButton *btnAnalysis = nullptr;
    // Opens "How much does each attribute matter?"; in the weighting panel's heading row.
    ImageButton *btnWeightings = nullptr;

    // ---- Control arrays (index = element index; element 0 always exists) -------------
    std::vector<VLabel *> lblAttribute;        // per attribute: its name, heads the column
    std::vector<MeterSlider *> sliderWeighting; // per attribute
    std::vector<VLabel *> lblWeighting;        // per attribute: the weighting as text
    std::vector<VLabel *> lblOption;           // per option: its name, heads the row
    std::vector<MeterSlider *> sliderScore;     // per option, display only
    std::vector<VLabel *> lblScore;            // per option: the score as text
    std::vector<VLabel *> lblScoreTitle;       // per option: its name in the score panel
    std::vector<MeterSlider *> sliderRating;    // per cell, index = option x A + attribute
    std::vector<VLabel *> lblRating;           // per cell: the rating as text

    // ---- Window fields ---------------------------------------------------------------
    // Set between StartLoad and EndLoad; change tracking pauses meanwhile.
    bool IsLoading = false;
    // Set by the settings dialog when it was cancelled.
    bool OptionChangeCancelled = false;

    // The settings dialog's view of the window.
    QWidget &OwnerWindow() override { return *this; }
    bool OwnerIsLoading() const override { return IsLoading; }
    void SetOptionChangeCancelled(bool cancelled) override { OptionChangeCancelled = cancelled; }
    // While set, the hover highlight stays as it is (window capture).
    bool SuppressHighlight = false;
    bool ShowScores = true;
    bool ShowWeightings = true;
    bool ShowRatings = true;
    // Height of the area above the option rows, computed once at load.
    int16_t HeaderHeight = 0;
    const int16_t OptionColumnWidth = 160;
    // Layout metrics, recomputed on every layout pass.
    int16_t ColumnWidth = 0;
    int16_t ScoreRowSpace = 0;
    int16_t RatingRowSpace = 0;
    int16_t WeightingSpace = 0;
    // Smallest inner size of the window.
    int32_t MinWindowWidth = 0;
    int32_t MinWindowHeight = 0;
    // The control under the hover highlight, and the option and attribute name labels
    // beside which the remove buttons were last placed (the remove commands read them;
    // all three are cleared when the highlight is removed).
    QPointer<QWidget> HighlightTarget;
    QPointer<VLabel> HighlightedOption;
    QPointer<VLabel> HighlightedAttribute;

    // ---- Composition: control arrays, index mapping, loading mask -----------------------
    void StartLoad();
    void EndLoad();
    void PositionLoadingMask();
    void PaintLoadingMask();
    // Rebuilds the control arrays for the current topic; SkipRedrawForm leaves the layout
    // to the caller.
    void UpdateSliderArrays(bool SkipRedrawForm) override;
    int16_t TranslateToIndex(int16_t OptionID, int16_t AttributeID) const;
    // UseControlValues: divide by the number of loaded weighting labels instead of the
    // topic's attribute count (while the arrays and the topic may disagree).
    int16_t GetOptionIDFromIndex(int16_t Index, bool UseControlValues = false) const;
    int16_t GetAttributeIDFromIndex(int16_t Index, bool UseControlValues = false) const;

    // ---- Layout and resizing ----------------------------------------------------------
    void PlaceFixedControls();
    void ComputeMinimumSize();
    void Form_Resize();
    void ComputeLayoutMetrics();
    void ArrangeMatrix(bool FromResize);
    // Left edge of attribute column j (its weighting slider), and how wide its name may be
    // shown: the column's width, or less where the weighting panel's collapse button on
    // the same line would cover the name, which stays centred on its column.
    int AttributeColumnLeft(int16_t j) const;
    int AttributeNameRoom(int16_t j) const;
    void UpdateToggleButtons();
    void KeepButtonsOnTop();
    void btnToggleScore_Click();
    void btnToggleWeightings_Click();
    void btnToggleRatings_Click();

    // ---- Score bars, background, hover highlight --------------------------------------
    void UpdateScoreBars();
    void RepaintGradients();
    // Target nullptr (or the window) removes the highlight.
    void HighlightControl(QWidget *Target, int16_t Kind);

    // ---- Values -------------------------------------------------------------------------
    // Brings title, sliders, value labels and score colours in line with the topic; it
    // shows the topic and stores nothing into it.
    void UpdateSettings();
    // Shows a topic just loaded or imported as CurrentTopic, with a fresh history, or, given
    // a step, as one more step of the history: undo brings back the topic it replaced.
    void ShowLoadedTopic(const QString &Step = {});
    // How many values slider moves and typed values have stored into the topic: one per
    // step, already rounded to what its label shows.
    int ValueStores() const { return ValueStoreCount; }
    // Display text of a model value (0..1) in the chosen display form.
    static QString FormatNumberForDisplay(double Number);
    // Model value (0..1, no lower limit) of a displayed or typed number; throws
    // ErrTypeMismatch when the text is not a number.
    static double NormaliseNumericInput(const QVariant &Value);

    // ---- How sure the decision is ---------------------------------------------------------
    // The slider marks and tooltips, the confidence figures and the analysis window.
    DecisionInsight *Insight = nullptr;

    // ---- Measured values (frmMain_Measures.cpp) ------------------------------------------
    // The same for the rating slider of a cell with a measured value, told in its unit.
    static QString MeasuredRangeText(const VeltraneTopic &topic, int16_t leader, const StableRange &range,
                                     int16_t OptionID, int16_t AttributeID);
    // What a rating label shows: the measured value in its unit, else the rating.
    static QString RatingCaption(const VeltraneTopic &topic, int16_t OptionID, int16_t AttributeID);
    // "Measure in units…": the attribute's scale dialog; what it changes is one undo step.
    void MeasureAttribute(int16_t AttributeID);
    // Applies what the scale dialog chose (no scale: rated by hand, lower better or not).
    void ApplyMeasure(int16_t AttributeID, const std::optional<AttributeScale> &Scale, bool LowerBetter);
    // The marks beside the attribute names and the tooltips of measured cells; run at the
    // end of every refresh.
    void ShowMeasures();
    // Shows the analysis window (also F9).
    void btnAnalysis_Click();

    // ---- Help in setting the weightings (frmMain_Weightings.cpp) ------------------------
    // The weightings dialog while it is open.
    QPointer<frmWeightings> Weightings;
    // Opens the dialog (also F8); its Apply stores the weightings as one undo step.
    void btnWeightings_Click();
    // Puts btnWeightings left of btnToggleWeightings, or else in the nearest free stretch of
    // the heading row, or below the heading; never over another control, hidden where none
    // of these has room. Run after every layout and every rename of an attribute.
    void PlaceWeightingsButton();

    // ===== In-place editing and commands ====================================================
    // Declared here, implemented in frmMain_Editing.cpp and frmMain_Commands.cpp.

    // Editing controls and state.
    QLineEdit *txtEditBox = nullptr;
    QLineEdit *txtHiddenButton = nullptr;
    QLineEdit *txtTabDetectorForward = nullptr;
    QLineEdit *txtTabDetectorBack = nullptr;
    QTimer *tmrTabFixer = nullptr;
    QPointer<VLabel> EditLabel;
    int16_t EditKind = EditText;
    bool EditJustEnded = false;

    // Connects the edit box, the focus catchers, the timer and the window click.
    void InitEditing();
    // Opens the edit box over the label; without InitialText the caption is edited.
    void BeginEdit(VLabel *Label, int16_t Kind, const std::optional<QString> &InitialText = std::nullopt);
    void JumpToTabOffset(int16_t Offset);
    // Clicks on the editable labels.
    void lblTitle_Click();
    void lblOption_Click(int16_t Index);
    void lblAttribute_Click(int16_t Index);
    void lblWeighting_Click(int16_t Index);
    void lblRating_Click(int16_t Index);
    // Events of the edit box and the focus catchers.
    // The key filter; true when the key is consumed.
    bool txtEditBox_KeyPress(class QKeyEvent *event);
    void txtEditBox_LostFocus();
    void txtHiddenButton_GotFocus();
    void txtTabDetectorForward_GotFocus();
    void txtTabDetectorBack_GotFocus();
    void tmrTabFixer_Timer();
    // A click on the window's background ends an open edit.
    void Form_Click();
    // Ends an open edit as losing the focus would, before a command works on the topic.
    void CommitOpenEdit();

    // Connects the command buttons and the keyboard shortcuts.
    void InitCommands();
    void btnNew_Click();
    void btnLoad_Click();
    // A recent topic opens as Load opens a file (save question first); a file that no
    // longer exists is taken off the list with a message.
    void OpenRecentTopic(const QString &FileName);
    void btnSave_Click();
    void btnSettings_Click();
    void btnAddOption_Click();
    void btnAddAttribute_Click();
    void btnRemoveOption_Click();
    void btnRemoveAttribute_Click();
    // Ctrl+C: a picture of the window on the clipboard.
    void CopyPicture();
    // Captures the inner area into picCapture's picture, without the command buttons, the
    // panel toggles and the resize grip; an open edit comes back after (frmMain_Capture.cpp).
    void CaptureWindow();
    // Installs windowHooks().saveScreenshot: the JPEG and BMP branches of the save dialog.
    static void InstallScreenshotHook();
    // The window's key preview: runs a Ctrl shortcut and returns true, else false.
    bool Form_KeyDown(class QKeyEvent *event);

    // ---- Undo and redo (frmMain_History.cpp) ------------------------------------------
    // The open topic with its history and saved state; every change is reported to it.
    TopicDocument Document;
    // Every step since the current topic was made, loaded or imported.
    const TopicHistory &History = Document.History();
    // Starts the history afresh from the topic as shown: nothing to undo, the clean state.
    void ResetHistory();
    // Records the topic as it stands as one step, unless nothing changed. A step with the
    // merge key of the step before replaces it (see TopicHistory::Record).
    void RecordStep(const QString &Description, const QString &MergeKey = {});
    // Takes back (does again) one step and shows the topic as that step left it; the
    // topic counts as changed unless that is the state last loaded or saved. Nothing
    // happens with nothing to undo (redo), while a dialog is open, or while one runs.
    void Undo();
    void Redo();
    // Opens the topic's notes (frmMain_Notes.cpp); OK with changed notes is one step.
    void EditNotes();
    // After the save command: a topic that counts as saved is the clean state.
    void NoteSaved();
    // A name in a step's description: quoted, a long one cut short.
    static QString QuotedName(const QString &Name);
    // The descriptions of the steps that change a value.
    QString WeightingStep(int16_t AttributeID) const;
    QString RatingStep(int16_t Index) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class EditEvents;
    class EditFilter;
    class ShortcutKeys;
    // EditMeasure for a rating cell of a measured attribute, EditNumber for any other number.
    int16_t NumberEditKind(const VLabel &Label) const;
    bool AcceptsEditCharacter(QChar typed) const;
    static bool AcceptsEditCharacter(int16_t kind, const QString &remaining, QChar typed);
    // The text the open edit started from, and what the edit stands for now.
    QString EditStartText;
    QString OpenEditText() const;
    void CommitEditText();
    QString EditStep(const VLabel &label, const QString &text) const;
    const std::vector<VLabel *> *EditArrayOf(const VLabel &label) const;
    // Keyboard use without an open edit: the label takes the focus by Tab, opens its edit
    // by `edit` on Enter or F2 and, as a name of that highlight kind, is removed by Delete.
    void WireKeyboardEdit(VLabel *label, const std::function<void()> &edit, int16_t kind);
    void UpdateTabOrder();
    // Set while the open edit was begun from the keyboard: it hands the focus back to its
    // label when it ends by Enter or Escape.
    bool EditFromKeyboard = false;
    void EndKeyboardEdit();
    // The remove commands for that name label; nothing while the remove button is disabled.
    void RemoveAttribute(const VLabel *label);
    void RemoveOption(const VLabel *label);

    // Slider value changes are ignored while set. Holders set it with a QScopedValueRollback,
    // so that the rebuild of the arrays, which ends in a refresh, gives back its own
    // suppression rather than lifting it.
    bool SuppressEvents = false;
    // Set from load to unload: size limits, moves and activation are handled meanwhile.
    bool HooksInstalled = false;
    // Between StartLoad and EndLoad the loading mask covers the window: its background is
    // painted once, when the load is over, not at every step of the rebuild.
    bool GradientsHeld = false;
    bool GradientsDue = false;
    // The loading mask's own gradient, drawn when the mask can first be seen: at start-up the
    // window is not on the screen yet, and the mask is gone again before it is.
    bool MaskGradientDue = false;
    // The restored placement, while the window frame it depends on is still unknown.
    std::optional<ProgramSettings::WindowPlacement> PendingPlacement;

    // Set while an undo or redo shows its state: a rebuild of the arrays lets pending
    // events run, and an undo key among them must wait for this step to be shown.
    bool InHistoryStep = false;
    // The slider of the last key move, and when it was; quick moves on one slider merge.
    QString KeyMoveSlider;
    QElapsedTimer KeyMoveClock;
    int KeyMoveBurst = 0;
    void SliderAdjustmentEnded(bool Weighting, int16_t Index, bool ByKey);
    void ShowRestoredState(int16_t AttributesBefore, int16_t OptionsBefore);

    // The marks beside the attribute names; made on first use.
    class AttributeMarks *Marks = nullptr;
    // What each rating label's measured tooltip was last made from.
    std::vector<size_t> MeasureTipSources;
    // A typed value of a cell on a measured attribute goes in as a value: true when the
    // caption change was one of these (and is handled).
    bool StoreMeasuredCaption(int16_t Index);
    // How much narrower an attribute's name is fitted to leave room for its mark.
    int MarkRoom(int16_t AttributeID) const;

    void CreateFixedControls();
    void RestorePlacement();
    // The available area of the screen the window is on (or of the one it belongs to,
    // when it lies on none), and the least inner size the window can have there: the
    // layout's minimum, no larger than the screen allows.
    QRect AvailableArea() const;
    QSize MinimumInnerSize() const;
    // Moves the window (its frame) into the available area, up or left first, and makes it
    // smaller only where the screen is smaller than it; a window that fits stays put.
    void KeepOnScreen();
    // Set while the window was last kept on the screen without its frame, which a window
    // manager adds only once the window is shown: the fit is made again when it is known.
    bool FitAwaitsFrame = false;
    ProgramSettings::WindowState PlacementState() const;
    // Applies the restored placement once the frame is known, in the normal state;
    // true when it did (and recorded the placement).
    bool ApplyWindowFrame(bool afterStateChange = false);
    // Screen pixels per pixel of the window (the scale factor), and conversions between
    // the window's pixels and the twips of the screen.
    double PixelsPerPoint() const;
    int32_t ToTwips(int pixels) const;
    int FromTwips(int32_t twips) const;

    // Element creation of the control arrays.
    void CreateAttributeElements(int16_t index);
    void CreateOptionElements(int16_t index);
    void CreateCellElements(int16_t index);
    VLabel *CreateValueLabel(const QString &arrayName, int16_t index);

    // Caption-change handling.
    void lblTitle_Change();
    void lblOption_Change(int16_t Index);
    void lblAttribute_Change(int16_t Index);
    void lblWeighting_Change(int16_t Index);
    void lblRating_Change(int16_t Index);
    void lblScoreTitle_Change(int16_t Index);
    // Writes the caption and runs the label's change handling even when the text stays
    // the same, so that fitting follows a new width.
    void RefreshCaption(VLabel *label, const QString &caption, void (frmMain::*handler)());
    void RefreshCaption(VLabel *label, int16_t index, const QString &caption,
                        void (frmMain::*handler)(int16_t));

    // Slider notifications.
    void sliderRating_Change(int16_t Index);
    void sliderRating_UserAdjusted(int16_t Index);
    void sliderWeighting_Change(int16_t Index);
    void sliderWeighting_UserAdjusted(int16_t Index);
    void StoreRatingStep(int16_t Index);
    void StoreWeightingStep(int16_t Index);
    // Runs store (a value into the topic), reports a rejected value, then refreshes.
    void StoreValue(const std::function<void()> &store);
    static double ShownValue(double Value);
    static bool SliderHolds(const MeterSlider &slider, double current);
    int ValueStoreCount = 0;

    void imgResizeTab_MouseDown(Qt::MouseButton button);
    // The mouse over the label brings the hover highlight of that kind.
    void WireHighlight(VLabel *label, int16_t kind);
    // An editable array element: caption changes and clicks go to the handlers given.
    void WireEditableLabel(VLabel *label, int16_t index, void (frmMain::*change)(int16_t),
                           void (frmMain::*click)(int16_t), int16_t kind);
};
