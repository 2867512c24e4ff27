#include "view/MeterAccessible.h"

#include "core/pictures/MeterDial.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kMarksProperty = "tarrowinMeterMarks";

class CMeterAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit CMeterAccessible(QWidget* meter) : QAccessibleWidget(meter, QAccessible::Dial) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    QVariant currentValue() const override { return widget()->property(kMarksProperty); }
    // Only the circuit moves the needle.
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return double(MeterDial::kMarksPerSide); }
    QVariant minimumValue() const override { return double(-MeterDial::kMarksPerSide); }
    QVariant minimumStepSize() const override { return 0.0; }
};

QAccessibleInterface* MeterFactory(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->property(kMarksProperty).isValid())
        return nullptr;
    return new CMeterAccessible(widget);
}

}

namespace MeterAccessible {

void Mark(QWidget* meter)
{
    static const bool installed = [] {
        QAccessible::installFactory(MeterFactory);
        return true;
    }();
    (void)installed;
    meter->setProperty(kMarksProperty, 0.0);
    // The bar named it before it became the meter, and Qt keeps the plain
    // interface it made then: the next query makes the meter's own.
    if (QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(meter); plain && !plain->valueInterface())
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
}

void SetReading(QWidget* meter, double marks, const QString& words)
{
    if (meter->accessibleDescription() != words)
        meter->setAccessibleDescription(words);
    if (meter->property(kMarksProperty).toDouble() == marks)
        return;
    meter->setProperty(kMarksProperty, marks);
    QAccessibleValueChangeEvent event(meter, marks);
    QAccessible::updateAccessibility(&event);
}

}
