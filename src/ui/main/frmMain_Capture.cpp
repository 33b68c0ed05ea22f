// Window capture: a picture of the matrix as it looks on screen, without the command
// buttons, the panel toggles, the resize grip and the focus mark, for screenshot files
// and the clipboard.

#include "frmMain.h"

#include "gfx/libmodScreenCapture.h"
#include "io/WindowHooks.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/main/ShapeControl.h"
#include "ui/support/VLabel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

void frmMain::CaptureWindow()
{
    // A focus mark is no part of the picture: the focus rests on the hidden catcher while
    // the picture is taken (before the buttons hide, which would pass it on), then returns.
    const QPointer<QWidget> focused = focusWidget() != txtEditBox ? focusWidget() : nullptr;
    const auto parkFocus = [this] {
        if (focusWidget() != txtHiddenButton)
            txtHiddenButton->setFocus(Qt::OtherFocusReason);
    };
    if (focused)
        parkFocus();

    // 1. - 2. The capture picture sized, the command controls hidden.
    picCapture->resize(width(), height());
    for (QWidget *control : {static_cast<QWidget *>(btnSave), static_cast<QWidget *>(btnLoad),
                             static_cast<QWidget *>(btnNew), static_cast<QWidget *>(btnSettings),
                             static_cast<QWidget *>(imgResizeTab), static_cast<QWidget *>(btnAddAttribute),
                             static_cast<QWidget *>(btnAddOption), static_cast<QWidget *>(btnToggleScore),
                             static_cast<QWidget *>(btnToggleWeightings), static_cast<QWidget *>(btnToggleRatings),
                             static_cast<QWidget *>(btnAnalysis), static_cast<QWidget *>(btnWeightings)})
        control->hide();
    // The keyboard focus mark belongs on the screen, not in the picture.
    const QPointer<MeterSlider> focusedSlider = qobject_cast<MeterSlider *>(focusWidget());
    if (focusedSlider)
        focusedSlider->SetFocusMarkShown(false);

    // 3. The headings take the place of the hidden add buttons.
    lblWeightings->move(picWeightingFrame->x() + 10, lblWeightings->y());
    lblRatings->move(picRatingFrame->x() + 10, lblRatings->y());

    // 4. An open edit leaves the picture as Escape would close it, and comes back after.
    std::optional<QString> openEditText;
    QPointer<VLabel> openEditLabel;
    const int16_t openEditKind = EditKind;
    const bool openEditFromKeyboard = EditFromKeyboard;
    if (!txtEditBox->isHidden()) {
        openEditText = OpenEditText();
        openEditLabel = EditLabel;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        txtEditBox_KeyPress(&escape);
        parkFocus();
    }

    // 5. - 7. Mouse movement during the capture must not bring the highlight back.
    QCoreApplication::processEvents();
    if (!shpHighlight->isHidden()) {
        HighlightControl(nullptr, HighlightPlain);
        SuppressHighlight = true;
    }
    QCoreApplication::processEvents();

    // 8. The inner area captured.
    picCapture->SetPicture(libmodScreenCapture::GrabFormClientArea(*this));
    if (focusedSlider)
        focusedSlider->SetFocusMarkShown(true);

    // 9. - 11. The hidden controls back.
    for (QWidget *control : {static_cast<QWidget *>(btnSave), static_cast<QWidget *>(btnLoad),
                             static_cast<QWidget *>(btnNew), static_cast<QWidget *>(btnSettings)})
        control->show();
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        imgResizeTab->show();
    if (ShowWeightings || ShowRatings) {
        btnAddAttribute->show();
        lblWeightings->move(btnAddAttribute->x() + btnAddAttribute->width() + 5, lblWeightings->y());
    }
    if (ShowRatings) {
        btnAddOption->show();
        lblRatings->move(btnAddOption->x() + btnAddOption->width() + 5, lblRatings->y());
    }
    btnToggleScore->show();
    btnToggleWeightings->show();
    btnToggleRatings->show();
    btnAnalysis->show();
    PlaceWeightingsButton();
    SuppressHighlight = false;

    // 12. An open edit comes back.
    if (openEditText && openEditLabel) {
        BeginEdit(openEditLabel, openEditKind, *openEditText);
        txtEditBox->show();
        EditFromKeyboard = openEditFromKeyboard;
    } else if (focused && focused->isVisible()) {
        focused->setFocus(Qt::OtherFocusReason);
    }
}

void frmMain::InstallScreenshotHook()
{
    windowHooks().saveScreenshot = [](const QString &fileName, bool jpeg) {
        frmMain *window = Instance();
        if (!window)
            return false;
        window->CaptureWindow();
        return libmodScreenCapture::SaveScreenshotFile(window->picCapture->Picture(), fileName, jpeg);
    };
}
