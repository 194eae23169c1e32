#!/bin/sh
# Runs the program as a screen reader meets it: under its own X server (Xvfb) with Qt's AT-SPI
# bridge on, inside a private session bus that carries its own AT-SPI bus and registry. The
# client (accessibility_client.py) reads the accessible tree and presses keys from outside.
# Empty home, configuration and runtime directories, never the user's; everything started here
# is stopped on the way out.
#   run-accessibility-test.sh <Framewright program> [language]
# With a language (LANGUAGE=de), the client checks that the names read are the translation's.
set -u
program="$1"
language="${2:-}"
here=$(cd "$(dirname "$0")" && pwd)
# Debian's interpreter: its gi bindings are what python3-gi and gir1.2-atspi-2.0 install.
python=/usr/bin/python3
for tool in dbus-run-session Xvfb /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd "$python"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "missing $tool: scripts/install-deps.sh installs what this test needs"
        exit 1
    fi
done

scratch=$(mktemp -d) || exit 2
xvfb=
cleanup() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null
        wait "$xvfb" 2>/dev/null
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
mkdir -m 700 "$scratch/runtime" "$scratch/config" "$scratch/data" "$scratch/cache"

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
tries=0
while [ ! -s "$scratch/display" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$xvfb" 2>/dev/null; then
        echo "Xvfb did not start:"
        cat "$scratch/xvfb.log"
        exit 1
    fi
    sleep 0.1
done
display=":$(head -n 1 "$scratch/display")"

env -u DBUS_SESSION_BUS_ADDRESS -u AT_SPI_BUS_ADDRESS -u WAYLAND_DISPLAY -u XAUTHORITY \
    HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
    XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/runtime" \
    DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    LANGUAGE="$language" dbus-run-session -- "$python" "$here/accessibility_client.py" "$program" $language
