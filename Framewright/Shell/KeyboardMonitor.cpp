#include "KeyboardMonitor.h"

#include "AppState.h"

#include "ButtonItem.h"
#include "KeypadViewModel.h"

#include <QKeyEvent>

namespace framewright {

KeyboardMonitor::KeyboardMonitor(QObject* parent) : QObject(parent) {}

KeyboardMonitor::~KeyboardMonitor() {
    if (window_ != nullptr) window_->removeEventFilter(this);
}

void KeyboardMonitor::setWindow(QQuickWindow* window) {
    if (window_ == window) return;
    if (window_ != nullptr) window_->removeEventFilter(this);
    window_ = window;
    if (window_ != nullptr) window_->installEventFilter(this);
    emit windowChanged();
}

void KeyboardMonitor::setViewModel(KeypadViewModel* viewModel) {
    if (viewModel_ == viewModel) return;
    viewModel_ = viewModel;
    emit viewModelChanged();
}

void KeyboardMonitor::setActive(bool active) {
    if (active_ == active) return;
    active_ = active;
    emit activeChanged();
}

bool KeyboardMonitor::eventFilter(QObject* watched, QEvent* event) {
    // An open alert or share menu has the keyboard to itself: its Return or a digit typed at it
    // must not reach the calculator behind it.
    if (watched == window_ && event->type() == QEvent::KeyPress && active_ && viewModel_ != nullptr
        && !AppState::shared().showingPopup()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Enter presses the focused button, as Space does, rather than the equals key.
        const QQuickWindow* quickWindow = window();
        if (key->key() == Qt::Key_Enter && quickWindow != nullptr
            && qobject_cast<ButtonItem*>(quickWindow->activeFocusItem()) != nullptr)
            return false;
        return viewModel_->handleKeyDown(key->key(), key->modifiers());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace framewright
