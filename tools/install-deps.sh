#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package the build, the tests, the benchmarks and the
# screenshot tools need. Does nothing when all of them are already present,
# so `make` can call it on every run.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake ninja-build pkgconf
  # the saved-network files' JSON (header-only)
  nlohmann-json3-dev
  # desktop program (Charts needs the OpenGL development files too)
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev
  # the network view's pictures saved as SVG
  qt6-svg-dev
  # workbook
  libxlsxwriter-dev
  # `make fuzz`: libFuzzer and the sanitizer runtimes come with Debian's clang
  clang libclang-rt-14-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the reference model the report test compares with
  python3
  # fonts: Liberation Sans stands in for Arial
  fonts-liberation
  # looking at the program: virtual display, screenshots, PDF and workbook checks
  xvfb xauth xdotool x11-utils imagemagick poppler-utils python3-openpyxl
  # installing: the menu entry and AppStream validators, the manual page
  # renderer the install test uses, and the icon renderer the build uses
  desktop-file-utils appstream groff-base librsvg2-bin
  # the screen-reader test: a D-Bus session and the AT-SPI registry and client
  dbus at-spi2-core python3-pyatspi
)
# `--bench`: also scikit-learn, which `make bench` compares the engine with
# (Debian's, run by /usr/bin/python3); `make test` never needs it.
if [ "${1:-}" = "--bench" ]; then
  PACKAGES+=(python3-sklearn python3-numpy)
fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
