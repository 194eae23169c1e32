#pragma once
// The running totals of `framecalc sum --running`, kept until the whole input has been read and
// found good, because nothing may be printed before then. Memory stays flat in the number of
// values: the totals gather in a fixed block, and every full block goes to an unnamed temporary
// file (8 bytes a value, in $TMPDIR or /tmp; removed by the system when the process ends). Short
// lists never touch the disk.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace framecalc {

class RunningTotals {
public:
    RunningTotals();
    ~RunningTotals();
    RunningTotals(const RunningTotals&) = delete;
    RunningTotals& operator=(const RunningTotals&) = delete;

    // False once the temporary file could not be made or written (the reason is in failure()).
    bool append(std::int64_t total);

    // Calls `each` with every total in the order appended; false when `each` returns false or
    // the temporary file could not be read back.
    bool forEach(const std::function<bool(std::int64_t)>& each);

    const std::string& failure() const noexcept { return failure_; }

    static constexpr std::size_t blockValues = 1 << 16;

private:
    bool spill();

    std::vector<std::int64_t> block_;
    int file_ = -1;
    std::string failure_;
};

} // namespace framecalc
