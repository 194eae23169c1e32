#include "Framecore/NumberFormatting.h"

#include <unicode/locid.h>
#include <unicode/numberformatter.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <string>

namespace framecore {

namespace {

using namespace icu::number;

// A formatter in the locale's default number style with the two fraction limits. Building one
// costs ~10 µs (most of a film slot's text), so each thread keeps the few it has used.
const LocalizedNumberFormatter& makeFormatter(const icu::Locale& locale, int minFraction, int maxFraction) {
    constexpr int icuLimit = 999; // ICU refuses fraction counts above this
    const int lo = std::clamp(minFraction, 0, icuLimit);
    const int hi = std::clamp(maxFraction, lo, icuLimit);

    struct Entry {
        std::string localeName;
        int lo;
        int hi;
        LocalizedNumberFormatter formatter;
    };
    constexpr std::size_t cacheLimit = 16;
    thread_local std::deque<Entry> cache;
    const char* name = locale.getName();
    for (const Entry& entry : cache) {
        if (entry.lo == lo && entry.hi == hi && entry.localeName == name) return entry.formatter;
    }
    if (cache.size() >= cacheLimit) cache.pop_front();
    cache.push_back(Entry{name, lo, hi,
                          NumberFormatter::with()
                              .precision(Precision::minMaxFraction(lo, hi))
                              .roundingMode(UNUM_ROUND_HALFEVEN)
                              .grouping(UNUM_GROUPING_OFF)
                              .notation(Notation::simple())
                              .locale(locale)});
    return cache.back().formatter;
}

std::string toUtf8(const FormattedNumber& formatted, UErrorCode status) {
    if (U_FAILURE(status)) return {};
    const icu::UnicodeString text = formatted.toString(status);
    if (U_FAILURE(status)) return {};
    std::string out;
    text.toUTF8String(out);
    return out;
}

std::string formatDouble(double value, int minFraction, int maxFraction, const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    const FormattedNumber formatted = makeFormatter(locale, minFraction, maxFraction).formatDouble(value, status);
    return toUtf8(formatted, status);
}

std::string formatDecimal(const Decimal& value, int minFraction, int maxFraction, const icu::Locale& locale) {
    // The exact decimal text: formatting the nearest double would round ties the wrong way.
    const std::string text = value.toString();
    UErrorCode status = U_ZERO_ERROR;
    const FormattedNumber formatted = makeFormatter(locale, minFraction, maxFraction)
                                          .formatDecimal(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())),
                                                         status);
    return toUtf8(formatted, status);
}

icu::Locale localeNamed(std::string_view name) { return icu::Locale(std::string(name).c_str()); }

} // namespace

double roundedToPlaces(double x, int places) noexcept {
    const double p = std::pow(10.0, places);
    return std::round(p * x) / p; // std::round takes halves away from zero
}

std::string formattedStringWithPrecision(double value, int minFractionDigits, int maxFractionDigits) {
    return formatDouble(value, minFractionDigits, maxFractionDigits, icu::Locale::getDefault());
}

std::string formattedStringWithPrecision(double value, int minFractionDigits, int maxFractionDigits,
                                         std::string_view localeName) {
    return formatDouble(value, minFractionDigits, maxFractionDigits, localeNamed(localeName));
}

std::string formattedStringWithPrecision(const Decimal& value, int minFractionDigits, int maxFractionDigits) {
    return formatDecimal(value, minFractionDigits, maxFractionDigits, icu::Locale::getDefault());
}

std::string formattedStringWithPrecision(const Decimal& value, int minFractionDigits, int maxFractionDigits,
                                         std::string_view localeName) {
    return formatDecimal(value, minFractionDigits, maxFractionDigits, localeNamed(localeName));
}

} // namespace framecore
