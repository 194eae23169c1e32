#include "RunningTotals.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace framecalc {

namespace {

std::string temporaryDirectory() {
    const char* dir = std::getenv("TMPDIR");
    return dir != nullptr && *dir != '\0' ? dir : "/tmp";
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Reads up to `size` bytes, fewer only at the end of the file; -1 on an error.
ssize_t readFully(int fd, char* data, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, data + got, size - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

} // namespace

RunningTotals::RunningTotals() { block_.reserve(blockValues); }

RunningTotals::~RunningTotals() {
    if (file_ >= 0) ::close(file_);
}

bool RunningTotals::spill() {
    if (file_ < 0) {
        const std::string dir = temporaryDirectory();
        // Unnamed, so nothing is left behind whatever ends the process; where the file system
        // cannot make unnamed files, a named one is removed at once.
        file_ = ::open(dir.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (file_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
            std::string pattern = dir + "/framecalc-sum-XXXXXX";
            file_ = ::mkostemp(pattern.data(), O_CLOEXEC);
            if (file_ >= 0) ::unlink(pattern.c_str());
        }
        if (file_ < 0) {
            failure_ = "cannot make a temporary file in " + dir + " for the running totals: " + std::strerror(errno);
            return false;
        }
    }
    if (!writeAll(file_, reinterpret_cast<const char*>(block_.data()), block_.size() * sizeof(std::int64_t))) {
        failure_ = std::string("cannot write the running totals to a temporary file: ") + std::strerror(errno);
        return false;
    }
    block_.clear();
    return true;
}

bool RunningTotals::append(std::int64_t total) {
    if (!failure_.empty()) return false;
    if (block_.size() == blockValues && !spill()) return false;
    block_.push_back(total);
    return true;
}

bool RunningTotals::forEach(const std::function<bool(std::int64_t)>& each) {
    if (!failure_.empty()) return false;
    if (file_ >= 0) {
        if (::lseek(file_, 0, SEEK_SET) < 0) {
            failure_ = std::string("cannot read the running totals back: ") + std::strerror(errno);
            return false;
        }
        std::vector<std::int64_t> chunk(blockValues);
        while (true) {
            const ssize_t got = readFully(file_, reinterpret_cast<char*>(chunk.data()), chunk.size() * sizeof(std::int64_t));
            if (got < 0) {
                failure_ = std::string("cannot read the running totals back: ") + std::strerror(errno);
                return false;
            }
            const auto values = static_cast<std::size_t>(got) / sizeof(std::int64_t);
            for (std::size_t i = 0; i < values; ++i) {
                if (!each(chunk[i])) return false;
            }
            if (values < chunk.size()) break;
        }
    }
    for (const std::int64_t total : block_) {
        if (!each(total)) return false;
    }
    return true;
}

} // namespace framecalc
