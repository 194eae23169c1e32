#include "BashCompletion.h"

#include <string_view>
#include <vector>

#include "Arguments.h"
#include "FormatNames.h"
#include "Text.h"

namespace framecalc {

namespace {

// The words as one shell-quoted string; none holds a quote, so single quotes suffice.
template <class Words>
std::string wordList(const Words& words) {
    std::string list = "'";
    for (const auto& word : words) {
        if (list.size() > 1) list += ' ';
        list += word;
    }
    list += '\'';
    return list;
}

// What completes a name: everything but the tables, which are written above it.
constexpr std::string_view completionFunctions = R"BASH(
# Completions of one format name $1, a whole name first, then after GAUGE/ a unit or a rate.
_framecalc_format_names() {
    local text=$1
    if [[ $text != */* ]]; then
        compgen -W "$_framecalc_format_heads" -- "$text"
        return
    fi
    local head=${text%/*}/ part=${text##*/}
    local gauge=${head%%/*} given=${head#*/}
    given=${given%/}
    [[ " ${_framecalc_gauges,,} " == *" ${gauge,,} "* ]] || return
    [[ $given == */* ]] && return
    local words
    if [[ -z $given ]]; then
        words="$_framecalc_units $_framecalc_rates"
    elif [[ " ${_framecalc_units,,} " == *" ${given,,} "* ]]; then
        words=$_framecalc_rates
    elif [[ " ${_framecalc_rates,,} " == *" ${given,,} "* ]]; then
        words=$_framecalc_units
    else
        return
    fi
    compgen -P "$head" -W "$words" -- "$part"
}

_framecalc() {
    local cur prev
    if [[ -n ${COMP_LINE-} ]]; then
        # Bash splits words at ":" and "=" as well: read the whole word from the line.
        local line=${COMP_LINE:0:COMP_POINT}
        cur=${line##*[[:space:]]}
        local before=${line%"$cur"}
        before=${before%"${before##*[![:space:]]}"}
        prev=${before##*[[:space:]]}
    else
        cur=${COMP_WORDS[COMP_CWORD]}
        prev=${COMP_WORDS[COMP_CWORD-1]}
    fi
    # What bash keeps of the word: the part up to its last ":" or "=" when those break words.
    local keep= breaks=
    [[ ${COMP_WORDBREAKS-} == *:* ]] && breaks+=:
    [[ ${COMP_WORDBREAKS-} == *=* ]] && breaks+==
    if [[ -n ${COMP_LINE-} && -n $breaks ]]; then
        keep=${cur%"${cur##*[$breaks]}"}
    fi

    local command= i
    for ((i = 1; i < COMP_CWORD; i++)); do
        if [[ " $_framecalc_commands " == *" ${COMP_WORDS[i]} "* ]]; then
            command=${COMP_WORDS[i]}
            break
        fi
    done

    local option=$prev value=$cur prefix=
    if [[ $cur == --*=* ]]; then
        option=${cur%%=*}
        value=${cur#*=}
        prefix=$option=
    fi

    local candidates=()
    local formatOptions=_framecalc_format_options_${command}
    local options=_framecalc_options_${command}
    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            mapfile -t candidates < <(compgen -W '--help --version' -- "$cur")
        else
            mapfile -t candidates < <(compgen -W "$_framecalc_commands" -- "$cur")
        fi
    elif [[ -n ${!formatOptions-} && " ${!formatOptions} " == *" $option "* ]]; then
        if [[ $option == --to && $value == *,* ]]; then
            # --to takes a list: complete its last name.
            prefix+=${value%,*},
            value=${value##*,}
        fi
        mapfile -t candidates < <(_framecalc_format_names "$value")
        candidates=("${candidates[@]/#/$prefix}")
    elif [[ $cur == -* ]]; then
        mapfile -t candidates < <(compgen -W "${!options-}" -- "$cur")
    fi

    COMPREPLY=()
    local candidate
    for candidate in "${candidates[@]}"; do
        COMPREPLY+=("${candidate#"$keep"}")
    done
}

complete -F _framecalc framecalc
)BASH";

} // namespace

std::string bashCompletionScript() {
    std::string script =
        "# bash completion for framecalc, written at build time from the names framecalc reads.\n\n";

    std::vector<std::string_view> commands;
    for (const CommandOptions& entry : commandOptions()) {
        commands.push_back(entry.command);
        const std::string name(entry.command);
        script += joined("_framecalc_options_", name, "=", wordList(entry.options), "\n");
        script += joined("_framecalc_format_options_", name, "=", wordList(entry.formatOptions), "\n");
    }
    script += joined("_framecalc_commands=", wordList(commands), "\n");

    const std::vector<std::string> rates = rateSpellings();
    const std::vector<std::string> gauges = gaugeSpellings();
    std::vector<std::string> heads = {canonicalFormatName(framecore::FormatDescriptor::frames)};
    heads.insert(heads.end(), rates.begin(), rates.end());
    heads.insert(heads.end(), gauges.begin(), gauges.end());
    script += joined("_framecalc_format_heads=", wordList(heads), "\n");
    script += joined("_framecalc_gauges=", wordList(gauges), "\n");
    script += joined("_framecalc_units=", wordList(footageUnitSpellings()), "\n");
    script += joined("_framecalc_rates=", wordList(rates), "\n");
    script += completionFunctions;
    return script;
}

} // namespace framecalc
