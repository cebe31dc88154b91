#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, runs
# every test, then builds the Qt-free core with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs its tests again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --test
export QT_QPA_PLATFORM=offscreen

cmake --preset dev
cmake --build --preset dev
ctest --preset dev

cmake --preset asan
cmake --build --preset asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan
