#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need
# (with --web, those of the browser edition instead).
# As root it runs apt-get; otherwise it prints the one line to run.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  # The measurements panel's live graph.
  qt6-charts-dev libqt6opengl6-dev
  # Lets the program open its window on a Wayland desktop without X.
  qt6-wayland
  # lrelease compiles the translations in i18n/ into the program; the
  # tools' CMake package brings qt_add_translations.
  qt6-l10n-tools qt6-tools-dev
  # Qt's own texts (dialog buttons) in the program's languages.
  qt6-translations-l10n
  libgtest-dev libbenchmark-dev
  # The check that the C++ follows .clang-format.
  clang-format
  python3
  fonts-dejavu-core
  # The bars and the About box are checked with each font Debian ships for the desktop.
  fonts-liberation2 fonts-cantarell
  # The end-to-end window test: a virtual X server, window lookup, screenshots.
  xvfb xauth x11-utils imagemagick
  # The screen-reader test: a private session bus, the accessibility bus and
  # the client library a screen reader uses.
  dbus-daemon at-spi2-core python3-pyatspi
  # Checks of the desktop entry and the AppStream metadata.
  appstream desktop-file-utils
  # `make deb` and its check: the Debian package built with debhelper, checked by
  # lintian; dpkg-buildpackage also asks for the build-essential set.
  build-essential dpkg-dev debhelper lintian
)

# --web: what the browser edition needs (`make web`, and its tests in
# `make test`): Debian's emscripten, Chromium, rsvg-convert for the app's
# icons, and npm for the tests' one package when Node came without it.
if [ "${1:-}" = "--web" ]; then
  packages=(emscripten chromium librsvg2-bin python3)
  command -v npm >/dev/null 2>&1 || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Tarrowin needs these packages first:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
lists_missing() {
  ! ls /var/lib/apt/lists/*_Packages* >/dev/null 2>&1
}
lists_stale() {
  [ -n "$(find /var/lib/apt/lists -maxdepth 1 -name '*_Packages*' -mtime +1 -print -quit 2>/dev/null)" ]
}
if lists_missing || lists_stale; then
  apt-get update
fi
echo "Installing: ${missing[*]}"
if ! apt-get install -y --no-install-recommends "${missing[@]}"; then
  # A list that went out of date since the last update: refresh and retry once.
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
