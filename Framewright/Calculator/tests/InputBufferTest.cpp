#include <cstdint>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "InputBuffer.h"

using framewright::InputBuffer;

namespace {

InputBuffer typed(std::initializer_list<const char*> texts, InputBuffer buffer = InputBuffer()) {
    for (const char* text : texts) buffer.append(text);
    return buffer;
}

void expectBuffer(const InputBuffer& buffer, const std::string& text, bool typing) {
    EXPECT_EQ(buffer.buffer(), text);
    EXPECT_EQ(buffer.isInMiddleOfTyping(), typing);
}

} // namespace

TEST(InputBufferTest, FreshAndReset) {
    const InputBuffer fresh;
    expectBuffer(fresh, "0", false);
    EXPECT_EQ(fresh.wholeDigitMax(), 9);
    EXPECT_EQ(fresh.precision(), 4);

    InputBuffer buffer = InputBuffer::withBuffer("12.5", true, 6, 2);
    buffer.reset();
    EXPECT_EQ(buffer, InputBuffer::withBuffer("0", false, 6, 2));
}

TEST(InputBufferTest, AppendRefusesWhatIsNotNumeric) {
    const InputBuffer start = InputBuffer::withBuffer("12", true, 9, 4);
    for (const char* text : {"", "a", "1e5", " 1", "+", "\u0663"})
        EXPECT_EQ(typed({text}, start), start) << text;

    expectBuffer(typed({".", "."}), ".", true);
    expectBuffer(typed({"1", ".", "5", "."}), "1.5", true);
    // A text holding a point among others is not refused by the second-point rule.
    expectBuffer(typed({"1", ".", "2.3"}), "1.2.3", true);
}

TEST(InputBufferTest, AppendReplacesThenExtends) {
    expectBuffer(typed({"5"}), "5", true);
    expectBuffer(typed({"-"}), "-", true);
    expectBuffer(typed({"1", "00"}), "100", true);
    expectBuffer(typed({"0"}, InputBuffer::withBuffer("12", true, 9, 4)), "120", true);
    expectBuffer(typed({"7"}, InputBuffer::withBuffer("12", false, 9, 4)), "7", true);
    expectBuffer(typed({"2.5"}), "2.5", true);
}

TEST(InputBufferTest, LeadingZerosCollapse) {
    expectBuffer(typed({"0"}), "0", false);
    expectBuffer(typed({"00"}), "0", false);
    expectBuffer(typed({"0", "0", "7"}), "7", true);
    expectBuffer(typed({"-", "0"}), "0", false);
    expectBuffer(typed({"1", "0"}), "10", true);
    // A zero with a point stays, so that small fractions can be typed.
    expectBuffer(typed({"0", ".", "0"}), ".0", true);
    expectBuffer(typed({"0", ".", "0", "5"}), ".05", true);
    expectBuffer(typed({"0"}, InputBuffer::withBuffer("0.", true, 9, 4)), "0.0", true);
    expectBuffer(typed({"0", "1", "0", "2"}), "102", true);
}

TEST(InputBufferTest, MaxLength) {
    const auto limit = [](const char* text) { return InputBuffer::withBuffer(text, true, 9, 4).maxLength(); };
    EXPECT_EQ(limit("123456789"), 9);
    EXPECT_EQ(limit("12.45"), 11);
    EXPECT_EQ(limit("12.45678"), 13);
    EXPECT_EQ(limit(".5"), 9);
    EXPECT_EQ(limit("5."), 9);
    EXPECT_EQ(limit("-123"), 10);
    EXPECT_EQ(limit("-1.25"), 12);
    EXPECT_EQ(limit("1..25"), 11);
    EXPECT_EQ(limit("1.2.345"), 10);
    EXPECT_EQ(limit(""), 9);

    const auto max = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(InputBuffer::withBuffer("-1.5", true, max, max).maxLength(), max);
}

TEST(InputBufferTest, JsonIsExactAndComplete) {
    const std::string fresh = R"({"inputBuffer.buffer":"0","inputBuffer.isInMiddleOfTyping":false,)"
                              R"("inputBuffer.wholeDigitMax":9,"inputBuffer.precision":4})";
    EXPECT_EQ(InputBuffer().toJson().dump(), fresh);
    EXPECT_EQ(InputBuffer::fromJson(nlohmann::json::parse(fresh)), InputBuffer());

    const InputBuffer odd = InputBuffer::withBuffer("-12.5", true, -3, 7);
    EXPECT_EQ(InputBuffer::fromJson(odd.toJson()), odd);

    const nlohmann::json valid = InputBuffer().toJson();
    for (const auto& [key, value] : valid.items()) {
        nlohmann::json missing = valid;
        missing.erase(key);
        EXPECT_FALSE(InputBuffer::fromJson(missing)) << key;
    }
    const auto withValue = [&](const char* key, const nlohmann::json& value) {
        nlohmann::json changed = valid;
        changed[key] = value;
        return InputBuffer::fromJson(changed);
    };
    EXPECT_FALSE(withValue("inputBuffer.buffer", 0));
    EXPECT_FALSE(withValue("inputBuffer.isInMiddleOfTyping", 1));
    EXPECT_FALSE(withValue("inputBuffer.precision", 4.5));
    EXPECT_FALSE(withValue("inputBuffer.wholeDigitMax", std::numeric_limits<std::uint64_t>::max()));
    EXPECT_FALSE(InputBuffer::fromJson(nlohmann::json::array()));
}
