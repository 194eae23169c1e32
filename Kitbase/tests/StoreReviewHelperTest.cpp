#include "Kitbase/StoreReviewHelper.h"

#include "Kitbase/UserDefaultsKeys.h"
#include "Kitbase/UserDefaultsManager.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kitbase::StoreReviewHelper;
using kitbase::UserDefaultsManager;
using kitbase::UserDefaultsKeys::APP_OPENED_COUNT;

class StoreReviewHelperTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        UserDefaultsManager::setUser(std::make_shared<QSettings>(dir_.filePath("settings.ini"), QSettings::IniFormat));
        StoreReviewHelper::setReviewRequestHandler([this] { ++requests_; });
    }
    void TearDown() override {
        StoreReviewHelper::setReviewRequestHandler({});
        UserDefaultsManager::setUser(nullptr);
    }

    // What the check printed.
    std::string check() {
        testing::internal::CaptureStdout();
        StoreReviewHelper::checkAndAskForReview();
        return testing::internal::GetCapturedStdout();
    }

    QTemporaryDir dir_;
    int requests_ = 0;
};

TEST_F(StoreReviewHelperTest, AsksAtTenFiftyAndEveryHundredthRunOnly) {
    for (const std::int64_t count : {9, 11, 49, 51, 99, 101, 150, 1}) {
        UserDefaultsManager::setInteger(count, APP_OPENED_COUNT);
        EXPECT_EQ(check(), "App run count is : " + std::to_string(count) + "\n");
        EXPECT_EQ(requests_, 0) << count;
    }
    for (const std::int64_t count : {10, 50, 100, 300}) {
        requests_ = 0;
        UserDefaultsManager::setInteger(count, APP_OPENED_COUNT);
        EXPECT_EQ(check(), "");
        EXPECT_EQ(requests_, 1) << count;
        EXPECT_EQ(UserDefaultsManager::integer(APP_OPENED_COUNT), count); // the check never counts
    }
}

TEST_F(StoreReviewHelperTest, CheckWithNothingStoredStartsTheCounterSilently) {
    EXPECT_EQ(check(), "");
    EXPECT_EQ(requests_, 0);
    EXPECT_EQ(UserDefaultsManager::integer(APP_OPENED_COUNT), 1);

    UserDefaultsManager::setData("10", APP_OPENED_COUNT); // data, not an integer
    EXPECT_EQ(check(), "");
    EXPECT_EQ(requests_, 0);
    EXPECT_EQ(UserDefaultsManager::integer(APP_OPENED_COUNT), 1);
}

TEST_F(StoreReviewHelperTest, TwoHundredLaunchesRequestFourReviews) {
    std::vector<std::int64_t> asked;
    StoreReviewHelper::setReviewRequestHandler(
        [&] { asked.push_back(*UserDefaultsManager::integer(APP_OPENED_COUNT)); });
    for (int run = 0; run < 200; ++run) {
        StoreReviewHelper::incrementAppOpenedCount();
        check();
    }
    EXPECT_EQ(asked, (std::vector<std::int64_t>{10, 50, 100, 200}));
}

TEST_F(StoreReviewHelperTest, IncrementStartsAtOneAndStopsAtTheLargestInteger) {
    StoreReviewHelper::incrementAppOpenedCount();
    EXPECT_EQ(UserDefaultsManager::integer(APP_OPENED_COUNT), 1);
    StoreReviewHelper::incrementAppOpenedCount();
    EXPECT_EQ(UserDefaultsManager::integer(APP_OPENED_COUNT), 2);

    UserDefaultsManager::set(std::string("many"), APP_OPENED_COUNT);
    StoreReviewHelper::incrementAppOpenedCount();
    EXPECT_EQ(UserDefaultsManager::integer(APP_OPENED_COUNT), 1);

    UserDefaultsManager::setInteger(INT64_MAX - 1, APP_OPENED_COUNT);
    StoreReviewHelper::incrementAppOpenedCount();
    EXPECT_EQ(UserDefaultsManager::integer(APP_OPENED_COUNT), INT64_MAX);
    StoreReviewHelper::incrementAppOpenedCount();
    EXPECT_EQ(UserDefaultsManager::integer(APP_OPENED_COUNT), INT64_MAX);
}

} // namespace
