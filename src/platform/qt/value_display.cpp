#include "platform/qt/value_display.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

class ValueDisplayAccessible : public QAccessibleWidget {
  public:
    explicit ValueDisplayAccessible(ValueDisplay* display)
        : QAccessibleWidget(display, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return static_cast<const ValueDisplay*>(object())->ValueText();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* CreateValueDisplayAccessible(const QString&, QObject* object) {
    if (auto* display = qobject_cast<ValueDisplay*>(object)) {
        return new ValueDisplayAccessible(display);
    }
    return nullptr;
}

void InstallAccessibleFactoryOnce() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateValueDisplayAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace

ValueDisplay::ValueDisplay(QWidget* parent) : QWidget(parent) {
    InstallAccessibleFactoryOnce();
}

void ValueDisplay::ValueChanged() {
    setAccessibleDescription(ValueText());
    // Painted when the event loop is next free, once however many changes came meanwhile.
    update();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, ValueText());
        QAccessible::updateAccessibility(&event);
    }
}
