#include "FramewrightApp.h"

#include "AppLifecycle.h"
#include "DeveloperHooks.h"
#include "EmbeddedFonts.h"
#include "PersistenceController.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QUrl>
#include <QtDebug>

namespace framewright {

void FramewrightApp::prepareProcess() {
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    }
}

FramewrightApp::FramewrightApp(QGuiApplication& application) {
    QGuiApplication::setOrganizationName(QStringLiteral("Framewright"));
    QGuiApplication::setApplicationName(QStringLiteral("Framewright"));
    QGuiApplication::setDesktopFileName(QStringLiteral("framewright"));

    // The history opens now, after the application object, so it can follow other copies' saves.
    lifecycle_ = std::make_unique<AppLifecycle>(PersistenceController::shared());
    lifecycle_->attach(application);

    // The faces go in before the window exists: added later (as a FontLoader in the window
    // does), they make the window drop its prepared fonts and lay out all its text again for its
    // first frame.
    for (const QString& face : EmbeddedFonts::registerAll()) {
        qWarning("Could not load the embedded face %s", qPrintable(face));
    }

    engine_.addImportPath(QStringLiteral("qrc:/"));
}

// The window goes before the lifecycle: its views may still save as they close.
FramewrightApp::~FramewrightApp() = default;

bool FramewrightApp::start() {
    installDeveloperHooks(engine_);
    engine_.load(QUrl(QStringLiteral("qrc:/Framewright/Main.qml")));
    return window() != nullptr;
}

QQuickWindow* FramewrightApp::window() const {
    const QList<QObject*> roots = engine_.rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow*>(roots.first());
}

} // namespace framewright
