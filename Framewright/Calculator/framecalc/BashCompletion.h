#pragma once
// The bash completion of framecalc, made from the tables the command line reads (the commands and
// their options, and every spelling of a format name's parts), so it cannot drift from them. The
// build writes it with framecalc-completion; the package installs it as
// /usr/share/bash-completion/completions/framecalc.
//
// It completes the command, the options of the command given, and the format names after
// --from, --to (each name of a comma-separated list) and --format, part by part: a whole name
// first (frames, a rate or a gauge), then after GAUGE/ a footage unit or a rate. Words that bash
// splits at ":" or "=" (35mm/ft:frm, --to=25) are completed whole.

#include <string>

namespace framecalc {

std::string bashCompletionScript();

} // namespace framecalc
