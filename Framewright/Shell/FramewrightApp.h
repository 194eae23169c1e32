#pragma once
// The program's start-up, shared by main() and the end-to-end tests so both start the window the
// same way: the scene-graph backend, the application's names, the lifecycle (run counter, review
// check, history saved on losing focus), the QML engine and the window, and the developer hooks.

#include <QQmlApplicationEngine>
#include <QStringList>

#include <future>
#include <memory>

class QGuiApplication;
class QQuickWindow;

namespace framewright {

class AppLifecycle;
class Translations;

class FramewrightApp {
public:
    // Before the QGuiApplication exists. The software scene graph suits a small, fixed, flat
    // window: without a GPU (Mesa llvmpipe) it starts in about half the time and a third of the
    // memory of OpenGL, and it draws the same everywhere. QT_QUICK_BACKEND still overrides it.
    static void prepareProcess();

    // Names the application (they place the user defaults and match the desktop entry), installs
    // the translations of the environment's language (Translations.h) and starts following its
    // activation. The history store in use is PersistenceController::shared()
    // at this moment. Starts adding the embedded faces (EmbeddedFonts.h) on a helper thread.
    explicit FramewrightApp(QGuiApplication& application);
    // Closes the window and finishes destroying everything it held before returning: nothing of
    // it is left to the application object, so the application can be destroyed next.
    ~FramewrightApp();
    FramewrightApp(const FramewrightApp&) = delete;
    FramewrightApp& operator=(const FramewrightApp&) = delete;

    // Loads the window (and arms the developer hooks, inert unless their variables are set): its
    // types first, then, once the faces are in, the window itself. False when the window could
    // not be created; QML has printed why.
    bool start();

    QQmlApplicationEngine& engine() noexcept { return *engine_; }
    // The window, or null before start() or after a failed start.
    QQuickWindow* window() const;
    // The language the window speaks: "de", "fr", ...; "en" for the source texts.
    QString language() const;

private:
    // Started first, in the constructor: the faces, the font database, locale data and symbol
    // drawings made ready off the main thread; it answers the faces that could not be added.
    std::future<QStringList> preparation_;
    std::unique_ptr<AppLifecycle> lifecycle_;
    std::unique_ptr<Translations> translations_;
    // Destroyed first, explicitly, by the destructor (see there).
    std::unique_ptr<QQmlApplicationEngine> engine_ = std::make_unique<QQmlApplicationEngine>();
};

} // namespace framewright
