#!/usr/bin/env bash
# Runs one part of a Qt Test program: "slow" runs the cases named, "fast"
# every other case. A case is a test function, or function:row for a row of
# a data-driven one. Naming a case the program does not have is an error, so
# that a renamed case is noticed instead of moving silently.
#   qtest_part.sh PROGRAM fast|slow CASE...
set -euo pipefail
program=$1
part=$2
shift 2
declare -A named=()
for case in "$@"; do
    named[$case]=1
done
# -datatags prints "Class function" or "Class function row words".
mapfile -t all < <("$program" -datatags | sed -E 's/^[^ ]+ ([^ ]+)( (.*))?$/\1:\3/; s/:$//')
declare -A present=()
for case in "${all[@]}"; do
    present[$case]=1
done
for case in "$@"; do
    if [ -z "${present[$case]:-}" ]; then
        echo "$program has no test case '$case'" >&2
        exit 1
    fi
done
selected=()
for case in "${all[@]}"; do
    if { [ "$part" = slow ] && [ -n "${named[$case]:-}" ]; } ||
        { [ "$part" = fast ] && [ -z "${named[$case]:-}" ]; }; then
        selected+=("$case")
    fi
done
if [ ${#selected[@]} -eq 0 ]; then
    echo "no $part test case in $program" >&2
    exit 1
fi
exec "$program" "${selected[@]}"
