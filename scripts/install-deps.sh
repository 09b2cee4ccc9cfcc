#!/usr/bin/env bash
# Installs the Debian packages that building (and, with "test", testing) needs
# and that are not there yet. Does nothing when everything is present.
set -euo pipefail

build_packages=(
  build-essential cmake python3
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev fonts-liberation
  # the menu icons rendered from the logo; the package's library dependencies
  librsvg2-bin dpkg-dev
)
# What the tests drive: a virtual display, input and screenshots, the
# accessibility bus, a print server with a PDF printer, PDF rendering.
test_packages=(
  xvfb xauth xdotool imagemagick
  dbus dbus-x11 at-spi2-core python3-pyatspi
  cups cups-bsd printer-driver-cups-pdf poppler-utils
  locales
  # checks of the menu entry, the AppStream metadata and the package
  desktop-file-utils appstream lintian x11-utils
  # the fuzz targets (libFuzzer and the sanitizer runtimes)
  clang libclang-rt-14-dev
)

wanted=("${build_packages[@]}")
if [ "${1:-}" = test ]; then
  wanted+=("${test_packages[@]}")
fi

missing=()
for p in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# Locales the tests format and parse under (the process locale must not leak
# into the conversions).
ensure_locales() {
  [ "${1:-}" = test ] || return 0
  for l in de_DE en_US fr_FR; do
    if ! locale -a 2>/dev/null | grep -qx "$l.utf8"; then
      $SUDO localedef -i "$l" -f UTF-8 "$l.UTF-8" || echo "warning: could not generate $l.UTF-8" >&2
    fi
  done
}

SUDO=
[ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null && SUDO=sudo
if [ ${#missing[@]} -eq 0 ]; then
  ensure_locales "${1:-}"
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null; then SUDO=sudo; else
    echo "Missing packages and not root: install them with apt-get first." >&2
    exit 1
  fi
else
  SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
ensure_locales "${1:-}"
