#pragma once
// FormatConverter: re-expresses a value in another format, reads typed text and calculator
// counts as values of a format, and negates values. Stateless; every operation is pure.
//
// The concrete kind follows the descriptor's formatType: Film ↔ Film, Video ↔ Timecode,
// Frames ↔ Frames.
//
// Signed count. The count N of a source is its frameCount() with its sign: Film and Frames keep a
// signed count already; a Timecode keeps the magnitude and the sign in isNegative(), so N is
// −frameCount() when isNegative(). A negative value therefore stays negative in every format
// (−50 frames of 25 fps timecode is −50 in a Frames slot and −2 s of film).
//
// Two rates drive every conversion: film seconds are real seconds at actualFPS, timecode seconds
// are nominal seconds at integralFPS (a 29.97 timecode second holds 30 frames).
//
// convertFormat keeps the count (the result carries N re-labelled with the destination's rate,
// gauge and unit) for:
//   - any source → Frames;
//   - Frames → Video and Frames → Film (no time conversion: the bare count becomes timecode or
//     footage at the destination rate);
//   - Film → Film when both descriptors' rates are in the 24 family {23.98, 24} or both in the
//     25 family {24.98, 25}, or when their actualFPS are equal (29.97 drop and non-drop);
//   - Film 23.98, 24 or 24.98 → Video 25, and Video 25 → Film 23.98, 24 or 24.98 (film is
//     transferred frame for frame to 25-frame video);
//   - Film ↔ Video when the descriptors' actualFPS are equal;
//   - Video → Video when the source timecode's rate and the destination rate are both in
//     {23.98, 24, 25}.
// Every other pair goes via seconds: S = N ÷ actualFPS of the source film's own rate, or
// N ÷ integralFPS of the source timecode's own rate; a film result is
// Film::withSecondsFromZero(S, ...) (nearest frame at actualFPS), a timecode result is
// floor(|S| × integralFPS + 0.000000001) frames with the sign of S. A source descriptor without a
// rate always goes via seconds. Every rule counts the magnitude and applies the sign after, so
// converting −x gives exactly the negative of converting x. Because timecode counts at integralFPS, 29.97 and 30 (and 59.94 and 60) timecode
// exchange frame for frame; 24 film frames become 30 frames of 30 fps video.
//
// Nothing here crashes or overflows, whatever the arguments, and nothing throws except
// std::bad_alloc:
//   - Absent destination fields take defaults: for Frames → Film fps1, mm35 and Feet (the bare
//     count is footage at one frame per second); for every other film result fps24, mm35 and
//     Feet; for a timecode result fps29_97Drop. unitValueFrom uses the same film and video
//     defaults.
//   - A source whose kind does not match a Film or Video source descriptor (or a null source) is
//     converted from its signed frame count: it is first rebuilt as
//     unitValueFrom(N, sourceFormat) (a null source counts 0). A Frames source descriptor takes
//     the signed count of a value of any kind.
//   - Counts that do not fit 64 bits saturate: conversions via seconds clamp to
//     INT64_MIN..INT64_MAX, and a negated INT64_MIN becomes INT64_MAX; a timecode magnitude is at
//     most INT64_MAX.

#include <cstdint>
#include <string_view>

#include "Framecore/FormatDescriptor.h"
#include "Framecore/FrameCountable.h"

namespace framecore {

class FormatConverter {
public:
    FormatConverter() = delete;

    // The source value re-expressed in the destination's kind, rate, gauge and unit (see above).
    // The source descriptor says which kind and rate the source is in.
    static FrameCountableRef convertFormat(const FrameCountableRef& sourceValue,
                                           const FormatDescriptor& sourceFormat,
                                           const FormatDescriptor& destinationFormat);

    // Typed text as a value of the descriptor's kind. A text that is a floating-point zero in
    // C syntax ("00", "0.0", "-0", "0e5", "0x0") reads as "0", so zero is never negative. Film
    // text goes to Film::withFeetString (fps24, mm35, Feet when absent), video text to
    // Timecode::withTimecodeString (fps29_97Drop when absent), frames text to
    // Frames::withFrameCountString. Text with more than one leading sign ("--5") is a zero value
    // of the kind; check it with LeadingSign::read to tell it from a typed zero.
    static FrameCountableRef unitValueFrom(std::string_view valueString, const FormatDescriptor& valueDescriptor);

    // A signed count (a calculator result) as a value of the descriptor's kind: a Film with count
    // n, a Timecode of magnitude |n| with isNegative = n < 0 (INT64_MIN gives magnitude
    // INT64_MAX), or a Frames value. Absent fields take the defaults above.
    static FrameCountableRef unitValueFrom(std::int64_t frameCount, const FormatDescriptor& valueDescriptor);

    // The same kind with the signed count negated: a film keeps its rate, gauge and unit, a
    // timecode its rate and flips its sign (a negative timecode becomes positive; zero stays
    // positive). INT64_MIN becomes INT64_MAX. A null value gives a zero Frames value; a value of
    // an unknown class is rebuilt from its negated count with the defaults of its formatType.
    static FrameCountableRef invert(const FrameCountableRef& value);

    // N as described above: the count with its sign, whatever the kind; 0 for null.
    static std::int64_t signedFrameCount(const FrameCountableRef& value) noexcept;
};

} // namespace framecore
