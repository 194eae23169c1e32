#pragma once
// Relative date texts ("yesterday", "2 minutes ago", "in 3 hours", "now") in the user's locale.
//
// The difference between `now` and `date` is taken in calendar fields of the default time zone
// (years, months, weeks, days, hours, minutes, seconds, each truncated toward zero, in that
// order); the first field that is not zero is formatted with ICU's relative date-time formatter
// in its long style, using named forms where the locale has them ("yesterday", "last week",
// "tomorrow"). Equal moments read "now".
//
// `localeName` is an ICU locale id such as "en_US"; empty means the window's language
// (InterfaceLanguage::current()), or the user's default locale while none is chosen.

#include <QDateTime>
#include <QString>

#include <chrono>
#include <string_view>

namespace kitbase {

QString timeAgoDisplay(const QDateTime& date, const QDateTime& now = QDateTime::currentDateTimeUtc(),
                       std::string_view localeName = {});

QString timeAgoDisplay(std::chrono::system_clock::time_point date,
                       std::chrono::system_clock::time_point now = std::chrono::system_clock::now(),
                       std::string_view localeName = {});

} // namespace kitbase
