#pragma once
// Film texts and film attribute rows follow the user's locale, which the number formatter reads
// from the environment when it is first used. Test binaries pin it before main: en_US, unless
// FRAMECORE_TEST_LOCALE names another one (set for a child process that checks another locale).

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace framecore::testing_support {

inline const bool localePinned = [] {
    const char* wanted = std::getenv("FRAMECORE_TEST_LOCALE");
    ::setenv("LC_ALL", wanted ? wanted : "en_US.UTF-8", 1);
    return true;
}();

// Runs `check` in a fresh process of this test binary whose user locale is `locale`; the child
// exits 0 when `check` returns true.
template <typename Check>
void expectInLocale(const char* locale, Check check) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::setenv("FRAMECORE_TEST_LOCALE", locale, 1);
    EXPECT_EXIT(std::exit(check() ? 0 : 1), ::testing::ExitedWithCode(0), "") << locale;
    ::unsetenv("FRAMECORE_TEST_LOCALE");
}

} // namespace framecore::testing_support
