#!/bin/sh
# Starts the program (offscreen, quitting after its first frame) and fails unless the frame was
# shown and nothing at all was written to stderr: a QML warning at start-up is a fault.
# Runs with empty home, configuration and runtime directories, never the user's.
set -u
program="$1"
scratch=$(mktemp -d) || exit 2
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
out=$(HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
      XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime" \
      "$program" 2>"$scratch/stderr")
status=$?
if [ $status -ne 0 ] || [ "$out" != "first-frame" ] || [ -s "$scratch/stderr" ]; then
    echo "exit status: $status; stdout: $out"
    echo "stderr:"
    cat "$scratch/stderr"
    exit 1
fi
