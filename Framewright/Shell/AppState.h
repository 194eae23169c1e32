#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

class QQmlEngine;
class QJSEngine;

namespace framewright {

// The window's layout flags, one instance for the whole process.
//
// isLogExpanded and isSettingsVisible are never true together: raising either one lowers the
// other, and raising isDefaultState lowers both. The coupling runs on every assignment of true,
// even when the flag already holds true, because isDefaultState itself is never lowered by the
// other flags: "back to the calculator" must work from any layout. Assigning false couples
// nothing. All flags touched by one assignment are stored before any change signal fires, so
// an observer never sees the history expanded and the settings shown at once. Change signals
// fire only when a value really changes.
//
// showingPopup holds while an alert or the share menu is open; the keyboard then goes to it alone
// (KeyboardMonitor offers the keypad no key).
//
// isKeypadShown is derived: the keypad shows (and takes the keyboard) while neither the history
// is expanded nor the settings are shown. Its signal fires after the flags' own.
//
// The flags are not persisted; every launch starts from the calculator layout.
class AppState final : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool isDefaultState READ isDefaultState WRITE setIsDefaultState NOTIFY isDefaultStateChanged FINAL)
    Q_PROPERTY(bool isLogExpanded READ isLogExpanded WRITE setIsLogExpanded NOTIFY isLogExpandedChanged FINAL)
    Q_PROPERTY(bool isSettingsVisible READ isSettingsVisible WRITE setIsSettingsVisible NOTIFY
                   isSettingsVisibleChanged FINAL)
    Q_PROPERTY(bool showingPopup READ showingPopup WRITE setShowingPopup NOTIFY showingPopupChanged FINAL)
    Q_PROPERTY(bool isKeypadShown READ isKeypadShown NOTIFY isKeypadShownChanged FINAL)

public:
    // Created on first use, on the thread that first asks (the main thread); never destroyed.
    static AppState& shared();

    // QML singleton factory: hands QML the shared instance and keeps its ownership in C++, so
    // the engine never deletes it.
    static AppState* create(QQmlEngine* qmlEngine, QJSEngine* jsEngine);

    bool isDefaultState() const noexcept { return flags_.isDefaultState; }
    bool isLogExpanded() const noexcept { return flags_.isLogExpanded; }
    bool isSettingsVisible() const noexcept { return flags_.isSettingsVisible; }
    bool showingPopup() const noexcept { return flags_.showingPopup; }
    bool isKeypadShown() const noexcept { return flags_.keypadShown(); }

    void setIsDefaultState(bool value);
    void setIsLogExpanded(bool value);
    void setIsSettingsVisible(bool value);
    void setShowingPopup(bool value);

signals:
    void isDefaultStateChanged();
    void isLogExpandedChanged();
    void isSettingsVisibleChanged();
    void showingPopupChanged();
    void isKeypadShownChanged();

private:
    // Instances other than shared() exist only for tests, which need a fresh state each.
    friend class AppStateTestAccess;
    explicit AppState(QObject* parent = nullptr);

    struct Flags {
        bool isDefaultState = true;
        bool isLogExpanded = false;
        bool isSettingsVisible = false;
        bool showingPopup = false;
        bool keypadShown() const noexcept { return !isLogExpanded && !isSettingsVisible; }
    };
    // Stores every flag of next, then signals the ones that changed.
    void apply(const Flags& next);

    Flags flags_;
};

} // namespace framewright
