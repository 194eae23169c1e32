// An empty 320 × 542 Qt Quick window, built and started like the program, as the baseline of
// the start-up measurements (bench/startup.py).
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTimer>
#include <QUrl>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    const bool exitAfterFirstFrame = qEnvironmentVariableIntValue("FRAMEWRIGHT_EXIT_AFTER_FIRST_FRAME") == 1;
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, &engine, [=](QObject* object) {
        auto* window = qobject_cast<QQuickWindow*>(object);
        if (window == nullptr || !exitAfterFirstFrame) {
            return;
        }
        QObject::connect(window, &QQuickWindow::frameSwapped, window, [] {
            static bool done = false;
            if (!done) {
                done = true;
                std::puts("first-frame");
                std::fflush(stdout);
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            }
        });
    });
    engine.load(QUrl(QStringLiteral("qrc:/FramewrightEmptyWindow/bench/emptywindow/EmptyWindow.qml")));
    return engine.rootObjects().isEmpty() ? 1 : QGuiApplication::exec();
}
