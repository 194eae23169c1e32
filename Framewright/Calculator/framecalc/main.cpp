// framecalc: Framecore's conversions and calculator on the command line.

#include <string_view>
#include <vector>

#include "Framecore/NumberFormatting.h"

#include "Arguments.h"
#include "Commands.h"

int main(int argc, char** argv) {
    using namespace framecalc;
    // Plain output writes film values as the window does, in the locale chosen for numbers.
    framecore::setNumberLocale(framecore::numberLocaleFromEnvironment());
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);

    const ArgumentsParse parse = parseArguments(args);
    if (const auto* problem = std::get_if<std::string>(&parse)) {
        reportError(*problem);
        return exitUsage;
    }
    const Arguments& arguments = std::get<Arguments>(parse);
    switch (arguments.command) {
    case Command::help:
        return runHelp();
    case Command::version:
        return runVersion();
    case Command::convert:
        return runConvert(arguments);
    case Command::eval:
        return runEval(arguments);
    case Command::formats:
        return runFormats(arguments);
    case Command::sum:
        return runSum(arguments);
    }
    return exitUsage;
}
