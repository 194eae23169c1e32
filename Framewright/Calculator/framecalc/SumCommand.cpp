#include "SumCommand.h"

#include <limits>
#include <unistd.h>

#include "Commands.h"
#include "Framecore/FormatConverter.h"
#include "Framecore/NumberFormatting.h"
#include "JsonText.h"
#include "Text.h"
#include "ValueText.h"

namespace framecalc {

using framecore::FormatConverter;
using framecore::FrameCountableRef;

namespace {

// Conversions saturate at the ends of the 64-bit range, so a count that reaches an end cannot be
// told from one that overflowed: both ends are out of range.
constexpr std::int64_t rangeLimit = std::numeric_limits<std::int64_t>::max() - 1;

template <class Integer>
bool inRange(Integer count) noexcept {
    return count >= -static_cast<Integer>(rangeLimit) && count <= static_cast<Integer>(rangeLimit);
}

std::string outOfRange(std::string_view what) {
    return joined(what, " is out of range (beyond ±", std::to_string(rangeLimit), " frames)");
}

} // namespace

SumCommand::SumCommand(Options options) : options_(std::move(options)) {}

bool SumCommand::add(std::string_view text, std::string& problem) {
    ValueRead read = readValue(text, options_.from.descriptor);
    if (auto* reason = std::get_if<std::string>(&read)) {
        problem = std::move(*reason);
        return false;
    }
    // Each term is below 2^63 in magnitude and there are fewer than 2^64 of them: no overflow.
    total_ += FormatConverter::signedFrameCount(std::get<FrameCountableRef>(read));
    ++values_;
    if (!options_.running) return true;
    if (!inRange(total_)) {
        problem = outOfRange(joined("the running total after ", quoted(text)));
        return false;
    }
    const auto total = static_cast<std::int64_t>(total_);
    if (total > highest_) highest_ = total;
    if (total < lowest_) lowest_ = total;
    if (!running_.append(total)) {
        problem = running_.failure();
        return false;
    }
    return true;
}

bool SumCommand::inRangeEverywhere(std::int64_t count, std::string& problem) const {
    const FrameCountableRef value = FormatConverter::unitValueFrom(count, options_.from.descriptor);
    for (const NamedFormat& to : options_.to) {
        const FrameCountableRef result = FormatConverter::convertFormat(value, options_.from.descriptor, to.descriptor);
        if (!inRange(FormatConverter::signedFrameCount(result))) {
            problem = joined(" in ", to.name);
            return false;
        }
    }
    return true;
}

void SumCommand::appendTotal(std::string& line, std::int64_t count) const {
    const FrameCountableRef value = FormatConverter::unitValueFrom(count, options_.from.descriptor);
    if (options_.json) line += '[';
    for (std::size_t i = 0; i < options_.to.size(); ++i) {
        const NamedFormat& to = options_.to[i];
        const std::string shown =
            FormatConverter::convertFormat(value, options_.from.descriptor, to.descriptor)->description();
        if (options_.json) {
            if (i > 0) line += ',';
            line += "{\"format\":";
            appendJsonString(line, to.name);
            line += ",\"value\":";
            appendJsonString(line, framecore::localeFreeNumberText(shown));
            line += ",\"display\":";
            appendJsonString(line, shown);
            line += '}';
        } else {
            if (i > 0) line += '\t';
            line += shown;
        }
    }
    if (options_.json) line += ']';
}

bool SumCommand::writeRunning(OutputBuffer& out, const std::function<void(std::int64_t)>& write) {
    const bool done = running_.forEach([&](std::int64_t runningTotal) {
        write(runningTotal);
        return out.failure().empty();
    });
    if (!done && !running_.failure().empty()) {
        reportError(running_.failure());
        return false;
    }
    return true; // a failed write is reported when the output is flushed
}

int SumCommand::finish(OutputBuffer& out) {
    if (!inRange(total_)) {
        reportError(outOfRange(joined("the total of ", std::to_string(values_), " values")));
        return exitUsage;
    }
    const auto total = static_cast<std::int64_t>(total_);
    // Conversions are monotonic in the magnitude, so the extremes speak for every running total.
    for (const std::int64_t count : {total, highest_, lowest_}) {
        std::string where;
        if (!inRangeEverywhere(count, where)) {
            reportError(outOfRange(joined(count == total ? "the total" : "a running total", where)));
            return exitUsage;
        }
    }

    std::string line;
    const std::string count = std::to_string(values_);
    if (options_.json) {
        line = joined("{\"count\":", count, ",\"total\":");
        appendTotal(line, total);
        out.append(line);
        if (options_.running) {
            out.append(",\"running\":[");
            bool first = true;
            const bool written = writeRunning(out, [&](std::int64_t runningTotal) {
                line.clear();
                if (!first) line += ',';
                first = false;
                appendTotal(line, runningTotal);
                out.append(line);
                out.flushIfFull();
            });
            if (!written) return exitUsage;
            out.append(']');
        }
        out.append('}');
        out.endLine();
    } else {
        const bool written = writeRunning(out, [&](std::int64_t runningTotal) {
            line.clear();
            appendTotal(line, runningTotal);
            out.append(line);
            out.endLine();
        });
        if (!written) return exitUsage;
        if (options_.count) {
            out.append(count);
            out.endLine();
        }
        line.clear();
        appendTotal(line, total);
        out.append(line);
        out.endLine();
    }
    return out.flush() ? exitOk : reportWriteFailure(out);
}

int SumCommand::sumValues(const std::vector<std::string>& values, int outputFd) {
    OutputBuffer out(outputFd);
    std::string problem;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!add(trimmed(values[i]), problem)) {
            reportError(joined("value ", std::to_string(i + 1), ": ", problem));
            return exitUsage;
        }
    }
    return finish(out);
}

int SumCommand::sumLines(int inputFd, int outputFd) {
    OutputBuffer out(outputFd);
    LineReader in(inputFd, out);
    std::string problem;
    std::string_view input;
    std::uint64_t lineNumber = 0;
    while (true) {
        const LineReader::Result next = in.next(input);
        if (next == LineReader::Result::end) break;
        if (next == LineReader::Result::error) {
            reportError(joined("cannot read standard input: ", in.failure()));
            return exitUsage;
        }
        ++lineNumber;
        if (next == LineReader::Result::tooLong) {
            reportError(joined("line ", std::to_string(lineNumber), ": longer than ",
                               std::to_string(LineReader::maxLineLength), " bytes"));
            return exitUsage;
        }
        input = trimmed(input);
        if (input.empty() || input.front() == '#') continue;
        if (!add(input, problem)) {
            reportError(joined("line ", std::to_string(lineNumber), ": ", problem));
            return exitUsage;
        }
    }
    return finish(out);
}

int runSum(const Arguments& arguments) {
    const auto from = NamedFormat::resolve(arguments.from);
    if (!from) return exitUsage;
    SumCommand::Options options{*from, {}, arguments.running, arguments.count, arguments.json};
    for (const std::string& name : arguments.to) {
        const auto destination = NamedFormat::resolve(name);
        if (!destination) return exitUsage;
        options.to.push_back(*destination);
    }
    SumCommand sum(std::move(options));
    const bool fromInput = arguments.values.size() == 1 && arguments.values.front() == "-";
    return fromInput ? sum.sumLines(STDIN_FILENO, STDOUT_FILENO) : sum.sumValues(arguments.values, STDOUT_FILENO);
}

} // namespace framecalc
