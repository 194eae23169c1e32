// The window's calculator and `framecalc eval` are one calculator: seeded random key sequences,
// pressed on CalculatorModel and replayed as eval chains through the built framecalc program, end
// with the same display text and the same error.

#include "CalculatorModelTesting.h"
#include "FormatNames.h"
#include "ProgramRun.h"

#include <nlohmann/json.hpp>

#include <random>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace framewright {
namespace {

using framecore::CalculatorOperation;

enum class Entry { timecode, frames, feet, feetFrames };

struct ReplayFormat {
    const char* name; // as framecalc names it
    Entry entry;
};

// What the model showed at the end of one chain, and how the chain was pressed.
struct Expected {
    std::string keys;
    std::string chain;
    std::string shown;
    nlohmann::json error;
    bool isError = false;
};

class KeypadReplay {
public:
    KeypadReplay(CalculatorModel& model, Entry entry, std::uint64_t seed) : model_(model), entry_(entry), random_(seed) {}

    // Presses one sequence: chains separated by AC, each recorded when it ends.
    void pressSequence(std::vector<Expected>& into) {
        const int chains = 1 + static_cast<int>(random_() % 2);
        for (int i = 0; i < chains; ++i) {
            if (i > 0) press(KeypadKey::allClear, 'A', nullptr);
            keys_.clear();
            chain_.clear();
            pressChain();
            Expected expected{keys_, chain_, model_.formattedInputString(),
                              nlohmann::json(model_.calculatorBrain().error()), model_.isCalculatorError()};
            into.push_back(std::move(expected));
        }
    }

private:
    bool chance(int percent) { return static_cast<int>(random_() % 100) < percent; }
    char digit() { return static_cast<char>('0' + random_() % 10); }

    void press(KeypadKey key, char notation, const char* token) {
        model_.keyPressed(key);
        keys_ += notation;
        if (token) {
            if (!chain_.empty()) chain_ += ' ';
            chain_ += token;
        }
    }

    void pressChain() {
        const int steps = 1 + static_cast<int>(random_() % 6);
        // Now and then the chain opens with an operator on the cleared display.
        bool wantOperand = !chance(5);
        for (int step = 0; step < steps; ++step) {
            if (wantOperand) typeOperand();
            if (!pressOperators()) return;
            wantOperand = !chance(15); // else an operator right after "=" or another operator
        }
    }

    // Types an operand key by key, with the odd slip taken back by delete.
    void typeOperand() {
        const CalculatorOperation op = model_.currentOperation();
        const bool modifier = model_.previousKey() != KeypadKey::equals &&
                              (op == CalculatorOperation::multiply || op == CalculatorOperation::divide);
        std::string text;
        if (modifier) {
            text = op == CalculatorOperation::divide && chance(20) ? "0" : digits(1 + random_() % 3);
            if (chance(30)) text += "." + digits(1 + random_() % 2);
        } else {
            switch (entry_) {
            case Entry::timecode: text = digits(1 + random_() % 7); break;
            case Entry::frames: text = digits(1 + random_() % 6); break;
            case Entry::feetFrames: text = digits(1 + random_() % 5); break;
            case Entry::feet:
                text = digits(1 + random_() % 4);
                if (chance(40)) text += "." + digits(1 + random_() % 3);
                break;
            }
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '0' && i + 1 < text.size() && text[i + 1] == '0' && chance(50)) {
                press(KeypadKey::doubleZero, '#', nullptr);
                ++i;
            } else {
                press(testsupport::keyFor(c), c, nullptr);
            }
            if (chance(8)) {
                press(testsupport::keyFor(digit()), 'd', nullptr);
                press(KeypadKey::del, '<', nullptr);
            }
        }
        if (!chain_.empty()) chain_ += ' ';
        chain_ += text;
    }

    std::string digits(std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) text += digit();
        return text;
    }

    // One or more operator keys in a row; false once the chain must end (an error, or no
    // operator the keypad offers).
    bool pressOperators() {
        struct Choice {
            KeypadKey key;
            char notation;
            const char* token;
        };
        static const Choice choices[] = {
            {KeypadKey::add, '+', "+"},         {KeypadKey::subtract, '-', "-"},
            {KeypadKey::multiply, '*', "x"},    {KeypadKey::divide, '/', "/"},
            {KeypadKey::divideByTimecode, 'T', "tc/"}, {KeypadKey::equals, '=', "="},
        };
        int pressed = 0;
        do {
            const Choice* choice = nullptr;
            for (int attempt = 0; attempt < 8 && !choice; ++attempt) {
                const Choice& candidate = choices[random_() % std::size(choices)];
                if (model_.calculator().acceptsKey(candidate.key)) choice = &candidate;
            }
            if (!choice) return pressed > 0;
            press(choice->key, choice->notation, choice->token);
            ++pressed;
            if (model_.isCalculatorError()) return false;
            // ÷ ÷ switches to TC÷ and back while timecode is typed.
            if (choice->key == KeypadKey::divide && chance(25) && model_.calculator().acceptsKey(KeypadKey::divide)) {
                press(KeypadKey::divide, '/', "/");
                if (model_.isCalculatorError()) return false;
            }
        } while (chance(pressed == 1 ? 30 : 15)); // = =, + -, + =
        return true;
    }

    CalculatorModel& model_;
    Entry entry_;
    std::mt19937_64 random_;
    std::string keys_;
    std::string chain_;
};

class KeypadReplayTest : public testsupport::MemoryStoreCalculatorTest {};

TEST_F(KeypadReplayTest, FramecalcEvalShowsWhatTheKeypadShows) {
    static const ReplayFormat formats[] = {
        {"25", Entry::timecode},     {"29.97DF", Entry::timecode},        {"frames", Entry::frames},
        {"35mm", Entry::feet},       {"35mm/ft:frm/24", Entry::feetFrames}, {"16mm/ft:frm", Entry::feetFrames},
    };
    constexpr int sequencesPerFormat = 350;
    std::size_t chains = 0;

    for (std::size_t f = 0; f < std::size(formats); ++f) {
        const ReplayFormat& format = formats[f];
        SCOPED_TRACE(format.name);
        const auto parse = framecalc::parseFormatName(format.name);
        ASSERT_TRUE(std::holds_alternative<framecore::FormatDescriptor>(parse));
        usePrimary(std::get<framecore::FormatDescriptor>(parse));

        KeypadReplay replay(model(), format.entry, 0x5eed0000 + f);
        std::vector<Expected> expected;
        for (int i = 0; i < sequencesPerFormat; ++i) {
            replay.pressSequence(expected);
            model().keyPressed(KeypadKey::allClear);
        }
        std::string input;
        for (const Expected& e : expected) input += e.chain + "\n";

        const testsupport::Outcome run =
            testsupport::runProgram({FRAMECALC_PATH, "eval", "--format", format.name, "--stdin", "--json"}, input);
        EXPECT_EQ(run.err, "");
        EXPECT_LE(run.status, 1);
        std::istringstream out(run.out);
        int mismatches = 0;
        for (const Expected& e : expected) {
            std::string line;
            if (!std::getline(out, line)) {
                ADD_FAILURE() << "framecalc wrote fewer lines than chains";
                break;
            }
            ++chains;
            const auto json = nlohmann::json::parse(line, nullptr, false);
            const std::string value = json.is_object() ? json.value("value", "?") : "?";
            const nlohmann::json error = json.is_object() ? json.value("error", nlohmann::json()) : nlohmann::json();
            const bool same = error == e.error && (e.isError ? value == "Error" : value == e.shown);
            if (!same && ++mismatches <= 10) {
                ADD_FAILURE() << "keys \"" << e.keys << "\" (eval: " << e.chain << ")\n  keypad shows \""
                              << (e.isError ? "Error" : e.shown) << "\", error " << e.error << "\n  eval shows   \""
                              << value << "\", error " << error;
            }
        }
        EXPECT_EQ(mismatches, 0);
    }
    EXPECT_GE(chains, 2000u);
}

} // namespace
} // namespace framewright
