// SPDX-License-Identifier: GPL-3.0-or-later
// Help in setting the weightings, in the main window: the button in the weighting panel's
// heading row and F8 open the dialog, and its Apply stores the weightings as one undo step.
#include "frmMain.h"

#include "io/modParameters.h"
#include "model/VeltraneTopic.h"
#include "support/MsgBox.h"
#include "support/VeltraneError.h"
#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/main/ShapeControl.h"
#include "ui/support/VLabel.h"
#include "ui/weightings/frmWeightings.h"

#include <algorithm>

void frmMain::btnWeightings_Click()
{
    CommitOpenEdit();
    if (Weightings && Weightings->isVisible()) {
        Weightings->raise();
        Weightings->activateWindow();
        return;
    }
    auto *dialog = new frmWeightings(*modParameters::CurrentTopic, this);
    connect(dialog, &QDialog::finished, dialog, &QObject::deleteLater);
    Weightings = dialog;
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        try {
            modParameters::CurrentTopic->ApplyWeightingMethod(dialog->ChosenInputs());
        } catch (const VeltraneError &error) {
            MsgBox(error.description(), vbCritical);
            return;
        }
        Document.Report(TopicDocument::Values);
        UpdateSettings();
        RecordStep(dialog->StepDescription());
    });
    dialog->open();
}

void frmMain::PlaceWeightingsButton()
{
    if (!btnWeightings || !modParameters::CurrentTopic)
        return;
    // Every control the button must keep clear of: all shown on the window but the panels
    // (drawn into the background), the hover highlight and the loading mask.
    const int size = btnWeightings->width();
    std::vector<QWidget *> controls;
    const QWidget *behind[] = {picScoreFrame, picWeightingFrame, picRatingFrame, picMask,     picCapture,
                               lblHighlight,  shpHighlight,      shpHighlight2,  shpHighlight3, btnWeightings};
    for (QWidget *control : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (std::find(std::begin(behind), std::end(behind), control) == std::end(behind))
            controls.push_back(control);
    const auto freeAt = [&](int top, int from, int to) -> std::optional<int> {
        std::vector<std::pair<int, int>> taken;
        for (const QWidget *control : controls) {
            const QRect place = control->geometry();
            if (!control->isHidden() && !control->isWindow() && place.top() < top + size && place.bottom() >= top)
                taken.emplace_back(place.left(), place.right());
        }
        std::sort(taken.begin(), taken.end(), [](auto a, auto b) { return a.second > b.second; });
        // From the right: the first x whose stretch [x, x + size) touches nothing.
        int x = to - size;
        for (bool moved = true; moved && x >= from;) {
            moved = false;
            for (const auto &[left, right] : taken) {
                if (left < x + size && right >= x) {
                    x = left - size - 1;
                    moved = true;
                }
            }
        }
        return x >= from ? std::optional(x) : std::nullopt;
    };

    const int rowTop = btnToggleWeightings->y();
    const int left = picWeightingFrame->x() + 5;
    // In the heading row, at most as far right as the chart button sits in the score panel.
    std::optional<int> x = freeAt(rowTop, left, btnToggleWeightings->x() - 6);
    int top = rowTop;
    if (!x && ShowWeightings) {
        // Below the heading, left of the sliders, where the panel holds nothing else.
        top = lblWeightings->y() + lblWeightings->height() + 4;
        if (top + size <= picWeightingFrame->y() + picWeightingFrame->height() - 4)
            x = freeAt(top, left, lblWeightings->x() + size);
    }
    if (x)
        btnWeightings->move(*x, top);
    btnWeightings->setVisible(x.has_value());
}
