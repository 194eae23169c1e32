#!/bin/sh
# Builds the Debian packages of a build tree, unpacks them into a scratch root and runs what they
# hold from there, with no LD_LIBRARY_PATH: the installed programs must find their libraries by
# themselves. Also checks the package with lintian (no errors), its desktop entry, its AppStream
# metainfo, and that the unpacked program speaks French when asked to.
# Usage: package-test.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

rm -f "$build"/framewright_*.deb "$build"/framewright-dev_*.deb
cmake --build "$build" --target package >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; fail "cpack"; }
set -- "$build"/framewright_*_amd64.deb
[ -f "$1" ] || fail "no framewright_<version>_amd64.deb in $build"
deb=$1
set -- "$build"/framewright-dev_*_amd64.deb
[ -f "$1" ] || fail "no framewright-dev_<version>_amd64.deb in $build"
devdeb=$1

echo "== $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
dpkg-deb --field "$deb" Depends Recommends
dpkg-deb --contents "$deb" | awk '{print $6, $7, $8}'

root=$scratch/root
dpkg-deb -x "$deb" "$root"
dpkg-deb -x "$devdeb" "$root"
app_id=org.framewright.framewright
for f in usr/bin/Framewright usr/bin/framecalc usr/share/applications/$app_id.desktop \
         usr/share/metainfo/$app_id.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/$app_id.svg usr/share/man/man1/framecalc.1.gz \
         usr/share/man/man1/Framewright.1.gz usr/share/doc/framewright/copyright \
         usr/share/bash-completion/completions/framecalc \
         usr/include/Framecore/Timecode.h usr/lib/cmake/Framecore/FramecoreConfig.cmake \
         usr/lib/x86_64-linux-gnu/framewright/libFramecore.so usr/lib/x86_64-linux-gnu/framewright/libKitbase.so.0; do
    [ -e "$root/$f" ] || fail "$f is not in the packages"
done
dpkg-deb --field "$deb" Depends | grep -q 'libqt6quick6' || fail "Depends lacks the Qt libraries"
dpkg-deb --field "$deb" Depends | grep -q 'qml6-module-qtquick-dialogs' || fail "Depends lacks the QML modules"

desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop entry"
# The software centres' listing: no error, warning or info; its id names the desktop entry.
appstreamcli validate --pedantic --no-net --explain "$root/usr/share/metainfo/$app_id.metainfo.xml" \
    >"$scratch/appstream" 2>&1 || { cat "$scratch/appstream"; fail "metainfo"; }
if grep -E '^[EWIP]:' "$scratch/appstream"; then fail "appstreamcli reports issues"; fi
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$root/usr/share/metainfo/$app_id.metainfo.xml" \
    || fail "the metainfo does not launch the desktop entry"
zcat "$root/usr/share/man/man1/framecalc.1.gz" | grep -q 'framecalc convert' || fail "framecalc(1) lacks the usage"
zcat "$root/usr/share/man/man1/framecalc.1.gz" | grep -q 'framecalc sum' || fail "framecalc(1) lacks sum"
# The completion loads in bash and completes from framecalc's own names.
offered=$(bash -c '. "$1"; COMP_WORDS=(framecalc sum - --from 29); COMP_CWORD=4; _framecalc; echo "${COMPREPLY[*]}"' \
    sh "$root/usr/share/bash-completion/completions/framecalc")
[ "$offered" = "29.97DF 29.97ND" ] || fail "the bash completion offered '$offered' for --from 29"

unset LD_LIBRARY_PATH
# Each program resolves Framecore (and Kitbase) inside the unpacked root, not the build tree.
for program in framecalc Framewright; do
    libs=$(ldd "$root/usr/bin/$program" | grep -E 'lib(Framecore|Kitbase)')
    echo "$libs"
    echo "$libs" | grep -q "libFramecore.so" || fail "$program does not load Framecore"
    if echo "$libs" | grep -v "=> $root/" | grep -q .; then fail "$program loads our libraries from outside the package"; fi
done

out=$("$root/usr/bin/framecalc" convert 1800 --from frames --to 29.97DF)
[ "$out" = "00:01:00;02" ] || fail "unpacked framecalc gave '$out'"
echo "framecalc convert 1800 --from frames --to 29.97DF: $out"
out=$(printf '00:00:10:00\n00:00:05:12\n' | "$root/usr/bin/framecalc" sum - --from 25 --to 25)
[ "$out" = "00:00:15:12" ] || fail "unpacked framecalc sum gave '$out'"

QT_QPA_PLATFORM=offscreen FRAMEWRIGHT_EXIT_AFTER_FIRST_FRAME=1 \
    "$source/Framewright/Shell/tests/window/starts-cleanly.sh" "$root/usr/bin/Framewright" || fail "unpacked Framewright"
echo "unpacked Framewright drew its first frame"

# In French, from its embedded translation: the menu bar's titles.
mkdir -m 700 "$scratch/runtime"
XDG_RUNTIME_DIR="$scratch/runtime" LANGUAGE=fr QT_QPA_PLATFORM=offscreen FRAMEWRIGHT_EXIT_AFTER_FIRST_FRAME=1 FRAMEWRIGHT_TEXT_REPORT="$scratch/texts" \
    HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
    "$root/usr/bin/Framewright" >/dev/null || fail "unpacked Framewright in French"
for title in Fichier Édition Affichage; do
    cut -f4 "$scratch/texts" | grep -qx "$title" || { cat "$scratch/texts"; fail "no French menu title $title"; }
done
echo "unpacked Framewright speaks French: Fichier, Édition, Affichage"

# Errors fail the test; warnings are listed (the ones kept are explained in the packaging notes).
lintian --tag-display-limit 0 "$deb" "$devdeb" >"$scratch/lintian" 2>&1 || true
cat "$scratch/lintian"
if grep -q '^E: ' "$scratch/lintian"; then fail "lintian reports errors"; fi
echo "PASS"
