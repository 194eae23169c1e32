#include "Kitbase/DateFormatting.h"
#include "Kitbase/InterfaceLanguage.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/reldatefmt.h>
#include <unicode/unistr.h>

#include <memory>
#include <string>

namespace kitbase {

namespace {

struct FieldUnit {
    UCalendarDateFields field;
    URelativeDateTimeUnit unit;
};

// Largest first: the text names the largest calendar field that differs.
constexpr FieldUnit kFields[] = {
    {UCAL_YEAR, UDAT_REL_UNIT_YEAR},       {UCAL_MONTH, UDAT_REL_UNIT_MONTH},
    {UCAL_WEEK_OF_YEAR, UDAT_REL_UNIT_WEEK}, {UCAL_DATE, UDAT_REL_UNIT_DAY},
    {UCAL_HOUR_OF_DAY, UDAT_REL_UNIT_HOUR}, {UCAL_MINUTE, UDAT_REL_UNIT_MINUTE},
    {UCAL_SECOND, UDAT_REL_UNIT_SECOND},
};

QString formatRelative(UDate date, UDate now, std::string_view localeName) {
    // The window's language, where the program chose one: a French window says "il y a 2 minutes"
    // even when LANG names another language.
    if (localeName.empty()) localeName = InterfaceLanguage::current();
    const icu::Locale locale =
        localeName.empty() ? icu::Locale::getDefault() : icu::Locale(std::string(localeName).c_str());
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(locale, status));
    if (U_FAILURE(status)) return {};
    calendar->setTime(now, status);

    // fieldDifference moves the calendar by the whole fields it counts, so each step sees
    // only what the larger fields left over.
    int32_t offset = 0;
    URelativeDateTimeUnit unit = UDAT_REL_UNIT_SECOND;
    for (const auto& entry : kFields) {
        const int32_t difference = calendar->fieldDifference(date, entry.field, status);
        if (U_FAILURE(status)) return {};
        if (difference != 0) {
            offset = difference;
            unit = entry.unit;
            break;
        }
    }

    icu::RelativeDateTimeFormatter formatter(locale, nullptr, UDAT_STYLE_LONG, UDISPCTX_CAPITALIZATION_NONE,
                                             status);
    if (U_FAILURE(status)) return {};
    icu::UnicodeString text;
    // format (not formatNumeric) uses the named forms: "yesterday", "last week", "now".
    formatter.format(static_cast<double>(offset), unit, text, status);
    if (U_FAILURE(status)) return {};
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

} // namespace

QString timeAgoDisplay(const QDateTime& date, const QDateTime& now, std::string_view localeName) {
    if (!date.isValid() || !now.isValid()) return {};
    return formatRelative(static_cast<UDate>(date.toMSecsSinceEpoch()), static_cast<UDate>(now.toMSecsSinceEpoch()),
                          localeName);
}

QString timeAgoDisplay(std::chrono::system_clock::time_point date, std::chrono::system_clock::time_point now,
                       std::string_view localeName) {
    using std::chrono::duration_cast;
    using std::chrono::milliseconds;
    return formatRelative(static_cast<UDate>(duration_cast<milliseconds>(date.time_since_epoch()).count()),
                          static_cast<UDate>(duration_cast<milliseconds>(now.time_since_epoch()).count()),
                          localeName);
}

} // namespace kitbase
