#pragma once
// Frames: a bare frame count. It has no frame rate, so it has no duration: frameDuration() and
// secondsFromZero() are always zero.
//
// Unlike Timecode, the sign lives in the count itself (frameCount() may be negative).
// isNegative() is normally frameCount() < 0, but text decides it by its first character only:
// "-0" is zero with isNegative set, " -5" is −5 without it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "Framecore/Decimal.h"
#include "Framecore/FormatType.h"
#include "Framecore/FrameCountable.h"

namespace framecore {

class Frames final : public FrameCountable {
public:
    // frameCount = n, isNegative = n < 0.
    static Frames withFrameCount(std::int64_t frameCount) noexcept;

    // Reads the decimal number at the start of the text (leading white space skipped, optional
    // sign, "." as the decimal point whatever the locale, optional exponent "e3"); anything after
    // it is ignored and text that does not start with a number counts 0. The count is
    // floor(|number| + 0.000000001) with the number's sign, so 12.7 is 12, "-12.7" is −12,
    // "-0.5" is 0 and 11.9999999999 is 12.
    // Counts beyond 64 bits saturate to INT64_MIN / INT64_MAX. isNegative is true exactly when
    // the first character is "-". Text with more than one leading sign ("--5") is refused and
    // counts 0, not negative (see LeadingSign).
    static Frames withFrameCountString(std::string_view frameCountString) noexcept;

    FormatType formatType() const noexcept override { return FormatType::Frames; }
    std::int64_t frameCount() const noexcept override { return frameCount_; }
    bool isNegative() const noexcept override { return isNegative_; }
    // Always 0.
    double frameDuration() const noexcept override { return 0.0; }
    // Always 0.
    Decimal secondsFromZero() const override { return Decimal(); }

    // The digits of the count with a leading "-" when it is negative: "0", "1234", "-5".
    std::string description() const override;
    // Same as description().
    std::string rawDescription() const override { return description(); }

    // {"formatType":"frames","frameCount":n,"isNegative":b,"frameDuration":0.0,"secondsFromZero":0}
    nlohmann::ordered_json toJson() const override;
    // Requires an integer "frameCount" and a boolean "isNegative" (kept as stored, even when they
    // disagree); the other keys are not read. Absent on any failure.
    static std::optional<Frames> fromJson(const nlohmann::json& json) noexcept;

    friend bool operator==(const Frames& a, const Frames& b) noexcept {
        return a.frameCount_ == b.frameCount_ && a.isNegative_ == b.isNegative_;
    }

    Frames(const Frames&) = default;
    Frames& operator=(const Frames&) = default;

private:
    Frames(std::int64_t frameCount, bool isNegative) noexcept
        : frameCount_(frameCount), isNegative_(isNegative) {}

    std::int64_t frameCount_;
    bool isNegative_;
};

} // namespace framecore
