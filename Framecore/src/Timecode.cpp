#include "Framecore/Timecode.h"

#include <cmath>
#include <limits>

#include "Framecore/LeadingSign.h"

namespace framecore {
namespace {

using std::int64_t;
using std::uint64_t;

constexpr int64_t int64Max = std::numeric_limits<int64_t>::max();
constexpr uint64_t int64MinMagnitude = uint64_t(1) << 63;

// Wide enough for every product of this file: |field| × 3600 × F stays below 2^107.
__extension__ typedef __int128 Int128;

// Drop-frame counting exists only at the whole rates of the two drop-frame families, 30
// (29.97DF) and 60 (59.94DF). A drop request at any other rate counts and shows without drop:
// there is no skipping rule to apply there.
constexpr bool countsDropped(int64_t fps, bool drop) noexcept { return drop && (fps == 30 || fps == 60); }

// Drop-frame constants of F = 30 or 60.
struct DropConstants {
    int64_t dropped;    // frame numbers skipped per minute
    int64_t nominal;    // frames in a minute that keeps all its numbers: F × 60
    int64_t tenMinutes; // frames in ten minutes
};

constexpr DropConstants dropConstants(int64_t fps) noexcept {
    const int64_t dropped = fps == 60 ? 4 : 2;
    return {dropped, fps * 60, fps * 600 - 9 * dropped};
}

// Magnitude of a signed count; INT64_MIN gives 2^63.
constexpr uint64_t magnitude(int64_t n) noexcept { return n < 0 ? uint64_t(0) - uint64_t(n) : uint64_t(n); }

// Splits a non-negative count into fields. With FPS known at compile time every division below
// becomes a multiplication. Any n ≤ 2^63 is safe: the drop expansion adds under 4%, so the
// expanded label number stays below 2^64, and hours stay below 2^63.
template <typename Rate>
Timecode::Fields split(uint64_t n, Rate fpsValue, bool drop) noexcept {
    const uint64_t fps = uint64_t(fpsValue);
    if (drop) {
        const DropConstants k = dropConstants(int64_t(fps));
        const uint64_t dropped = uint64_t(k.dropped);
        const uint64_t tens = n / uint64_t(k.tenMinutes);
        const uint64_t rest = n - tens * uint64_t(k.tenMinutes);
        n += 9 * dropped * tens;
        if (rest >= dropped) n += dropped * ((rest - dropped) / (uint64_t(k.nominal) - dropped));
    }
    const uint64_t totalSeconds = n / fps;
    const uint64_t totalMinutes = totalSeconds / 60;
    return {int64_t(totalMinutes / 60), int64_t(totalMinutes % 60), int64_t(totalSeconds % 60),
            int64_t(n - totalSeconds * fps)};
}

template <int FPS>
using Fixed = std::integral_constant<uint64_t, FPS>;

Timecode::Fields splitMagnitude(uint64_t n, int fps, bool drop) noexcept {
    drop = countsDropped(fps, drop);
    switch (fps) {
    case 1: return split(n, Fixed<1>{}, drop);
    case 8: return split(n, Fixed<8>{}, drop);
    case 10: return split(n, Fixed<10>{}, drop);
    case 12: return split(n, Fixed<12>{}, drop);
    case 15: return split(n, Fixed<15>{}, drop);
    case 16: return split(n, Fixed<16>{}, drop);
    case 18: return split(n, Fixed<18>{}, drop);
    case 24: return split(n, Fixed<24>{}, drop);
    case 25: return split(n, Fixed<25>{}, drop);
    case 30: return split(n, Fixed<30>{}, drop);
    case 48: return split(n, Fixed<48>{}, drop);
    case 50: return split(n, Fixed<50>{}, drop);
    case 60: return split(n, Fixed<60>{}, drop);
    case 72: return split(n, Fixed<72>{}, drop);
    case 90: return split(n, Fixed<90>{}, drop);
    case 100: return split(n, Fixed<100>{}, drop);
    default: return fps > 0 ? split(n, uint64_t(fps), drop) : Timecode::Fields{};
    }
}

// Removes the skipped frame numbers from a label count: total − D × (M − M ÷ 10), M whole
// minutes. Symmetric in the sign of total (the divisions truncate).
template <typename Int>
Int removeDroppedNumbers(Int total, int64_t fps) noexcept {
    const DropConstants k = dropConstants(fps);
    const Int minutes = total / Int(k.nominal);
    return total - Int(k.dropped) * (minutes - minutes / 10);
}

// The same, with the two drop rates' divisors known at compile time (fps is 30 or 60).
int64_t removeDroppedNumbersFast(int64_t total, int64_t fps) noexcept {
    return fps == 30 ? removeDroppedNumbers(total, 30) : removeDroppedNumbers(total, 60);
}

// Signed count of the fields, or absent when beyond 64 bits. The common case stays in 64-bit
// arithmetic; on overflow it is redone in 128 bits, because a label total just above the 64-bit
// range can still name a count inside it once the dropped numbers are removed.
std::optional<int64_t> countFields(const Timecode::Fields& f, int fps, bool drop) noexcept {
    if (fps <= 0) return std::nullopt;
    drop = countsDropped(fps, drop);
    int64_t hourFrames, minuteFrames, total;
    const bool overflow = __builtin_mul_overflow(f.hours, int64_t(3600), &hourFrames) ||
                          __builtin_mul_overflow(f.minutes, int64_t(60), &minuteFrames) ||
                          __builtin_add_overflow(hourFrames, minuteFrames, &total) ||
                          __builtin_add_overflow(total, f.seconds, &total) ||
                          __builtin_mul_overflow(total, int64_t(fps), &total) ||
                          __builtin_add_overflow(total, f.frames, &total);
    if (!overflow) return drop ? removeDroppedNumbersFast(total, fps) : total;

    Int128 wide = (Int128(f.hours) * 3600 + Int128(f.minutes) * 60 + f.seconds) * fps + f.frames;
    if (drop) wide = removeDroppedNumbers(wide, fps);
    if (wide > Int128(int64Max) || wide < Int128(std::numeric_limits<int64_t>::min())) return std::nullopt;
    return int64_t(wide);
}

// A value from a signed total: the magnitude is stored, and a negative total makes the value
// negative whatever the flag says. A value has one sign: a negative total marked negative is not
// its own opposite. INT64_MIN has no 64-bit magnitude and is held as INT64_MAX.
struct Folded {
    int64_t frameCount;
    bool isNegative;
};

constexpr Folded fold(int64_t total, bool isNegative) noexcept {
    if (total >= 0) return {total, isNegative};
    return {total == std::numeric_limits<int64_t>::min() ? int64Max : -total, true};
}

// One field of typed timecode: an optional sign, then one or more digits that fit 64 bits.
// Anything else makes the field 0.
class FieldReader {
public:
    void feed(char ch) noexcept {
        if (!started_) {
            started_ = true;
            if (ch == '+' || ch == '-') {
                if (ch == '-') limit_ = int64MinMagnitude;
                negative_ = ch == '-';
                return;
            }
        }
        const unsigned digit = unsigned(static_cast<unsigned char>(ch)) - unsigned('0');
        if (digit > 9) {
            bad_ = true;
            return;
        }
        hasDigits_ = true;
        if (__builtin_mul_overflow(value_, uint64_t(10), &value_) ||
            __builtin_add_overflow(value_, uint64_t(digit), &value_) || value_ > limit_) {
            bad_ = true;
            value_ = 0;
        }
    }

    int64_t value() const noexcept {
        if (bad_ || !hasDigits_) return 0;
        return negative_ ? int64_t(uint64_t(0) - value_) : int64_t(value_); // 2^63 wraps to INT64_MIN
    }

private:
    uint64_t value_ = 0;
    uint64_t limit_ = uint64_t(int64Max);
    bool started_ = false;
    bool negative_ = false;
    bool hasDigits_ = false;
    bool bad_ = false;
};

constexpr bool isSeparator(char ch) noexcept { return ch == ':' || ch == ';'; }

// Left-padded with "0" to nine characters; the last two are frames, the two before seconds, the
// two before minutes, and the first length − 6 the hours. This reader takes any length and
// checks every field for 64-bit overflow.
Timecode::Fields readLongFields(std::string_view text) noexcept {
    std::size_t count = 0;
    for (char ch : text) count += !isSeparator(ch);
    const std::size_t length = count < 9 ? 9 : count;
    const std::size_t minutesAt = length - 6, secondsAt = length - 4, framesAt = length - 2;

    FieldReader readers[4];
    std::size_t position = 0;
    auto feed = [&](char ch) {
        const int field = position < minutesAt ? 0 : position < secondsAt ? 1 : position < framesAt ? 2 : 3;
        readers[field].feed(ch);
        ++position;
    };
    for (std::size_t pad = length - count; pad > 0; --pad) feed('0');
    for (char ch : text) {
        if (!isSeparator(ch)) feed(ch);
    }
    return {readers[0].value(), readers[1].value(), readers[2].value(), readers[3].value()};
}

// Typed text is short: up to this many characters (separators aside) no field can hold more
// than 18 digits, which always fit 64 bits.
constexpr std::size_t shortTextLength = 24;

int64_t readShortField(const char* text, std::size_t size) noexcept {
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = *text == '-';
        ++text;
        --size;
    }
    if (size == 0) return 0;
    int64_t value = 0;
    for (const char* end = text + size; text < end; ++text) {
        const unsigned digit = unsigned(static_cast<unsigned char>(*text)) - unsigned('0');
        if (digit > 9) return 0;
        value = value * 10 + int64_t(digit);
    }
    return negative ? -value : value;
}

Timecode::Fields readFields(std::string_view text) noexcept {
    char buffer[9 + shortTextLength]; // room for the padding in front of the gathered characters
    char* const gathered = buffer + 9;
    std::size_t count = 0;
    for (char ch : text) {
        if (isSeparator(ch)) continue;
        if (count == shortTextLength) return readLongFields(text);
        gathered[count++] = ch;
    }
    const std::size_t length = count < 9 ? 9 : count;
    char* const start = gathered + count - length;
    for (char* pad = start; pad < gathered; ++pad) *pad = '0';
    return {readShortField(start, length - 6), readShortField(start + length - 6, 2),
            readShortField(start + length - 4, 2), readShortField(start + length - 2, 2)};
}

// Digits of a field: at least two, zero-padded. Returns the position after them.
char* writeField(char* out, uint64_t value) noexcept {
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    if (value < 100) {
        out[0] = pairs[2 * value];
        out[1] = pairs[2 * value + 1];
        return out + 2;
    }
    char digits[20];
    char* start = digits + sizeof digits;
    while (value > 0) {
        *--start = char('0' + value % 10);
        value /= 10;
    }
    const std::size_t size = std::size_t(digits + sizeof digits - start);
    for (std::size_t i = 0; i < size; ++i) out[i] = start[i];
    return out + size;
}

std::string formatFields(const Timecode::Fields& f, bool isNegative, const char* separators) {
    char buffer[4 * 20 + 4]; // four fields of up to 20 digits, a sign and three separators
    char* out = buffer;
    if (isNegative) *out++ = '-';
    out = writeField(out, uint64_t(f.hours));
    if (separators[0] != '\0') *out++ = separators[0];
    out = writeField(out, uint64_t(f.minutes));
    if (separators[0] != '\0') *out++ = separators[1];
    out = writeField(out, uint64_t(f.seconds));
    if (separators[0] != '\0') *out++ = separators[2];
    out = writeField(out, uint64_t(f.frames));
    return std::string(buffer, std::size_t(out - buffer));
}

// ";" before the frames only where the count is really counted with drop.
const char* separatorsFor(int fps, bool drop) noexcept { return countsDropped(fps, drop) ? "::;" : ":::"; }

} // namespace

Timecode Timecode::withFrameCount(int64_t frameCount, FrameRate frameRate) noexcept {
    const Folded value = fold(frameCount, false);
    return Timecode(value.frameCount, frameRate, value.isNegative, frameRate.dropFrame());
}

Timecode Timecode::withSecondsFromZero(const Decimal& secondsFromZero, FrameRate frameRate) noexcept {
    try {
        static const Decimal absorb = Decimal::fromString("0.000000001");
        static const DecimalBehavior floorToWhole = [] {
            DecimalBehavior behavior = DecimalBehavior::noRaise();
            behavior.rounding = RoundingMode::down;
            behavior.scale = 0;
            return behavior;
        }();
        if (secondsFromZero.isNaN()) return withFrameCount(0, frameRate);
        // The magnitude is counted and the sign applied after, so −s is exactly −(s).
        const bool negative = secondsFromZero.isNegative();
        const Decimal frames =
            secondsFromZero.abs().multiplyingNoRaise(Decimal(frameRate.integralFPS())).addingNoRaise(absorb);
        if (frames.isNaN()) { // beyond even the decimal range
            return withFrameCount(negative ? std::numeric_limits<int64_t>::min() : int64Max, frameRate);
        }
        // Saturates beyond the 64-bit range.
        const Decimal whole = frames.rounding(floorToWhole);
        return withFrameCount((negative ? -whole : whole).toInt64Saturating(), frameRate);
    } catch (...) {
        return withFrameCount(0, frameRate);
    }
}

Timecode Timecode::withTimecodeString(std::string_view timecodeString, FrameRate frameRate) noexcept {
    // The sign belongs to the whole value, never to the hours field; a second one is refused.
    const std::optional<LeadingSign> sign = LeadingSign::read(timecodeString);
    if (!sign) return withFrameCount(0, frameRate);
    const Fields f = readFields(sign->rest());
    return withFields(f.hours, f.minutes, f.seconds, f.frames, frameRate, sign->isNegative());
}

Timecode Timecode::withFields(int64_t hours, int64_t minutes, int64_t seconds, int64_t frames,
                              FrameRate frameRate, bool isNegative) noexcept {
    const std::optional<int64_t> total =
        countFields({hours, minutes, seconds, frames}, frameRate.integralFPS(), frameRate.dropFrame());
    const Folded value = fold(total.value_or(0), isNegative);
    return Timecode(value.frameCount, frameRate, value.isNegative, frameRate.dropFrame());
}

Timecode::Fields Timecode::fields() const noexcept {
    return splitMagnitude(uint64_t(frameCount_), frameRate_.integralFPS(), frameRate_.dropFrame());
}

Decimal Timecode::secondsFromZero() const {
    return Decimal(frameCount_).dividing(Decimal(frameRate_.integralFPS()));
}

double Timecode::frameDuration() const noexcept {
    return std::round(1.0 / frameRate_.integralFPS() * 10000.0) / 10000.0;
}

std::string Timecode::description() const {
    return formatFields(splitMagnitude(uint64_t(frameCount_), frameRate_.integralFPS(), dropMark_), isNegative_,
                        separatorsFor(frameRate_.integralFPS(), dropMark_));
}

std::string Timecode::rawDescription() const {
    return formatFields(splitMagnitude(uint64_t(frameCount_), frameRate_.integralFPS(), dropMark_), isNegative_,
                        "");
}

std::string Timecode::framesToTimecodeString(int64_t frames, int frameRate, bool drop, bool isNegative) {
    // Either sign makes the text negative: a sign is never dropped, and two never cancel.
    return formatFields(splitMagnitude(magnitude(frames), frameRate, drop), isNegative || frames < 0,
                        separatorsFor(frameRate, drop));
}

Timecode::Fields Timecode::fieldsFromFrameCount(int64_t n, int frameRate, bool drop) noexcept {
    Fields f = splitMagnitude(magnitude(n), frameRate, drop);
    if (n < 0) f = {-f.hours, -f.minutes, -f.seconds, -f.frames};
    return f;
}

std::optional<int64_t> Timecode::frameCountFromFields(const Fields& fields, int frameRate, bool drop) noexcept {
    return countFields(fields, frameRate, drop);
}

nlohmann::ordered_json Timecode::toJson() const {
    nlohmann::ordered_json json;
    json["formatType"] = FormatType::Video;
    json["frameCount"] = frameCount_;
    json["frameRate"] = frameRate_;
    json["isNegative"] = isNegative_;
    json["dropMark"] = dropMark_;
    return json;
}

std::optional<Timecode> Timecode::fromJson(const nlohmann::json& json) noexcept {
    try {
        if (!json.is_object()) return std::nullopt;
        const auto count = json.find("frameCount");
        const auto rate = json.find("frameRate");
        const auto negative = json.find("isNegative");
        const auto drop = json.find("dropMark");
        if (count == json.end() || rate == json.end() || negative == json.end() || drop == json.end()) {
            return std::nullopt;
        }
        if (!count->is_number_integer() || !rate->is_string() || !negative->is_boolean() || !drop->is_boolean()) {
            return std::nullopt;
        }
        if (count->is_number_unsigned() && count->get<uint64_t>() > uint64_t(int64Max)) return std::nullopt;
        const std::optional<FrameRate> frameRate = FrameRate::fromRawValue(rate->get_ref<const std::string&>());
        if (!frameRate) return std::nullopt;
        const Folded value = fold(count->get<int64_t>(), negative->get<bool>());
        // A drop mark at a rate without drop frame (a hand-made or foreign record) is cleared:
        // the count is kept and shown without drop, never with a skipping rule the rate lacks.
        return Timecode(value.frameCount, *frameRate, value.isNegative, drop->get<bool>() && frameRate->dropFrame());
    } catch (...) {
        return std::nullopt;
    }
}

} // namespace framecore
