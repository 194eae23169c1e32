#pragma once
// Timecode: SMPTE timecode, a whole number of frames at one of the 22 frame rates, shown as
// hours:minutes:seconds:frames with drop-frame counting at 29.97DF and 59.94DF.
//
// Counting: everything counts at F = frameRate.integralFPS() (a 23.98 second holds 24 frames).
// Drop-frame rates skip frame numbers 00-01 (29.97) or 00-03 (59.94) at the start of every minute
// except minutes 00, 10, 20, 30, 40 and 50. Hours are not wrapped at 24. Drop-frame counting
// exists only at those two rates (whole rates 30 and 60): a drop mark anywhere else is counted
// and shown without drop.
//
// Invariants of every value: formatType() is Video; frameCount() is the magnitude, never
// negative, and the sign lives in isNegative(); a value has one sign, so a negative count or
// field handed to a factory makes the value negative, whatever isNegative says. dropMark()
// equals frameRate().dropFrame() for every factory; a stored record may clear it at a drop
// rate, and never sets it at a rate without drop frame.
//
// Identities: for every n ≥ 0, fieldsFromFrameCount(n) fed back to frameCountFromFields gives n;
// withTimecodeString(t.description(), t.frameRate()) == t; withFrameCount(t.frameCount(), r)
// has the same fields as t.
//
// Nothing here throws (except std::bad_alloc from the text forms) and no input can overflow:
// see each factory for what it does with values that do not fit 64 bits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "Framecore/Decimal.h"
#include "Framecore/FormatType.h"
#include "Framecore/FrameCountable.h"
#include "Framecore/FrameRate.h"

namespace framecore {

class Timecode final : public FrameCountable {
public:
    // The four displayed fields. From a non-negative count every field is non-negative, minutes
    // and seconds are below 60 and frames below F.
    struct Fields {
        std::int64_t hours = 0;
        std::int64_t minutes = 0;
        std::int64_t seconds = 0;
        std::int64_t frames = 0;
        friend bool operator==(const Fields&, const Fields&) = default;
    };

    // frameCount = |n|, isNegative = n < 0. The magnitude of INT64_MIN does not fit: it is
    // stored as INT64_MAX (negative).
    static Timecode withFrameCount(std::int64_t frameCount, FrameRate frameRate) noexcept;

    // n = floor(|seconds| × F + 0.000000001) with the sign of seconds applied after (the addend
    // absorbs representation error: 0.04 s at 25 fps is exactly one frame; −0.05 s is −1 frame,
    // the negative of 0.05 s), then frameCount = |n|, isNegative = n < 0. Counts beyond the
    // 64-bit range saturate to INT64_MAX frames (with the sign); NaN gives zero frames.
    static Timecode withSecondsFromZero(const Decimal& secondsFromZero, FrameRate frameRate) noexcept;

    // Reads typed timecode. A leading "-" makes the value negative and a leading "+" does nothing;
    // neither is part of any field. Text with more than one leading sign ("--01:00:00:00") is
    // refused and gives zero frames (see LeadingSign). Every ":" and ";" is dropped (position and kind are not checked); the rest is left-padded
    // with "0" to at least 9 characters; the last two are frames, the two before seconds, the two
    // before minutes, and everything in front hours. Each field is an optional "+"/"-" and one
    // or more digits; anything else, or a number beyond 64 bits, reads as 0. The fields are then
    // counted as in withFields. "1234" is 00:00:12:34; "" is zero.
    static Timecode withTimecodeString(std::string_view timecodeString, FrameRate frameRate) noexcept;

    // total = (hours × 3600 + minutes × 60 + seconds) × F + frames, with drop-frame numbers
    // removed at drop rates. Fields are not range-checked (00:00:00:40 at 25 fps is 40 frames).
    // A negative total is negative whatever isNegative says: frameCount = |total| and isNegative
    // is true (−1 hour marked negative is −1 hour, not +1). A total beyond 64 bits gives zero
    // frames with the given isNegative.
    static Timecode withFields(std::int64_t hours, std::int64_t minutes, std::int64_t seconds,
                               std::int64_t frames, FrameRate frameRate, bool isNegative) noexcept;

    FormatType formatType() const noexcept override { return FormatType::Video; }
    std::int64_t frameCount() const noexcept override { return frameCount_; }
    FrameRate frameRate() const noexcept { return frameRate_; }
    bool isNegative() const noexcept override { return isNegative_; }
    bool dropMark() const noexcept { return dropMark_; }

    // The fields of frameCount (magnitude) at frameRate, counted with frameRate.dropFrame().
    Fields fields() const noexcept;
    std::int64_t hours() const noexcept { return fields().hours; }
    std::int64_t minutes() const noexcept { return fields().minutes; }
    std::int64_t seconds() const noexcept { return fields().seconds; }
    std::int64_t frames() const noexcept { return fields().frames; }

    // frameCount ÷ F in nominal timecode seconds (38 digits, halves away from zero). The
    // magnitude: the sign is not applied.
    Decimal secondsFromZero() const override;
    // 1 ÷ F rounded to 4 decimal places (halves away from zero): 0.04 at 25, 0.0333 at 30.
    double frameDuration() const noexcept override;

    // "HH:MM:SS:FF" with ";" before the frames when dropMark is set, "-" in front when negative;
    // each field at least two digits, more when larger ("100:00:00:00").
    std::string description() const override;
    // The same fields without separators: "01000000", "-00000200".
    std::string rawDescription() const override;

    // Formats a count at a whole rate (frameRate such as 30): the magnitude of frames, with a
    // leading "-" when frames is negative or isNegative is set (a sign is never dropped, and two
    // never cancel: −50 marked negative is "-00:00:02:00" at 25). drop counts and shows drop
    // frame at 30 and 60 only.
    static std::string framesToTimecodeString(std::int64_t frames, int frameRate, bool drop, bool isNegative);

    // The fields of a non-negative count n at whole rate F (drop selects drop-frame counting at
    // F = 30, as 29.97DF, and F = 60, as 59.94DF; other rates ignore it). Defined for every n ≥ 0.
    static Fields fieldsFromFrameCount(std::int64_t n, int frameRate, bool drop) noexcept;
    // The signed count of the fields at whole rate F (drop as above); absent when it does not fit
    // 64 bits.
    static std::optional<std::int64_t> frameCountFromFields(const Fields& fields, int frameRate, bool drop) noexcept;

    // {"formatType":"video","frameCount":n,"frameRate":"fps25","isNegative":b,"dropMark":b}
    nlohmann::ordered_json toJson() const override;
    // Requires integer "frameCount", a known "frameRate" raw value, boolean "isNegative" and
    // "dropMark"; "formatType" is not read (the result is always Video). A negative stored count
    // makes the value negative, as in withFields. A "dropMark" of true at a rate without drop
    // frame (25, say) is read as false: the record is kept and counted without drop, so 15000
    // frames at 25 show 00:10:00:00. Absent on any failure.
    static std::optional<Timecode> fromJson(const nlohmann::json& json) noexcept;

    friend bool operator==(const Timecode& a, const Timecode& b) noexcept {
        return a.frameCount_ == b.frameCount_ && a.frameRate_ == b.frameRate_ &&
               a.isNegative_ == b.isNegative_ && a.dropMark_ == b.dropMark_;
    }

    Timecode(const Timecode&) = default;
    Timecode& operator=(const Timecode&) = default;

private:
    Timecode(std::int64_t frameCount, FrameRate frameRate, bool isNegative, bool dropMark) noexcept
        : frameCount_(frameCount), frameRate_(frameRate), isNegative_(isNegative), dropMark_(dropMark) {}

    std::int64_t frameCount_;
    FrameRate frameRate_;
    bool isNegative_;
    bool dropMark_;
};

} // namespace framecore
