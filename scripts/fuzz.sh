#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs one of them:
#   scripts/fuzz.sh TARGET [SECONDS]   (corpus: fuzz/<area>/corpus-<target>)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$top/build-fuzz
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DNORBEK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
target=${1:?Ziel fehlt}
cmake --build "$build" -j "$(nproc)" --target "$target"
seconds=${2:-60}
corpus=$(find "$top/fuzz" -type d -name "corpus-$target" | head -n 1)
work=$(mktemp -d)
[ -n "$corpus" ] && cp -r "$corpus"/. "$work"/
"$build/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 "$work"
