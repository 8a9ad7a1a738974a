#!/usr/bin/env bash
# Installs what is missing, builds, runs every test. Exit status: the tests' status.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
cd "${BUILD_DIR:-$top/build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
