#pragma once
// A calculator model on temporary settings and a temporary history store, with a short notation
// for key sequences and a flat view of the recorded history.

#include "Calculation.h"
#include "CalculatorModel.h"
#include "Operation.h"
#include "PersistenceController.h"
#include "SettingsManager.h"
#include "TemporaryUserDefaults.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace framewright::testsupport {

// One character per key: 0-9 . ; '#' 00; '+' '-' '*' '/' 'T' (TC÷) '='; 'C' clear; 'A' all
// clear; '<' delete. Spaces are skipped.
inline KeypadKey keyFor(char c) {
    switch (c) {
    case '#':
        return KeypadKey::doubleZero;
    case '.':
        return KeypadKey::point;
    case '+':
        return KeypadKey::add;
    case '-':
        return KeypadKey::subtract;
    case '*':
        return KeypadKey::multiply;
    case '/':
        return KeypadKey::divide;
    case 'T':
        return KeypadKey::divideByTimecode;
    case '=':
        return KeypadKey::equals;
    case 'C':
        return KeypadKey::clear;
    case 'A':
        return KeypadKey::allClear;
    case '<':
        return KeypadKey::del;
    default:
        break;
    }
    if (c >= '0' && c <= '9') return KeypadKey(static_cast<KeypadKey::Value>(KeypadKey::zero + (c - '0')));
    ADD_FAILURE() << "no key for '" << c << "'";
    return KeypadKey::allClear;
}

inline void press(CalculatorModel& model, std::string_view keys) {
    for (char c : keys)
        if (c != ' ') model.keyPressed(keyFor(c));
}

// "<symbol>|<value>|<format>" per line, a line with secondary values followed by
// "|<top left value> <unit>|<top right ...>|<bottom left ...>"; calculations oldest first,
// separated by "--".
inline std::vector<std::string> historyLines(PersistenceController& store, bool withSecondaries = false) {
    std::vector<std::string> lines;
    auto calculations = Calculation::allCalculations(store);
    for (auto it = calculations.rbegin(); it != calculations.rend(); ++it) {
        if (!lines.empty()) lines.push_back("--");
        for (const auto& line : (*it)->sortedOperations()) {
            std::string text = std::string(line->operationSymbol()) + "|" +
                               line->primaryValue().value_or("(absent)") + "|" +
                               line->primaryFormat().value_or("(absent)");
            if (withSecondaries && line->secondaryTopLeftValue()) {
                text +=
                    "|" + *line->secondaryTopLeftValue() + " " + line->secondaryTopLeftFormat().value_or("?");
                text += "|" + line->secondaryTopRightValue().value_or("?") + " " +
                        line->secondaryTopRightFormat().value_or("?");
                text += "|" + line->secondaryBottomLeftValue().value_or("?") + " " +
                        line->secondaryBottomLeftFormat().value_or("?");
            }
            lines.push_back(text);
        }
    }
    return lines;
}

// Region "FR" (not NTSC): primary 25 fps timecode, top left 35mm feet, top right 29.97DF,
// bottom left frames.
class CalculatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(defaults_.isValid());
        store_ = std::make_unique<PersistenceController>(storeFile());
        settings_ = std::make_unique<SettingsManager>(std::string("FR"));
        model_ = std::make_unique<CalculatorModel>(*settings_, store_.get());
    }
    void TearDown() override {
        model_.reset();
        settings_.reset();
        store_.reset();
    }

    virtual std::filesystem::path storeFile() const {
        return defaults_.path(QStringLiteral("history.sqlite")).toStdString();
    }

    // Builds the model again, as the next run of the program would: settings read back from
    // their file, a new store controller on the same store file.
    void restart() {
        model_.reset();
        settings_.reset();
        store_.reset();
        ASSERT_TRUE(defaults_.restartAs(QStringLiteral("settings-%1.ini").arg(++restarts_)));
        store_ = std::make_unique<PersistenceController>(storeFile());
        settings_ = std::make_unique<SettingsManager>(std::string("FR"));
        model_ = std::make_unique<CalculatorModel>(*settings_, store_.get());
    }

    // A new primary format, as the settings panel sets it (the calculator is cleared).
    void usePrimary(const framecore::FormatDescriptor& descriptor) {
        settings_->setPrimaryDescriptor(descriptor);
        model_->allClear();
    }

    CalculatorModel& model() { return *model_; }
    SettingsManager& settings() { return *settings_; }
    PersistenceController& store() { return *store_; }
    void press(std::string_view keys) { testsupport::press(*model_, keys); }
    std::vector<std::string> lines(bool withSecondaries = false) {
        return historyLines(*store_, withSecondaries);
    }
    const std::string& shown() const { return model_->formattedInputString(); }
    const std::string& buffer() const { return model_->inputBuffer().buffer(); }
    std::int64_t state() const { return model_->inputState().rawValue(); }

    TemporaryUserDefaults defaults_;

private:
    std::unique_ptr<PersistenceController> store_;
    std::unique_ptr<SettingsManager> settings_;
    std::unique_ptr<CalculatorModel> model_;
    int restarts_ = 0;
};

// Keeps the history store in memory-backed storage where there is some, so that the tens of
// thousands of saved lines do not wait for the disk.
class MemoryStoreCalculatorTest : public CalculatorTest {
protected:
    std::filesystem::path storeFile() const override {
        if (!memoryDir_.isValid()) return CalculatorTest::storeFile();
        return memoryDir_.filePath(QStringLiteral("history.sqlite")).toStdString();
    }

private:
    QTemporaryDir memoryDir_{QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/framewright-XXXXXX")
                                 : QDir::tempPath() + "/framewright-XXXXXX"};
};

} // namespace framewright::testsupport
