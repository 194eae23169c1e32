#pragma once
// Fast line-based input and buffered output on raw file descriptors, for streaming a million
// values through `framecalc convert -`.
//
// Output is collected in memory and written in large blocks; it is also written out whenever the
// reader is about to wait for more input, so a caller that feeds one line at a time through a
// pipe still gets each answer without the per-line cost in batch work. When the output is a
// terminal every line is written at once.

#include <cstddef>
#include <functional>
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
    // Writes what is pending once enough has gathered, for output that is one long line.
    void flushIfFull();
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

// Answers standard input line by line, one output line per input line, in order. `answer` writes
// the output line for one trimmed input line, or returns false with the problem; `failed` then
// writes the line that keeps the bad input's place (also for a line too long to read). Problems
// are reported on standard error with the line number. Returns the exit status: exitUsage when
// any line failed or the input or output did, else exitOk.
using LineAnswer = std::function<bool(std::string_view input, std::string& line, std::string& problem)>;
using LineFailure = std::function<void(std::string_view input, std::string_view problem, std::string& line)>;
int answerEachLine(const LineAnswer& answer, const LineFailure& failed);

// Reports that the output could not be written; returns exitUsage.
int reportWriteFailure(const OutputBuffer& out);

} // namespace framecalc
