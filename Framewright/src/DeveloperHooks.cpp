#include "DeveloperHooks.h"

#include "AppState.h"
#include "CalculatorModel.h"

#include <QCoreApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>

namespace framewright {

namespace {

// Presses the listed keys and pastes the text; an unknown key name stops with a message, so a
// mistyped shot does not silently show the wrong state.
bool applyScreenshotInput() {
    const QString keys = qEnvironmentVariable("FRAMEWRIGHT_SCREENSHOT_KEYS");
    CalculatorModel& calculator = CalculatorModel::shared();
    for (const QString& key : keys.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!calculator.keyPressedByRawValue(key.trimmed())) {
            std::fprintf(stderr, "FRAMEWRIGHT_SCREENSHOT_KEYS: no key \"%s\"\n", qPrintable(key));
            return false;
        }
    }
    const QString paste = qEnvironmentVariable("FRAMEWRIGHT_SCREENSHOT_PASTE");
    if (!paste.isEmpty()) {
        calculator.pasteText(paste);
    }
    return true;
}

} // namespace

void installDeveloperHooks(QQmlApplicationEngine& engine) {
    const bool exitAfterFirstFrame = qEnvironmentVariableIntValue("FRAMEWRIGHT_EXIT_AFTER_FIRST_FRAME") == 1;
    const QString screenshotPath = qEnvironmentVariable("FRAMEWRIGHT_SCREENSHOT");
    if (!exitAfterFirstFrame && screenshotPath.isEmpty()) {
        return;
    }
    if (!screenshotPath.isEmpty()) {
        if (!applyScreenshotInput()) {
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(2); });
            return;
        }
        const QString layout = qEnvironmentVariable("FRAMEWRIGHT_SCREENSHOT_LAYOUT");
        if (layout == QLatin1String("settings")) {
            AppState::shared().setIsSettingsVisible(true);
        } else if (layout == QLatin1String("history")) {
            AppState::shared().setIsLogExpanded(true);
        }
    }
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, &engine, [=](QObject* object) {
        auto* window = qobject_cast<QQuickWindow*>(object);
        if (window == nullptr) {
            return;
        }
        auto done = std::make_shared<bool>(false);
        QObject::connect(window, &QQuickWindow::frameSwapped, window, [=] {
            if (*done) {
                return;
            }
            *done = true;
            if (exitAfterFirstFrame) {
                std::puts("first-frame");
                std::fflush(stdout);
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
                return;
            }
            // Later frames may still be settling images; give them a moment before the grab.
            QTimer::singleShot(300, window, [=] {
                const bool saved = window->grabWindow().save(screenshotPath);
                if (!saved) {
                    std::fprintf(stderr, "Could not write %s\n", qPrintable(screenshotPath));
                }
                QCoreApplication::exit(saved ? 0 : 1);
            });
        });
    });
}

} // namespace framewright
