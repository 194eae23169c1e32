#pragma once
// ButtonAccessible: what assistive technology sees of a ButtonItem. Qt Quick's own accessible
// item never reports an item as disabled, so a screen reader would offer a refused keypad key
// as pressable; this one reports the button's enabled state along with the role, name, states
// and actions set through the `Accessible` attached properties of its view.
//
// A button is a leaf: its label and symbol are drawn for the eye and named by the button.
// ButtonItem installs the factory when the first button is made.

#include <QAccessibleObject>
#include <QPointer>

class QQuickItem;

namespace framewright {

class ButtonItem;

class ButtonAccessible : public QAccessibleObject, public QAccessibleActionInterface {
public:
    explicit ButtonAccessible(ButtonItem* button);

    // A QAccessible factory: an interface for every ButtonItem, nothing for other objects.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    QWindow* window() const override;
    QRect rect() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text type) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    ButtonItem* button() const;
    // The view's `Accessible` attached object, if it made one.
    QObject* attached() const;
};

} // namespace framewright
