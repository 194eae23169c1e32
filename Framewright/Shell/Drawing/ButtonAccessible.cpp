#include "ButtonAccessible.h"

#include "ButtonItem.h"

#include <QQuickWindow>

namespace framewright {

ButtonAccessible::ButtonAccessible(ButtonItem* button) : QAccessibleObject(button) {}

QAccessibleInterface* ButtonAccessible::create(const QString& className, QObject* object) {
    Q_UNUSED(className)
    auto* button = qobject_cast<ButtonItem*>(object);
    return button != nullptr ? new ButtonAccessible(button) : nullptr;
}

ButtonItem* ButtonAccessible::button() const { return static_cast<ButtonItem*>(object()); }

QObject* ButtonAccessible::attached() const {
    // The attached object is private to Qt Quick; it is a child of the item and answers to its
    // properties by name.
    for (QObject* child : object()->children())
        if (child->inherits("QQuickAccessibleAttached")) return child;
    return nullptr;
}

QWindow* ButtonAccessible::window() const { return button()->window(); }

QRect ButtonAccessible::rect() const {
    const QQuickItem* item = button();
    if (item->window() == nullptr) return {};
    const QPoint topLeft = item->window()->mapToGlobal(item->mapToScene(QPointF(0, 0)).toPoint());
    return {topLeft, QSize(qRound(item->width()), qRound(item->height()))};
}

QAccessibleInterface* ButtonAccessible::parent() const {
    // The nearest ancestor Qt Quick presents, or the window in place of its content item.
    QQuickWindow* window = button()->window();
    const QQuickItem* content = window != nullptr ? window->contentItem() : nullptr;
    for (QQuickItem* item = button()->parentItem(); item != nullptr; item = item->parentItem()) {
        if (item == content) break;
        if (QAccessibleInterface* found = QAccessible::queryAccessibleInterface(item)) return found;
    }
    return window != nullptr ? QAccessible::queryAccessibleInterface(window) : nullptr;
}

QAccessibleInterface* ButtonAccessible::child(int index) const {
    Q_UNUSED(index)
    return nullptr;
}

int ButtonAccessible::childCount() const { return 0; }

int ButtonAccessible::indexOfChild(const QAccessibleInterface* child) const {
    Q_UNUSED(child)
    return -1;
}

QAccessibleInterface* ButtonAccessible::childAt(int x, int y) const {
    Q_UNUSED(x)
    Q_UNUSED(y)
    return nullptr;
}

QString ButtonAccessible::text(QAccessible::Text type) const {
    const QObject* properties = attached();
    switch (type) {
    case QAccessible::Name: {
        const QString name = properties != nullptr ? properties->property("name").toString() : QString();
        return name.isEmpty() ? button()->text() : name;
    }
    case QAccessible::Description:
        return properties != nullptr ? properties->property("description").toString() : QString();
    default:
        return {};
    }
}

QAccessible::Role ButtonAccessible::role() const {
    const QObject* properties = attached();
    const int role = properties != nullptr ? properties->property("role").toInt() : QAccessible::NoRole;
    return role == QAccessible::NoRole ? QAccessible::Button : static_cast<QAccessible::Role>(role);
}

QAccessible::State ButtonAccessible::state() const {
    const ButtonItem* item = button();
    QAccessible::State state;
    state.disabled = !item->isEnabled();
    state.invisible = !item->isVisible() || qFuzzyIsNull(item->opacity()) || item->window() == nullptr
                      || !item->window()->isVisible();
    state.focusable = item->activeFocusOnTab();
    state.focused = item->hasActiveFocus();
    state.pressed = item->isPressed();
    if (const QObject* properties = attached()) {
        state.checkable = properties->property("checkable").toBool();
        state.checked = properties->property("checked").toBool();
        state.selected = properties->property("selected").toBool();
        state.selectable = properties->property("selectable").toBool();
    }
    return state;
}

void* ButtonAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return QAccessibleObject::interface_cast(type);
}

QStringList ButtonAccessible::actionNames() const {
    if (!button()->isEnabled()) return {};
    QStringList names{pressAction()};
    if (button()->activeFocusOnTab()) names << setFocusAction();
    return names;
}

void ButtonAccessible::doAction(const QString& actionName) {
    ButtonItem* item = button();
    if (!item->isEnabled()) return;
    if (actionName == setFocusAction()) {
        item->forceActiveFocus(Qt::OtherFocusReason);
    } else if (actionName == pressAction()) {
        // The view may give the press its own meaning (Accessible.onPressAction).
        QObject* properties = attached();
        if (properties == nullptr || !QMetaObject::invokeMethod(properties, "pressAction")) item->click();
    }
}

QStringList ButtonAccessible::keyBindingsForAction(const QString& actionName) const {
    Q_UNUSED(actionName)
    return {};
}

} // namespace framewright
