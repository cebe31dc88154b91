#!/usr/bin/env bash
# Installs the Debian packages Quintaro needs to build, run and test.
# Safe to run again; does nothing when everything is present.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config clang-format clang libclang-rt-14-dev
    qt6-base-dev libgl1-mesa-dev libshp-dev
    fonts-dejavu-core
    qt6-translations-l10n
)
# Only for building and running the tests and benchmarks, and for making the
# Debian package (file: cpack's dpkg-shlibdeps step).
test_packages=(
    libgtest-dev libbenchmark-dev
    python3 python3-dbfread python3-dbf
    locales
    xvfb xauth
    libreoffice-writer-nogui poppler-utils
    appstream desktop-file-utils groff-base
    file
)
if [ "${1:-}" = "--test" ]; then
    packages+=("${test_packages[@]}")
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
