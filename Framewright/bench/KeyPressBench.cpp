// One key press end to end: the calculator model's work, the four display slots and the keypad
// flags brought up to date, the saved state written, and for an operator key the history line
// saved to the store. Settings and store live in a temporary directory on the ordinary disk.
//
// Each benchmark times single presses (manual time) and adds the median and the 99th percentile
// of those presses, in microseconds, as counters.

#include "AppState.h"
#include "Calculation.h"
#include "CalculatorModel.h"
#include "DisplayViewModel.h"
#include "KeypadViewModel.h"
#include "PersistenceController.h"
#include "SettingsManager.h"

#include "Kitbase/UserDefaultsManager.h"

#include <benchmark/benchmark.h>

#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using framewright::KeypadKey;

KeypadKey keyFor(char c) {
    switch (c) {
    case '+':
        return KeypadKey::add;
    case '*':
        return KeypadKey::multiply;
    case '/':
        return KeypadKey::divide;
    case '=':
        return KeypadKey::equals;
    case 'A':
        return KeypadKey::allClear;
    case '<':
        return KeypadKey::del;
    default:
        return KeypadKey(static_cast<KeypadKey::Value>(KeypadKey::zero + (c - '0')));
    }
}

// The calculator as the window has it: the model with a display and a keypad observing it.
class Rig {
public:
    Rig() {
        kitbase::UserDefaultsManager::setUser(
            std::make_shared<QSettings>(dir_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
        store_ = std::make_unique<framewright::PersistenceController>(
            dir_.filePath(QStringLiteral("history.sqlite")).toStdString());
        settings_ = std::make_unique<framewright::SettingsManager>(std::string("FR"));
        model_ = std::make_unique<framewright::CalculatorModel>(*settings_, store_.get());
        display_ = std::make_unique<framewright::DisplayViewModel>(*model_, *settings_,
                                                                   framewright::AppState::shared());
        keypad_ = std::make_unique<framewright::KeypadViewModel>(*model_);
    }
    ~Rig() {
        keypad_.reset();
        display_.reset();
        model_.reset();
        settings_.reset();
        store_.reset();
        kitbase::UserDefaultsManager::setUser(nullptr);
    }

    void press(std::string_view keys) {
        for (char c : keys)
            model_->keyPressed(keyFor(c));
    }
    // Presses one key and answers how long it took.
    double timedPress(char c) {
        const auto start = std::chrono::steady_clock::now();
        model_->keyPressed(keyFor(c));
        benchmark::DoNotOptimize(display_->primary().value().data());
        benchmark::DoNotOptimize(keypad_->showClearKey());
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

private:
    QTemporaryDir dir_;
    std::unique_ptr<framewright::PersistenceController> store_;
    std::unique_ptr<framewright::SettingsManager> settings_;
    std::unique_ptr<framewright::CalculatorModel> model_;
    std::unique_ptr<framewright::DisplayViewModel> display_;
    std::unique_ptr<framewright::KeypadViewModel> keypad_;
};

void report(benchmark::State& state, std::vector<double>& seconds) {
    if (seconds.empty()) return;
    std::sort(seconds.begin(), seconds.end());
    state.counters["median_us"] = seconds[seconds.size() / 2] * 1e6;
    state.counters["p99_us"] = seconds[std::min(seconds.size() - 1, seconds.size() * 99 / 100)] * 1e6;
}

// Presses the keys of `cycle` over and over, timing each.
void timeCycle(benchmark::State& state, std::string_view cycle) {
    Rig rig;
    std::vector<double> seconds;
    std::size_t i = 0;
    for (auto _ : state) {
        const double s = rig.timedPress(cycle[i++ % cycle.size()]);
        state.SetIterationTime(s);
        seconds.push_back(s);
    }
    report(state, seconds);
}

// Digits and deletes: editing, the primary text and the three secondary slots, the saved buffer.
void BM_EntryKey(benchmark::State& state) {
    timeCycle(state, "1234<<<<");
}
BENCHMARK(BM_EntryKey)->UseManualTime();

// An operator key that writes one history line (the operand) and evaluates the pending sum.
void BM_OperatorKey(benchmark::State& state) {
    Rig rig;
    std::vector<double> seconds;
    std::size_t n = 0;
    for (auto _ : state) {
        if (++n % 50 == 0) rig.press("A"); // keep calculations of a usual length
        rig.press("12");
        const double s = rig.timedPress('+');
        state.SetIterationTime(s);
        seconds.push_back(s);
    }
    report(state, seconds);
}
BENCHMARK(BM_OperatorKey)->UseManualTime();

// The equals key: the operand line and the result line, two saves.
void BM_EqualsKey(benchmark::State& state) {
    Rig rig;
    std::vector<double> seconds;
    for (auto _ : state) {
        rig.press("1000*3");
        const double s = rig.timedPress('=');
        state.SetIterationTime(s);
        seconds.push_back(s);
    }
    report(state, seconds);
}
BENCHMARK(BM_EqualsKey)->UseManualTime();

// A realistic mix, every key timed: 10:00 + 5:00 × 2 = then a new number.
void BM_MixedKeys(benchmark::State& state) {
    timeCycle(state, "1000+500*2=");
}
BENCHMARK(BM_MixedKeys)->UseManualTime();

} // namespace
