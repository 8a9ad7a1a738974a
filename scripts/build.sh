#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
launcher=()
if command -v ccache >/dev/null; then
    # Paths below the checkout are hashed relative to it, so clones share the cache.
    export CCACHE_BASEDIR=$top
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
