#include "Arguments.h"

#include <algorithm>
#include <optional>

#include "Text.h"

namespace framecalc {

namespace {

// "-", "-5", "-.5" and "-00:00:01:00" are values (stdin, negative numbers), not options.
bool isOption(std::string_view arg) noexcept {
    if (arg.size() < 2 || arg[0] != '-') return false;
    const char next = arg[1];
    return !(next == '.' || (next >= '0' && next <= '9'));
}

struct OptionValue {
    std::string_view name;
    std::optional<std::string_view> inlineValue; // "--from=25"
};

OptionValue splitOption(std::string_view arg) {
    const std::size_t equals = arg.find('=');
    if (equals == std::string_view::npos) return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

// After "--" every argument is a value, whatever it looks like, except the options that take
// part in a command; so both `convert -- -4094 --from frames --to 25` and a trailing
// `convert --from frames --to 25 -- -4094` read -4094 as the value.
bool isCommandOption(std::string_view arg) noexcept {
    const std::string_view name = splitOption(arg).name;
    return name == "--from" || name == "--to" || name == "--format" || name == "--json" || name == "--stdin" ||
           name == "--running" || name == "--count";
}

} // namespace

ArgumentsParse parseArguments(const std::vector<std::string_view>& args) {
    Arguments parsed;
    std::optional<Command> command;
    std::vector<std::string> positional;
    bool fromGiven = false, toGiven = false, formatGiven = false, helpAsked = false, versionAsked = false;
    bool optionsEnded = false;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded ? !isCommandOption(arg) : !isOption(arg)) {
            if (!command) {
                if (arg == "convert") command = Command::convert;
                else if (arg == "eval") command = Command::eval;
                else if (arg == "formats") command = Command::formats;
                else if (arg == "sum") command = Command::sum;
                else if (arg == "help") helpAsked = true;
                else return joined("unknown command '", arg, "' (commands: convert, eval, sum, formats)");
                if (helpAsked) command = Command::help;
            } else {
                positional.emplace_back(arg);
            }
            continue;
        }

        const OptionValue option = splitOption(arg);
        const auto takeValue = [&](std::string& into) -> std::optional<std::string> {
            if (option.inlineValue) {
                into = std::string(*option.inlineValue);
            } else if (i + 1 < args.size()) {
                into = std::string(args[++i]);
            } else {
                return joined(option.name, " needs a value");
            }
            return std::nullopt;
        };

        if (option.name == "--help" || option.name == "-h") {
            helpAsked = true;
        } else if (option.name == "--version") {
            versionAsked = true;
        } else if (option.name == "--json") {
            if (option.inlineValue) return "--json takes no value";
            parsed.json = true;
        } else if (option.name == "--stdin") {
            if (option.inlineValue) return "--stdin takes no value";
            parsed.chainsFromInput = true;
        } else if (option.name == "--running" || option.name == "--count") {
            if (option.inlineValue) return joined(option.name, " takes no value");
            (option.name == "--running" ? parsed.running : parsed.count) = true;
        } else if (option.name == "--from") {
            if (fromGiven) return "--from given twice";
            if (auto problem = takeValue(parsed.from)) return *problem;
            fromGiven = true;
        } else if (option.name == "--to") {
            if (toGiven) return "--to given twice (list the formats with commas: --to 25,frames)";
            std::string list;
            if (auto problem = takeValue(list)) return *problem;
            for (const std::string_view name : splitAt(list, ',')) parsed.to.emplace_back(name);
            toGiven = true;
        } else if (option.name == "--format") {
            if (formatGiven) return "--format given twice";
            if (auto problem = takeValue(parsed.format)) return *problem;
            formatGiven = true;
        } else {
            return joined("unknown option '", option.name, "'");
        }
    }

    if (helpAsked) {
        parsed.command = Command::help;
        return parsed;
    }
    if (versionAsked) {
        parsed.command = Command::version;
        return parsed;
    }
    if (!command) return std::string("no command given (try 'framecalc --help')");
    parsed.command = *command;

    const auto onlyFor = [&](bool given, std::string_view option, std::string_view owner) -> std::optional<std::string> {
        if (given) return joined(option, " belongs to '", owner, "'");
        return std::nullopt;
    };

    if ((parsed.running || parsed.count) && parsed.command != Command::sum)
        return *onlyFor(true, parsed.running ? "--running" : "--count", "sum");

    switch (parsed.command) {
    case Command::convert:
        if (parsed.chainsFromInput) return *onlyFor(true, "--stdin", "eval");
        if (formatGiven) return *onlyFor(true, "--format", "eval");
        if (positional.empty()) return std::string("convert needs a value (or - to read standard input)");
        if (positional.size() > 1) return joined("convert takes one value, got '", positional[1], "' as well");
        if (!fromGiven) return std::string("convert needs --from FORMAT");
        if (!toGiven) return std::string("convert needs --to FORMAT[,FORMAT...]");
        parsed.value = positional.front();
        break;
    case Command::eval:
        if (fromGiven) return *onlyFor(true, "--from", "convert");
        if (toGiven) return *onlyFor(true, "--to", "convert");
        if (!formatGiven) return std::string("eval needs --format FORMAT");
        if (parsed.chainsFromInput) {
            if (!positional.empty()) return joined("eval --stdin reads its tokens from standard input, got '",
                                                   positional.front(), "' as well");
            break;
        }
        if (positional.empty()) return std::string("eval needs operands and operators, such as: 10 + 5 =");
        parsed.tokens = std::move(positional);
        break;
    case Command::sum:
        if (parsed.chainsFromInput) return *onlyFor(true, "--stdin", "eval");
        if (formatGiven) return *onlyFor(true, "--format", "eval");
        if (positional.empty()) return std::string("sum needs values (or - to read them from standard input)");
        if (positional.size() > 1 && std::find(positional.begin(), positional.end(), "-") != positional.end())
            return std::string("sum reads either its arguments or standard input (-), not both");
        if (!fromGiven) return std::string("sum needs --from FORMAT");
        if (!toGiven) return std::string("sum needs --to FORMAT[,FORMAT...]");
        parsed.values = std::move(positional);
        break;
    case Command::formats:
        if (fromGiven || toGiven || formatGiven || parsed.chainsFromInput)
            return std::string("formats takes no --from, --to, --format or --stdin");
        if (!positional.empty()) return joined("formats takes no arguments, got '", positional.front(), "'");
        break;
    case Command::help:
    case Command::version:
        break;
    }
    return parsed;
}

const std::vector<CommandOptions>& commandOptions() {
    static const std::vector<CommandOptions> table = {
        {"convert", {"--from", "--to", "--json", "--help"}, {"--from", "--to"}},
        {"eval", {"--format", "--stdin", "--json", "--help"}, {"--format"}},
        {"sum", {"--from", "--to", "--running", "--count", "--json", "--help"}, {"--from", "--to"}},
        {"formats", {"--json", "--help"}, {}},
        {"help", {}, {}},
    };
    return table;
}

} // namespace framecalc
