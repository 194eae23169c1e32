// framecalc sum over a million timecodes read from a file, as `framecalc sum -` runs it: the line
// reader, the value reader, the exact total and the output (to /dev/null). The target is a
// second for the million in a release build.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "NamedFormat.h"
#include "SumCommand.h"

namespace {

constexpr int valueCount = 1'000'000;

// A file of a million 25 fps timecodes of up to an hour, written once and removed at exit. Its
// name is never destroyed, so the exit handler can still read it.
const std::string& timecodeFile() {
    static const std::string& path = *new std::string([] {
        char pattern[] = "/tmp/framecalc-sum-bench-XXXXXX";
        const int fd = ::mkstemp(pattern);
        std::string text;
        text.reserve(12 * static_cast<std::size_t>(valueCount));
        char line[32];
        for (int i = 0; i < valueCount; ++i) {
            const int frames = static_cast<int>((i * 7919L) % 90000);
            const int length = std::snprintf(line, sizeof line, "%02d:%02d:%02d:%02d\n", frames / 90000,
                                             frames / 1500 % 60, frames / 25 % 60, frames % 25);
            text.append(line, static_cast<std::size_t>(length));
        }
        if (fd < 0 || ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) std::abort();
        ::close(fd);
        return std::string(pattern);
    }());
    static const int removal = std::atexit([] { ::unlink(path.c_str()); });
    (void)removal;
    return path;
}

void sumMillion(benchmark::State& state, bool running) {
    const std::string& path = timecodeFile();
    const int sink = ::open("/dev/null", O_WRONLY);
    for (auto _ : state) {
        framecalc::SumCommand::Options options{*framecalc::NamedFormat::resolve("25"),
                                               {*framecalc::NamedFormat::resolve("25")}};
        options.running = running;
        framecalc::SumCommand sum(std::move(options));
        const int input = ::open(path.c_str(), O_RDONLY);
        if (sum.sumLines(input, sink) != 0) state.SkipWithError("sum failed");
        ::close(input);
    }
    ::close(sink);
    state.SetItemsProcessed(state.iterations() * valueCount);
}

void BM_SumMillionTimecodes(benchmark::State& state) { sumMillion(state, false); }
void BM_SumMillionTimecodesRunning(benchmark::State& state) { sumMillion(state, true); }

} // namespace

BENCHMARK(BM_SumMillionTimecodes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SumMillionTimecodesRunning)->Unit(benchmark::kMillisecond);
