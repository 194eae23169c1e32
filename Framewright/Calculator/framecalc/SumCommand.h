#pragma once
// framecalc sum: the exact total of a list of values, in one or more formats.
//
// Each value is read in the source format exactly as `convert` reads it (so a fractional film
// value counts the frames the window's slot would: feet × frames per foot + 0.000000001, rounded
// down). The total is the sum of the signed frame counts, kept in 128 bits so that no list of
// values this program can read overflows it, and is converted once per destination format: a
// sum never accumulates rounding. A total (and, with --running, a running total) is in range when
// its magnitude is below 2^63 − 1 frames in the source format and in every destination format.
//
// Nothing is printed until the whole input has been read and every value and total found good;
// then the output is the running totals (with --running), the count (with --count) and the total,
// one line each, each line as `convert` writes it. With --json the output is the one object
// {"count": n, "total": [{"format", "value", "display"}...], "running": [[...]...]}, "running"
// only with --running.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "LineIO.h"
#include "NamedFormat.h"
#include "RunningTotals.h"

namespace framecalc {

class SumCommand {
public:
    struct Options {
        NamedFormat from;
        std::vector<NamedFormat> to;
        bool running = false;
        bool count = false;
        bool json = false;
    };

    explicit SumCommand(Options options);

    // Sums the values given as arguments; a bad one is named by its position ("value 2").
    // Returns the exit status (Commands.h).
    int sumValues(const std::vector<std::string>& values, int outputFd);
    // Sums one value per line of `inputFd`, skipping blank lines and lines starting with "#"; a
    // bad line is named by its line number. Returns the exit status.
    int sumLines(int inputFd, int outputFd);

private:
    __extension__ typedef __int128 Wide;

    // Adds one trimmed, non-empty value; false with the reason when it does not read or takes a
    // running total out of range.
    bool add(std::string_view text, std::string& problem);
    // Checks the total, then writes everything. Returns the exit status.
    int finish(OutputBuffer& out);
    bool inRangeEverywhere(std::int64_t count, std::string& problem) const;
    void appendTotal(std::string& line, std::int64_t count) const;
    // Hands every running total to `write`; false, reported, when they cannot be read back.
    bool writeRunning(OutputBuffer& out, const std::function<void(std::int64_t)>& write);

    Options options_;
    Wide total_ = 0;
    std::uint64_t values_ = 0;
    std::int64_t highest_ = 0; // the running totals' extremes, checked in every format at the end
    std::int64_t lowest_ = 0;
    RunningTotals running_;
};

} // namespace framecalc
