#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace framewright {

// How the calculator's window is framed by the desktop. Given from C++ because the window's
// flags, written in QML as `Qt.Window | Qt.WindowTitleHint | …`, cannot be compiled ahead and
// would be looked up at start-up among every name of the Qt namespace (about 4 ms).
class WindowStyle : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // A fixed-size window with a title, the system menu, minimise and close; no maximise.
    Q_PROPERTY(Qt::WindowFlags calculatorFlags READ calculatorFlags CONSTANT)

public:
    explicit WindowStyle(QObject* parent = nullptr);

    static Qt::WindowFlags calculatorFlags();
};

} // namespace framewright
