#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTimer>
#include <QUrl>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>

#include "AppLifecycle.h"
#include "AppState.h"
#include "PersistenceController.h"

Q_IMPORT_QML_PLUGIN(FramewrightPlugin)

namespace {

// Developer hooks, inert unless their variable is set:
//   FRAMEWRIGHT_EXIT_AFTER_FIRST_FRAME=1   print "first-frame" on stdout once the first frame
//                                          is on screen, then quit (start-up measurements);
//   FRAMEWRIGHT_SCREENSHOT=<file.png>      save the window's first settled frame and quit;
//   FRAMEWRIGHT_SCREENSHOT_LAYOUT=settings|history   the layout to shoot (default: keypad).
void installDeveloperHooks(QQmlApplicationEngine& engine) {
    const bool exitAfterFirstFrame = qEnvironmentVariableIntValue("FRAMEWRIGHT_EXIT_AFTER_FIRST_FRAME") == 1;
    const QString screenshotPath = qEnvironmentVariable("FRAMEWRIGHT_SCREENSHOT");
    if (!exitAfterFirstFrame && screenshotPath.isEmpty()) {
        return;
    }
    const QString layout = qEnvironmentVariable("FRAMEWRIGHT_SCREENSHOT_LAYOUT");
    if (layout == QLatin1String("settings")) {
        framewright::AppState::shared().setIsSettingsVisible(true);
    } else if (layout == QLatin1String("history")) {
        framewright::AppState::shared().setIsLogExpanded(true);
    }
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, &engine, [=](QObject* object) {
        auto* window = qobject_cast<QQuickWindow*>(object);
        if (window == nullptr) {
            return;
        }
        QObject::connect(window, &QQuickWindow::frameSwapped, window, [=] {
            static bool done = false;
            if (done) {
                return;
            }
            done = true;
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

} // namespace

int main(int argc, char* argv[]) {
    // The software scene graph suits a small, fixed, flat window: without a GPU (Mesa llvmpipe)
    // it starts in about half the time and a third of the memory of OpenGL, and it draws the
    // same everywhere. QT_QUICK_BACKEND still overrides it for comparisons.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }

    QGuiApplication app(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("Framewright"));
    QGuiApplication::setApplicationName(QStringLiteral("Framewright"));
    QGuiApplication::setDesktopFileName(QStringLiteral("framewright"));

    // The history opens now, after the application object, so it can follow other copies' saves.
    framewright::AppLifecycle lifecycle(framewright::PersistenceController::shared());
    lifecycle.attach(app);

    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/"));
    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreationFailed, &app, [] { QCoreApplication::exit(1); },
        Qt::QueuedConnection);
    installDeveloperHooks(engine);
    engine.load(QUrl(QStringLiteral("qrc:/Framewright/Main.qml")));
    if (engine.rootObjects().isEmpty()) {
        return 1;
    }
    return QGuiApplication::exec();
}
