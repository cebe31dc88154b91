"""The manual's generator refuses what it must: a case past its tolerance, a
stale manual, a broken case file. Runs the real quintaro-lote."""
import os
import subprocess
import sys
import tempfile

LOTE = os.environ["QUINTARO_LOTE"]
TABLES = os.environ["QUINTARO_TABLES_DIR"]
GENERATOR = os.environ["QUINTARO_MANUAL_GENERATOR"]

# R1 in tension, A36: Rd = 0,9·50·25 = 1125 kN (the program shows 1125,00).
CASE = """[tracao]
norma = 1986
familia = I laminado
estado = {estado}
titulo = R1
fonte = cálculo manual
entradas =
    janela = TForm_I_Laminado
    R_d = 300
    R_bf = 150
    R_tw = 6
    R_tf = 10
    R_Ag = 50
    R_Peso = 39
    R_Ix = 8000
    R_Iy = 500
    R_Wx = 530
    R_Wy = 66
    R_Zx = 600
    R_Zy = 102
    R_IT = 10
    fy_aco = 25
    fu_aco = 40
    R_Nd = 100
resultado = {resultado}
referencia = {referencia}
tolerancia = 0,05
calculo =
    Rd = 0,9·50·25 = 1125
"""

ROWS = [
    # name, fields, status, text on stderr
    ("exact", {}, 0, ""),
    # (1125 − 1124,56)/1124,56 = 0,0391 % ≤ 0,05 %
    ("just_below_tolerance", {"referencia": "1124,56"}, 0, ""),
    # (1125 − 1124,43)/1124,43 = 0,0507 % > 0,05 %
    ("just_past_tolerance", {"referencia": "1124,43"}, 1, "caso tracao: diferença 0,051 %"),
    ("negative_reference", {"referencia": "-1125"}, 1, "caso tracao: diferença 200,000 %"),
    ("no_such_column", {"resultado": "R_Nada"}, 1, "não tem a coluna R_Nada"),
    ("unknown_limit_state", {"estado": "Torção"}, 2, "estado limite 'Torção' desconhecido"),
    ("reference_not_a_number", {"referencia": "mil"}, 2, "referencia: 'mil' não é um número"),
    ("zero_reference", {"referencia": "0"}, 2, "referência nula"),
]


def run(case_text, output, check=False):
    with open(os.path.join(os.path.dirname(output), "casos.ini"), "w", encoding="utf-8") as f:
        f.write(case_text)
    args = [sys.executable, "-B", GENERATOR, "--lote", LOTE, "--tabelas", TABLES,
            "--casos", f.name, "--saida", output] + (["--verificar"] if check else [])
    return subprocess.run(args, capture_output=True, text=True, check=False)


def main():
    failures = []
    with tempfile.TemporaryDirectory() as work:
        output = os.path.join(work, "manual.html")
        for name, fields, status, message in ROWS:
            values = {"estado": "Tração", "resultado": "R_RdNd", "referencia": "1125"}
            values.update(fields)
            if os.path.exists(output):
                os.remove(output)
            done = run(CASE.format(**values), output)
            if done.returncode != status or message not in done.stderr:
                failures.append(f"{name}: status {done.returncode}, stderr {done.stderr!r}")
            # A refused case file writes no manual; a failed case still writes one.
            if (status == 2) == os.path.exists(output):
                failures.append(f"{name}: manual.html written: {os.path.exists(output)}")

        # A manual that is not what the cases give today is out of date.
        good = CASE.format(estado="Tração", resultado="R_RdNd", referencia="1125")
        if run(good, output).returncode != 0 or run(good, output, check=True).returncode != 0:
            failures.append("an up-to-date manual is refused")
        with open(output, "a", encoding="utf-8") as f:
            f.write("<!-- edited by hand -->\n")
        stale = run(good, output, check=True)
        if stale.returncode != 1 or "não está em dia" not in stale.stderr:
            failures.append(f"stale manual: status {stale.returncode}, {stale.stderr!r}")
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
