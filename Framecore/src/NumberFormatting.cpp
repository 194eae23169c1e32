#include "Framecore/NumberFormatting.h"

#include <unicode/dcfmtsym.h>
#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/numberformatter.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <optional>
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

std::optional<icu::Locale>& numberLocaleOverride() {
    static std::optional<icu::Locale> chosen;
    return chosen;
}

const icu::Locale& numberLocale() {
    const auto& chosen = numberLocaleOverride();
    return chosen ? *chosen : icu::Locale::getDefault();
}

// Invisible characters that ICU puts around numbers of right-to-left scripts (U+061C, U+200E ...).
bool isFormatMark(UChar32 c) { return u_charType(c) == U_FORMAT_CHAR; }

icu::UnicodeString withoutFormatMarks(const icu::UnicodeString& text) {
    icu::UnicodeString kept;
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 c = text.char32At(i);
        if (!isFormatMark(c)) kept.append(c);
    }
    return kept;
}

// The decimal separator and minus sign of a locale, without their marks.
struct NumberSymbols {
    std::string localeName;
    icu::UnicodeString decimal;
    icu::UnicodeString minus;
};

const NumberSymbols& symbolsOf(const icu::Locale& locale) {
    thread_local std::deque<NumberSymbols> cache;
    const char* name = locale.getName();
    for (const NumberSymbols& entry : cache) {
        if (entry.localeName == name) return entry;
    }
    if (cache.size() >= 8) cache.pop_front();
    UErrorCode status = U_ZERO_ERROR;
    const icu::DecimalFormatSymbols symbols(locale, status);
    NumberSymbols entry{name, icu::UnicodeString(u"."), icu::UnicodeString(u"-")};
    if (U_SUCCESS(status)) {
        entry.decimal = withoutFormatMarks(symbols.getConstSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol));
        entry.minus = withoutFormatMarks(symbols.getConstSymbol(icu::DecimalFormatSymbols::kMinusSignSymbol));
    }
    cache.push_back(std::move(entry));
    return cache.back();
}

std::string localeFree(std::string_view text, const icu::Locale& locale) {
    const NumberSymbols& symbols = symbolsOf(locale);
    const auto isAsciiSymbol = [](const icu::UnicodeString& symbol, char c) {
        return symbol.length() == 1 && symbol.charAt(0) == static_cast<char16_t>(c);
    };
    // Plain ASCII text that holds neither symbol in another form is already locale-free.
    bool plain = true;
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80 || (c != '.' && isAsciiSymbol(symbols.decimal, c)) ||
            (c != '-' && isAsciiSymbol(symbols.minus, c))) {
            plain = false;
            break;
        }
    }
    if (plain) return std::string(text);

    const icu::UnicodeString source =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    icu::UnicodeString out;
    for (int32_t i = 0; i < source.length();) {
        const UChar32 c = source.char32At(i);
        if (isFormatMark(c)) {
            i = source.moveIndex32(i, 1);
            continue;
        }
        if (u_isdigit(c)) {
            out.append(static_cast<UChar32>('0' + u_charDigitValue(c)));
            i = source.moveIndex32(i, 1);
            continue;
        }
        if (!symbols.decimal.isEmpty() && source.compare(i, symbols.decimal.length(), symbols.decimal) == 0) {
            out.append(static_cast<UChar32>('.'));
            i += symbols.decimal.length();
            continue;
        }
        if (c == 0x2212 || (!symbols.minus.isEmpty() && source.compare(i, symbols.minus.length(), symbols.minus) == 0)) {
            out.append(static_cast<UChar32>('-'));
            i += c == 0x2212 ? 1 : symbols.minus.length();
            continue;
        }
        out.append(c);
        i = source.moveIndex32(i, 1);
    }
    std::string result;
    out.toUTF8String(result);
    return result;
}

std::string posixLocaleToIcu(std::string_view name) {
    if (name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0) return "en_US_POSIX";
    const std::size_t end = name.find_first_of(".@");
    return std::string(name.substr(0, end));
}

} // namespace

double roundedToPlaces(double x, int places) noexcept {
    const double p = std::pow(10.0, places);
    return std::round(p * x) / p; // std::round takes halves away from zero
}

std::string formattedStringWithPrecision(double value, int minFractionDigits, int maxFractionDigits) {
    return formatDouble(value, minFractionDigits, maxFractionDigits, numberLocale());
}

std::string formattedStringWithPrecision(double value, int minFractionDigits, int maxFractionDigits,
                                         std::string_view localeName) {
    return formatDouble(value, minFractionDigits, maxFractionDigits, localeNamed(localeName));
}

std::string formattedStringWithPrecision(const Decimal& value, int minFractionDigits, int maxFractionDigits) {
    return formatDecimal(value, minFractionDigits, maxFractionDigits, numberLocale());
}

std::string formattedStringWithPrecision(const Decimal& value, int minFractionDigits, int maxFractionDigits,
                                         std::string_view localeName) {
    return formatDecimal(value, minFractionDigits, maxFractionDigits, localeNamed(localeName));
}

void setNumberLocale(std::string_view localeName) {
    if (localeName.empty()) {
        numberLocaleOverride().reset();
    } else {
        numberLocaleOverride() = localeNamed(localeName);
    }
}

std::string numberLocaleName() { return numberLocale().getName(); }

std::string numberLocaleFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return posixLocaleToIcu(value);
    }
    return {};
}

std::string localeFreeNumberText(std::string_view text) { return localeFree(text, numberLocale()); }

std::string localeFreeNumberText(std::string_view text, std::string_view localeName) {
    return localeFree(text, localeNamed(localeName));
}

} // namespace framecore
