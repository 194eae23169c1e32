#pragma once
// KeypadKey: the 21 keys of the on-screen keypad. The raw value of a digit, "00", ".", "AC", "C"
// and "TC÷" key is the text shown on it; that of `del` and the five arithmetic keys is the name of
// the symbol drawn on it. Keys are equal (and hash) as their raw values are. JSON: the raw value
// as a string (see RawValueSerializer.h).

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "Framecore/CalculatorOperation.h"
#include "Framecore/RawValueSerializer.h"

namespace framewright {

class KeypadKey {
public:
    enum Value : std::uint8_t {
        zero, one, two, three, four, five, six, seven, eight, nine, // "0" ... "9"
        doubleZero,       // "00"
        point,            // "."
        allClear,         // "AC"
        del,              // "delete.left"
        add,              // "plus"
        subtract,         // "minus"
        multiply,         // "multiply"
        divide,           // "divide"
        divideByTimecode, // "TC÷" (U+00F7, UTF-8)
        clear,            // "C"
        equals,           // "equal"
    };

    static constexpr std::size_t caseCount = 21;

    constexpr KeypadKey(Value v) noexcept : v_(v) {}
    constexpr operator Value() const noexcept { return v_; }

    std::string_view rawValue() const noexcept;
    // Exact and case-sensitive; absent for any other text ("=" builds no key).
    static std::optional<KeypadKey> fromRawValue(std::string_view raw) noexcept;
    // All keys in declaration order.
    static const std::array<KeypadKey, caseCount>& allCases() noexcept;

    // zero ... nine, doubleZero, point.
    constexpr bool isEntryKey() const noexcept { return v_ <= point; }
    // add, subtract, multiply, divide, divideByTimecode, equals.
    constexpr bool isOperatorKey() const noexcept { return (v_ >= add && v_ <= divideByTimecode) || v_ == equals; }
    // The operator keys and allClear, clear, del.
    constexpr bool isFunctionKey() const noexcept { return isOperatorKey() || v_ == allClear || v_ == clear || v_ == del; }
    // The brain operation of an operator key (equals gives `result`); `none` for every other key.
    framecore::CalculatorOperation operation() const noexcept;

private:
    Value v_;
};

} // namespace framewright

template <>
struct std::hash<framewright::KeypadKey> {
    std::size_t operator()(const framewright::KeypadKey& key) const noexcept {
        return std::hash<std::string_view>{}(key.rawValue());
    }
};

FRAMECORE_RAW_VALUE_JSON(framewright::KeypadKey)
