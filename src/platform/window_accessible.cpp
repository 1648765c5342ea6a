// Window roles for plain widgets shown as windows, given through an
// accessibility factory that knows them by a property.
#include "window_accessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

constexpr const char* WindowRoleProperty = "zelvoAccessibleWindow";

// Asked for every class of an object's hierarchy in turn, most derived first.
QAccessibleInterface* WindowInterface(const QString&, QObject* object) {
    if (object == nullptr || !object->isWidgetType() ||
        !object->property(WindowRoleProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

} // namespace

void ExposeAsWindow(QWidget& window) {
    static bool factoryInstalled = false;
    if (!factoryInstalled) {
        QAccessible::installFactory(WindowInterface);
        factoryInstalled = true;
    }
    window.setProperty(WindowRoleProperty, true);
}
