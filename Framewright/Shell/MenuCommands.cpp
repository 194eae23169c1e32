#include "MenuCommands.h"

#include "CalculatorModel.h"
#include "HistoryExport.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>

namespace framewright {

namespace {

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

} // namespace

MenuCommands::MenuCommands(QObject* parent) : QObject(parent) {
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &MenuCommands::clipboardChanged);
    clipboardChanged();
}

void MenuCommands::clipboardChanged() {
    const bool holdsColumn = KeypadCalculator::isColumn(utf8(QGuiApplication::clipboard()->text()));
    if (holdsColumn == clipboardHoldsColumn_) return;
    clipboardHoldsColumn_ = holdsColumn;
    emit clipboardHoldsColumnChanged();
}

void MenuCommands::copy() {
    const framecore::FrameCountableRef& value = CalculatorModel::shared().primaryFrameValue();
    const QString text = value ? QString::fromStdString(value->description()) : QString();
    QGuiApplication::clipboard()->setText(text);
}

void MenuCommands::paste() {
    const auto refused = CalculatorModel::shared().paste(utf8(QGuiApplication::clipboard()->text()));
    if (refused) {
        const auto number = static_cast<int>(std::min<std::size_t>(refused->number, std::numeric_limits<int>::max()));
        emit pasteRefused(number, QString::fromStdString(refused->text));
    }
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
