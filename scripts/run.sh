#!/usr/bin/env bash
# Installs what is missing, builds and starts Quintaro with its bundled catalogues.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset app >/dev/null
cmake --build --preset app --target quintaro
exec build/app/bin/quintaro "$@"
