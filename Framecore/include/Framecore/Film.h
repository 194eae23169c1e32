#pragma once
// Film: film footage, a whole number of frames on a gauge, shown in one footage unit.
//
// Footage is measured through the gauge's framesPerFoot (P below); time runs at the rate's
// actualFPS, so secondsFromZero() is real time (24 frames at 23.98 is 1.001 s), unlike
// Timecode's nominal seconds.
//
// The count is signed: every factory stores a negative value as a negative frameCount(), and
// isNegative() carries the sign too (for feet+frames text, "-0:00" is zero with the flag set).
//
// A decimal footage (feet, metres, rolls) reads as the nearest whole frame, halves away from zero,
// since the texts shown are rounded to a few places: 3 ft of 3-perf 35mm (63.999) is 64 frames and
// "12.312" ft of it is 197. Foot k begins at the frame nearest k × P, and feet+frames text counts
// from there: 63 frames of 3-perf is "2:20", 64 is "3:00". So every text shown reads back as the
// count it shows. Signs are applied to the counted magnitude: −x reads as −(x).
// Counts that do not fit 64 bits saturate to INT64_MIN / INT64_MAX. Nothing here throws
// (except std::bad_alloc from the texts).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "Framecore/Decimal.h"
#include "Framecore/FilmGauge.h"
#include "Framecore/FootageUnit.h"
#include "Framecore/FormatType.h"
#include "Framecore/FrameCountable.h"
#include "Framecore/FrameRate.h"

namespace framecore {

class Film final : public FrameCountable {
public:
    // A count split into whole feet and the frames left over, both of the magnitude |n|.
    struct FeetFrames {
        bool isNegative = false;          // n < 0 (the sign of the count, not the stored flag)
        std::int64_t wholeFeet = 0;       // the last k with round(k × P) ≤ |n|
        std::int64_t framesRemainder = 0; // |n| − round(wholeFeet × P)
        friend bool operator==(const FeetFrames&, const FeetFrames&) = default;
    };

    // frameCount = n, isNegative = n < 0, in the given unit (Feet unless said).
    static Film withFrameCount(std::int64_t frameCount, FrameRate frameRate, FilmGauge gauge,
                               FootageUnit footageUnit = FootageUnit::Feet) noexcept;
    // round(feet × P) frames (halves away from zero); isNegative when feet × P < 0; unit Feet.
    static Film withFeet(const Decimal& feet, FrameRate frameRate, FilmGauge gauge) noexcept;
    // round(feet × P) + frames, the frames not checked against P (12 ft 99 fr of 35mm is 291
    // frames); isNegative as given; unit FeetFrames.
    static Film withFeet(std::int64_t feet, std::int64_t frames, bool isNegative, FrameRate frameRate,
                         FilmGauge gauge) noexcept;
    // The metres become feet in binary double (1 ft = 0.3048 m), then
    // round(feet × P) frames; isNegative when that count is negative; unit Metres.
    static Film withMetres(const Decimal& metres, FrameRate frameRate, FilmGauge gauge) noexcept;
    // round(rolls × L × P) frames, L = 1000 for Rolls1000ft, 400 for Rolls400ft and
    // 100 for any other unit; isNegative when rolls < 0; the unit is rollType as given.
    static Film withRolls(const Decimal& rolls, FootageUnit rollType, FrameRate frameRate,
                          FilmGauge gauge) noexcept;

    // Reads typed footage in the given unit; unreadable text is zero.
    //
    // FeetFrames: the sign is a leading "-" (it sets isNegative and negates the count). With the
    // sign removed, c is the length of the text once every leading and trailing ":" and "-" is
    // trimmed; when c ≤ 2 the trimmed text is the frames and there are no feet, otherwise the
    // first c − 2 characters hold the feet and the last two the frames. Each field is read as an
    // integer at its start (white space, optional sign, digits; 0 when none). So "12:05" is 12 ft
    // 5 fr, "1205" likewise, "5" is 5 frames, "12:5" is 12 ft 0 fr, and "-12:05" at 35mm is
    // −197 frames.
    //
    // Other units: a decimal number at the start of the text ("." as the point, optional sign
    // and exponent; 0 when none), made with withRolls for the roll units, withMetres for Metres
    // and withFeet otherwise.
    //
    // Any unit: text with more than one leading sign ("--12:05") is refused and gives zero
    // frames in the given unit (see LeadingSign).
    static Film withFeetString(std::string_view feetString, FrameRate frameRate, FilmGauge gauge,
                               FootageUnit unit) noexcept;

    // n = seconds × actualFPS + 0.000000001 rounded to the nearest frame (halves away from zero);
    // the value is withFeet(n ÷ P) (which counts n again) shown in the given unit.
    static Film withSecondsFromZero(const Decimal& secondsFromZero, FrameRate frameRate, FootageUnit unit,
                                    FilmGauge gauge) noexcept;

    FormatType formatType() const noexcept override { return FormatType::Film; }
    std::int64_t frameCount() const noexcept override { return frameCount_; }
    FrameRate frameRate() const noexcept { return frameRate_; }
    bool isNegative() const noexcept override { return isNegative_; }
    FilmGauge gauge() const noexcept { return gauge_; }
    FootageUnit footageUnit() const noexcept { return footageUnit_; }

    // frameCount ÷ P of the value's gauge, full precision, signed.
    Decimal feet() const noexcept;
    // frameCount ÷ P of the given gauge, rounded to 3 places (halves away from zero).
    Decimal feet(FilmGauge gauge) const noexcept;
    FeetFrames feetFrames() const noexcept { return feetFrames(gauge_); }
    FeetFrames feetFrames(FilmGauge gauge) const noexcept;
    // frameCount ÷ P as a double turned from feet into metres, rounded to 3 places (halves away
    // from zero): 16 frames of 35mm is 0.305.
    Decimal metres() const noexcept { return metres(gauge_); }
    Decimal metres(FilmGauge gauge) const noexcept;
    // frameCount ÷ P ÷ feetPerUnit(rollType), rounded to 6 places (halves away from zero).
    Decimal rolls(FootageUnit rollType, FilmGauge gauge) const noexcept;

    // 1 ÷ integralFPS rounded to 4 places, as for Timecode.
    double frameDuration() const noexcept override;
    // frameCount ÷ actualFPS, full precision, signed (real seconds).
    Decimal secondsFromZero() const override;

    // By unit: Feet and Metres with 0 to 3 fraction digits in the user's locale ("12.312",
    // "-2", "3.81"); FeetFrames "-" when isNegative, then feet ":" two-digit frames ("12:05");
    // the roll units the rolls in plain decimal text ("0.5", "1.234568").
    std::string description() const override;
    // As description(), except FeetFrames without the ":" ("1205").
    std::string rawDescription() const override;

    // {"formatType":"film","frameCount":n,"frameRate":"fps24","isNegative":b,"gauge":"mm35",
    //  "footageUnit":"feet"}
    nlohmann::ordered_json toJson() const override;
    // Requires all keys but "formatType" (not read; the result is Film), with an integer count,
    // a boolean flag and known raw values. Absent on any failure.
    static std::optional<Film> fromJson(const nlohmann::json& json) noexcept;

    friend bool operator==(const Film& a, const Film& b) noexcept {
        return a.frameCount_ == b.frameCount_ && a.frameRate_ == b.frameRate_ &&
               a.isNegative_ == b.isNegative_ && a.gauge_ == b.gauge_ && a.footageUnit_ == b.footageUnit_;
    }

    Film(const Film&) = default;
    Film& operator=(const Film&) = default;

private:
    Film(std::int64_t frameCount, FrameRate frameRate, bool isNegative, FilmGauge gauge,
         FootageUnit footageUnit) noexcept
        : frameCount_(frameCount), frameRate_(frameRate), isNegative_(isNegative), gauge_(gauge),
          footageUnit_(footageUnit) {}

    std::int64_t frameCount_;
    FrameRate frameRate_;
    bool isNegative_;
    FilmGauge gauge_;
    FootageUnit footageUnit_;
};

} // namespace framecore
