#include "KeypadViewModel.h"
#include "KeypadKeyViewModel.h"

#include "CalculatorModelTesting.h"

#include <optional>

namespace framewright {
namespace {

using framecore::FormatDescriptor;
using testsupport::CalculatorTest;

class KeypadViewModelTest : public CalculatorTest {
protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        keypad_ = std::make_unique<KeypadViewModel>(model());
    }
    void TearDown() override {
        keypad_.reset();
        CalculatorTest::TearDown();
    }

    KeypadViewModel& keypad() { return *keypad_; }
    // clear, numeric disabled, point, TC÷ disabled, dividing by timecode, operators disabled
    std::string flags() {
        std::string text;
        for (bool flag : {keypad().showClearKey(), keypad().numericKeysDisabled(),
                          keypad().showDecimalPointKey(), keypad().divideByTimecodeDisabled(),
                          keypad().isDividingByTimecode(), keypad().operatorKeysDisabled()})
            text += flag ? '1' : '0';
        return text;
    }

private:
    std::unique_ptr<KeypadViewModel> keypad_;
};

TEST_F(KeypadViewModelTest, FlagsFollowTheTypedTextAndTheOperation) {
    EXPECT_EQ(flags(), "000000");
    press("12345678");
    EXPECT_EQ(flags(), "100000");
    press("9");
    EXPECT_EQ(flags(), "110000");
    press("<");
    EXPECT_EQ(flags(), "100000");

    // A factor is being typed: the point is offered, TC÷ is not.
    press("*2");
    EXPECT_EQ(flags(), "101100");
    press("=");
    EXPECT_EQ(flags(), "100000");

    // Dividing by a timecode marks TC÷; its result keeps the operator keys refused until the
    // next entry key.
    press("A1000T");
    EXPECT_EQ(flags(), "100010");
    press("200");
    EXPECT_EQ(flags(), "100110");
    press("=");
    EXPECT_TRUE(keypad().operatorKeysDisabled());
    EXPECT_TRUE(keypad().divideByTimecodeDisabled());
    press("5");
    EXPECT_EQ(flags(), "100000");
    press("A");
    EXPECT_EQ(flags(), "000000");

    // Film lengths in feet take a point.
    usePrimary(FormatDescriptor::mm35);
    EXPECT_EQ(flags(), "001100");
}

// The keys the keypad refuses in each state; a key's place tells its view when that changes.
TEST_F(KeypadViewModelTest, DisabledKeysFollowTheFlags) {
    // Raw values of the keys shown disabled, in declaration order.
    const auto disabledKeys = [this] {
        QStringList keys;
        for (KeypadKey key : KeypadKey::allCases()) {
            const std::string_view raw = key.rawValue();
            if (!keypad().isKeyEnabled(key)) keys << QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
        }
        return keys;
    };
    int changes = 0;
    QObject::connect(keypad().keyAt(12), &KeypadKeyViewModel::changed, [&changes] { ++changes; });
    const QStringList entryKeys = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "00", "."};

    // Nothing typed: only delete is refused.
    EXPECT_EQ(disabledKeys(), QStringList{"delete.left"});
    EXPECT_TRUE(keypad().isKeyEnabled(KeypadKey::allClear));

    press("123456789");
    EXPECT_GT(changes, 0);
    EXPECT_EQ(disabledKeys(), entryKeys);
    press("<");
    EXPECT_TRUE(disabledKeys().isEmpty());

    // A division by a timecode is pending: + − × are refused, ÷, TC÷ and = are not.
    press("A1000T");
    EXPECT_EQ(disabledKeys(), (QStringList{"plus", "minus", "multiply"}));
    // Its result refuses delete and every operator key, never AC or C.
    press("200=");
    EXPECT_EQ(disabledKeys(),
              (QStringList{"delete.left", "plus", "minus", "multiply", "divide", QString::fromUtf8("TC÷"), "equal"}));
    press("5");
    EXPECT_TRUE(disabledKeys().isEmpty());
}

// The keypad's places show the keys the flags call for, each enabled exactly as isKeyEnabled
// says, and tell the view only when something changed.
TEST_F(KeypadViewModelTest, PlacesShowTheirCurrentKeys) {
    const auto shown = [this] {
        std::string text;
        for (int place = 0; place < KeypadViewModel::keyCount; ++place) {
            const KeypadKeyViewModel* key = keypad().keyAt(place);
            EXPECT_EQ(key->isEnabled(), keypad().isKeyEnabled(key->key())) << key->rawValue().toStdString();
            text += key->rawValue().toStdString() + (key->isEnabled() ? " " : "~ ");
        }
        return text;
    };
    EXPECT_EQ(keypad().keyAt(-1), nullptr);
    EXPECT_EQ(keypad().keyAt(KeypadViewModel::keyCount), nullptr);
    EXPECT_EQ(shown(), "AC divide delete.left~ 7 8 9 4 5 6 1 2 3 0 00 multiply minus plus equal ");

    int changes = 0;
    QObject::connect(keypad().keyAt(0), &KeypadKeyViewModel::changed, [&changes] { ++changes; });
    press("1");
    EXPECT_EQ(changes, 1);
    press("2");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(shown(), "C divide delete.left 7 8 9 4 5 6 1 2 3 0 00 multiply minus plus equal ");

    press("A1000T");
    EXPECT_EQ(shown(), "C TC\xc3\xb7 delete.left 7 8 9 4 5 6 1 2 3 0 00 multiply~ minus~ plus~ equal ");
    press("A5*2");
    EXPECT_EQ(shown(), "C divide delete.left 7 8 9 4 5 6 1 2 3 0 . multiply minus plus equal ");

    // What each key draws, how it is named and styled.
    const KeypadKeyViewModel& point = *keypad().keyAt(13);
    EXPECT_EQ(point.label(), ".");
    EXPECT_EQ(point.spokenName(), "point");
    EXPECT_EQ(point.style(), KeypadKeyViewModel::Entry);
    const KeypadKeyViewModel& del = *keypad().keyAt(2);
    EXPECT_TRUE(del.label().isEmpty());
    EXPECT_EQ(del.symbol(), "delete.left");
    EXPECT_EQ(del.style(), KeypadKeyViewModel::Delete);
    EXPECT_EQ(keypad().keyAt(1)->symbol(), "divide");
    EXPECT_EQ(keypad().keyAt(17)->style(), KeypadKeyViewModel::Equals);
    EXPECT_EQ(keypad().keyAt(0)->style(), KeypadKeyViewModel::Function);
    EXPECT_EQ(keypad().keyAt(7)->spokenName(), "five");

    // A click sends the place's current key.
    keypad().keyAt(13)->press();
    keypad().keyAt(7)->press();
    EXPECT_EQ(buffer(), "2.5");
}

// A result whose text fills the buffer is replaced by the next entry key, so the entry keys
// stay offered; typing a full value still refuses them.
TEST_F(KeypadViewModelTest, AResultThatFillsTheBufferRefusesNoEntryKey) {
    press("50000000+50000000=");
    ASSERT_GE(static_cast<std::int64_t>(model().inputBuffer().buffer().size()), model().inputBuffer().maxLength())
        << model().inputBuffer().buffer();
    EXPECT_FALSE(keypad().numericKeysDisabled());
    EXPECT_TRUE(keypad().isKeyEnabled(KeypadKey::seven));
    press("7");
    EXPECT_EQ(model().inputBuffer().buffer(), "7");

    press("A1T3=");
    EXPECT_GE(model().inputBuffer().buffer().size(), 30u) << model().inputBuffer().buffer();
    EXPECT_FALSE(keypad().numericKeysDisabled());
    press("123456789");
    EXPECT_TRUE(keypad().numericKeysDisabled());
}

TEST_F(KeypadViewModelTest, PhysicalKeysStandForKeypadKeys) {
    const auto key = [](int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return KeypadViewModel::keypadKeyFor(qtKey, modifiers);
    };
    const std::optional<KeypadKey> none;
    EXPECT_EQ(key(Qt::Key_0), KeypadKey::zero);
    EXPECT_EQ(key(Qt::Key_7), KeypadKey::seven);
    EXPECT_EQ(key(Qt::Key_8), KeypadKey::eight);
    EXPECT_EQ(key(Qt::Key_8, Qt::ShiftModifier), KeypadKey::multiply);
    EXPECT_EQ(key(Qt::Key_Asterisk, Qt::ShiftModifier), KeypadKey::multiply);
    EXPECT_EQ(key(Qt::Key_Equal), KeypadKey::equals);
    EXPECT_EQ(key(Qt::Key_Equal, Qt::ShiftModifier), KeypadKey::add);
    EXPECT_EQ(key(Qt::Key_Plus, Qt::ShiftModifier), KeypadKey::add);
    EXPECT_EQ(key(Qt::Key_Minus), KeypadKey::subtract);
    EXPECT_EQ(key(Qt::Key_Slash), KeypadKey::divide);
    EXPECT_EQ(key(Qt::Key_Period), KeypadKey::point);
    EXPECT_EQ(key(Qt::Key_Backspace), KeypadKey::del);
    EXPECT_EQ(key(Qt::Key_A), KeypadKey::allClear);
    EXPECT_EQ(key(Qt::Key_C, Qt::ShiftModifier), KeypadKey::clear);

    EXPECT_EQ(key(Qt::Key_9, Qt::KeypadModifier), KeypadKey::nine);
    EXPECT_EQ(key(Qt::Key_8, Qt::KeypadModifier | Qt::ShiftModifier), KeypadKey::eight);
    EXPECT_EQ(key(Qt::Key_Enter, Qt::KeypadModifier), KeypadKey::equals);
    EXPECT_EQ(key(Qt::Key_Equal, Qt::KeypadModifier), KeypadKey::equals);
    EXPECT_EQ(key(Qt::Key_Comma, Qt::KeypadModifier), KeypadKey::point);
    EXPECT_EQ(key(Qt::Key_Asterisk, Qt::KeypadModifier), KeypadKey::multiply);
    EXPECT_EQ(key(Qt::Key_Clear, Qt::KeypadModifier), KeypadKey::clear);

    EXPECT_EQ(key(Qt::Key_Return), none);
    EXPECT_EQ(key(Qt::Key_Escape), none);
    EXPECT_EQ(key(Qt::Key_B), none);
    EXPECT_EQ(key(Qt::Key_Shift, Qt::ShiftModifier), none);
    EXPECT_EQ(key(Qt::Key_Control, Qt::ControlModifier), none);
    EXPECT_EQ(key(Qt::Key_Comma), none);
    EXPECT_EQ(key(Qt::Key_C, Qt::ControlModifier), none);
    EXPECT_EQ(key(Qt::Key_5, Qt::AltModifier | Qt::KeypadModifier), none);

    // A handled key reaches the model even when the keypad shows it disabled.
    press("123456789");
    ASSERT_TRUE(keypad().numericKeysDisabled());
    EXPECT_TRUE(keypad().handleKeyDown(Qt::Key_Backspace, Qt::NoModifier));
    EXPECT_TRUE(keypad().handleKeyEvent(Qt::Key_5, Qt::KeypadModifier));
    EXPECT_EQ(buffer(), "123456785");
    EXPECT_FALSE(keypad().handleKeyDown(Qt::Key_V, Qt::ControlModifier));
    EXPECT_EQ(buffer(), "123456785");
}

} // namespace
} // namespace framewright
