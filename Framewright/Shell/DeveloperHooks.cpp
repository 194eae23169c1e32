#include "DeveloperHooks.h"

#include "AppState.h"
#include "CalculatorModel.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>
#include <vector>

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

bool shown(const QQuickItem* item) {
    for (; item != nullptr; item = item->parentItem())
        if (!item->isVisible() || item->opacity() <= 0.0) return false;
    return true;
}

// A screen reader gets the whole text of the item or of one of its nearest ancestors.
bool fullTextAccessible(QQuickItem* item, const QString& text) {
    for (int level = 0; item != nullptr && level < 3; ++level, item = item->parentItem()) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(item);
        if (accessible != nullptr && accessible->text(QAccessible::Name).contains(text)) return true;
    }
    return false;
}

// How a text item fits: "fits", "elided" (shortened on purpose, its whole text accessible),
// "CLIPPED" (wider or taller than its item) or "OUTSIDE" (beyond the window's edges).
QString fitOf(QQuickItem* text, const QQuickWindow* window) {
    constexpr qreal slack = 0.5;
    const QString content = text->property("text").toString();
    const bool wraps = text->property("wrapMode").toInt() != 0;
    const bool clipped = wraps ? text->property("contentHeight").toReal() > text->height() + slack ||
                                     text->property("contentWidth").toReal() > text->width() + slack
                               : text->implicitWidth() > text->width() + slack;
    const bool elides = text->property("elide").toInt() != 0;
    if (clipped || text->property("truncated").toBool()) {
        return elides && fullTextAccessible(text, content) ? QStringLiteral("elided") : QStringLiteral("CLIPPED");
    }
    const QRectF onScreen = text->mapRectToScene(QRectF(0, 0, text->width(), text->height()));
    const QRectF windowRect(0, 0, window->width(), window->height());
    if (!windowRect.adjusted(-slack, -slack, slack, slack).contains(onScreen)) return QStringLiteral("OUTSIDE");
    return QStringLiteral("fits");
}

void collectTexts(QQuickItem* item, std::vector<QQuickItem*>& texts) {
    if (!shown(item)) return;
    if (item->inherits("QQuickText") && !item->property("text").toString().isEmpty()) texts.push_back(item);
    for (QQuickItem* child : item->childItems()) collectTexts(child, texts);
}

// One line per shown text item of the window and its pop-ups: fit, implicit width, width, text.
bool writeTextReport(QQuickWindow* window, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return false;
    std::vector<QQuickItem*> texts;
    collectTexts(window->contentItem(), texts);
    for (QQuickItem* text : texts) {
        const QString line = QStringLiteral("%1\t%2\t%3\t%4\n")
                                 .arg(fitOf(text, window))
                                 .arg(text->implicitWidth(), 0, 'f', 1)
                                 .arg(text->width(), 0, 'f', 1)
                                 .arg(text->property("text").toString().replace(QLatin1Char('\n'), QLatin1Char(' ')));
        file.write(line.toUtf8());
    }
    return file.flush();
}

} // namespace

void installDeveloperHooks(QQmlApplicationEngine& engine) {
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
                if (!textReportPath.isEmpty() && !writeTextReport(window, textReportPath)) {
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
                if (!textReportPath.isEmpty() && !writeTextReport(shot, textReportPath)) {
                    std::fprintf(stderr, "Could not write %s\n", qPrintable(textReportPath));
                    saved = false;
                }
                QCoreApplication::exit(saved ? 0 : 1);
            });
        });
    });
}

} // namespace framewright
