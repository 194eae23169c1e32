// framecalc formats, --help, --version, and the shared error line.

#include <cstdio>
#include <string>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "Commands.h"
#include "FormatNames.h"
#include "LineIO.h"
#include "Text.h"

#ifndef FRAMECALC_VERSION
#define FRAMECALC_VERSION "unknown"
#endif

namespace framecalc {

namespace {

constexpr std::string_view helpText = R"(framecalc: timecode, frame and footage conversion and arithmetic (Framecore)

Usage:
  framecalc convert VALUE --from FORMAT --to FORMAT[,FORMAT...] [--json]
  framecalc eval --format FORMAT TOKEN... [--json]
  framecalc eval --format FORMAT --stdin [--json]
  framecalc sum VALUE...|- --from FORMAT --to FORMAT[,FORMAT...]
                [--running] [--count] [--json]
  framecalc formats [--json]
  framecalc --help | --version

convert
  Reads VALUE in the --from format and writes it in each --to format, as the
  calculator's secondary display slots show it; several formats are separated
  by tabs. VALUE - reads one value per line from standard input and writes one
  line per input line, in order. An unreadable line is reported on standard
  error with its number, leaves an empty line (in JSON an object with "error")
  in its place, and makes the exit status 2; the other lines are still written.

  Values by format:
    frames            a whole number: 1500, -24
    video rates       keypad digits (1000 is 00:00:10:00) or fields separated by
                      ":" or ";", each of two digits except the first, which may
                      have one, and any number when it is the hours:
                      01:00:00:00, 1:00:00:00, 10:00 (ten seconds), 00:01:00;02
    film, ft:frm      feet and frames: 12:05, or 1205; 5 is five frames
    film, other units a decimal number: 90, 12.5, -0.25, 1e3; the locale's own
                      decimal separator and digits are read too (12,5 in de_DE)
  A leading - makes a value negative. Timecode fields are not range-checked
  (00:00:00:40 at 25 is 40 frames), as on the keypad.
  After --, every argument but the options (--from, --to, --format, --json,
  --stdin, --running, --count) is a value, even one that begins with -:
  framecalc convert -- -4094 --from frames --to 25

eval
  Runs operands and operators left to right through the calculator, exactly as
  the keypad would, and prints what the display then shows. Operators:
    +  -          add, subtract durations
    x  /          multiply, divide by a plain number (also *, × and ÷)
    tc/           divide a duration by a duration: the result is a plain ratio
                  (video formats only; a second / or tc/ right after it
                  switches between the two divisions, as on the keypad)
    =             show the result
  Operands are read in the --format (timecode operands keep their sign);
  after x or / the operand is a plain number. Operator keys pressed in a row
  replace each other; = right after an operator uses the value twice
  (10 + = is 20). Fractions of frames are truncated toward zero.
  A division by zero or a result out of range prints "Error" and exits 1.
  --stdin reads one chain per line from standard input, its tokens separated
  by spaces, each chain on a fresh calculator, and writes one line per chain.
  A chain that cannot run is reported on standard error with its line number
  and leaves an empty line; the exit status is then 2, else 1 if any chain
  ended in "Error".

sum
  Adds up durations read in the --from format, exactly as convert reads them
  (negatives and every film unit included), and writes the total in each --to
  format as convert writes a value: one line, several formats separated by
  tabs. VALUE - reads one value per line from standard input; blank lines and
  lines starting with # are skipped. The total is the exact sum of the values'
  frame counts (a fractional film value counts the frames the window would
  read), converted once, so nothing is lost to rounding however long the list.
    --running     first writes the running total after each value, a line each
    --count       writes the number of values summed on a line before the total
    --json        writes one JSON object: {"count": n, "total": [{"format",
                  "value", "display"} for each --to format], "running": [one
                  such list per value]}; "running" only with --running
  Nothing is written until every value has been read: a value that does not
  read is reported on standard error with its line number (or its position
  among the arguments) and its text, and the exit status is 2. So is a total,
  or with --running a running total, beyond 9223372036854775806 frames either
  way in any of the formats. A million values take well under a second, in
  memory that does not grow with the list (--running keeps the running totals
  in a temporary file in $TMPDIR or /tmp until they are written).

formats
  Lists the canonical name of every format, one per line.

Format names
  frames                       bare frame counts
  RATE                         video timecode at that rate:
                               1 8 10 12 15 16 18 23.98PD 24 24.98PD 25 29.97DF
                               29.97ND 30 48 50 59.94DF 59.94ND 60 72 90 100
                               (or the raw names fps25, fps29_97Drop, ...)
  GAUGE[/UNIT][/RATE]          film footage:
    GAUGE  35mm, 35mm2p, 35mm3p, 16mm, Super8mm, 8mm, 65mm, IMAX
           (or mm35, mm35p2, mm35p3, mm16, mmSuper8, mm8, mm65, mm70)
    UNIT   ft (Feet, feet), ft:frm (feetFrames), metres, 1000ft (1000ft rolls,
           rolls1000ft), 400ft, 100ft; feet when left out
    RATE   any rate above; the gauge's usual rate when left out
           (24 for 35mm and 16mm, 18 for Super8mm, 16 for 8mm, 48 for 65mm
           and IMAX)
  Case, spaces, "_" and "-" are ignored: 29.97df, "Super 8mm", FPS25 all read.
  23.98 and 24.98 may drop their PD; 29.97 and 59.94 must say DF or ND.

Examples
  framecalc convert 01:00:00:00 --from 25 --to 35mm/ft:frm/24,frames
  framecalc convert 5400 --from 35mm/ft/24 --to 29.97DF
  framecalc convert 1000 --from IMAX/metres/48 --to 65mm/ft:frm
  cut -f2 edl.txt | framecalc convert - --from 23.98 --to 25 --json
  framecalc eval --format 25 10:00 + 5:00 =           (00:00:15:00)
  framecalc eval --format 25 01:00:00:00 x 2.5 =
  framecalc eval --format 29.97DF '01:00:00;00' tc/ '00:30:00;00' =  (2)
  framecalc sum 10:00 5:12 --from 25 --to 25,frames   (00:00:15:12  387)
  The durations in the third column of a CSV file with a header line, at 25 fps,
  as timecode and as 35mm feet and frames:
  tail -n +2 clips.csv | cut -d, -f3 |
    framecalc sum - --from 25 --to 25,35mm/ft:frm

Output
  Plain output writes film values in the locale chosen for numbers (LC_ALL,
  LC_NUMERIC, LANG), as the window shows them.
  --json writes one JSON object per line: convert gives the input, the source
  format and, per --to format, its name, label, value, display and the signed
  frame count; sum gives the object described above; eval gives the format,
  value, display, the calculator's result operand and its error. value is the
  same in every locale ("." and ASCII digits); display is the text the window
  shows in the user's locale.
  Every word framecalc writes (format names, messages, this help) is English
  whatever LANGUAGE or LANG say, so scripts read the same output everywhere;
  only the window is translated.

Exit status
  0  results written
  1  eval: the calculator reported an error ("Error")
  2  bad usage, an unknown format, an unreadable value, a sum out of range, or
     unwritable output;
     the reason is one line on standard error
)";

int writeAll(const std::string& text) {
    OutputBuffer out(STDOUT_FILENO);
    out.append(text);
    if (!out.flush()) {
        reportError(joined("cannot write the output: ", out.failure()));
        return exitUsage;
    }
    return exitOk;
}

} // namespace

void reportError(std::string_view message) {
    std::string line = "framecalc: ";
    line += message;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}

int runHelp() { return writeAll(std::string(helpText)); }

int runVersion() { return writeAll(joined("framecalc ", FRAMECALC_VERSION, "\n")); }

int runFormats(const Arguments& arguments) {
    std::string text;
    if (arguments.json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const auto& descriptor : allNamedFormats()) {
            nlohmann::ordered_json entry;
            entry["name"] = canonicalFormatName(descriptor);
            entry["label"] = descriptor.formatLabel();
            entry["descriptor"] = descriptor.toJson();
            list.push_back(std::move(entry));
        }
        text = list.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    } else {
        for (const auto& descriptor : allNamedFormats()) {
            text += canonicalFormatName(descriptor);
            text += '\n';
        }
    }
    return writeAll(text);
}

} // namespace framecalc
