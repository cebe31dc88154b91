#!/usr/bin/env bash
# The manual page of PROGRAM describes, under OPÇÕES, every long option that
# `PROGRAM --help` names and no other, and groff renders it without a warning.
#   man_page_options.sh PROGRAM PAGE
set -euo pipefail
program=$1
page=$2
status=0
fail() {
    printf '%s\n' "$@"
    status=1
}
# --help itself is an option whether or not its text names it.
from_help=$({
    echo --help
    QT_QPA_PLATFORM=offscreen "$program" --help | grep -oE -- '--[a-z][a-z0-9-]*'
} | sort -u)
from_page=$(sed -n '/^\.SH OPÇÕES/,/^\.SH /p' "$page" | grep -oE '\\-\\-[a-z][a-z0-9-]*' |
    tr -d '\\' | sort -u || true)
missing=$(comm -23 <(printf '%s\n' "$from_help") <(printf '%s\n' "$from_page"))
[ -z "$missing" ] || fail "in $program --help but not described in $page:" "$missing"
stale=$(comm -13 <(printf '%s\n' "$from_help") <(printf '%s\n' "$from_page"))
[ -z "$stale" ] || fail "described in $page but not in $program --help:" "$stale"
warnings=$(groff -k -man -Tutf8 -ww -z "$page" 2>&1)
[ -z "$warnings" ] || fail "groff warns about $page:" "$warnings"
exit $status
