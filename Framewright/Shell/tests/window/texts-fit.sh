#!/bin/sh
# Every shown text of every state scripts/screenshots.sh renders, in English and in each
# translation, fits its item (or is elided on purpose, its whole text left to a screen reader) and
# stays inside the window. Prints the texts that do not, by language and shot.
#   texts-fit.sh <build-dir> [language...]     default languages: en de fr es ja
set -u
build=$1
shift
[ $# -gt 0 ] || set -- en de fr es ja
source=$(cd "$(dirname "$0")/../../../.." && pwd)
scratch=$(mktemp -d) || exit 2
trap 'rm -rf "$scratch"' EXIT
status=0
for language in "$@"; do
    if ! "$source/scripts/screenshots.sh" --lang "$language" --text-report "$build" "$scratch/$language" >/dev/null; then
        echo "FAIL: screenshots.sh --lang $language did not render every shot"
        status=1
        continue
    fi
    for report in "$scratch/$language"/*.texts; do
        shot=$(basename "$report" .texts)
        if [ ! -s "$report" ]; then
            echo "FAIL: $language/$shot shows no text at all"
            status=1
        fi
        if grep -v -E '^(fits|elided)	' "$report" >"$scratch/bad"; then
            sed "s|^|FAIL: $language/$shot: |" "$scratch/bad"
            status=1
        fi
    done
    echo "$language: $(cat "$scratch/$language"/*.texts | wc -l) texts in $(ls "$scratch/$language"/*.texts | wc -l) shots checked"
done
[ $status -eq 0 ] && echo PASS
exit $status
