#include "MenuCommands.h"

#include "CalculatorModel.h"
#include "HistoryExport.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

namespace framewright {

MenuCommands::MenuCommands(QObject* parent) : QObject(parent) {}

void MenuCommands::copy() {
    const framecore::FrameCountableRef& value = CalculatorModel::shared().primaryFrameValue();
    const QString text = value ? QString::fromStdString(value->description()) : QString();
    QGuiApplication::clipboard()->setText(text);
}

void MenuCommands::paste() {
    CalculatorModel::shared().pasteText(QGuiApplication::clipboard()->text());
}

bool MenuCommands::saveHistory(const QUrl& file) {
    if (!file.isLocalFile()) {
        std::printf("The history can only be saved to a local file, not %s\n", qPrintable(file.toDisplayString()));
        std::fflush(stdout);
        return false;
    }
    return framewright::saveHistory(std::filesystem::path(QFile::encodeName(file.toLocalFile()).toStdString()));
}

} // namespace framewright
