#include "AppState.h"

#include <QJSEngine>

namespace framewright {

AppState::AppState(QObject* parent) : QObject(parent) {}

AppState& AppState::shared() {
    // Deliberately leaked: QML may still reference it while statics are torn down at exit.
    static AppState* const instance = new AppState;
    return *instance;
}

AppState* AppState::create(QQmlEngine* /*qmlEngine*/, QJSEngine* /*jsEngine*/) {
    AppState* instance = &shared();
    QJSEngine::setObjectOwnership(instance, QJSEngine::CppOwnership);
    return instance;
}

void AppState::setIsDefaultState(bool value) {
    Flags next = flags_;
    next.isDefaultState = value;
    if (value) {
        next.isSettingsVisible = false;
        next.isLogExpanded = false;
    }
    apply(next);
}

void AppState::setIsLogExpanded(bool value) {
    Flags next = flags_;
    next.isLogExpanded = value;
    if (value) {
        next.isSettingsVisible = false;
    }
    apply(next);
}

void AppState::setIsSettingsVisible(bool value) {
    Flags next = flags_;
    next.isSettingsVisible = value;
    if (value) {
        next.isLogExpanded = false;
    }
    apply(next);
}

void AppState::setShowingPopup(bool value) {
    Flags next = flags_;
    next.showingPopup = value;
    apply(next);
}

void AppState::apply(const Flags& next) {
    const Flags previous = flags_;
    flags_ = next;
    // A slot may assign again while these fire; it then sees, and leaves, a consistent state.
    if (previous.isDefaultState != next.isDefaultState) {
        emit isDefaultStateChanged();
    }
    if (previous.isLogExpanded != next.isLogExpanded) {
        emit isLogExpandedChanged();
    }
    if (previous.isSettingsVisible != next.isSettingsVisible) {
        emit isSettingsVisibleChanged();
    }
    if (previous.showingPopup != next.showingPopup) {
        emit showingPopupChanged();
    }
    if (previous.keypadShown() != next.keypadShown()) {
        emit isKeypadShownChanged();
    }
}

} // namespace framewright
