// framecalc convert: a value re-expressed in other formats, as the calculator's secondary display
// slots show it: the value is read in the source format and each result is
// FormatConverter::convertFormat(value, source, destination).description().

#include <charconv>
#include <cstdint>
#include <string>
#include <unistd.h>
#include <vector>

#include "Commands.h"
#include "Framecore/FormatConverter.h"
#include "Framecore/NumberFormatting.h"
#include "JsonText.h"
#include "LineIO.h"
#include "NamedFormat.h"
#include "Text.h"
#include "ValueText.h"

namespace framecalc {

using framecore::FormatConverter;
using framecore::FormatDescriptor;
using framecore::FrameCountableRef;

namespace {

void appendInteger(std::string& out, std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// Turns one input text into one output line (without its newline).
class LineConverter {
public:
    LineConverter(NamedFormat from, std::vector<NamedFormat> to, bool json)
        : from_(std::move(from)), to_(std::move(to)), json_(json) {}

    // The result line, or absent with `problem` set when the text is unreadable.
    bool convert(std::string_view text, std::string& line, std::string& problem) const {
        line.clear();
        ValueRead read = readValue(text, from_.descriptor);
        if (auto* reason = std::get_if<std::string>(&read)) {
            problem = std::move(*reason);
            return false;
        }
        const FrameCountableRef& value = std::get<FrameCountableRef>(read);
        if (json_) {
            line += "{\"input\":";
            appendJsonString(line, text);
            line += ",\"from\":";
            appendJsonString(line, from_.name);
            line += ",\"results\":[";
        }
        for (std::size_t i = 0; i < to_.size(); ++i) {
            const FrameCountableRef result = FormatConverter::convertFormat(value, from_.descriptor, to_[i].descriptor);
            if (json_) {
                if (i > 0) line += ',';
                line += "{\"format\":";
                appendJsonString(line, to_[i].name);
                line += ",\"label\":";
                appendJsonString(line, to_[i].label);
                // "value" is for machines: "." and ASCII digits in every locale; "display" is
                // the text the window would show.
                const std::string shown = result->description();
                line += ",\"value\":";
                appendJsonString(line, framecore::localeFreeNumberText(shown));
                line += ",\"display\":";
                appendJsonString(line, shown);
                line += ",\"frameCount\":";
                appendInteger(line, FormatConverter::signedFrameCount(result));
                line += '}';
            } else {
                if (i > 0) line += '\t';
                line += result->description();
            }
        }
        if (json_) line += "]}";
        return true;
    }

    // What stands in the output for an unreadable line: nothing in text, the reason in JSON.
    void failedLine(std::string_view text, std::string_view problem, std::string& line) const {
        line.clear();
        if (!json_) return;
        line += "{\"input\":";
        appendJsonString(line, text);
        line += ",\"error\":";
        appendJsonString(line, problem);
        line += '}';
    }

private:
    NamedFormat from_;
    std::vector<NamedFormat> to_;
    bool json_;
};

int convertOne(const LineConverter& converter, std::string_view value) {
    std::string line, problem;
    if (!converter.convert(trimmed(value), line, problem)) {
        reportError(problem);
        return exitUsage;
    }
    OutputBuffer out(STDOUT_FILENO);
    out.append(line);
    out.endLine();
    return out.flush() ? exitOk : reportWriteFailure(out);
}

// One output line per input line, in order; an unreadable line is reported on standard error
// with its line number, leaves its place in the output, and makes the exit status 2.
int convertStream(const LineConverter& converter) {
    return answerEachLine(
        [&converter](std::string_view input, std::string& line, std::string& problem) {
            return converter.convert(input, line, problem);
        },
        [&converter](std::string_view input, std::string_view problem, std::string& line) {
            converter.failedLine(input, problem, line);
        });
}

} // namespace

int runConvert(const Arguments& arguments) {
    const auto from = NamedFormat::resolve(arguments.from);
    if (!from) return exitUsage;
    std::vector<NamedFormat> to;
    for (const std::string& name : arguments.to) {
        const auto destination = NamedFormat::resolve(name);
        if (!destination) return exitUsage;
        to.push_back(*destination);
    }
    const LineConverter converter(*from, std::move(to), arguments.json);
    return arguments.value == "-" ? convertStream(converter) : convertOne(converter, arguments.value);
}

} // namespace framecalc
