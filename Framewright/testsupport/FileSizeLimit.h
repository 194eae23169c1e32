#pragma once
// A full disk for the length of a scope, in a way that holds for root as well: no file of this
// process may grow beyond `bytes` (RLIMIT_FSIZE), and a write past the limit fails with EFBIG
// instead of killing the process (SIGXFSZ ignored). Files already larger stay readable, and
// writes within their present size still succeed.

#include <signal.h>
#include <sys/resource.h>

#include <sys/types.h>

namespace framewright::testsupport {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { lift(); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // The disk has room again.
    void lift() {
        if (lifted_) return;
        lifted_ = true;
        setrlimit(RLIMIT_FSIZE, &previous_);
        signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    sighandler_t previousHandler_ = SIG_DFL;
    bool lifted_ = false;
};

} // namespace framewright::testsupport
