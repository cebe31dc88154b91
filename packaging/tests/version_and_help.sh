#!/usr/bin/env bash
# --help and --version of both programs: exit 0, the project version, the
# Portuguese help, nothing on standard error, and no display needed (the
# xcb platform without DISPLAY aborts any program that starts its windows).
#   version_and_help.sh VERSION QUINTARO QUINTARO_LOTE
set -uo pipefail
version=$1
quintaro=$2
lote=$3
status=0
# check ARGS... -- EXPECTED_FIRST_LINE_PATTERN
check() {
    local args=() pattern out err rc
    while [ "$1" != "--" ]; do
        args+=("$1")
        shift
    done
    pattern=$2
    err=$(mktemp)
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "${args[@]}" 2>"$err")
    rc=$?
    if [ $rc -ne 0 ] || ! head -1 <<<"$out" | grep -qxE "$pattern" || [ -s "$err" ]; then
        printf '%s: exit %s, first line "%s", want "%s"; stderr: %s\n' \
            "${args[*]}" "$rc" "$(head -1 <<<"$out")" "$pattern" "$(cat "$err")"
        status=1
    fi
    rm -f "$err"
}
check "$quintaro" --version -- "quintaro ${version//./\\.}"
check "$quintaro" --help -- "uso: quintaro .*"
check "$quintaro" -h -- "uso: quintaro .*"
check "$quintaro" -platform offscreen --version -- "quintaro ${version//./\\.}"
check "$lote" --version -- "quintaro-lote ${version//./\\.}"
check "$lote" --help -- "uso: quintaro-lote .*"
check "$lote" --tables /nao/existe --version -- "quintaro-lote ${version//./\\.}"
exit $status
