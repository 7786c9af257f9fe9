#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages a build, the tests, the benchmarks or the fuzz
# targets need. Does nothing when all of them are already present, so `make`
# can call it on every run.
set -euo pipefail

# What each command needs, so `make run` and `make install` pull no test tools:
#   install-deps.sh [build|test|bench|fuzz|web]   (build when none is given)
# Each set includes the build set.
BUILD_PACKAGES=(
  # compilers and build tools
  build-essential cmake ninja-build pkgconf
  # the saved-network files' JSON (header-only)
  nlohmann-json3-dev
  # desktop program (Charts needs the OpenGL development files too)
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev
  # the window's translations: lupdate and lrelease, and Qt's own texts in each language
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # the network view's pictures saved as SVG
  qt6-svg-dev
  # workbook
  libxlsxwriter-dev
  # CSV import of training sets
  libcsv-dev
  # fonts: Liberation Sans stands in for Arial
  fonts-liberation
  # the menu icon's PNG sizes are rendered from its SVG at build time
  librsvg2-bin
)
TEST_PACKAGES=(
  libgtest-dev libgmock-dev
  # the reference model the report test compares with
  python3
  # looking at the program: virtual display, screenshots, PDF and workbook checks
  xvfb xauth xdotool x11-utils imagemagick poppler-utils python3-openpyxl
  # the install test: the menu entry and AppStream validators and the manual
  # page renderer
  desktop-file-utils appstream groff-base
  # the screen-reader test: a D-Bus session and the AT-SPI registry and client
  dbus at-spi2-core python3-pyatspi
)
# What the benchmark compares the engine with: scikit-learn (Debian's, run by
# /usr/bin/python3) and FANN, the sigmoid rule's peer.
BENCH_PACKAGES=(libbenchmark-dev python3-sklearn python3-numpy libfann-dev)
# libFuzzer and the sanitizer runtimes come with Debian's clang.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# The page: CMake, Ninja and the JSON headers, Debian's emscripten (its
# compilers and prebuilt C and C++ libraries), node for npm and the tests, and
# Debian's chromium, which the browser tests drive (no browser is downloaded).
# Not the build set: the page needs no Qt.
WEB_PACKAGES=(cmake ninja-build nlohmann-json3-dev emscripten chromium)
# A node of another origin (with its own npm) may be there already; Debian's
# would conflict with it.
if ! command -v npm >/dev/null 2>&1; then WEB_PACKAGES+=(nodejs npm); fi

PACKAGES=("${BUILD_PACKAGES[@]}")
case "${1:-build}" in
  build) ;;
  test) PACKAGES+=("${TEST_PACKAGES[@]}") ;;
  bench) PACKAGES+=("${BENCH_PACKAGES[@]}") ;;
  fuzz) PACKAGES+=("${FUZZ_PACKAGES[@]}") ;;
  web) PACKAGES=("${WEB_PACKAGES[@]}") ;;
  *) echo "usage: $0 [build|test|bench|fuzz|web]" >&2; exit 2 ;;
esac

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
