#include <string>
#include <unordered_set>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "KeypadKey.h"

using framecore::CalculatorOperation;
using framewright::KeypadKey;

TEST(KeypadKeyTest, RawValuesInDeclarationOrder) {
    std::string joined;
    for (const KeypadKey key : KeypadKey::allCases()) joined += std::string(key.rawValue()) + "|";
    EXPECT_EQ(joined, "0|1|2|3|4|5|6|7|8|9|00|.|AC|delete.left|plus|minus|multiply|divide|TC\xC3\xB7|C|equal|");
    for (const KeypadKey key : KeypadKey::allCases()) EXPECT_EQ(KeypadKey::fromRawValue(key.rawValue()), key);

    EXPECT_EQ(KeypadKey::fromRawValue("TC\u00F7"), KeypadKey::divideByTimecode);
    EXPECT_FALSE(KeypadKey::fromRawValue("="));
    EXPECT_FALSE(KeypadKey::fromRawValue("TC/"));
    EXPECT_FALSE(KeypadKey::fromRawValue("ac"));
    EXPECT_FALSE(KeypadKey::fromRawValue(""));
}

TEST(KeypadKeyTest, KindsAndOperations) {
    int entry = 0, operators = 0, functions = 0;
    for (const KeypadKey key : KeypadKey::allCases()) {
        entry += key.isEntryKey();
        operators += key.isOperatorKey();
        functions += key.isFunctionKey();
        EXPECT_FALSE(key.isEntryKey() && key.isFunctionKey()) << key.rawValue();
        EXPECT_EQ(key.operation() != CalculatorOperation::none, key.isOperatorKey()) << key.rawValue();
    }
    EXPECT_EQ(entry, 12);
    EXPECT_EQ(operators, 6);
    EXPECT_EQ(functions, 9);
    EXPECT_TRUE(KeypadKey(KeypadKey::point).isEntryKey());
    EXPECT_TRUE(KeypadKey(KeypadKey::del).isFunctionKey());
    EXPECT_FALSE(KeypadKey(KeypadKey::clear).isOperatorKey());

    EXPECT_EQ(KeypadKey(KeypadKey::clear).operation(), CalculatorOperation::none);
    EXPECT_EQ(KeypadKey(KeypadKey::equals).operation(), CalculatorOperation::result);
    EXPECT_EQ(KeypadKey(KeypadKey::divideByTimecode).operation(), CalculatorOperation::divideByTimecode);
    EXPECT_EQ(KeypadKey(KeypadKey::subtract).operation(), CalculatorOperation::subtract);
}

TEST(KeypadKeyTest, JsonIsTheRawString) {
    EXPECT_EQ(nlohmann::json(KeypadKey::divideByTimecode).dump(), "\"TC\xC3\xB7\"");
    EXPECT_EQ(nlohmann::json(KeypadKey(KeypadKey::del)).dump(), R"("delete.left")");
    EXPECT_EQ(nlohmann::json::parse(R"("00")").get<KeypadKey>(), KeypadKey::doubleZero);
    EXPECT_THROW(nlohmann::json("=").get<KeypadKey>(), nlohmann::json::exception);
    EXPECT_THROW(nlohmann::json(12).get<KeypadKey>(), nlohmann::json::exception);

    const std::unordered_set<KeypadKey> keys(KeypadKey::allCases().begin(), KeypadKey::allCases().end());
    EXPECT_EQ(keys.size(), 21u);
}
