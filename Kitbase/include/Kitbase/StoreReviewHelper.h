#pragma once
// StoreReviewHelper: counts the application's runs and asks for a review at the 10th, the 50th
// and every 100th counted run (100, 200, ...), at no other run.
//
// The counter is the plain integer entry "APP_OPENED_COUNT" of UserDefaultsManager's store.
// Only `incrementAppOpenedCount` increases it; it stops at the largest 64-bit integer rather
// than overflowing. The shell calls the increment and then the check each time the application
// becomes active.
//
// This platform has no review service: `requestReview` calls the installed handler, which does
// nothing unless one is set (tests install one to see the requests).

#include <cstdint>
#include <functional>

namespace kitbase {

class StoreReviewHelper {
public:
    StoreReviewHelper() = delete;

    // Stored integer + 1; 1 when nothing (or no integer) is stored.
    static void incrementAppOpenedCount();

    // No integer stored: stores 1 and returns. A count of 10, 50 or a positive multiple of 100:
    // requests a review. Any other count: prints "App run count is : <count>" and a newline to
    // standard output.
    static void checkAndAskForReview();

    // Asks for a review unconditionally.
    static void requestReview();

    // Replaces what a review request does (an empty function restores the no-op).
    static void setReviewRequestHandler(std::function<void()> handler);
};

} // namespace kitbase
