#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The browser tests, run by ctest: skipped (exit 77) where `make web` has not
# built the page, so that `make test` passes on a machine without the web tools.
set -euo pipefail
web="$(cd "$(dirname "$0")/.." && pwd)"
if [ ! -f "$web/dist/index.html" ] || [ ! -d "$web/node_modules/puppeteer-core" ] || ! command -v chromium >/dev/null; then
  echo "web/dist, its test packages or chromium missing: run make web first"
  exit 77
fi
export VANTORELLE_WEB_DIST="$web/dist"
cd "$web"
exec node --test --test-concurrency=1 tests/
