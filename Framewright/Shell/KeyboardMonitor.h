#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickWindow>
#include <QtQml/qqmlregistration.h>

#include "KeypadViewModel.h"

namespace framewright {


// The keypad's ear on the keyboard. While active, every key press that reaches `window` is
// offered to the keypad model first, whichever item has the keyboard focus: a press it takes is
// consumed, any other goes on to the window as usual. Enter on a focused button presses the
// button. Shortcuts (Ctrl+...) are matched before
// key presses are delivered, so they keep working. While AppState's showingPopup holds (an alert
// or the share menu is open), no key is offered: the popup has the keyboard to itself.
class KeyboardMonitor : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QQuickWindow* window READ window WRITE setWindow NOTIFY windowChanged FINAL)
    Q_PROPERTY(framewright::KeypadViewModel* viewModel READ viewModel WRITE setViewModel NOTIFY viewModelChanged FINAL)
    Q_PROPERTY(bool active READ isActive WRITE setActive NOTIFY activeChanged FINAL)

public:
    explicit KeyboardMonitor(QObject* parent = nullptr);
    ~KeyboardMonitor() override;

    QQuickWindow* window() const { return qobject_cast<QQuickWindow*>(window_.data()); }
    void setWindow(QQuickWindow* window);
    KeypadViewModel* viewModel() const { return viewModel_; }
    void setViewModel(KeypadViewModel* viewModel);
    bool isActive() const noexcept { return active_; }
    void setActive(bool active);

signals:
    void windowChanged();
    void viewModelChanged();
    void activeChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // As a plain window: the monitor may outlive the window's Qt Quick part while both close.
    QPointer<QWindow> window_;
    QPointer<KeypadViewModel> viewModel_;
    bool active_ = true;
};

} // namespace framewright
