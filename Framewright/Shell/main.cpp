#include <QGuiApplication>
#include <QtQml/qqmlextensionplugin.h>

#include "FramewrightApp.h"

Q_IMPORT_QML_PLUGIN(FramewrightPlugin)

int main(int argc, char* argv[]) {
    framewright::FramewrightApp::prepareProcess();
    QGuiApplication application(argc, argv);
    framewright::FramewrightApp program(application);
    if (!program.start()) {
        return 1;
    }
    return QGuiApplication::exec();
}
