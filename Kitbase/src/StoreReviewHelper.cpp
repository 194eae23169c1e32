#include "Kitbase/StoreReviewHelper.h"

#include "Kitbase/UserDefaultsKeys.h"
#include "Kitbase/UserDefaultsManager.h"

#include <cinttypes>
#include <cstdio>
#include <limits>
#include <utility>

namespace kitbase {

namespace {

std::function<void()>& reviewRequestHandler() {
    static std::function<void()> handler;
    return handler;
}

bool isReviewRun(std::int64_t count) {
    return count == 10 || count == 50 || (count > 0 && count % 100 == 0);
}

} // namespace

void StoreReviewHelper::incrementAppOpenedCount() {
    const auto count = UserDefaultsManager::integer(UserDefaultsKeys::APP_OPENED_COUNT);
    std::int64_t next = 1;
    if (count) {
        // At the largest integer the counter stays where it is.
        next = *count == std::numeric_limits<std::int64_t>::max() ? *count : *count + 1;
    }
    UserDefaultsManager::setInteger(next, UserDefaultsKeys::APP_OPENED_COUNT);
}

void StoreReviewHelper::checkAndAskForReview() {
    const auto count = UserDefaultsManager::integer(UserDefaultsKeys::APP_OPENED_COUNT);
    if (!count) {
        UserDefaultsManager::setInteger(1, UserDefaultsKeys::APP_OPENED_COUNT);
        return;
    }
    if (isReviewRun(*count)) {
        requestReview();
        return;
    }
    std::printf("App run count is : %" PRId64 "\n", *count);
    std::fflush(stdout);
}

void StoreReviewHelper::requestReview() {
    if (const auto& handler = reviewRequestHandler()) handler();
}

void StoreReviewHelper::setReviewRequestHandler(std::function<void()> handler) {
    reviewRequestHandler() = std::move(handler);
}

} // namespace kitbase
