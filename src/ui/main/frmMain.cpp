#include "frmMain.h"

#include "app/ProgramSettings.h"
#include "app/modStartup.h"
#include "frmMain_Internal.h"
#include "gfx/ColourValue.h"
#include "gfx/modFormElements.h"
#include "io/RecentTopics.h"
#include "io/WindowHooks.h"
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "ui/measures/frmMeasurements.h"
#include "ui/main/AccessibleWidgets.h"
#include "ui/main/DecisionInsight.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MainWindowArt.h"
#include "ui/main/MeterSlider.h"
#include "ui/main/ShapeControl.h"
#include "ui/support/AppIcon.h"
#include "ui/support/VLabel.h"
#include "ui/support/WindowFit.h"
#include "ui/support/libmodTextMetrics.h"
#include "ui/support/libmodUnsorted_ui.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

QPointer<frmMain> LoadedMainWindow;

constexpr int CommandButtonSize = 28;
constexpr int SmallButtonSize = 18;
constexpr int RemoveButtonSize = 16;
constexpr int HeadingWidth = 100;

// The drawn pictures hold as many screen pixels as the sharpest screen shows; on any
// other they are scaled down smoothly.
double pictureRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

MainWindowArt::ButtonLook buttonImages(MainWindowArt::Glyph glyph, int size)
{
    return MainWindowArt::ButtonImages(glyph, size, pictureRatio());
}

ImageButton *makeButton(QWidget *parent, const char *name, MainWindowArt::Glyph glyph, int size,
                        const QString &toolTip = {})
{
    auto *button = new ImageButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    const MainWindowArt::ButtonLook look = buttonImages(glyph, size);
    button->SetPicture(look.picture);
    button->SetOverPicture(look.overpicture);
    button->SetDownPicture(look.downpicture);
    button->SetDisabledPicture(look.disabledpicture);
    button->resize(size, size);
    button->setToolTip(toolTip);
    return button;
}

VLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, const QFont &font,
                  int width)
{
    auto *label = new VLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->resize(width, QFontMetrics(font).height());
    return label;
}

QLineEdit *makeTextBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QSize screenSize(const QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(frmMain::DesignWidth, frmMain::DesignHeight);
}

QMargins frameMargins(const QWidget &window)
{
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

} // namespace

QFont frmMainFonts::Comic(double points, bool bold)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

frmMain::frmMain(QWidget *parent) : PictureBox(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(modParameters::ProductTitle);
    // Drawing the icon in its seven sizes is work the first sight of the window need not wait
    // for: it follows with the first turn of the event loop.
    QTimer::singleShot(0, this, [this] { setWindowIcon(AppIcon()); });
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    // Tooltips follow the pointer as on the rest of the desktop, also while another window
    // has the focus (a window manager may keep one started from a terminal in the background).
    setAttribute(Qt::WA_AlwaysShowToolTips);
    // Sized first, so that the background picture is made once, at the design size.
    resize(DesignWidth, DesignHeight);
    SetAutoRedraw(true);
    SetBackColor(modFormElements::BackgroundBaseColour);
    // The window's own font, which the value labels use.
    setFont(frmMainFonts::Comic(8.25, false));

    Insight = new DecisionInsight(*this, Document);
    CreateFixedControls();
    InitEditing();
    InitCommands();
}

frmMain::~frmMain() = default;

frmMain *frmMain::Instance()
{
    return LoadedMainWindow.data();
}

void frmMain::CreateFixedControls()
{
    using MainWindowArt::Glyph;

    // The focus catchers of in-place editing and the measuring box stay out of sight.
    txtTabDetectorBack = makeTextBox(this, "txtTabDetectorBack");
    txtEditBox = makeTextBox(this, "txtEditBox");
    txtEditBox->setMaxLength(MaxEditLength);
    txtEditBox->setFrame(false);
    txtEditBox->hide();
    txtTabDetectorForward = makeTextBox(this, "txtTabDetectorForward");
    setTabOrder(txtTabDetectorBack, txtEditBox);
    setTabOrder(txtEditBox, txtTabDetectorForward);
    txtHiddenButton = makeTextBox(this, "txtHiddenButton");
    // Only the window itself sends the focus to the catchers; Tab passes them by.
    for (QLineEdit *catcher : {txtTabDetectorBack, txtTabDetectorForward, txtHiddenButton})
        catcher->setFocusPolicy(Qt::ClickFocus);
    // Until the person moves it, the focus rests where no focus mark shows.
    txtHiddenButton->setFocus(Qt::OtherFocusReason);
    txtFontCalc = makeTextBox(this, "txtFontCalc");
    txtFontCalc->hide();
    libmodTextMetrics::SetFontCalcControl(txtFontCalc);
    tmrTabFixer = new QTimer(this);
    tmrTabFixer->setObjectName(QStringLiteral("tmrTabFixer"));
    tmrTabFixer->setSingleShot(true);
    tmrTabFixer->setInterval(5);

    // The panels only serve as painting templates for the background.
    for (PictureBox **panel : {&picScoreFrame, &picWeightingFrame, &picRatingFrame}) {
        *panel = new PictureBox(this);
        (*panel)->hide();
    }
    picScoreFrame->setObjectName(QStringLiteral("picScoreFrame"));
    picWeightingFrame->setObjectName(QStringLiteral("picWeightingFrame"));
    picRatingFrame->setObjectName(QStringLiteral("picRatingFrame"));

    picCapture = new PictureBox(this);
    picCapture->setObjectName(QStringLiteral("picCapture"));
    picCapture->resize(0, 0);
    picCapture->hide();

    // The highlight pieces lie lowest; they are created first.
    lblHighlight = makeLabel(this, QStringLiteral("lblHighlight"), QString(), font(), 0);
    lblHighlight->hide();
    shpHighlight2 = new ShapeControl(this);
    shpHighlight2->setObjectName(QStringLiteral("shpHighlight2"));
    shpHighlight2->SetFillColor(RGB(192, 192, 192));
    shpHighlight2->SetBorderColor(RGB(192, 192, 192));
    shpHighlight = new ShapeControl(this);
    shpHighlight->setObjectName(QStringLiteral("shpHighlight"));
    shpHighlight->SetFillColor(RGB(230, 243, 252));
    shpHighlight->SetBorderColor(RGB(0, 0, 128));
    shpHighlight3 = new ShapeControl(this);
    shpHighlight3->setObjectName(QStringLiteral("shpHighlight3"));
    shpHighlight3->SetFillColor(RGB(230, 243, 252));
    shpHighlight3->SetBorderColor(RGB(0, 0, 128));
    for (QWidget *piece : {static_cast<QWidget *>(shpHighlight), static_cast<QWidget *>(shpHighlight2),
                           static_cast<QWidget *>(shpHighlight3)})
        piece->hide();

    const QFont titleFont = frmMainFonts::Comic(12, true);
    const QFont headingFont = frmMainFonts::Comic(9.75, true);
    lblTitle = makeLabel(this, QStringLiteral("lblTitle"), QStringLiteral("Topic Title"), titleFont, 300);
    lblScores = makeLabel(this, QStringLiteral("lblScores"), QStringLiteral("Scores"), headingFont, HeadingWidth);
    lblWeightings = makeLabel(this, QStringLiteral("lblWeightings"), QStringLiteral("Weightings"), headingFont,
                              HeadingWidth);
    lblRatings = makeLabel(this, QStringLiteral("lblRatings"), QStringLiteral("Ratings"), headingFont,
                           HeadingWidth);
    connect(lblTitle, &VLabel::Change, this, &frmMain::lblTitle_Change);
    connect(lblTitle, &VLabel::Click, this, &frmMain::lblTitle_Click);
    DescribeEditableLabel(*lblTitle, QStringLiteral("Topic title"));
    WireHighlight(lblTitle, HighlightPlain);
    WireKeyboardEdit(lblTitle, [this] { lblTitle_Click(); }, HighlightPlain);

    btnNew = makeButton(this, "btnNew", Glyph::New, CommandButtonSize, QStringLiteral("Start New Topic"));
    btnLoad = makeButton(this, "btnLoad", Glyph::Load, CommandButtonSize, QStringLiteral("Load Topic"));
    btnSave = makeButton(this, "btnSave", Glyph::Save, CommandButtonSize, QStringLiteral("Save Topic"));
    btnSettings = makeButton(this, "btnSettings", Glyph::Settings, CommandButtonSize,
                             QStringLiteral("Change Veltrane Settings"));
    btnAddOption = makeButton(this, "btnAddOption", Glyph::Add, SmallButtonSize, QStringLiteral("Add Option"));
    btnAddAttribute = makeButton(this, "btnAddAttribute", Glyph::Add, SmallButtonSize,
                                 QStringLiteral("Add Attribute"));
    btnRemoveOption = makeButton(this, "btnRemoveOption", Glyph::Remove, RemoveButtonSize,
                                 QStringLiteral("Delete Option"));
    btnRemoveAttribute = makeButton(this, "btnRemoveAttribute", Glyph::Remove, RemoveButtonSize,
                                    QStringLiteral("Delete Attribute"));
    btnRemoveOption->hide();
    btnRemoveAttribute->hide();
    btnToggleScore = makeButton(this, "btnToggleScore", Glyph::Hide, SmallButtonSize, QStringLiteral("Hide Scores"));
    btnToggleWeightings = makeButton(this, "btnToggleWeightings", Glyph::Hide, SmallButtonSize,
                                     QStringLiteral("Hide Weightings"));
    btnToggleRatings = makeButton(this, "btnToggleRatings", Glyph::Hide, SmallButtonSize,
                                  QStringLiteral("Hide Ratings"));
    // The image holder: the "hide" look in picture and overpicture, the "show" look in
    // downpicture and disabledpicture.
    {
        const MainWindowArt::ButtonLook hide = buttonImages(Glyph::Hide, SmallButtonSize);
        const MainWindowArt::ButtonLook show = buttonImages(Glyph::Show, SmallButtonSize);
        btnImageStore = makeButton(this, "btnImageStore", Glyph::Hide, SmallButtonSize);
        btnImageStore->SetPicture(hide.picture);
        btnImageStore->SetOverPicture(hide.overpicture);
        btnImageStore->SetDownPicture(show.picture);
        btnImageStore->SetDisabledPicture(show.overpicture);
        btnImageStore->setEnabled(false);
        btnImageStore->hide();
    }
    btnAnalysis = makeButton(this, "btnAnalysis", Glyph::Chart, SmallButtonSize,
                             QStringLiteral("How sure is the decision? Sensitivity chart (F9)"));
    btnWeightings = makeButton(this, "btnWeightings", Glyph::Balance, SmallButtonSize,
                               QStringLiteral("How much does each attribute matter? Rank, swing or compare (F8)"));
    connect(btnToggleScore, &ImageButton::Click, this, &frmMain::btnToggleScore_Click);
    connect(btnToggleWeightings, &ImageButton::Click, this, &frmMain::btnToggleWeightings_Click);
    connect(btnToggleRatings, &ImageButton::Click, this, &frmMain::btnToggleRatings_Click);
    connect(btnNew, &ImageButton::MouseMove, this, [this] { HighlightControl(nullptr, HighlightPlain); });

    imgResizeTab = new QLabel(this);
    imgResizeTab->setObjectName(QStringLiteral("imgResizeTab"));
    imgResizeTab->setPixmap(QPixmap::fromImage(MainWindowArt::ResizeGripImage(pictureRatio())));
    imgResizeTab->resize(13, 13);
    imgResizeTab->setCursor(Qt::SizeFDiagCursor);
    imgResizeTab->installEventFilter(this);

    // Element 0 of every control array exists from the start.
    CreateAttributeElements(0);
    CreateOptionElements(0);
    CreateCellElements(0);
    sliderWeighting[0]->setEnabled(false);

    // The loading mask covers everything while a topic is built.
    picMask = new PictureBox(this);
    picMask->setObjectName(QStringLiteral("picMask"));
    picMask->SetAutoRedraw(true);
    picMask->installEventFilter(this);
    lblLoading = makeLabel(picMask, QStringLiteral("lblLoading"), QStringLiteral("Loading..."), titleFont, 0);
    lblLoading->SetAutoSize(true);
    picMask->hide();
}

void frmMain::PrepareButtonArt()
{
    using MainWindowArt::Glyph;
    // A look missing here is only drawn when asked for, as before.
    MainWindowArt::PrepareButtonImages({{Glyph::New, CommandButtonSize},
                                        {Glyph::Load, CommandButtonSize},
                                        {Glyph::Save, CommandButtonSize},
                                        {Glyph::Settings, CommandButtonSize},
                                        {Glyph::Add, SmallButtonSize},
                                        {Glyph::Hide, SmallButtonSize},
                                        {Glyph::Show, SmallButtonSize},
                                        {Glyph::Chart, SmallButtonSize},
                                        {Glyph::Balance, SmallButtonSize},
                                        {Glyph::Remove, RemoveButtonSize}},
                                       pictureRatio());
}

void frmMain::InstallWindowHooks()
{
    WindowHooks &hooks = windowHooks();
    hooks.loadMainWindow = [] {
        auto *window = new frmMain;
        window->Form_Load();
        return frmMain::Instance() == window;
    };
    hooks.mainWindowIsLoading = [] {
        const frmMain *window = frmMain::Instance();
        return window && window->IsLoading;
    };
    hooks.isFormLoaded = [](const QString &formName) { return IsFormLoaded(formName); };
    // The settings dialog puts itself in place of the window for as long as it is loaded.
    hooks.dialogOwner = []() -> QObject * { return frmMain::Instance(); };
    InstallScreenshotHook();
    hooks.chooseMeasurements = frmMeasurements::Choose;
}

void frmMain::Form_Load()
{
    LoadedMainWindow = this;

    // 1. The window's own event handling takes over moves and activation (its smallest
    // size follows the topic, ComputeMinimumSize; the window manager limits the largest).
    HooksInstalled = true;

    // 3. Height of the area above the option rows.
    HeaderHeight = int16_t(lblTitle->height() + 10 + 10 + (15 + lblScores->height() + 10)
                           + (15 + lblWeightings->height() + 10) + (15 + lblRatings->height() + 10));

    // 4. The fixed controls at their places.
    PlaceFixedControls();

    // 5. A topic file named on the command line.
    bool topicLoaded = false;
    if (modParameters::CommandLineFileType == QLatin1String("VTP"))
        topicLoaded = modLoadSave::LoadTopicFile(modStartup::CommandLineFilePath(), modParameters::CurrentTopic);
    if (topicLoaded)
        RecentTopics::Note(modStartup::CommandLineFilePath());

    // 6. Placement, without recording the size changes it causes.
    {
        const QScopedValueRollback<bool> suppress(SuppressEvents, true);
        RestorePlacement();
    }

    // 7. The loaded topic shown, or a new one begun.
    if (topicLoaded) {
        ShowScores = ShowWeightings = ShowRatings = true;
        UpdateToggleButtons();
        ShowLoadedTopic();
    } else {
        btnNew_Click();
    }
}

double frmMain::PixelsPerPoint() const
{
    // Twips belong to the screen's own pixels: with a scale factor, one of the window's
    // pixels covers several of them.
    return devicePixelRatioF();
}

int32_t frmMain::ToTwips(int pixels) const
{
    return int32_t(std::nearbyint(pixels * PixelsPerPoint() * TwipsPerPixel));
}

int frmMain::FromTwips(int32_t twips) const
{
    return CInt(twips / (PixelsPerPoint() * TwipsPerPixel));
}

void frmMain::RestorePlacement()
{
    const QSize screen = screenSize(*this);
    const QMargins frame = frameMargins(*this);
    // The stored rectangle is the outer frame; the window's own size is its inner area.
    const QSize designOuter = size().grownBy(frame);
    const ProgramSettings::WindowPlacement placement = ProgramSettings::RestoreWindowPlacement(
        ToTwips(designOuter.width()), ToTwips(designOuter.height()), ToTwips(screen.width()),
        ToTwips(screen.height()));
    move(FromTwips(placement.left), FromTwips(placement.top));
    resize(FromTwips(placement.width) - frame.left() - frame.right(),
           FromTwips(placement.height) - frame.top() - frame.bottom());
    if (placement.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    else
        KeepOnScreen();
    // A window manager adds its frame only once the window is on screen, and reports the
    // normal frame only in the normal state: until then the placement waits for it.
    PendingPlacement.reset();
    if (frame.isNull())
        PendingPlacement = placement;
}

bool frmMain::ApplyWindowFrame(bool afterStateChange)
{
    if (!PendingPlacement || !isVisible() || PlacementState() != ProgramSettings::WindowState::Normal)
        return false;
    const QMargins frame = frameMargins(*this);
    if (frame.isNull())
        return false;
    // Some platforms report the normal state before the normal geometry: a window that
    // still fills the screen waits for its resize.
    const QScreen *screen = this->screen();
    if (afterStateChange && screen && frameGeometry().size() == screen->availableGeometry().size())
        return false;
    const ProgramSettings::WindowPlacement placement = *PendingPlacement;
    PendingPlacement.reset();

    // A stored size is the outer frame; without one the inner area keeps the design size.
    const QSize inner(placement.widthStored ? FromTwips(placement.width) - frame.left() - frame.right()
                                            : DesignWidth,
                      placement.heightStored ? FromTwips(placement.height) - frame.top() - frame.bottom()
                                             : DesignHeight);
    // A default position centres the window with its real frame.
    const QSize outer = inner.grownBy(frame);
    const QSize screenPixels = screenSize(*this);
    const int32_t left = placement.leftStored
                             ? placement.left
                             : ProgramSettings::CentredPosition(ToTwips(screenPixels.width()), ToTwips(outer.width()));
    const int32_t top = placement.topStored
                            ? placement.top
                            : ProgramSettings::CentredPosition(ToTwips(screenPixels.height()), ToTwips(outer.height()));
    move(FromTwips(left), FromTwips(top));
    resize(inner);
    // A place stored on a screen that is smaller now, or gone, is brought back onto it.
    KeepOnScreen();
    // Recorded even when nothing had to change, so that the stored frame is the real one;
    // a place kept as stored keeps its exact twips.
    const QPoint at = frameGeometry().topLeft();
    const bool kept = at == QPoint(FromTwips(left), FromTwips(top));
    ProgramSettings::TrackWindowMove(ProgramSettings::WindowState::Normal, kept ? left : ToTwips(at.x()),
                                     kept ? top : ToTwips(at.y()));
    const QSize recorded = frameGeometry().size();
    ProgramSettings::TrackWindowResize(ProgramSettings::WindowState::Normal, ToTwips(recorded.width()),
                                       ToTwips(recorded.height()));
    return true;
}

QRect frmMain::AvailableArea() const
{
    const QScreen *screen = QGuiApplication::screenAt(frameGeometry().center());
    if (!screen)
        screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize frmMain::MinimumInnerSize() const
{
    const QSize minimum(MinWindowWidth, MinWindowHeight);
    const QSize room = AvailableArea().size().shrunkBy(frameMargins(*this));
    return room.isEmpty() ? minimum : minimum.boundedTo(room);
}

void frmMain::KeepOnScreen()
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return;
    FitAwaitsFrame = frameMargins(*this).isNull();
    const QRect outer = frameGeometry();
    const QRect fitted = FitWithin(outer, AvailableArea());
    if (fitted == outer)
        return;
    if (fitted.size() != outer.size())
        resize(fitted.size().shrunkBy(frameMargins(*this)));
    move(fitted.topLeft());
}

ProgramSettings::WindowState frmMain::PlacementState() const
{
    if (windowState() & Qt::WindowMinimized)
        return ProgramSettings::WindowState::Minimized;
    if (windowState() & Qt::WindowMaximized)
        return ProgramSettings::WindowState::Maximized;
    return ProgramSettings::WindowState::Normal;
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    PictureBox::resizeEvent(event);
    if (!HooksInstalled)
        return;
    ApplyWindowFrame();
    Form_Resize();
}

void frmMain::showEvent(QShowEvent *event)
{
    PictureBox::showEvent(event);
    ApplyWindowFrame();
}

void frmMain::moveEvent(QMoveEvent *event)
{
    PictureBox::moveEvent(event);
    // Not while the window places itself.
    if (!HooksInstalled || SuppressEvents || !isVisible())
        return;
    if (ApplyWindowFrame())
        return;
    if (FitAwaitsFrame && !frameMargins(*this).isNull())
        KeepOnScreen();
    const QPoint outer = frameGeometry().topLeft();
    ProgramSettings::TrackWindowMove(PlacementState(), double(ToTwips(outer.x())), double(ToTwips(outer.y())));
}

void frmMain::changeEvent(QEvent *event)
{
    PictureBox::changeEvent(event);
    if (!HooksInstalled)
        return;
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !(windowState() & Qt::WindowMinimized)) {
        // The frame is known by the time the window is first activated.
        if (FitAwaitsFrame && !frameMargins(*this).isNull())
            KeepOnScreen();
        RepaintGradients();
    }
    else if (event->type() == QEvent::WindowStateChange) {
        ApplyWindowFrame(true);
        Form_Resize();
    }
}

void frmMain::closeEvent(QCloseEvent *event)
{
    // The save question; Cancel keeps the window. Otherwise the window stops tracking
    // itself before the settings are written.
    if (!modStartup::QueryUnloadMainWindow([this] { HooksInstalled = false; })) {
        event->ignore();
        return;
    }
    event->accept();
    LoadedMainWindow = nullptr;
}

void frmMain::mouseMoveEvent(QMouseEvent *event)
{
    // Movement over the window's empty area removes the highlight; over a control it is
    // that control's business.
    if (!childAt(event->position().toPoint()))
        HighlightControl(nullptr, HighlightPlain);
    PictureBox::mouseMoveEvent(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picMask && event->type() == QEvent::Paint)
        PaintLoadingMask();
    if (watched == imgResizeTab && event->type() == QEvent::MouseButtonPress) {
        imgResizeTab_MouseDown(static_cast<QMouseEvent *>(event)->button());
        return true;
    }
    return PictureBox::eventFilter(watched, event);
}
