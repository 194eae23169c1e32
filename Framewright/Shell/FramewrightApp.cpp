#include "FramewrightApp.h"

#include "AppLifecycle.h"
#include "DeveloperHooks.h"
#include "EmbeddedFonts.h"
#include "PersistenceController.h"
#include "SymbolImage.h"
#include "Translations.h"

#include "Framecore/NumberFormatting.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QUrl>
#include <QtDebug>

namespace framewright {

namespace {

// Work the window's first frame needs that is safe off the main thread: the embedded faces, their
// substitutes and fallbacks and the font database, the number data of the user's locale, the
// symbol drawings. It runs while the main thread sets up the lifecycle and the QML loader thread
// reads the window's types; the main thread touches no font until it has finished. Returns the
// faces that could not be added.
QStringList prepareForWindow() {
    QStringList failedFaces = EmbeddedFonts::registerAll();
    QFontDatabase::families();
    EmbeddedFonts::addCjkFallbacks();
    EmbeddedFonts::findFallbacks();
    framecore::formattedStringWithPrecision(0.5, 0, 3);
    for (QDirIterator icons(QStringLiteral(":/Framewright/icons"), {QStringLiteral("*.svg")}); icons.hasNext();) {
        SymbolImage::aspectRatio(QFileInfo(icons.next()).completeBaseName());
    }
    return failedFaces;
}

} // namespace

void FramewrightApp::prepareProcess() {
    // Film texts are numbers: they follow LC_NUMERIC, which ICU alone would not read.
    framecore::setNumberLocale(framecore::numberLocaleFromEnvironment());
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
}

FramewrightApp::FramewrightApp(QGuiApplication& application)
    : preparation_(std::async(std::launch::async, prepareForWindow)) {
    QGuiApplication::setOrganizationName(QStringLiteral("Framewright"));
    QGuiApplication::setApplicationName(QStringLiteral("Framewright"));
    QGuiApplication::setDesktopFileName(QStringLiteral(FRAMEWRIGHT_APP_ID));
    translations_ = std::make_unique<Translations>();

    // The history opens now, after the application object, so it can follow other copies' saves.
    lifecycle_ = std::make_unique<AppLifecycle>(PersistenceController::shared());
    lifecycle_->attach(application);

    engine_->addImportPath(QStringLiteral("qrc:/"));
}

FramewrightApp::~FramewrightApp() {
    // The window goes before the lifecycle: its views may still save as they close.
    engine_.reset();
    // Item views hand the rows they drop to the application, to be deleted later. Those dropped
    // as the window is destroyed (the rows of a file dialog opened once, history rows deleted
    // since the list last laid out) would wait for an event loop that no longer runs and be
    // deleted with the application object, after its fonts: laying out their text then aborts
    // the program. They are deleted now, while the application is whole.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool FramewrightApp::start() {
    installDeveloperHooks(*engine_);
    const QUrl main(QStringLiteral("qrc:/Framewright/Main.qml"));
    // The window's types first, then the window: the faces must be in before it exists (added
    // later, they would make it lay out all its text again for its first frame).
    const QQmlComponent types(engine_.get(), main);
    for (const QString& face : preparation_.get()) {
        qWarning("Could not load the embedded face %s", qPrintable(face));
    }
    engine_->load(main);
    return window() != nullptr;
}

QString FramewrightApp::language() const { return translations_->language(); }

QQuickWindow* FramewrightApp::window() const {
    const QList<QObject*> roots = engine_->rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(roots.first());
}

} // namespace framewright
