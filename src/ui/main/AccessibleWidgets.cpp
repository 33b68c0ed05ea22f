// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleWidgets.h"

#include "ui/main/ImageButton.h"
#include "ui/main/MeterSlider.h"
#include "ui/support/VLabel.h"

#include <QAccessibleWidget>
#include <QVariant>

namespace {

// Where an editable label keeps what it holds, for its accessible description.
constexpr char EditableWhat[] = "veltraneEditableWhat";

QStringList WithPress(QStringList names)
{
    names.removeAll(QAccessibleActionInterface::pressAction());
    names.prepend(QAccessibleActionInterface::pressAction());
    return names;
}

class AccessibleMeterSlider : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleMeterSlider(MeterSlider *slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    // Asked each time: the toolkit may make the interface before the slider is set up.
    QAccessible::Role role() const override
    {
        return slider()->IsIndicator() ? QAccessible::ProgressBar : QAccessible::Slider;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Value)
            return QString::number(double(slider()->Value()));
        return QAccessibleWidget::text(which);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = slider()->IsIndicator();
        return state;
    }

    QVariant currentValue() const override { return double(slider()->Value()); }
    void setCurrentValue(const QVariant &value) override
    {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok)
            slider()->AdjustAsUser(float(number));
    }
    QVariant maximumValue() const override { return double(MeterSlider::MaxValue); }
    QVariant minimumValue() const override { return double(MeterSlider::MinValue); }
    QVariant minimumStepSize() const override { return 1.0; }

private:
    MeterSlider *slider() const { return static_cast<MeterSlider *>(widget()); }
};

class AccessibleImageButton : public QAccessibleWidget
{
public:
    explicit AccessibleImageButton(ImageButton *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text which) const override
    {
        // The button shows a picture only: its tooltip is its name.
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->toolTip();
        if (which == QAccessible::Description && widget()->accessibleDescription().isEmpty())
            return QString();
        return QAccessibleWidget::text(which);
    }

    QStringList actionNames() const override { return WithPress(QAccessibleWidget::actionNames()); }
    void doAction(const QString &action) override
    {
        if (action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (widget()->isEnabled())
            emit static_cast<ImageButton *>(widget())->Click();
    }
};

// Static text named by its caption. The toolkit makes a label's interface as soon as its
// text is first set, so whether the label is editable is asked each time.
class AccessibleLabel : public QAccessibleWidget
{
public:
    explicit AccessibleLabel(VLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->Caption();
        if (which == QAccessible::Description && editable() && widget()->accessibleDescription().isEmpty())
            return label()->property(EditableWhat).toString() + QStringLiteral("; click to edit");
        return QAccessibleWidget::text(which);
    }

    QStringList actionNames() const override
    {
        return clickable() ? WithPress(QAccessibleWidget::actionNames()) : QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action != pressAction() || !clickable())
            return QAccessibleWidget::doAction(action);
        if (label()->isEnabled() && label()->isVisible())
            emit label()->Click();
    }

private:
    VLabel *label() const { return static_cast<VLabel *>(widget()); }
    bool editable() const { return label()->property(EditableWhat).isValid(); }
    // A label that does something when clicked (edits, picks a tab or an option) can be
    // pressed; its description says what the click does.
    bool clickable() const { return editable() || label()->HasClickHandler(); }
};

QAccessibleInterface *CreateInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("MeterSlider"))
        return new AccessibleMeterSlider(static_cast<MeterSlider *>(object));
    if (className == QLatin1String("ImageButton"))
        return new AccessibleImageButton(static_cast<ImageButton *>(object));
    if (className == QLatin1String("VLabel"))
        return new AccessibleLabel(static_cast<VLabel *>(object));
    return nullptr;
}

} // namespace

void InstallAccessibleWidgets()
{
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    (void)installed;
}

void DescribeEditableLabel(VLabel &label, const QString &what)
{
    label.setProperty(EditableWhat, what);
}
