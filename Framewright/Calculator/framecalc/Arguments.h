#pragma once
// The command line of framecalc, read into one record. Only the shape is checked here (which
// command, which options, how many values); format names and values are read by the commands.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace framecalc {

enum class Command { help, version, convert, eval, formats };

struct Arguments {
    Command command = Command::help;
    bool json = false;
    std::string value;                 // convert: the value, or "-" for standard input
    std::string from;                  // convert: --from
    std::vector<std::string> to;       // convert: --to, split at commas
    std::string format;                // eval: --format
    std::vector<std::string> tokens;   // eval: operands and operators
    bool chainsFromInput = false;      // eval: --stdin, one chain of tokens per input line
};

// The arguments, or the one-line reason they make no command.
using ArgumentsParse = std::variant<Arguments, std::string>;

// `args` excludes the program name.
ArgumentsParse parseArguments(const std::vector<std::string_view>& args);

} // namespace framecalc
