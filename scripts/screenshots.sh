#!/usr/bin/env bash
# Renders the window offscreen in its main states and writes one PNG per shot (grabs are
# pixel-identical between runs, so they can be compared):
#   scripts/screenshots.sh [--lang xx] [--text-report] [build-dir] [out-dir] [shot-name...]
#   defaults: the environment's language, build/dev, screenshots-out, all shots.
# --lang renders every shot in that language (LANGUAGE=xx: de, fr, es, ja; en for the source
# texts). --text-report also writes <shot>.texts beside each PNG: one line per shown text and how
# it fits (see FRAMEWRIGHT_TEXT_REPORT in Framewright/Shell/DeveloperHooks.h).
# Each shot starts from a fresh home (scratch settings and history). To add one, add a line to
# `shots`: name|layout|keys|paste|primary|extra|home, where layout is calculator, settings or history;
# keys are keypad keys by raw value, comma-separated ("1", "00", ".", "plus", "minus",
# "multiply", "divide", "TC÷", "equal", "AC", "C", "delete.left"), pressed before the shot; paste
# is text pasted after them ("\n" ends a line, so a column can be pasted); primary, when given,
# is the JSON of the primary slot's format, saved in the settings before the start; extra is
# more VARIABLE=value settings for the program, space-separated (see
# Framewright/Shell/DeveloperHooks.h: an open menu, the save panel); home "unwritable" starts the
# program with a home it cannot write (as root: as the unprivileged user 65534 through setpriv,
# since root writes anywhere).
set -euo pipefail
# Debug builds carry the leak checker; Qt Quick keeps its image cache past the check at exit.
cd "$(dirname "$0")/.."
language=${LANGUAGE:-}
text_report=0
while [ $# -gt 0 ]; do
    case "$1" in
        --lang) language=$2; shift 2 ;;
        --text-report) text_report=1; shift ;;
        *) break ;;
    esac
done
build_dir=${1:-build/dev}
out_dir=${2:-screenshots-out}
shift $(( $# < 2 ? $# : 2 ))
program="$build_dir/bin/Framewright"
if [ ! -x "$program" ]; then
    echo "$program is missing: build the Framewright target first" >&2
    exit 1
fi

shots=(
    "fresh|calculator||"
    "typing-timecode|calculator|1,2,3,4,5,6|"
    "after-tc-divide|calculator|1,0,0,divide,divide|"
    "ratio|calculator|1,divide,divide,3,equal|"
    "error|calculator|5,divide,0,equal|"
    "settings|settings||"
    'settings-film|settings|||{"formatType":"film","filmGauge":"mm35p2","footageUnit":"rolls1000ft","frameRate":"fps23_98"}'
    'settings-frames|settings|||{"formatType":"frames"}'
    "history|history|1,2,plus,3,4,equal|"
    "history-empty|history||"
    "history-few|calculator|1,2,plus,3,4,equal,5,0,0,multiply,2,equal,1,0,0,0,0,divide,4,equal|"
    "history-expanded|history|1,2,plus,3,4,equal,5,0,0,multiply,2,equal,1,0,0,0,0,divide,4,equal,2,5,minus,1,0,0,equal,1,divide,0,equal|"
    "paste-column|calculator||Duration\n00:00:12;14\n00:01:03;02\n00:00:08;20\n00:00:45;11\n00:02:10;00\n00:00:03;17\n00:00:27;29\n00:01:15;08\n00:00:19;02\n00:00:06;12\n00:00:52;24\n00:00:31;05\n00:03:01;15\n00:00:09;09\n00:00:14;26\n00:01:44;02\n00:00:22;18\n00:00:05;04\n00:00:38;13\n00:00:11;21"
    "menu-edit|calculator||||FRAMEWRIGHT_SCREENSHOT_MENU=1"
    "menu-view|calculator||||FRAMEWRIGHT_SCREENSHOT_MENU=2"
    "save-panel|calculator||||FRAMEWRIGHT_SCREENSHOT_SAVE_PANEL=1"
    "history-not-saved|calculator|1,plus,2,equal||||unwritable"
)

mkdir -p "$out_dir"
for shot in "${shots[@]}"; do
    IFS='|' read -r name layout keys paste primary extra home_kind <<<"$shot"
    paste=$(printf '%b' "$paste")
    if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then
        continue
    fi
    home=$(mktemp -d)
    mkdir -m 700 "$home/runtime"
    if [ -n "${primary:-}" ]; then
        mkdir -p "$home/config/Framewright"
        printf '[General]\ntimecode.descriptor.primary="@ByteArray(%s)"\n' "${primary//\"/\\\"}" \
            >"$home/config/Framewright/Framewright.conf"
    fi
    shot_file="$out_dir/$name.png"
    run_as=()
    if [ "${home_kind:-}" = unwritable ]; then
        # The shot is written to a folder of its own that the user may write; the home is not.
        shot_dir=$(mktemp -d)
        chmod 777 "$shot_dir"
        shot_file="$shot_dir/$name.png"
        if [ "$(id -u)" = 0 ]; then
            chown 65534:65534 "$home/runtime"
            run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
        fi
        chmod 555 "$home"
    fi
    env QT_QPA_PLATFORM=offscreen HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
        XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" \
        LSAN_OPTIONS="suppressions=$PWD/Framewright/Shell/tests/window/lsan.supp:print_suppressions=0" \
        FRAMEWRIGHT_SCREENSHOT="$shot_file" FRAMEWRIGHT_SCREENSHOT_LAYOUT="$layout" \
        FRAMEWRIGHT_SCREENSHOT_KEYS="$keys" FRAMEWRIGHT_SCREENSHOT_PASTE="$paste" LANGUAGE="$language" \
        FRAMEWRIGHT_TEXT_REPORT="$( [ $text_report = 1 ] && echo "${shot_file%.png}.texts" )" ${extra:-} \
        "${run_as[@]}" "$(realpath "$program")" >/dev/null
    if [ "${home_kind:-}" = unwritable ]; then
        mv "$shot_file" "$out_dir/$name.png"
        if [ $text_report = 1 ]; then mv "${shot_file%.png}.texts" "$out_dir/$name.texts"; fi
        rm -rf "$shot_dir"
        chmod 755 "$home"
    fi
    rm -rf "$home"
    echo "$out_dir/$name.png"
done
