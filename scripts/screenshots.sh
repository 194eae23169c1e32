#!/usr/bin/env bash
# Renders the window offscreen in each layout and writes PNGs (grabs are pixel-identical
# between runs, so they can be compared):
#   scripts/screenshots.sh [build-dir] [out-dir]     defaults: build/dev, screenshots-out
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build/dev}
out_dir=${2:-screenshots-out}
program="$build_dir/bin/Framewright"
if [ ! -x "$program" ]; then
    echo "$program is missing: build the Framewright target first" >&2
    exit 1
fi
mkdir -p "$out_dir"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
for layout in calculator settings history; do
    env QT_QPA_PLATFORM=offscreen HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
        FRAMEWRIGHT_SCREENSHOT="$out_dir/$layout.png" FRAMEWRIGHT_SCREENSHOT_LAYOUT="$layout" "$program"
    echo "$out_dir/$layout.png"
done
