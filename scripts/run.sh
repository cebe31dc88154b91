#!/usr/bin/env bash
# Installs what is missing, builds and starts Quintaro with its bundled catalogues.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev --target quintaro
exec build/dev/bin/quintaro "$@"
