#include "AppLifecycle.h"

#include "Calculation.h"
#include "PersistenceController.h"
#include "TemporaryUserDefaults.h"

#include "Kitbase/StoreReviewHelper.h"
#include "Kitbase/UserDefaultsKeys.h"
#include "Kitbase/UserDefaultsManager.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>
#include <filesystem>
#include <memory>

namespace framewright {
namespace {

using kitbase::StoreReviewHelper;
using kitbase::UserDefaultsManager;
using namespace std::chrono_literals;

void processEventsFor(std::chrono::milliseconds span) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < span.count()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

class AppLifecycleTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(defaults_.isValid());
        if (QCoreApplication::instance() == nullptr) app_ = std::make_unique<QCoreApplication>(argc_, argv_);
        StoreReviewHelper::setReviewRequestHandler([this] { ++reviews_; });
    }
    void TearDown() override {
        StoreReviewHelper::setReviewRequestHandler(nullptr);
        app_.reset();
    }
    std::filesystem::path storeFile() const { return defaults_.path(QStringLiteral("history.sqlite")).toStdString(); }

    testsupport::TemporaryUserDefaults defaults_;
    int reviews_ = 0;

private:
    int argc_ = 1;
    char name_[16] = "AppLifecycle";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};

TEST_F(AppLifecycleTest, EachActivationCountsARunBeforeTheDelayedReviewCheck) {
    PersistenceController store(storeFile());
    AppLifecycle lifecycle(store, 50ms);
    UserDefaultsManager::setInteger(9, kitbase::UserDefaultsKeys::APP_OPENED_COUNT);

    lifecycle.applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(UserDefaultsManager::integer(kitbase::UserDefaultsKeys::APP_OPENED_COUNT), 10);
    EXPECT_EQ(reviews_, 0) << "the check waits for the delay";
    processEventsFor(200ms);
    EXPECT_EQ(reviews_, 1) << "the 10th run asks for a review";

    // Staying active counts nothing more; a new activation after losing focus does.
    lifecycle.applicationStateChanged(Qt::ApplicationActive);
    lifecycle.applicationStateChanged(Qt::ApplicationInactive);
    lifecycle.applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(UserDefaultsManager::integer(kitbase::UserDefaultsKeys::APP_OPENED_COUNT), 11);
    processEventsFor(200ms);
    EXPECT_EQ(reviews_, 1);
}

TEST_F(AppLifecycleTest, LosingFocusSavesPendingHistoryChanges) {
    {
        PersistenceController store(storeFile());
        AppLifecycle lifecycle(store, 10s);
        lifecycle.applicationStateChanged(Qt::ApplicationActive);
        Calculation::startNewCalculation(store); // a change that is not saved by itself
        lifecycle.applicationStateChanged(Qt::ApplicationInactive);
    }
    PersistenceController reopened(storeFile());
    EXPECT_EQ(Calculation::allCalculations(reopened).size(), 1u);
}

TEST_F(AppLifecycleTest, QuittingWhileActiveSavesPendingHistoryChanges) {
    {
        PersistenceController store(storeFile());
        AppLifecycle lifecycle(store, 10s);
        lifecycle.applicationStateChanged(Qt::ApplicationActive);
        Calculation::startNewCalculation(store);
        lifecycle.applicationWillQuit();
    }
    PersistenceController reopened(storeFile());
    EXPECT_EQ(Calculation::allCalculations(reopened).size(), 1u);
}

} // namespace
} // namespace framewright
