#include "ButtonItem.h"

#include "ButtonAccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>

namespace framewright {

ButtonItem::ButtonItem(QQuickItem* parent) : QQuickItem(parent) {
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&ButtonAccessible::create);
        return true;
    }();
    Q_UNUSED(accessibleInstalled)
    setAcceptedMouseButtons(Qt::LeftButton);
    setAcceptHoverEvents(true);
    setActiveFocusOnTab(true);
}

void ButtonItem::setText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    emit textChanged();
}

void ButtonItem::setHoverEnabled(bool enabled) {
    if (enabled == hoverEnabled_) return;
    hoverEnabled_ = enabled;
    setAcceptHoverEvents(enabled);
    if (!enabled) setHovered(false);
    emit hoverEnabledChanged();
}

void ButtonItem::setFocusPolicy(Qt::FocusPolicy policy) {
    if (policy == focusPolicy_) return;
    focusPolicy_ = policy;
    setActiveFocusOnTab((policy & Qt::TabFocus) == Qt::TabFocus);
    emit focusPolicyChanged();
}

void ButtonItem::setContentItem(QQuickItem* item) {
    if (item == contentItem_) return;
    if (contentItem_ != nullptr) contentItem_->setParentItem(nullptr);
    contentItem_ = item;
    if (item != nullptr) {
        item->setParentItem(this);
        // Below the children declared with the button (a focus ring), above the background.
        for (QQuickItem* child : childItems()) {
            if (child != item && child != background_) {
                item->stackBefore(child);
                break;
            }
        }
    }
    layoutParts();
    emit contentItemChanged();
}

void ButtonItem::setBackground(QQuickItem* item) {
    if (item == background_) return;
    if (background_ != nullptr) background_->setParentItem(nullptr);
    background_ = item;
    if (item != nullptr) {
        item->setParentItem(this);
        if (qFuzzyIsNull(item->z())) item->setZ(-1);
    }
    layoutParts();
    emit backgroundChanged();
}

void ButtonItem::click() {
    if (isEnabled()) emit clicked();
}

void ButtonItem::layoutParts() {
    const QRectF area(0, 0, width(), height());
    for (QQuickItem* part : {background_, contentItem_}) {
        if (part == nullptr) continue;
        part->setPosition(area.topLeft());
        part->setSize(area.size());
    }
}

void ButtonItem::setPressed(bool pressed) {
    if (pressed == pressed_) return;
    pressed_ = pressed;
    if (!pressed) keyPressed_ = false;
    emit pressedChanged();
}

void ButtonItem::setHovered(bool hovered) {
    if (hovered == hovered_) return;
    hovered_ = hovered;
    emit hoveredChanged();
}

void ButtonItem::mousePressEvent(QMouseEvent* event) {
    if ((focusPolicy_ & Qt::ClickFocus) == Qt::ClickFocus) forceActiveFocus(Qt::MouseFocusReason);
    keyPressed_ = false;
    setPressed(true);
    event->accept();
}

void ButtonItem::mouseMoveEvent(QMouseEvent* event) {
    if (!keyPressed_) setPressed(contains(event->position()));
    event->accept();
}

void ButtonItem::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = pressed_ && !keyPressed_;
    setPressed(false);
    event->accept();
    if (wasPressed && contains(event->position())) emit clicked();
}

void ButtonItem::mouseUngrabEvent() {
    if (!keyPressed_) setPressed(false);
}

void ButtonItem::hoverEnterEvent(QHoverEvent* event) {
    setHovered(true);
    event->ignore();
}

void ButtonItem::hoverLeaveEvent(QHoverEvent* event) {
    setHovered(false);
    event->ignore();
}

bool ButtonItem::isPressKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select;
}

void ButtonItem::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (!isPressKey(event->key()) || !plain) {
        QQuickItem::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && !pressed_) {
        keyPressed_ = true;
        setPressed(true);
    }
    event->accept();
}

void ButtonItem::keyReleaseEvent(QKeyEvent* event) {
    if (!isPressKey(event->key())) {
        QQuickItem::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat() || !keyPressed_) return;
    setPressed(false);
    emit clicked();
}

void ButtonItem::focusOutEvent(QFocusEvent* event) {
    if (keyPressed_) setPressed(false);
    QQuickItem::focusOutEvent(event);
}

void ButtonItem::geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) {
    QQuickItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) layoutParts();
}

void ButtonItem::itemChange(ItemChange change, const ItemChangeData& value) {
    QQuickItem::itemChange(change, value);
    if (change == ItemEnabledHasChanged) {
        if (!value.boolValue) {
            setPressed(false);
            setHovered(false);
        }
        if (QAccessible::isActive()) {
            QAccessible::State changed;
            changed.disabled = true;
            QAccessibleStateChangeEvent event(this, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
}

} // namespace framewright
