#include "frmOptions.h"

#include "OptionsArtwork.h"
#include "VeltraneVersion.h"
#include "app/modStartup.h"
#include "io/WindowHooks.h"
#include "io/modLoadSave.h"
#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/MsgBox.h"
#include "support/NumericText.h"
#include "support/VeltraneError.h"
#include "ui/support/VLabel.h"
#include "ui/support/libmodUnsorted_ui.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

using namespace modParameters;

namespace {

constexpr double TwipsPerPixel = 15;
// The strip of the screen's bottom edge the dialog keeps clear of (the task bar), twips.
constexpr double BottomMarginTwips = 400;

// The count a count box holds, as the 16-bit number the topic takes; the box keeps
// whole numbers once its focus rule has run.
int16_t countIn(const QLineEdit &box, int16_t currentCount)
{
    const std::optional<double> value = ParseNumericText(box.text());
    if (!value)
        return currentCount;
    return int16_t(std::clamp(std::nearbyint(*value), double(INT16_MIN), double(INT16_MAX)));
}

} // namespace

frmOptions::frmOptions(SettingsDialogOwner &owner) : QDialog(&owner.OwnerWindow()), m_owner(owner)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(ProductTitle + QStringLiteral(" Settings"));
    // The dialog draws its own rounded frame.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setMouseTracking(true);
    buildControls();

    // Form_Load, in the order of the design.
    m_owner.SetOptionChangeCancelled(false);
    installEventFilter(this);
    installDialogHooks();
    const QWidget &window = m_owner.OwnerWindow();
    const QScreen *screen = window.screen();
    move(CentredPosition(window.frameGeometry(), size(), screen ? screen->geometry().size() : QSize()));
    if (IsStarting) {
        m_btnOk->setText(QStringLiteral("Begin"));
        m_btnCancel->setText(QStringLiteral("Load Topic"));
    }
    QString version = QStringLiteral("Veltrane v%1.%2").arg(VELTRANE_VERSION_MAJOR).arg(VELTRANE_VERSION_MINOR);
    if (VELTRANE_VERSION_PATCH >= 1)
        version += QStringLiteral(".%1").arg(VELTRANE_VERSION_PATCH);
    m_lblVeltraneTitle->SetCaption(version);
    ShowCurrentSettings();
}

frmOptions::~frmOptions()
{
    removeEventFilter(this);
    windowHooks().dialogOwner = std::move(m_previousDialogOwner);
    windowHooks().hideSettingsDialog = std::move(m_previousHideSettingsDialog);
}

// While the dialog is loaded, file dialogs belong to it, and the open operation can hide
// it before it reads the chosen file.
void frmOptions::installDialogHooks()
{
    m_previousDialogOwner = windowHooks().dialogOwner;
    m_previousHideSettingsDialog = windowHooks().hideSettingsDialog;
    windowHooks().dialogOwner = [this]() -> QObject * { return this; };
    windowHooks().hideSettingsDialog = [this] { hide(); };
}

void frmOptions::ShowModal(SettingsDialogOwner &owner)
{
    frmOptions dialog(owner);
    // Hiding a modal dialog ends its exec(); "Load Topic" asks for another round when the
    // open operation hid the dialog and then loaded nothing.
    do {
        dialog.m_showAgain = false;
        dialog.exec();
    } while (dialog.m_showAgain && !dialog.m_unloaded);
}

QPoint frmOptions::CentredPosition(const QRect &mainFrame, const QSize &dialogSize, const QSize &screen)
{
    // The arithmetic of the design, in twips.
    const double width = dialogSize.width() * TwipsPerPixel;
    const double height = dialogSize.height() * TwipsPerPixel;
    double left = mainFrame.left() * TwipsPerPixel + mainFrame.width() * TwipsPerPixel / 2 - width / 2;
    double top = mainFrame.top() * TwipsPerPixel + mainFrame.height() * TwipsPerPixel / 2 - height / 2;
    const double screenWidth = screen.width() * TwipsPerPixel;
    const double screenHeight = screen.height() * TwipsPerPixel;
    if (left + width > screenWidth)
        left = screenWidth - width;
    if (top + height > screenHeight - BottomMarginTwips)
        top = screenHeight - BottomMarginTwips - height;
    return QPoint(int(std::lround(left / TwipsPerPixel)), int(std::lround(top / TwipsPerPixel)));
}

void frmOptions::ShowCurrentSettings()
{
    const VeltraneTopic &topic = *CurrentTopic;
    m_txtTitle->setText(topic.Title());
    m_savedTitle = topic.Title();
    (DisplayAsDecimal ? m_optRange1 : m_optRange100)->setChecked(true);
    m_optWeightingType[topic.InvertWeights() ? 1 : 0]->setChecked(true);
    m_txtOptionCount->setText(QString::number(topic.TotalOptions()));
    m_txtAttributeCount->setText(QString::number(topic.TotalAttributes()));
    m_chkNormaliseWeights->setChecked(topic.NormaliseWeights());
    m_chkShowSettingsOnNew->setChecked(ShowSettingsOnNew);
    m_chkShowStability->setChecked(ShowStability);
}

void frmOptions::ApplySettings()
{
    correctBoxesBeforeApply();
    VeltraneTopic &topic = *CurrentTopic;
    const QString title = m_txtTitle->text();
    const bool invert = !m_optWeightingType[0]->isChecked();
    const int16_t attributes = countIn(*m_txtAttributeCount, topic.TotalAttributes());
    const int16_t options = countIn(*m_txtOptionCount, topic.TotalOptions());

    if (m_owner.OwnerIsLoading()) {
        if (title != topic.Title())
            SetTopicChanged(true);
    } else if (title != topic.Title() || invert != topic.InvertWeights() || attributes != topic.TotalAttributes()
               || options != topic.TotalOptions()) {
        modStartup::MarkTopicChanged();
    }

    topic.SetTitle(title);
    DisplayAsDecimal = m_optRange1->isChecked();
    topic.SetInvertWeights(invert);
    topic.SetNormaliseWeights(m_chkNormaliseWeights->checkState() != Qt::Unchecked);
    ShowSettingsOnNew = m_chkShowSettingsOnNew->checkState() != Qt::Unchecked;
    ShowStability = m_chkShowStability->checkState() != Qt::Unchecked;

    if (attributes == topic.TotalAttributes() && options == topic.TotalOptions() && !m_owner.OwnerIsLoading())
        return;
    topic.SetTotalAttributes(attributes);
    topic.SetTotalOptions(options);
    m_owner.UpdateSliderArrays(false);
}

void frmOptions::btnOk_Click()
{
    ApplySettings();
    unloadDialog();
}

void frmOptions::btnCancel_Click()
{
    if (!IsStarting) {
        m_owner.SetOptionChangeCancelled(true);
        unloadDialog();
        return;
    }
    bool loaded = false;
    try {
        loaded = modLoadSave::OpenTopic(CurrentTopic);
    } catch (const VeltraneError &error) {
        MsgBox(error.description(), vbExclamation);
    }
    if (loaded) {
        m_owner.UpdateSliderArrays(true);
        unloadDialog();
    } else if (!isVisible()) {
        m_showAgain = true;
    }
}

void frmOptions::unloadDialog()
{
    m_unloaded = true;
    done(QDialog::Accepted);
}

// Escape: "Begin" during start-up, Cancel afterwards.
void frmOptions::runEscape()
{
    if (IsStarting)
        btnOk_Click();
    else
        btnCancel_Click();
}

void frmOptions::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        runEscape();
        return;
    }
    QDialog::keyPressEvent(event);
}

// A close request from the desktop means what Escape means.
void frmOptions::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!m_unloaded)
        runEscape();
}

void frmOptions::Form_Resize()
{
    if (m_inResize)
        return;
    m_inResize = true;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), OptionsArtwork::CornerEllipse / 2.0, OptionsArtwork::CornerEllipse / 2.0);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
    QCoreApplication::processEvents();
    CopyParentBackground(m_picWeightingType, 0);
    m_inResize = false;
}

bool frmOptions::OptionsWindowProc(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Form_Resize();
    return false;
}

void frmOptions::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmOptions::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int16_t tab = selectedTab();
    const QRect tabRect = m_imgTabBackground[tab]->geometry();
    const QRect page(10, tabRect.bottom(), width() - 20, m_btnOk->y() - 10 - tabRect.bottom());
    OptionsArtwork::PaintDialog(painter, rect(), page, tabRect);
}

// The frameless dialog moves when its background is dragged.
void frmOptions::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragOffset = event->globalPosition().toPoint() - pos();
    }
    QDialog::mousePressEvent(event);
}

void frmOptions::mouseMoveEvent(QMouseEvent *event)
{
    setAllHeadingsBlack();
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - m_dragOffset);
    QDialog::mouseMoveEvent(event);
}

void frmOptions::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}
