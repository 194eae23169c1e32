#!/usr/bin/env bash
# Installs the Debian 12 packages Framewright needs to build, test and run. Idempotent:
# only packages that are missing are installed. Works as root or through sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config python3
  qt6-base-dev qt6-declarative-dev libboost-dev libicu-dev libsqlite3-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev fonts-dosis
  qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-controls
  qml6-module-qtquick-templates qml6-module-qtquick-layouts qml6-module-qtquick-dialogs
  qml6-module-qt-labs-folderlistmodel qml6-module-qtqml-workerscript qml6-module-qttest
  # Type information of QtQml itself (the Qt namespace, Connections, models): without it the QML
  # compiler leaves bindings that use them to the interpreter, and qmllint cannot check them.
  qml6-module-qtqml qml6-module-qtqml-models
  qt6-svg-dev libqt6svg6 fonts-roboto-unhinted
  # The desktop's own file dialog for "Save History..." on GNOME-like desktops (GTK); without it
  # the program shows Qt Quick's dialog in a window of its own.
  qt6-gtk-platformtheme
  # The Debian package: CPack's DEB generator with dpkg-shlibdeps, man pages made from --help,
  # and the checks its test runs (lintian, desktop-file-validate).
  dpkg-dev help2man lintian desktop-file-utils
  # Locales the tests run in: a decimal comma (de_DE) and Arabic-Indic digits (ar_EG).
  locales
  # The accessibility test: the program under its own X server, read through AT-SPI on a private
  # session bus by a client in Debian's Python (GObject bindings of libatspi).
  xvfb xauth dbus dbus-bin at-spi2-core python3-gi gir1.2-atspi-2.0 python3-pyatspi
  # Translations: lupdate and lrelease through CMake, Qt's own translations, the CJK face the
  # Japanese texts fall back to, and the AppStream checker of the package test.
  qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools qt6-translations-l10n fonts-ipafont-gothic appstream
)
test_locales=(de_DE.UTF-8 ar_EG.UTF-8)

# --print lists the packages, one per line, and installs nothing (the fresh-install check reads it).
if [ "${1:-}" = "--print" ]; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
else
  sudo=(sudo)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# locale -a lists "de_DE.UTF-8" as "de_DE.utf8".
absent_locales=()
for l in "${test_locales[@]}"; do
  if ! locale -a 2>/dev/null | grep -qix "${l%.UTF-8}.utf8"; then
    absent_locales+=("$l")
  fi
done
if [ ${#absent_locales[@]} -gt 0 ]; then
  echo "Generating locales: ${absent_locales[*]}"
  for l in "${absent_locales[@]}"; do
    if grep -q "^# *${l} UTF-8" /etc/locale.gen; then
      "${sudo[@]}" sed -i "s/^# *\(${l} UTF-8\)/\1/" /etc/locale.gen
    elif ! grep -q "^${l} UTF-8" /etc/locale.gen; then
      echo "${l} UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    fi
  done
  "${sudo[@]}" locale-gen
fi
