#pragma once
// InputState: flags saying how the typed text is read and which keys are refused, held in one
// signed 64-bit integer. Any integer is accepted, unknown bits included; the set operations work
// on all bits.

#include <cstdint>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

namespace framewright {

class InputState {
public:
    static const InputState timecode;             // 1: digits are a timecode in the primary format
    static const InputState feetFrames;           // 2: digits are feet and frames
    static const InputState decimal;              // 4: a film length in feet, metres or rolls
    static const InputState integer;              // 8: digits are a bare frame count
    static const InputState decimalModifier;      // 16: a plain number (the operand of × or ÷)
    static const InputState divideByTimecode;     // 32: the pending operation divides by a timecode
    static const InputState operatorKeysDisabled; // 64: operator keys are refused

    constexpr InputState() noexcept = default;
    constexpr explicit InputState(std::int64_t rawValue) noexcept : rawValue_(rawValue) {}

    constexpr std::int64_t rawValue() const noexcept { return rawValue_; }
    constexpr bool isEmpty() const noexcept { return rawValue_ == 0; }

    constexpr bool contains(InputState member) const noexcept { return (rawValue_ & member.rawValue_) == member.rawValue_; }
    constexpr void insert(InputState member) noexcept { rawValue_ |= member.rawValue_; }
    constexpr void remove(InputState member) noexcept { rawValue_ &= ~member.rawValue_; }

    constexpr InputState unionWith(InputState other) const noexcept { return InputState(rawValue_ | other.rawValue_); }
    constexpr InputState intersection(InputState other) const noexcept { return InputState(rawValue_ & other.rawValue_); }
    constexpr InputState symmetricDifference(InputState other) const noexcept {
        return InputState(rawValue_ ^ other.rawValue_);
    }
    constexpr InputState subtracting(InputState other) const noexcept { return InputState(rawValue_ & ~other.rawValue_); }
    constexpr bool isSubset(InputState of) const noexcept { return (rawValue_ & ~of.rawValue_) == 0; }
    constexpr bool isSuperset(InputState of) const noexcept { return of.isSubset(*this); }
    constexpr bool isStrictSubset(InputState of) const noexcept { return isSubset(of) && rawValue_ != of.rawValue_; }
    constexpr bool isStrictSuperset(InputState of) const noexcept { return of.isStrictSubset(*this); }
    constexpr bool isDisjoint(InputState with) const noexcept { return (rawValue_ & with.rawValue_) == 0; }

    friend constexpr InputState operator|(InputState a, InputState b) noexcept { return a.unionWith(b); }
    friend constexpr InputState operator&(InputState a, InputState b) noexcept { return a.intersection(b); }
    friend constexpr InputState operator^(InputState a, InputState b) noexcept { return a.symmetricDifference(b); }
    constexpr InputState& operator|=(InputState b) noexcept { return *this = unionWith(b); }
    constexpr InputState& operator&=(InputState b) noexcept { return *this = intersection(b); }
    constexpr InputState& operator^=(InputState b) noexcept { return *this = symmetricDifference(b); }
    friend constexpr bool operator==(InputState, InputState) noexcept = default;

    // For logs: InputState(rawValue: 5) ["timecode", "decimal"] (named members in bit order).
    std::string description() const;

    // The bare integer rawValue. Decoding accepts any integer that fits 64 signed bits.
    nlohmann::ordered_json toJson() const;
    static std::optional<InputState> fromJson(const nlohmann::json& json);
    static std::optional<InputState> fromJson(const nlohmann::ordered_json& json);

private:
    std::int64_t rawValue_ = 0;
};

inline constexpr InputState InputState::timecode{1};
inline constexpr InputState InputState::feetFrames{2};
inline constexpr InputState InputState::decimal{4};
inline constexpr InputState InputState::integer{8};
inline constexpr InputState InputState::decimalModifier{16};
inline constexpr InputState InputState::divideByTimecode{32};
inline constexpr InputState InputState::operatorKeysDisabled{64};

} // namespace framewright
