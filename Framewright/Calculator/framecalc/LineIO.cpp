#include "LineIO.h"

#include "Commands.h"
#include "Text.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <unistd.h>

namespace framecalc {

namespace {
constexpr std::size_t blockSize = 1 << 16;
constexpr std::size_t readSize = 1 << 20;
} // namespace

OutputBuffer::OutputBuffer(int fd) : fd_(fd), lineBuffered_(::isatty(fd) == 1) { pending_.reserve(2 * blockSize); }

OutputBuffer::~OutputBuffer() { flush(); }

void OutputBuffer::endLine() {
    pending_.push_back('\n');
    if (lineBuffered_ || pending_.size() >= blockSize) flush();
}

void OutputBuffer::flushIfFull() {
    if (pending_.size() >= blockSize) flush();
}

bool OutputBuffer::flush() {
    if (!failure_.empty()) {
        pending_.clear();
        return false;
    }
    const char* data = pending_.data();
    std::size_t left = pending_.size();
    while (left > 0) {
        const ssize_t written = ::write(fd_, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            failure_ = std::strerror(errno);
            pending_.clear();
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    pending_.clear();
    return true;
}

LineReader::LineReader(int fd, OutputBuffer& beforeWait) : fd_(fd), beforeWait_(beforeWait), buffer_(readSize) {}

bool LineReader::fill() {
    // Keep the unfinished line and make room behind it.
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (buffer_.size() - end_ < readSize / 2) buffer_.resize(buffer_.size() + readSize);
    beforeWait_.flush();
    while (true) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got < 0) {
            if (errno == EINTR) continue;
            failure_ = std::strerror(errno);
            return false;
        }
        if (got == 0) eof_ = true;
        end_ += static_cast<std::size_t>(got);
        return true;
    }
}

LineReader::Result LineReader::next(std::string_view& line) {
    bool skipping = false; // inside a line that was already reported as too long
    std::size_t scanned = begin_;
    while (true) {
        const void* found = std::memchr(buffer_.data() + scanned, '\n', end_ - scanned);
        if (found != nullptr) {
            const auto newline = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
            const std::size_t start = begin_;
            begin_ = newline + 1;
            if (skipping) return Result::tooLong;
            line = std::string_view(buffer_.data() + start, newline - start);
            return Result::line;
        }
        if (end_ - begin_ > maxLineLength) {
            // Drop what is held of the overlong line and read on to its end.
            skipping = true;
            begin_ = end_ = 0;
        }
        if (eof_) {
            if (skipping) return Result::tooLong;
            if (begin_ == end_) return Result::end;
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            begin_ = end_;
            return Result::line;
        }
        scanned = end_ - begin_; // offset after fill() moves the unfinished line to the front
        if (!fill()) return Result::error;
        scanned = skipping ? 0 : scanned;
    }
}

int reportWriteFailure(const OutputBuffer& out) {
    reportError(joined("cannot write the output: ", out.failure()));
    return exitUsage;
}

int answerEachLine(const LineAnswer& answer, const LineFailure& failed) {
    OutputBuffer out(STDOUT_FILENO);
    LineReader in(STDIN_FILENO, out);
    std::string line, problem;
    std::string_view input;
    std::uint64_t lineNumber = 0;
    bool anyFailed = false;
    while (true) {
        const LineReader::Result next = in.next(input);
        if (next == LineReader::Result::end) break;
        if (next == LineReader::Result::error) {
            out.flush();
            reportError(joined("cannot read standard input: ", in.failure()));
            return exitUsage;
        }
        ++lineNumber;
        bool ok = false;
        if (next == LineReader::Result::tooLong) {
            problem = joined("line longer than ", std::to_string(LineReader::maxLineLength), " bytes");
            input = {};
        } else {
            input = trimmed(input);
            ok = answer(input, line, problem);
        }
        if (!ok) {
            anyFailed = true;
            out.flush(); // keep the diagnostics next to the output they belong to
            reportError(joined("line ", std::to_string(lineNumber), ": ", problem));
            failed(input, problem, line);
        }
        out.append(line);
        out.endLine();
        if (!out.failure().empty()) return reportWriteFailure(out);
    }
    if (!out.flush()) return reportWriteFailure(out);
    return anyFailed ? exitUsage : exitOk;
}

} // namespace framecalc
