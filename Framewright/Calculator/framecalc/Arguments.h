#pragma once
// The command line of framecalc, read into one record. Only the shape is checked here (which
// command, which options, how many values); format names and values are read by the commands.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace framecalc {

enum class Command { help, version, convert, eval, formats, sum };

struct Arguments {
    Command command = Command::help;
    bool json = false;
    std::string value;                 // convert: the value, or "-" for standard input
    std::string from;                  // convert, sum: --from
    std::vector<std::string> to;       // convert, sum: --to, split at commas
    std::vector<std::string> values;   // sum: the values, or the one value "-" for standard input
    bool running = false;              // sum: --running
    bool count = false;                // sum: --count
    std::string format;                // eval: --format
    std::vector<std::string> tokens;   // eval: operands and operators
    bool chainsFromInput = false;      // eval: --stdin, one chain of tokens per input line
};

// The arguments, or the one-line reason they make no command.
using ArgumentsParse = std::variant<Arguments, std::string>;

// `args` excludes the program name.
ArgumentsParse parseArguments(const std::vector<std::string_view>& args);

// What each command accepts, for the shell completion: the commands in the order --help lists
// them, each with its options. parseArguments accepts every option listed for its command.
struct CommandOptions {
    std::string_view command;
    std::vector<std::string_view> options;
    std::vector<std::string_view> formatOptions; // those of `options` that take a format name
};
const std::vector<CommandOptions>& commandOptions();

} // namespace framecalc
