#pragma once
// Fast line-based input and buffered output on raw file descriptors, for streaming a million
// values through `framecalc convert -`.
//
// Output is collected in memory and written in large blocks; it is also written out whenever the
// reader is about to wait for more input, so a caller that feeds one line at a time through a
// pipe still gets each answer without the per-line cost in batch work. When the output is a
// terminal every line is written at once.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace framecalc {

class OutputBuffer {
public:
    explicit OutputBuffer(int fd);
    ~OutputBuffer();
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void append(std::string_view text) { pending_.append(text); }
    void append(char c) { pending_.push_back(c); }
    // Ends a line: written now on a terminal, else once enough has gathered.
    void endLine();
    // Writes everything pending. False once any write has failed (the error is kept in failure()).
    bool flush();
    // Empty while every write has succeeded, else what went wrong.
    const std::string& failure() const noexcept { return failure_; }

private:
    int fd_;
    bool lineBuffered_;
    std::string pending_;
    std::string failure_;
};

class LineReader {
public:
    // Lines longer than this are reported as too long and skipped.
    static constexpr std::size_t maxLineLength = 1 << 20;

    // `beforeWait` is flushed whenever the reader must wait for input.
    LineReader(int fd, OutputBuffer& beforeWait);

    enum class Result { line, tooLong, end, error };
    // The next line without its "\n" (valid until the next call). A last line without "\n"
    // counts as a line.
    Result next(std::string_view& line);
    const std::string& failure() const noexcept { return failure_; }

private:
    bool fill();

    int fd_;
    OutputBuffer& beforeWait_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool eof_ = false;
    std::string failure_;
};

} // namespace framecalc
