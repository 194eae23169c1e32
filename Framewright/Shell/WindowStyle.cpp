#include "WindowStyle.h"

namespace framewright {

WindowStyle::WindowStyle(QObject* parent) : QObject(parent) {}

Qt::WindowFlags WindowStyle::calculatorFlags() {
    return Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint;
}

} // namespace framewright
