#include "DeveloperHooks.h"

#include "AppState.h"
#include "CalculatorModel.h"
#include "TextFitReport.h"

#include <QCoreApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStringList>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>

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

QQuickItem* findItem(QQuickItem* root, const QString& name) {
    if (root->objectName() == name) return root;
    for (QQuickItem* child : root->childItems())
        if (QQuickItem* found = findItem(child, name)) return found;
    return nullptr;
}

// Opens the menu or the save panel the shot asks for; answers the window to grab.
QQuickWindow* openRequestedPopups(QQuickWindow* window) {
    bool menuOk = false;
    const int menu = qEnvironmentVariableIntValue("FRAMEWRIGHT_SCREENSHOT_MENU", &menuOk);
    if (menuOk) {
        if (QQuickItem* bar = findItem(window->contentItem(), QStringLiteral("MenuBar")))
            bar->setProperty("openIndex", menu);
    }
    if (qEnvironmentVariableIntValue("FRAMEWRIGHT_SCREENSHOT_SAVE_PANEL") == 1) {
        if (QQuickItem* panel = findItem(window->contentItem(), QStringLiteral("SaveHistoryPanel"))) {
            QMetaObject::invokeMethod(panel, "open");
            auto* dialog = panel->property("dialog").value<QObject*>();
            auto* host = dialog != nullptr ? dialog->property("hostWindow").value<QQuickWindow*>() : nullptr;
            if (host != nullptr && host->isVisible()) return host;
        }
    }
    return window;
}

// Presses `keys` in turn for ever, reporting each returned press; unknown keys stop the program.
void typeForever(QQmlApplicationEngine& engine, const QStringList& keys) {
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, &engine, [keys](QObject* object) {
        auto* window = qobject_cast<QQuickWindow*>(object);
        if (window == nullptr) return;
        auto* typist = new QTimer(window);
        typist->setInterval(0);
        auto presses = std::make_shared<long long>(0);
        QObject::connect(typist, &QTimer::timeout, window, [keys, presses, typist] {
            const QString& key = keys[static_cast<qsizetype>(*presses % keys.size())];
            if (!CalculatorModel::shared().keyPressedByRawValue(key)) {
                std::fprintf(stderr, "FRAMEWRIGHT_TYPE_KEYS: no key \"%s\"\n", qPrintable(key));
                typist->stop();
                QCoreApplication::exit(2);
                return;
            }
            // Unbuffered: a kill right after this line must not swallow it.
            const std::string line = std::to_string(++*presses) + "\n";
            if (::write(STDOUT_FILENO, line.data(), line.size()) < 0) typist->stop();
        });
        QObject::connect(window, &QQuickWindow::frameSwapped, typist, [typist] {
            if (!typist->isActive() && typist->property("started").isNull()) {
                typist->setProperty("started", true);
                typist->start();
            }
        });
    });
}

} // namespace

void installDeveloperHooks(QQmlApplicationEngine& engine) {
    const QStringList typedKeys =
        qEnvironmentVariable("FRAMEWRIGHT_TYPE_KEYS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (!typedKeys.isEmpty()) typeForever(engine, typedKeys);
    const bool exitAfterFirstFrame = qEnvironmentVariableIntValue("FRAMEWRIGHT_EXIT_AFTER_FIRST_FRAME") == 1;
    const QString screenshotPath = qEnvironmentVariable("FRAMEWRIGHT_SCREENSHOT");
    const QString textReportPath = qEnvironmentVariable("FRAMEWRIGHT_TEXT_REPORT");
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
                if (!textReportPath.isEmpty() && !TextFitReport::write(*window, textReportPath)) {
                    std::fprintf(stderr, "Could not write %s\n", qPrintable(textReportPath));
                }
                std::puts("first-frame");
                std::fflush(stdout);
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
                return;
            }
            QQuickWindow* shot = openRequestedPopups(window);
            // Later frames may still be settling images; give them a moment before the grab.
            QTimer::singleShot(400, shot, [=] {
                bool saved = shot->grabWindow().save(screenshotPath);
                if (!saved) {
                    std::fprintf(stderr, "Could not write %s\n", qPrintable(screenshotPath));
                }
                if (!textReportPath.isEmpty() && !TextFitReport::write(*shot, textReportPath)) {
                    std::fprintf(stderr, "Could not write %s\n", qPrintable(textReportPath));
                    saved = false;
                }
                QCoreApplication::exit(saved ? 0 : 1);
            });
        });
    });
}

} // namespace framewright
