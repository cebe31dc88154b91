#!/usr/bin/env bash
# Project rules that the build cannot express: no Qt Widgets below the shell,
# no Qt at all in the core, no autoconnect slots, no == between doubles in the
# checks, every C++ file clang-format clean. Prints every offending line and
# fails if there is one.
set -u
cd "$(dirname "$0")/.."
status=0
report() {
    if [ -n "$2" ]; then
        printf '%s\n%s\n' "$1" "$2"
        status=1
    fi
}
core_dirs=(src/common src/catalogue src/checks src/search)
report_core=$(find src/report -maxdepth 1 -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null)

report "Qt Widgets used outside src/shell:" \
    "$(grep -rnE '#include *<(QtWidgets|QtPrintSupport|Q(Widget|MainWindow|Dialog|LineEdit|PushButton|Label|MessageBox|Application)\b)' src tools 2>/dev/null | grep -v '^src/shell/' | grep -v '^src/app/' | grep -v '^tools/lote/')"
report "Qt used in the Qt-free core:" \
    "$(grep -rnE '#include *<Q|#include *<Qt' "${core_dirs[@]}" $report_core 2>/dev/null)"
report "Qt autoconnect slots (connect explicitly):" \
    "$(grep -rnE '\bon_[A-Za-z0-9]+_[a-z]+[A-Za-z]*\s*\(' src tools 2>/dev/null)"
report "== or != between doubles in src/checks (compare with a tolerance or an ordering):" \
    "$(grep -rnE '[!=]=\s*-?[0-9]+\.[0-9]' src/checks 2>/dev/null)"
unformatted=$(git ls-files '*.cpp' '*.h' 2>/dev/null | xargs -r clang-format --dry-run 2>&1 | grep -E 'warning:' | cut -d: -f1 | sort -u)
report "Not clang-format clean (run clang-format -i on them):" "$unformatted"
exit $status
