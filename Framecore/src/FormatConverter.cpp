#include "Framecore/FormatConverter.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>
#if defined(__APPLE__)
#include <xlocale.h>
#endif

#include "Framecore/Film.h"
#include "Framecore/Frames.h"
#include "Framecore/Timecode.h"
#include "FrameCounting.h"

namespace framecore {

namespace {

// Stand-ins for absent destination fields.
constexpr FrameRate defaultFilmRate = FrameRate::fps24;
constexpr FilmGauge defaultGauge = FilmGauge::mm35;
constexpr FootageUnit defaultUnit = FootageUnit::Feet;
constexpr FrameRate defaultVideoRate = FrameRate::fps29_97Drop;
// A bare count becomes footage at one frame per second.
constexpr FrameRate bareCountFilmRate = FrameRate::fps1;

bool inFamily24(FrameRate rate) noexcept { return rate == FrameRate::fps23_98 || rate == FrameRate::fps24; }
bool inFamily25(FrameRate rate) noexcept { return rate == FrameRate::fps24_98 || rate == FrameRate::fps25; }
// Film rates that are transferred frame for frame to 25-frame video.
bool transfersTo25(FrameRate rate) noexcept { return inFamily24(rate) || rate == FrameRate::fps24_98; }
// Timecode rates that exchange frame for frame with one another.
bool swapsFrameForFrame(FrameRate rate) noexcept { return inFamily24(rate) || rate == FrameRate::fps25; }

bool sameActualRate(const std::optional<FrameRate>& a, const std::optional<FrameRate>& b) noexcept {
    return a && b && a->actualFPS() == b->actualFPS();
}

FrameCountableRef framesWithCount(std::int64_t count) {
    return std::make_shared<const Frames>(Frames::withFrameCount(count));
}

FrameCountableRef filmWithCount(std::int64_t count, const FormatDescriptor& format, FrameRate rateWhenAbsent) {
    return std::make_shared<const Film>(Film::withFrameCount(count, format.frameRate.value_or(rateWhenAbsent),
                                                             format.filmGauge.value_or(defaultGauge),
                                                             format.footageUnit.value_or(defaultUnit)));
}

FrameCountableRef timecodeWithCount(std::int64_t count, const FormatDescriptor& format) {
    return std::make_shared<const Timecode>(
        Timecode::withFrameCount(count, format.frameRate.value_or(defaultVideoRate)));
}

FrameCountableRef filmFromSeconds(const Decimal& seconds, const FormatDescriptor& format) {
    return std::make_shared<const Film>(Film::withSecondsFromZero(seconds, format.frameRate.value_or(defaultFilmRate),
                                                                  format.footageUnit.value_or(defaultUnit),
                                                                  format.filmGauge.value_or(defaultGauge)));
}

FrameCountableRef timecodeFromSeconds(const Decimal& seconds, const FormatDescriptor& format) {
    return std::make_shared<const Timecode>(
        Timecode::withSecondsFromZero(seconds, format.frameRate.value_or(defaultVideoRate)));
}

// Real seconds of film; nominal seconds of timecode.
Decimal filmSeconds(std::int64_t count, const Film& film) noexcept {
    return detail::saturatingQuotient(Decimal(count), film.frameRate().actualFPS());
}
Decimal timecodeSeconds(std::int64_t count, const Timecode& timecode) noexcept {
    return detail::saturatingQuotient(Decimal(count), Decimal(timecode.frameRate().integralFPS()));
}

FrameCountableRef filmToFilm(const Film& film, std::int64_t count, const FormatDescriptor& source,
                             const FormatDescriptor& destination) {
    const auto& from = source.frameRate;
    const auto& to = destination.frameRate;
    const bool keep = from && ((to && ((inFamily24(*from) && inFamily24(*to)) ||
                                       (inFamily25(*from) && inFamily25(*to)))) ||
                               sameActualRate(from, to));
    if (keep) return filmWithCount(count, destination, defaultFilmRate);
    return filmFromSeconds(filmSeconds(count, film), destination);
}

FrameCountableRef filmToVideo(const Film& film, std::int64_t count, const FormatDescriptor& source,
                              const FormatDescriptor& destination) {
    const auto& from = source.frameRate;
    const auto& to = destination.frameRate;
    const bool keep = from && ((to == FrameRate::fps25 && transfersTo25(*from)) || sameActualRate(from, to));
    if (keep) return timecodeWithCount(count, destination);
    return timecodeFromSeconds(filmSeconds(count, film), destination);
}

FrameCountableRef videoToFilm(const Timecode& timecode, std::int64_t count, const FormatDescriptor& source,
                              const FormatDescriptor& destination) {
    const auto& from = source.frameRate;
    const auto& to = destination.frameRate;
    const bool keep = from && ((from == FrameRate::fps25 && to && transfersTo25(*to)) || sameActualRate(from, to));
    if (keep) return filmWithCount(count, destination, defaultFilmRate);
    return filmFromSeconds(timecodeSeconds(count, timecode), destination);
}

FrameCountableRef videoToVideo(const Timecode& timecode, std::int64_t count, const FormatDescriptor& destination) {
    const auto& to = destination.frameRate;
    if (to && swapsFrameForFrame(timecode.frameRate()) && swapsFrameForFrame(*to)) {
        return timecodeWithCount(count, destination);
    }
    return timecodeFromSeconds(timecodeSeconds(count, timecode), destination);
}

bool isControlOrSpace(unsigned char c) noexcept { return c <= 0x20 || c == 0x7f; }

// The whole text is a floating-point number in C syntax (decimal or hexadecimal, as strtod reads
// it in the C locale) whose value is zero: "00", "0.0", "-0", "0e5", "0x0", "1e-400".
bool isFloatingZero(std::string_view text) {
    if (text.empty() || isControlOrSpace(static_cast<unsigned char>(text.front()))) return false;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    if (cLocale == locale_t(0)) return false;
    const std::string terminated(text);
    char* end = nullptr;
    const double value = strtod_l(terminated.c_str(), &end, cLocale);
    return end == terminated.c_str() + terminated.size() && value == 0.0;
}

} // namespace

std::int64_t FormatConverter::signedFrameCount(const FrameCountableRef& value) noexcept {
    if (!value) return 0;
    const std::int64_t count = value->frameCount();
    // Timecode keeps the magnitude and the sign apart; a count that is negative already stays.
    if (value->formatType() == FormatType::Video && value->isNegative() && count > 0) return -count;
    return count;
}

FrameCountableRef FormatConverter::convertFormat(const FrameCountableRef& sourceValue,
                                                 const FormatDescriptor& sourceFormat,
                                                 const FormatDescriptor& destinationFormat) {
    const Film* film = dynamic_cast<const Film*>(sourceValue.get());
    const Timecode* timecode = dynamic_cast<const Timecode*>(sourceValue.get());
    const bool mismatched = !sourceValue || (sourceFormat.formatType == FormatType::Film && !film) ||
                            (sourceFormat.formatType == FormatType::Video && !timecode);
    if (mismatched) {
        // Taken as the count it says it has, in the kind the source descriptor names.
        const FrameCountableRef rebuilt = unitValueFrom(signedFrameCount(sourceValue), sourceFormat);
        return convertFormat(rebuilt, sourceFormat, destinationFormat);
    }

    const std::int64_t count = signedFrameCount(sourceValue);
    if (destinationFormat.formatType == FormatType::Frames) return framesWithCount(count);

    switch (sourceFormat.formatType) {
    case FormatType::Frames:
        if (destinationFormat.formatType == FormatType::Video) return timecodeWithCount(count, destinationFormat);
        return filmWithCount(count, destinationFormat, bareCountFilmRate);
    case FormatType::Film:
        if (destinationFormat.formatType == FormatType::Film) {
            return filmToFilm(*film, count, sourceFormat, destinationFormat);
        }
        return filmToVideo(*film, count, sourceFormat, destinationFormat);
    case FormatType::Video:
        if (destinationFormat.formatType == FormatType::Film) {
            return videoToFilm(*timecode, count, sourceFormat, destinationFormat);
        }
        return videoToVideo(*timecode, count, destinationFormat);
    }
    return framesWithCount(count);
}

FrameCountableRef FormatConverter::unitValueFrom(std::string_view valueString, const FormatDescriptor& valueDescriptor) {
    const std::string_view text = isFloatingZero(valueString) ? std::string_view("0") : valueString;
    switch (valueDescriptor.formatType) {
    case FormatType::Film:
        return std::make_shared<const Film>(Film::withFeetString(text, valueDescriptor.frameRate.value_or(defaultFilmRate),
                                                                 valueDescriptor.filmGauge.value_or(defaultGauge),
                                                                 valueDescriptor.footageUnit.value_or(defaultUnit)));
    case FormatType::Video:
        return std::make_shared<const Timecode>(
            Timecode::withTimecodeString(text, valueDescriptor.frameRate.value_or(defaultVideoRate)));
    case FormatType::Frames: break;
    }
    return std::make_shared<const Frames>(Frames::withFrameCountString(text));
}

FrameCountableRef FormatConverter::unitValueFrom(std::int64_t frameCount, const FormatDescriptor& valueDescriptor) {
    switch (valueDescriptor.formatType) {
    case FormatType::Film: return filmWithCount(frameCount, valueDescriptor, defaultFilmRate);
    case FormatType::Video: return timecodeWithCount(frameCount, valueDescriptor);
    case FormatType::Frames: break;
    }
    return framesWithCount(frameCount);
}

FrameCountableRef FormatConverter::invert(const FrameCountableRef& value) {
    const std::int64_t negated = detail::saturatingNegate(signedFrameCount(value));
    if (!value) return framesWithCount(0);
    if (const auto* film = dynamic_cast<const Film*>(value.get())) {
        return std::make_shared<const Film>(
            Film::withFrameCount(negated, film->frameRate(), film->gauge(), film->footageUnit()));
    }
    if (const auto* timecode = dynamic_cast<const Timecode*>(value.get())) {
        return std::make_shared<const Timecode>(Timecode::withFrameCount(negated, timecode->frameRate()));
    }
    if (dynamic_cast<const Frames*>(value.get())) return framesWithCount(negated);
    return unitValueFrom(negated, FormatDescriptor(value->formatType()));
}

} // namespace framecore
