#include "Framecore/Film.h"

#include <cmath>
#include <cstdio>

#include "Framecore/LeadingSign.h"
#include "Framecore/NumberFormatting.h"
#include "FrameCounting.h"

namespace framecore {

namespace {

constexpr double metresPerFoot = 0.3048;

// Feet as a decimal from metres, through binary double as length conversions are done.
// Infinite results keep their sign as a value beyond every count; NaN counts 0.
Decimal feetFromMetres(const Decimal& metres) noexcept {
    if (metres.isNaN()) return Decimal();
    const double feet = metres.toDouble() / metresPerFoot;
    if (std::isinf(feet)) return detail::beyondCounts(feet < 0);
    if (std::isnan(feet)) return Decimal();
    return Decimal::fromDouble(feet);
}

std::int64_t rollLength(FootageUnit rollType) noexcept {
    switch (rollType) {
    case FootageUnit::Rolls1000ft: return 1000;
    case FootageUnit::Rolls400ft: return 400;
    default: return 100;
    }
}

// The frame at which foot k begins: the frame nearest k × P. Feet+frames text counts from these
// starts, so "k:ff" is footStart(k) + ff frames and every count shows a text that reads back as
// itself, whole-frame gauges and fractional ones (3-perf, 65mm, IMAX) alike.
Decimal footStartExact(std::int64_t foot, const Decimal& perFoot) noexcept {
    const Decimal product = detail::saturatingProduct(Decimal(foot), perFoot);
    try {
        return product.rounding(detail::wholeBehavior(RoundingMode::plain));
    } catch (...) {
        return product;
    }
}

std::int64_t footStart(std::int64_t foot, const Decimal& perFoot) noexcept {
    return footStartExact(foot, perFoot).toInt64Saturating();
}

std::string feetFramesText(const Film::FeetFrames& parts, bool isNegative, const char* separator) {
    std::string text = isNegative ? "-" : "";
    char frames[24];
    std::snprintf(frames, sizeof frames, "%02lld", static_cast<long long>(parts.framesRemainder));
    text += std::to_string(parts.wholeFeet);
    text += separator;
    text += frames;
    return text;
}

} // namespace

Film Film::withFrameCount(std::int64_t frameCount, FrameRate frameRate, FilmGauge gauge,
                          FootageUnit footageUnit) noexcept {
    return Film(frameCount, frameRate, frameCount < 0, gauge, footageUnit);
}

Film Film::withFeet(const Decimal& feet, FrameRate frameRate, FilmGauge gauge) noexcept {
    const Decimal frames = detail::saturatingProduct(feet, gauge.framesPerFoot());
    return Film(detail::wholeFrames(frames, RoundingMode::plain), frameRate, frames.isNegative(), gauge,
                FootageUnit::Feet);
}

Film Film::withFeet(std::int64_t feet, std::int64_t frames, bool isNegative, FrameRate frameRate,
                    FilmGauge gauge) noexcept {
    return Film(detail::saturatingAdd(footStart(feet, gauge.framesPerFoot()), frames), frameRate, isNegative, gauge,
                FootageUnit::FeetFrames);
}

Film Film::withMetres(const Decimal& metres, FrameRate frameRate, FilmGauge gauge) noexcept {
    const std::int64_t count =
        detail::wholeFrames(detail::saturatingProduct(feetFromMetres(metres), gauge.framesPerFoot()), RoundingMode::plain);
    return Film(count, frameRate, count < 0, gauge, FootageUnit::Metres);
}

Film Film::withRolls(const Decimal& rolls, FootageUnit rollType, FrameRate frameRate, FilmGauge gauge) noexcept {
    const Decimal feet = detail::saturatingProduct(rolls, Decimal(rollLength(rollType)));
    const std::int64_t count = detail::wholeFrames(detail::saturatingProduct(feet, gauge.framesPerFoot()), RoundingMode::plain);
    return Film(count, frameRate, rolls.isNegative(), gauge, rollType);
}

Film Film::withFeetString(std::string_view feetString, FrameRate frameRate, FilmGauge gauge,
                          FootageUnit unit) noexcept {
    const std::optional<LeadingSign> sign = LeadingSign::read(feetString);
    if (!sign) return withFrameCount(0, frameRate, gauge, unit);
    if (unit == FootageUnit::FeetFrames) {
        // A leading "-" is the sign of the whole value, never part of the feet field: the fields
        // are read from the text without it and the count is negated.
        const bool isNegative = sign->isNegative();
        const std::string_view text = sign->rest();

        std::string_view trimmed = text;
        while (!trimmed.empty() && (trimmed.front() == ':' || trimmed.front() == '-')) trimmed.remove_prefix(1);
        while (!trimmed.empty() && (trimmed.back() == ':' || trimmed.back() == '-')) trimmed.remove_suffix(1);

        std::int64_t feet = 0;
        std::int64_t frames = 0;
        if (trimmed.size() <= 2) {
            frames = detail::scanLeadingInteger(trimmed);
        } else {
            feet = detail::scanLeadingInteger(text.substr(0, trimmed.size() - 2));
            frames = detail::scanLeadingInteger(text.substr(text.size() - 2));
        }
        const Film magnitude = withFeet(feet, frames, isNegative, frameRate, gauge);
        if (!isNegative) return magnitude;
        return Film(detail::saturatingNegate(magnitude.frameCount_), frameRate, true, gauge, FootageUnit::FeetFrames);
    }

    const Decimal number = detail::scanLeadingDecimal(feetString).value_or(Decimal());
    switch (unit) {
    case FootageUnit::Rolls1000ft:
    case FootageUnit::Rolls400ft:
    case FootageUnit::Rolls100ft: return withRolls(number, unit, frameRate, gauge);
    case FootageUnit::Metres: return withMetres(number, frameRate, gauge);
    default: return withFeet(number, frameRate, gauge);
    }
}

Film Film::withSecondsFromZero(const Decimal& secondsFromZero, FrameRate frameRate, FootageUnit unit,
                               FilmGauge gauge) noexcept {
    const std::int64_t count =
        detail::wholeFrames(detail::saturatingProduct(secondsFromZero, frameRate.actualFPS()), RoundingMode::plain);
    const Decimal feet = detail::saturatingQuotient(Decimal(count), gauge.framesPerFoot());
    Film film = withFeet(feet, frameRate, gauge);
    film.footageUnit_ = unit;
    return film;
}

Decimal Film::feet() const noexcept {
    return detail::saturatingQuotient(Decimal(frameCount_), gauge_.framesPerFoot());
}

Decimal Film::feet(FilmGauge gauge) const noexcept {
    return detail::roundedPlaces(detail::saturatingQuotient(Decimal(frameCount_), gauge.framesPerFoot()), 3);
}

Film::FeetFrames Film::feetFrames(FilmGauge gauge) const noexcept {
    const Decimal& perFoot = gauge.framesPerFoot();
    const Decimal magnitude = Decimal(frameCount_).abs();
    FeetFrames parts;
    parts.isNegative = frameCount_ < 0;
    // The last foot begun at or before |n|. The quotient lands within a foot of it (P > 1 and the
    // starts are at most half a frame from k × P), so a step or two either way finds it.
    std::int64_t foot = detail::wholeFrames(detail::saturatingQuotient(magnitude, perFoot));
    for (int step = 0; step < 2 && foot > 0 && footStartExact(foot, perFoot) > magnitude; ++step) --foot;
    for (int step = 0; step < 2 && foot < detail::countMax && footStartExact(foot + 1, perFoot) <= magnitude; ++step) {
        ++foot;
    }
    parts.wholeFeet = foot;
    parts.framesRemainder = magnitude.subtractingNoRaise(footStartExact(foot, perFoot)).toInt64Saturating();
    return parts;
}

Decimal Film::metres(FilmGauge gauge) const noexcept {
    const double feet = detail::saturatingQuotient(Decimal(frameCount_), gauge.framesPerFoot()).toDouble();
    return detail::roundedPlaces(Decimal::fromDouble(feet * metresPerFoot), 3);
}

Decimal Film::rolls(FootageUnit rollType, FilmGauge gauge) const noexcept {
    const Decimal feet = detail::saturatingQuotient(Decimal(frameCount_), gauge.framesPerFoot());
    return detail::roundedPlaces(detail::saturatingQuotient(feet, rollType.feetPerUnit()), 6);
}

double Film::frameDuration() const noexcept { return roundedToPlaces(1.0 / frameRate_.integralFPS(), 4); }

Decimal Film::secondsFromZero() const { return detail::saturatingQuotient(Decimal(frameCount_), frameRate_.actualFPS()); }

std::string Film::description() const {
    switch (footageUnit_) {
    case FootageUnit::Feet: return formattedStringWithPrecision(feet().toDouble(), 0, 3);
    case FootageUnit::FeetFrames: return feetFramesText(feetFrames(), isNegative_, ":");
    case FootageUnit::Metres: return formattedStringWithPrecision(metres().toDouble(), 0, 3);
    default: return detail::roundedPlaces(rolls(footageUnit_, gauge_), 6).toString();
    }
}

std::string Film::rawDescription() const {
    if (footageUnit_ == FootageUnit::FeetFrames) return feetFramesText(feetFrames(), isNegative_, "");
    return description();
}

nlohmann::ordered_json Film::toJson() const {
    nlohmann::ordered_json json;
    json["formatType"] = FormatType(FormatType::Film);
    json["frameCount"] = frameCount_;
    json["frameRate"] = frameRate_;
    json["isNegative"] = isNegative_;
    json["gauge"] = gauge_;
    json["footageUnit"] = footageUnit_;
    return json;
}

std::optional<Film> Film::fromJson(const nlohmann::json& json) noexcept {
    try {
        if (!json.is_object()) return std::nullopt;
        const auto& count = json.at("frameCount");
        if (!count.is_number_integer()) return std::nullopt;
        if (count.is_number_unsigned() && count.get<std::uint64_t>() > std::uint64_t(detail::countMax)) {
            return std::nullopt;
        }
        const auto& negative = json.at("isNegative");
        if (!negative.is_boolean()) return std::nullopt;
        return Film(count.get<std::int64_t>(), json.at("frameRate").get<FrameRate>(), negative.get<bool>(),
                    json.at("gauge").get<FilmGauge>(), json.at("footageUnit").get<FootageUnit>());
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace framecore
