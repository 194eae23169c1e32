#pragma once
// What the program does as it gains and loses focus: each activation counts a run and runs the
// review check a moment later; losing focus saves the history's pending changes (an all-clear's
// trimming, for one, is not saved by itself).

#include <QObject>
#include <QTimer>

#include <chrono>

class QGuiApplication;

namespace framewright {

class PersistenceController;

class AppLifecycle : public QObject {
    Q_OBJECT
public:
    // `reviewDelay` is how long after an activation the review check runs (2 s in the program).
    explicit AppLifecycle(PersistenceController& history,
                          std::chrono::milliseconds reviewDelay = std::chrono::seconds(2),
                          QObject* parent = nullptr);

    // Follows the application's state from now on.
    void attach(QGuiApplication& application);

    // Active: count the run at once, review check after the delay (a new activation restarts the
    // wait, so one check runs per settled activation). Leaving active: save the history.
    void applicationStateChanged(Qt::ApplicationState state);
    // Quitting: save the history. Closing the window need not make the application inactive
    // first, and a deletion or an all-clear trim is not saved by itself.
    void applicationWillQuit();

private:
    PersistenceController& history_;
    QTimer reviewTimer_;
    Qt::ApplicationState state_ = Qt::ApplicationInactive;
};

} // namespace framewright
