// Random key presses, pastes and format changes: nothing crashes, every slot always shows
// something, and every history line is well formed. FRAMEWRIGHT_RANDOM_STEPS and
// FRAMEWRIGHT_RANDOM_SEED override the number of actions and the seed.

#include "AppState.h"
#include "CalculatorModelTesting.h"
#include "DisplayViewModel.h"
#include "KeypadViewModel.h"
#include "SettingsViewModel.h"

#include <cstdlib>
#include <random>
#include <set>
#include <string>

namespace framewright {
namespace {

using RandomUseTest = testsupport::MemoryStoreCalculatorTest;

std::uint64_t environmentNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text ? std::strtoull(text, nullptr, 10) : fallback;
}

std::string randomText(std::mt19937_64& random) {
    static const std::vector<std::string> pieces{"0",      "1",      "2",  "5",    "9",       "00",     ".",
                                                 ":",      ";",      "-",  "+",    " ",       "a",      "e",
                                                 "\u00e9", "\u00f7", "\n", "\r\n", "5\u0301", "\u0663", "x"};
    if (random() % 50 == 0)
        return std::string(2000 + random() % 20000, static_cast<char>('0' + random() % 10));
    std::string text;
    for (std::uint64_t n = random() % 20; n > 0; --n)
        text += pieces[random() % pieces.size()];
    return text;
}

void expectWellFormed(PersistenceController& store) {
    static const std::set<std::string> operations{
        "none", "add", "subtract", "multiply", "divide", "divideByTimecode", "result"};
    int open = 0;
    std::size_t lineCount = 0;
    for (const auto& calculation : Calculation::allCalculations(store)) {
        open += calculation->isComplete() ? 0 : 1;
        std::int64_t index = 0;
        for (const auto& line : calculation->sortedOperations()) {
            ++lineCount;
            SCOPED_TRACE("line " + std::to_string(index) + ": " + line->primaryValue().value_or("(absent)"));
            EXPECT_EQ(line->index(), index++);
            ASSERT_TRUE(line->operation().has_value());
            EXPECT_TRUE(operations.contains(*line->operation()));
            ASSERT_TRUE(line->primaryValue() && line->primaryFormat());
            EXPECT_FALSE(line->primaryValue()->empty());
            const bool secondaries = line->secondaryTopLeftValue().has_value();
            for (const auto& part : {line->secondaryTopLeftValue(), line->secondaryTopLeftFormat(),
                                     line->secondaryTopRightValue(), line->secondaryTopRightFormat(),
                                     line->secondaryBottomLeftValue(), line->secondaryBottomLeftFormat()}) {
                EXPECT_EQ(part.has_value(), secondaries);
                if (part) {
                    EXPECT_FALSE(part->empty());
                }
            }
            if (*line->primaryValue() == "Error") {
                EXPECT_EQ(*line->primaryFormat(), "");
                EXPECT_FALSE(secondaries);
            }
            if (*line->primaryFormat() == "DECIMAL" || line->primaryFormat()->empty()) {
                EXPECT_FALSE(secondaries);
            }
        }
    }
    EXPECT_LE(open, 1);
    EXPECT_GT(lineCount, 0u);
}

TEST_F(RandomUseTest, RandomUseNeverBreaksTheCalculator) {
    const std::uint64_t steps = environmentNumber("FRAMEWRIGHT_RANDOM_STEPS", 100000);
    const std::uint64_t seed = environmentNumber("FRAMEWRIGHT_RANDOM_SEED", 20240606);
    std::mt19937_64 random(seed);
    RecordProperty("seed", std::to_string(seed));

    AppState::shared().setIsDefaultState(true);
    DisplayViewModel display(model(), settings(), AppState::shared());
    KeypadViewModel keypad(model());
    SettingsViewModel panel(settings(), model());
    const auto& keys = KeypadKey::allCases();

    for (std::uint64_t step = 0; step < steps; ++step) {
        const std::uint64_t action = random() % 1000;
        std::string what;
        if (action < 965) {
            // Digits twice as often as the other keys, all clear rarely.
            KeypadKey key = keys[random() % keys.size()];
            if (key == KeypadKey::allClear && random() % 4 != 0) key = KeypadKey::nine;
            if (random() % 3 == 0) key = keys[random() % 10];
            what = "key " + std::string(key.rawValue());
            model().keyPressed(key);
        } else if (action < 990) {
            const std::string text = randomText(random);
            what = "paste " + text.substr(0, 40);
            model().paste(text);
        } else {
            // The settings panel, on the primary slot or on a secondary one.
            const int slot = random() % 2 == 0 ? 3 : static_cast<int>(random() % 3);
            settings().setSelectedUnitIndex(slot);
            const int index = static_cast<int>(random() % 20) - 1;
            what = "slot " + std::to_string(slot) + " slider " + std::to_string(index);
            switch (random() % 3) {
            case 0:
                panel.formatSliderChanged(index);
                break;
            case 1:
                panel.framerateSliderChanged(index);
                break;
            default:
                panel.footageUnitSliderChanged(index);
                break;
            }
        }
        const bool filled = !display.topLeft().value().empty() && !display.topRight().value().empty() &&
                            !display.bottomLeft().value().empty() && !display.primary().value().empty() &&
                            !display.primary().unit().empty();
        ASSERT_TRUE(filled) << "step " << step << " (" << what << "), seed " << seed << ": "
                            << display.topLeft().value() << " | " << display.topRight().value() << " | "
                            << display.bottomLeft().value() << " | " << display.primary().value();
    }
    expectWellFormed(store());
}

} // namespace
} // namespace framewright
