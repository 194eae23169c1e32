#include "AppLifecycle.h"

#include "PersistenceController.h"

#include "Kitbase/StoreReviewHelper.h"

#include <QGuiApplication>

namespace framewright {

AppLifecycle::AppLifecycle(PersistenceController& history, std::chrono::milliseconds reviewDelay,
                           QObject* parent)
    : QObject(parent), history_(history) {
    reviewTimer_.setSingleShot(true);
    reviewTimer_.setInterval(reviewDelay);
    connect(&reviewTimer_, &QTimer::timeout, this, [] { kitbase::StoreReviewHelper::checkAndAskForReview(); });
}

void AppLifecycle::attach(QGuiApplication& application) {
    connect(&application, &QGuiApplication::applicationStateChanged, this,
            &AppLifecycle::applicationStateChanged);
    connect(&application, &QCoreApplication::aboutToQuit, this, &AppLifecycle::applicationWillQuit);
    // The first activation may have happened before anyone listened.
    if (QGuiApplication::applicationState() == Qt::ApplicationActive)
        applicationStateChanged(Qt::ApplicationActive);
}

void AppLifecycle::applicationStateChanged(Qt::ApplicationState state) {
    const Qt::ApplicationState previous = state_;
    state_ = state;
    if (state == previous) return;
    if (state == Qt::ApplicationActive) {
        kitbase::StoreReviewHelper::incrementAppOpenedCount();
        reviewTimer_.start();
    } else if (previous == Qt::ApplicationActive) {
        history_.saveContext();
    }
}

void AppLifecycle::applicationWillQuit() {
    history_.saveContext();
}

} // namespace framewright
