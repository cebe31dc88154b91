#!/usr/bin/env bash
# Builds Quintaro as a packager does (a plain Release build: warnings are not
# errors there), makes the Debian package with cpack and checks what it holds
# and declares. With --install (CI, as root) it then installs the package with
# apt-get and tries the installed programs: quintaro-lote --version, a small
# batch over the installed catalogues, and the program started offscreen,
# which must still be running when it is stopped after two seconds.
#   scripts/package.sh [--install]
set -euo pipefail
cd "$(dirname "$0")/.."
install=no
case "${1:-}" in
"") ;;
--install) install=yes ;;
*)
    echo "uso: scripts/package.sh [--install]" >&2
    exit 2
    ;;
esac
bash scripts/install-deps.sh --test

build=build/release
# The packager's build: the two programs and their data, without the tests
# and benchmarks (those are built with warnings as errors and run by
# scripts/test.sh).
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUINTARO_BUILD_TESTS=OFF \
    -DQUINTARO_BUILD_BENCH=OFF
cmake --build "$build" --parallel "$(nproc)"
rm -f "$build"/quintaro_*.deb
(cd "$build" && cpack -G DEB)

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$PWD/$build/quintaro_${version}_$(dpkg --print-architecture).deb"
status=0
# fail WHAT [DETAILS...]
fail() {
    printf 'package: %s\n' "$1" >&2
    shift
    [ $# -eq 0 ] || printf '%s\n' "$@" >&2
    status=1
}
[ -f "$deb" ] || {
    fail "cpack did not write $deb"
    exit 1
}

# What the package holds.
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|')
expected=(
    /usr/bin/quintaro /usr/bin/quintaro-lote
    /usr/share/quintaro/AjudaQuintaro.htm /usr/share/quintaro/tipo_aco.dbf
    /usr/share/quintaro/manual-de-verificacao.pdf
    /usr/share/applications/quintaro.desktop
    /usr/share/icons/hicolor/scalable/apps/quintaro.svg
    /usr/share/metainfo/io.github.quintaro.quintaro.metainfo.xml
    /usr/share/man/man1/quintaro.1.gz /usr/share/man/man1/quintaro-lote.1.gz
)
for table in data/*.DBF data/*.dbf; do
    expected+=("/usr/share/quintaro/$(basename "$table")")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$contents" || fail "$path is not in the package"
done

# What it declares: the libraries found by dpkg-shlibdeps, the font of the
# drawings, Qt's translations as a recommendation, LibreOffice as a suggestion.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 libshp fonts-dejavu-core; do
    grep -qE "(^|, )$package" <<<"$depends" || fail "Depends does not name $package: $depends"
done
grep -q libreoffice-writer <<<"$(dpkg-deb -f "$deb" Suggests)" || fail "Suggests does not name LibreOffice"
grep -q qt6-translations-l10n <<<"$(dpkg-deb -f "$deb" Recommends)" ||
    fail "Recommends does not name Qt's translations"
[ $status -eq 0 ] || exit $status
echo "package: $deb holds and declares what it should"
[ $install = yes ] || exit 0

# Installed on this machine, tried from an empty folder and an empty home, so
# that only the installed catalogues can be found.
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$deb"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export HOME="$work/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"

# The verification manual that Ajuda → "Manual de verificação" opens.
manual=/usr/share/quintaro/manual-de-verificacao.pdf
[ "$(head -c 5 "$manual")" = "%PDF-" ] && [ "$(stat -c %s "$manual")" -gt 10000 ] ||
    fail "$manual is not the verification manual's PDF"

[ "$(/usr/bin/quintaro-lote --version)" = "quintaro-lote $version" ] ||
    fail "quintaro-lote --version says '$(/usr/bin/quintaro-lote --version)'"
[ "$(/usr/bin/quintaro --version)" = "quintaro $version" ] ||
    fail "quintaro --version says '$(/usr/bin/quintaro --version)'"

# Steel MR250 (fy = 25 kN/cm2). W 150 x 13,0 in tension (Ag = 16,6 cm2):
# yielding of the gross section, 0,9 x 16,6 x 25 = 373,5 kN, so 300 kN
# passes and 400 kN does not. CS 250 x 52 under 500 kN of compression over
# 300 cm: Ag = 65,98 cm2, ry = 6,12 cm, slenderness 49, rho about 0,8, so
# about 0,9 x 0,8 x 65,98 x 25 = 1190 kN: it passes.
cat >members.csv <<'EOF'
janela;perfil;Serie;Compri_x;Compri_y;Compri_z;R_Nd
TForm_I_Laminado;W 150 x 13,0;;100;100;100;300
TForm_I_Laminado;W 150 x 13,0;;100;100;100;400
TI_Soldado;CS 250 x 52;CS;300;300;300;-500
EOF
if /usr/bin/quintaro-lote members.csv >results.csv 2>errors.txt; then
    awk -F';' -v want=373.5 '
        NR == 1 { for (i = 1; i <= NF; ++i) col[$i] = i; next }
        {
            got = $col["R_RdNd"]; sub(",", ".", got)
            verdict[NR - 1] = $col["resposta1"]
            if (NR <= 3 && (got - want > 0.001 * want || want - got > 0.001 * want))
                printf "row %d: Nt,Rd %s kN, want %s kN\n", NR - 1, $col["R_RdNd"], want
        }
        END {
            split("Ok!;Não Ok!;Ok!", wanted, ";")
            for (r = 1; r <= 3; ++r)
                if (verdict[r] != wanted[r])
                    printf "row %d: verdict \"%s\", want \"%s\"\n", r, verdict[r], wanted[r]
        }' results.csv >wrong.txt
    [ ! -s wrong.txt ] || fail "the installed batch is wrong:" "$(cat wrong.txt)" "$(cat results.csv)"
else
    fail "the installed quintaro-lote failed:" "$(cat errors.txt)"
fi

# The program with its windows, offscreen: still running after two seconds.
set +e
QT_QPA_PLATFORM=offscreen timeout 2 /usr/bin/quintaro >program.log 2>&1
code=$?
set -e
[ $code -eq 124 ] || fail "the installed quintaro ended with status $code before two seconds:" \
    "$(cat program.log)"
[ -f "$HOME/.local/share/Quintaro/tipo_aco.dbf" ] ||
    fail "the installed quintaro did not copy the catalogues to the user's folder"

[ $status -eq 0 ] && echo "package: the installed quintaro and quintaro-lote work"
exit $status
