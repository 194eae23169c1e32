#pragma once
// ButtonItem: what the program's buttons share, in place of QtQuick.Templates' AbstractButton,
// whose module costs the start-up about 10 ms to load and register before anything is drawn.
// Views use it through ButtonBase.qml, which adds the accessible role, name and press action.
//
// The same surface as the parts of AbstractButton the views use:
//   - `pressed` while the left button is held over it (it lets go when the pointer leaves and
//     presses again when it comes back), or while Space, Return, Enter or Select is held with
//     the focus on it; `clicked()` when the press ends over it; a press taken away (by a
//     flickable or a popup) ends without a click;
//   - `hovered` while the pointer is over it (hoverEnabled, on by default);
//   - `focusPolicy`: Qt.TabFocus makes it reachable with Tab, Qt.ClickFocus gives it the focus
//     when clicked, Qt.StrongFocus both (the default), Qt.NoFocus neither;
//   - `contentItem` and `background` fill the button, the background below everything and the
//     content below the children declared in QML (a focus ring); they are created with the
//     button, not deferred. The button's implicit size is its own (views set it);
//   - `click()` emits clicked() when the button is enabled; `text` is free for labels and
//     accessible names.
// A disabled button takes no input and loses its press. Assistive technology sees it through
// ButtonAccessible, which reports it disabled.

#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

namespace framewright {

class ButtonItem : public QQuickItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged FINAL)
    Q_PROPERTY(bool pressed READ isPressed NOTIFY pressedChanged FINAL)
    Q_PROPERTY(bool hovered READ isHovered NOTIFY hoveredChanged FINAL)
    Q_PROPERTY(bool hoverEnabled READ hoverEnabled WRITE setHoverEnabled NOTIFY hoverEnabledChanged FINAL)
    Q_PROPERTY(Qt::FocusPolicy focusPolicy READ focusPolicy WRITE setFocusPolicy NOTIFY focusPolicyChanged FINAL)
    Q_PROPERTY(QQuickItem* contentItem READ contentItem WRITE setContentItem NOTIFY contentItemChanged FINAL)
    Q_PROPERTY(QQuickItem* background READ background WRITE setBackground NOTIFY backgroundChanged FINAL)

public:
    explicit ButtonItem(QQuickItem* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    bool isPressed() const noexcept { return pressed_; }
    bool isHovered() const noexcept { return hovered_; }
    bool hoverEnabled() const noexcept { return hoverEnabled_; }
    void setHoverEnabled(bool enabled);
    Qt::FocusPolicy focusPolicy() const noexcept { return focusPolicy_; }
    void setFocusPolicy(Qt::FocusPolicy policy);
    QQuickItem* contentItem() const { return contentItem_; }
    void setContentItem(QQuickItem* item);
    QQuickItem* background() const { return background_; }
    void setBackground(QQuickItem* item);

    Q_INVOKABLE void click();

signals:
    void clicked();
    void textChanged();
    void pressedChanged();
    void hoveredChanged();
    void hoverEnabledChanged();
    void focusPolicyChanged();
    void contentItemChanged();
    void backgroundChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseUngrabEvent() override;
    void hoverEnterEvent(QHoverEvent* event) override;
    void hoverLeaveEvent(QHoverEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
    void itemChange(ItemChange change, const ItemChangeData& value) override;

private:
    static bool isPressKey(int key);
    void setPressed(bool pressed);
    void setHovered(bool hovered);
    void layoutParts();

    QString text_;
    QQuickItem* contentItem_ = nullptr;
    QQuickItem* background_ = nullptr;
    Qt::FocusPolicy focusPolicy_ = Qt::StrongFocus;
    bool pressed_ = false;
    bool keyPressed_ = false; // the press comes from the keyboard
    bool hovered_ = false;
    bool hoverEnabled_ = true;
};

} // namespace framewright
