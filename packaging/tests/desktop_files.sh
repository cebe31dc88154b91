#!/usr/bin/env bash
# The AppStream metainfo and the desktop entry pass their validators, the
# metainfo's newest release is the project version, and it launches the
# desktop entry that is installed.
#   desktop_files.sh VERSION METAINFO DESKTOP
set -euo pipefail
version=$1
metainfo=$2
desktop=$3
status=0
fail() {
    printf '%s\n' "$@"
    status=1
}
appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli refuses $metainfo"
desktop-file-validate "$desktop" || fail "desktop-file-validate refuses $desktop"
newest=$(grep -oE '<release version="[^"]*"' "$metainfo" | head -1 | cut -d'"' -f2)
[ "$newest" = "$version" ] ||
    fail "newest release in $metainfo is '$newest', the project version is '$version'"
launched=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
[ "$launched" = "$(basename "$desktop")" ] ||
    fail "$metainfo launches '$launched', the desktop entry is '$(basename "$desktop")'"
exit $status
