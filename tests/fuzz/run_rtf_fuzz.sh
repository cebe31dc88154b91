#!/usr/bin/env bash
# Builds the RTF reader's fuzzer with clang in its own build folder and runs it
# for a bounded time on a copy of the seed corpus. Fails when the fuzzer finds
# a crash, a hang (an input taking over 10 s) or runs out of memory.
#   run_rtf_fuzz.sh BUILD_DIR [SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$1"
seconds="${2:-60}"
cmake -S "$here/standalone" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$build.configure.log"
cmake --build "$build" -j2
corpus="$build/corpus"
rm -rf "$corpus" "$build/artifacts"
mkdir -p "$corpus" "$build/artifacts"
cp "$here"/corpus/* "$corpus"/
cd "$build"
QT_QPA_PLATFORM=offscreen ./rtf_reader_fuzz "$corpus" \
    -dict="$here/rtf.dict" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -detect_leaks=0 -print_final_stats=1 -artifact_prefix="$build/artifacts/"
