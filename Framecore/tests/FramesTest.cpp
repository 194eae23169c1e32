#include "Framecore/Frames.h"

#include <limits>

#include <gtest/gtest.h>

using namespace framecore;

namespace {
constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
} // namespace

TEST(FramesTest, ReadsTheNumberAtTheStartOfTheText) {
    const struct {
        std::string text;
        std::int64_t count;
        bool isNegative;
    } cases[] = {
        {"120", 120, false}, {"-5", -5, true}, {"-0", 0, true}, // the flag is the first character
        {" -5", -5, false}, {"abc", 0, false}, {"", 0, false}, {"12abc", 12, false},
        {"12.7", 12, false}, {"-0.5", 0, true}, {"-12.7", -12, true}, // the magnitude rounds down
        {"11.9999999999", 12, false}, {"11.99999999", 11, false}, // only representation error is absorbed
        {"-.5", 0, true}, {"1,5", 1, false}, {"1e3", 1000, false}, {"2e", 2, false},
        {"--5", 0, false}, {"-+5", 0, false}, {"+-5", 0, false}, {"+5", 5, false}, // one sign at most
        // Beyond 64 bits the count saturates; a long fraction is still a fraction.
        {"9223372036854775808", kMax, false}, {"-9223372036854775808", kMin, true},
        {std::string(60, '9'), kMax, false}, {"-1e400", kMin, true}, {"1e99999999999999999999", kMax, false},
        {"1e-400", 0, false}, {"0e999999", 0, false}, {"3." + std::string(500, '9'), 4, false},
        {"0." + std::string(300, '0') + "1", 0, false},
    };
    for (const auto& c : cases) {
        const Frames frames = Frames::withFrameCountString(c.text);
        EXPECT_EQ(frames.frameCount(), c.count) << '"' << c.text << '"';
        EXPECT_EQ(frames.isNegative(), c.isNegative) << '"' << c.text << '"';
    }
    EXPECT_EQ(Frames::withFrameCountString("-0").description(), "0");
    EXPECT_EQ(Frames::withFrameCount(kMin).description(), "-9223372036854775808");
}

TEST(FramesTest, PersistedFormKeepsKeyOrderAndReadsBack) {
    const Frames frames = Frames::withFrameCount(-5);
    EXPECT_EQ(frames.toJson().dump(),
              R"({"formatType":"frames","frameCount":-5,"isNegative":true,"frameDuration":0.0,"secondsFromZero":0})");
    EXPECT_EQ(Frames::fromJson(nlohmann::json(frames.toJson())), frames);
    const Frames negativeZero = Frames::withFrameCountString("-0");
    EXPECT_EQ(Frames::fromJson(nlohmann::json(negativeZero.toJson())), negativeZero);

    const auto read = Frames::fromJson(nlohmann::json::parse(
        R"({"formatType":"video","frameCount":7,"isNegative":false,"frameDuration":2,"secondsFromZero":3})"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->frameCount(), 7);
    EXPECT_TRUE(read->secondsFromZero().isZero());

    for (const char* record : {R"({"isNegative":false})", R"({"frameCount":3})",
                               R"({"frameCount":"3","isNegative":false})", R"({"frameCount":1.5,"isNegative":false})",
                               R"({"frameCount":3,"isNegative":0})",
                               R"({"frameCount":9223372036854775808,"isNegative":false})", "[3,false]", "null"}) {
        EXPECT_FALSE(Frames::fromJson(nlohmann::json::parse(record))) << record;
    }
}
