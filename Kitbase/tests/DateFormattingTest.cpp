#include "Kitbase/DateFormatting.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <chrono>

namespace {

using kitbase::timeAgoDisplay;

// Mid-month and mid-day, so that a day either way stays in the same month in any time zone.
const QDateTime kNow(QDate(2024, 1, 17), QTime(12, 0, 0), Qt::UTC);

QString ago(qint64 seconds, const char* locale = "en_US") {
    return timeAgoDisplay(kNow.addSecs(-seconds), kNow, locale);
}

TEST(DateFormattingTest, EnglishTextsNameTheLargestDifferingUnit) {
    EXPECT_EQ(ago(0), "now");
    EXPECT_EQ(ago(30), "30 seconds ago");
    EXPECT_EQ(ago(90), "1 minute ago");
    EXPECT_EQ(ago(120), "2 minutes ago");
    EXPECT_EQ(ago(3600 + 59 * 60), "1 hour ago");
    EXPECT_EQ(ago(-3 * 3600), "in 3 hours");
    EXPECT_EQ(ago(24 * 3600), "yesterday");
    EXPECT_EQ(ago(-24 * 3600), "tomorrow");
    EXPECT_EQ(ago(7 * 24 * 3600), "last week");
    EXPECT_EQ(ago(15 * 24 * 3600), "2 weeks ago");
    EXPECT_EQ(timeAgoDisplay(kNow.addMonths(-1), kNow, "en_US"), "last month");
    EXPECT_EQ(timeAgoDisplay(kNow.addYears(-1), kNow, "en_US"), "last year");
    EXPECT_EQ(timeAgoDisplay(kNow.addYears(-5), kNow, "en_US"), "5 years ago");
}

TEST(DateFormattingTest, FollowsTheLocaleAndAcceptsClockTimes) {
    EXPECT_EQ(ago(24 * 3600, "de_DE"), QString::fromUtf8("gestern"));

    const auto now = std::chrono::system_clock::time_point(std::chrono::milliseconds(kNow.toMSecsSinceEpoch()));
    EXPECT_EQ(timeAgoDisplay(now - std::chrono::minutes(2), now, "en_US"), "2 minutes ago");
    EXPECT_EQ(timeAgoDisplay(now - std::chrono::milliseconds(400), now, "en_US"), "now");
    EXPECT_FALSE(timeAgoDisplay(std::chrono::system_clock::now()).isEmpty());
}

TEST(DateFormattingTest, InvalidDateGivesEmptyText) {
    EXPECT_TRUE(timeAgoDisplay(QDateTime(), kNow, "en_US").isEmpty());
}

} // namespace
