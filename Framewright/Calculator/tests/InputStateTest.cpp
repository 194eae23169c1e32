#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "InputState.h"

using framewright::InputState;

TEST(InputStateTest, MembersAndSetAlgebra) {
    const InputState state(97);
    EXPECT_TRUE(state.contains(InputState::timecode));
    EXPECT_TRUE(state.contains(InputState::divideByTimecode));
    EXPECT_TRUE(state.contains(InputState::operatorKeysDisabled));
    EXPECT_FALSE(state.contains(InputState::decimal));
    EXPECT_EQ(state, InputState::timecode | InputState::divideByTimecode | InputState::operatorKeysDisabled);

    InputState edited = InputState::timecode;
    edited.insert(InputState::divideByTimecode);
    EXPECT_EQ(edited.rawValue(), 33);
    edited.remove(InputState::timecode);
    EXPECT_EQ(edited, InputState::divideByTimecode);

    EXPECT_EQ((InputState(5) & InputState(6)).rawValue(), 4);
    EXPECT_EQ((InputState(5) ^ InputState(6)).rawValue(), 3);
    EXPECT_EQ(InputState(7).subtracting(InputState(2)).rawValue(), 5);
    EXPECT_TRUE(InputState(5).isSubset(InputState(7)));
    EXPECT_FALSE(InputState(5).isStrictSubset(InputState(5)));
    EXPECT_TRUE(InputState(7).isStrictSuperset(InputState(5)));
    EXPECT_TRUE(InputState(8).isDisjoint(InputState(7)));
    EXPECT_TRUE(InputState().contains(InputState()));

    // Unknown bits are kept and take part like the named ones.
    const InputState unknown(1 << 20 | 1);
    EXPECT_EQ(unknown.subtracting(InputState::timecode).rawValue(), 1 << 20);
}

TEST(InputStateTest, DescriptionListsNamedMembers) {
    EXPECT_EQ(InputState(5).description(), R"(InputState(rawValue: 5) ["timecode", "decimal"])");
    EXPECT_EQ(InputState().description(), "InputState(rawValue: 0) []");
    EXPECT_EQ(InputState(-1).description(),
              R"(InputState(rawValue: -1) ["timecode", "feetFrames", "decimal", "integer", "decimalModifier", )"
              R"("divideByTimecode", "operatorKeysDisabled"])");
    EXPECT_EQ(InputState(128).description(), "InputState(rawValue: 128) []");
}

TEST(InputStateTest, JsonIsTheBareInteger) {
    EXPECT_EQ(InputState(97).toJson().dump(), "97");
    EXPECT_EQ(InputState::fromJson(nlohmann::json::parse("-3")), InputState(-3));
    const auto max = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(InputState::fromJson(nlohmann::json(max)), InputState(max));
    EXPECT_FALSE(InputState::fromJson(nlohmann::json::parse("9223372036854775808")));
    EXPECT_FALSE(InputState::fromJson(nlohmann::json::parse("1.5")));
    EXPECT_FALSE(InputState::fromJson(nlohmann::json("1")));
    EXPECT_FALSE(InputState::fromJson(nlohmann::json(true)));
}
