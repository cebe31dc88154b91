#!/usr/bin/python3
"""Writes the verification manual (docs/verificacao/manual.html).

Every case of tests/verificacao/casos.ini is run through the built
quintaro-lote, end to end (catalogues, boxes, checks, the cell as the window
shows it), and written with its source, inputs, reference value, the
program's value and the difference in percent against the case's tolerance.

    gera_manual.py --lote BIN --tabelas PASTA --casos casos.ini --saida manual.html
    gera_manual.py ... --verificar   # nothing written: exit 1 when a case fails
                                     # its tolerance or the file differs

Exit status: 0 all cases within tolerance (and, with --verificar, the file up
to date); 1 a case out of tolerance, not run, or the file out of date; 2 bad
case file or quintaro-lote unusable.
"""

import argparse
import configparser
import csv
import html
import io
import math
import os
import subprocess
import sys
import tempfile

STANDARDS = {"1986": "NBR 8800:1986", "2008": "NBR 8800:2008"}
# Order of the limit states in the table of contents.
LIMIT_STATES = [
    "Tração",
    "Compressão",
    "Cisalhamento",
    "Flexão em x",
    "Flexão em y",
    "Flexão composta",
    "Espaçamento das presilhas",
]
REQUIRED = ["norma", "familia", "estado", "titulo", "fonte", "entradas", "resultado",
            "referencia", "tolerancia"]


class CaseError(Exception):
    pass


def number(text, what):
    """A decimal-comma number as the cases and the program write it."""
    try:
        value = float(text.strip().replace(".", "").replace(",", ".")
                      if "," in text else text.strip())
    except ValueError:
        raise CaseError(f"{what}: '{text}' não é um número") from None
    if not math.isfinite(value):
        raise CaseError(f"{what}: '{text}' não é um número finito")
    return value


def comma(value, digits):
    text = f"{value:.{digits}f}".replace(".", ",")
    return "0," + "0" * digits if text == "-0," + "0" * digits else text


def read_cases(path):
    parser = configparser.ConfigParser(interpolation=None, delimiters=("=",),
                                       comment_prefixes=("#",), empty_lines_in_values=False)
    parser.optionxform = str
    try:
        with open(path, encoding="utf-8") as f:
            parser.read_file(f)
    except (OSError, UnicodeDecodeError, configparser.Error) as e:
        raise CaseError(f"{path}: {e}") from None
    cases = []
    for name in parser.sections():
        section = parser[name]
        missing = [key for key in REQUIRED if not section.get(key, "").strip()]
        if missing:
            raise CaseError(f"caso {name}: falta {', '.join(missing)}")
        case = {key: section[key].strip() for key in section}
        case["id"] = name
        if case["norma"] not in STANDARDS:
            raise CaseError(f"caso {name}: norma '{case['norma']}' não é 1986 nem 2008")
        if case["estado"] not in LIMIT_STATES:
            raise CaseError(f"caso {name}: estado limite '{case['estado']}' desconhecido "
                            f"(um de: {', '.join(LIMIT_STATES)})")
        inputs = []
        for line in case["entradas"].splitlines():
            column, sep, value = line.partition("=")
            if not sep or not column.strip():
                raise CaseError(f"caso {name}: linha de entrada sem 'coluna = valor': '{line}'")
            inputs.append((column.strip(), value.strip()))
        if not any(column == "janela" for column, _ in inputs):
            raise CaseError(f"caso {name}: as entradas não dão a janela")
        case["inputs"] = inputs
        case["ref"] = number(case["referencia"], f"caso {name}, referencia")
        if case["ref"] == 0.0:
            raise CaseError(f"caso {name}: referência nula não tem diferença relativa")
        tolerance = case["tolerancia"].rstrip("%").strip()
        case["tol"] = number(tolerance, f"caso {name}, tolerancia")
        if case["tol"] <= 0.0:
            raise CaseError(f"caso {name}: tolerância deve ser positiva")
        case["fonte"] = " ".join(case["fonte"].split())
        if case["fonte"] == "cálculo manual" and not case.get("calculo"):
            raise CaseError(f"caso {name}: cálculo manual sem os passos (calculo)")
        cases.append(case)
    if not cases:
        raise CaseError(f"{path}: nenhum caso")
    return cases


def lote_supports_2008(lote):
    done = subprocess.run([lote, "--help"], capture_output=True, text=True, check=False)
    return "--norma" in done.stdout


def lote_version(lote):
    done = subprocess.run([lote, "--version"], capture_output=True, text=True, check=False)
    return done.stdout.strip()


def run_lote(lote, tables, cases, with_standard):
    """One quintaro-lote run over the cases; the output row of each, by id."""
    columns = []
    for case in cases:
        for column, _ in case["inputs"]:
            if column not in columns:
                columns.append(column)
    if with_standard and "norma" not in columns:
        columns.append("norma")
    with tempfile.TemporaryDirectory(prefix="quintaro-verificacao-") as work:
        source = os.path.join(work, "casos.csv")
        result = os.path.join(work, "resultado.csv")
        with open(source, "w", encoding="utf-8", newline="") as f:
            writer = csv.writer(f, delimiter=";", lineterminator="\n")
            writer.writerow(columns)
            for case in cases:
                values = dict(case["inputs"])
                if with_standard:
                    values.setdefault("norma", case["norma"])
                writer.writerow([values.get(column, "") for column in columns])
        done = subprocess.run([lote, "--tables", tables, "--output", result, source],
                              capture_output=True, text=True, check=False,
                              env=dict(os.environ, LC_ALL="C.UTF-8"))
        if done.returncode not in (0, 1) or not os.path.exists(result):
            raise CaseError(f"quintaro-lote terminou com status {done.returncode}: "
                            f"{done.stderr.strip()}")
        with open(result, encoding="utf-8", newline="") as f:
            rows = list(csv.reader(f, delimiter=";"))
    header, rows = rows[0], rows[1:]
    if len(rows) != len(cases):
        raise CaseError(f"quintaro-lote devolveu {len(rows)} linhas para {len(cases)} casos")
    return {case["id"]: dict(zip(header, row)) for case, row in zip(cases, rows)}


def judge(cases, rows):
    for case in cases:
        row = rows.get(case["id"])
        case["messages"] = ""
        if row is None:
            continue
        case["messages"] = row.get("mensagens", "")
        cell = row.get(case["resultado"])
        if cell is None:
            case["error"] = f"o resultado não tem a coluna {case['resultado']}"
            continue
        case["cell"] = cell
        try:
            value = number(cell, case["resultado"])
        except CaseError:
            case["error"] = f"a coluna {case['resultado']} não traz um número: '{cell}'"
            continue
        case["value"] = value
        case["diff"] = (value - case["ref"]) / abs(case["ref"]) * 100.0
        case["ok"] = abs(case["diff"]) <= case["tol"]


def status(case):
    if "pending" in case:
        return "pendente"
    if "ok" not in case:
        return "não executado"
    return "confere" if case["ok"] else "NÃO CONFERE"


def passed(case):
    return case.get("ok") is True


def write_html(cases, version, pending_reason):
    out = io.StringIO()
    w = out.write
    e = html.escape
    w("<!DOCTYPE html>\n<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">\n")
    w("<title>Quintaro — Manual de verificação</title>\n")
    w("<!-- Gerado por tools/verificacao/gera_manual.py a partir de "
      "tests/verificacao/casos.ini: não editar à mão. -->\n</head>\n<body>\n")
    w("<h1>Quintaro — Manual de verificação</h1>\n")
    w(f"<p>{e(version)}</p>\n")
    w("<p>Cada caso abaixo é uma barra verificada pelo programa <b>quintaro-lote</b> "
      "(as mesmas verificações das janelas, o mesmo catálogo de perfis) e comparada com um "
      "valor de referência: um exemplo publicado, com a sua referência bibliográfica, ou um "
      "cálculo manual, com os seus passos. A diferença é "
      "(programa − referência) / |referência| × 100 %, com o valor do programa como a janela "
      "o mostra (duas casas decimais); o caso confere quando a diferença não passa da "
      "tolerância do caso. Unidades: kN, cm, kN·cm, kN/cm²; força normal positiva de "
      "tração.</p>\n")
    w("<p>Este documento é gerado pelo script <tt>tools/verificacao/gera_manual.py</tt> a "
      "partir de <tt>tests/verificacao/casos.ini</tt>; um teste automático o gera de novo "
      "e falha se algum caso sair da tolerância ou se este texto não estiver em dia.</p>\n")

    # Totals.
    w("<h2>Resumo</h2>\n<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\">\n")
    w("<tr><th>Norma</th><th>Casos</th><th>Conferem</th><th>Não conferem</th>"
      "<th>Pendentes</th><th>Maior diferença</th></tr>\n")
    for code, title in STANDARDS.items():
        group = [c for c in cases if c["norma"] == code]
        if not group:
            continue
        diffs = [abs(c["diff"]) for c in group if "diff" in c]
        largest = comma(max(diffs), 3) + " %" if diffs else "—"
        pending = sum(1 for c in group if "pending" in c)
        good = sum(1 for c in group if passed(c))
        w(f"<tr><td>{title}</td><td align=\"right\">{len(group)}</td>"
          f"<td align=\"right\">{good}</td>"
          f"<td align=\"right\">{len(group) - good - pending}</td>"
          f"<td align=\"right\">{pending}</td><td align=\"right\">{largest}</td></tr>\n")
    w("</table>\n")
    if pending_reason and any("pending" in c for c in cases):
        w(f"<p><b>Casos pendentes:</b> {e(pending_reason)}</p>\n")

    # Table of contents by standard and limit state.
    w("<h2>Sumário</h2>\n")
    for code, title in STANDARDS.items():
        group = [c for c in cases if c["norma"] == code]
        if not group:
            continue
        w(f"<h3>{title}</h3>\n")
        for state in LIMIT_STATES:
            inside = [c for c in group if c["estado"] == state]
            if not inside:
                continue
            w(f"<p><b>{e(state)}</b></p>\n<ul>\n")
            for c in inside:
                w(f"<li><a href=\"#{e(c['id'])}\">{e(c['id'])}</a> — {e(c['titulo'])} "
                  f"({e(c['familia'])}): {status(c)}</li>\n")
            w("</ul>\n")

    # The cases.
    for code, title in STANDARDS.items():
        group = [c for c in cases if c["norma"] == code]
        if not group:
            continue
        w(f"<h2 style=\"page-break-before: always\">{title}</h2>\n")
        for state in LIMIT_STATES:
            inside = [c for c in group if c["estado"] == state]
            if not inside:
                continue
            w(f"<h3>{e(state)}</h3>\n")
            for c in inside:
                write_case(w, c)
    w("</body>\n</html>\n")
    return out.getvalue()


def write_case(w, c):
    e = html.escape
    w(f"<h4><a name=\"{e(c['id'])}\"></a>{e(c['id'])} — {e(c['titulo'])}</h4>\n")
    w("<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\" width=\"100%\">\n")
    w(f"<tr><td width=\"22%\"><b>Família</b></td><td>{e(c['familia'])}</td></tr>\n")
    w(f"<tr><td><b>Estado limite</b></td><td>{e(c['estado'])}</td></tr>\n")
    w(f"<tr><td><b>Fonte</b></td><td>{e(c['fonte'])}</td></tr>\n")
    inputs = "; ".join(f"{column} = {value}" for column, value in c["inputs"] if value != "")
    w(f"<tr><td><b>Entradas</b> (colunas do quintaro-lote)</td><td>{e(inputs)}</td></tr>\n")
    w("</table>\n")
    if c.get("calculo"):
        w("<p><b>Cálculo</b></p>\n<pre style=\"white-space: pre-wrap\">")
        w(e(c["calculo"]))
        w("</pre>\n")
    w("<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\">\n")
    w("<tr><th>Resultado</th><th>Referência</th><th>Programa</th><th>Diferença</th>"
      "<th>Tolerância</th><th>Veredito</th></tr>\n")
    program = e(c["cell"]) if "cell" in c else "—"
    diff = comma(c["diff"], 3) + " %" if "diff" in c else "—"
    verdict = status(c)
    colour = "#007000" if passed(c) else ("#806000" if "pending" in c else "#c00000")
    w(f"<tr><td>{e(c['resultado'])}</td><td align=\"right\">{e(c['referencia'])}</td>"
      f"<td align=\"right\">{program}</td><td align=\"right\">{diff}</td>"
      f"<td align=\"right\">{comma(c['tol'], 2)} %</td>"
      f"<td><font color=\"{colour}\"><b>{verdict}</b></font></td></tr>\n")
    w("</table>\n")
    notes = [c[key] for key in ("error", "pending") if key in c]
    if c.get("messages"):
        notes.append("mensagens do programa: " + c["messages"])
    for note in notes:
        w(f"<p><i>{e(note)}</i></p>\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lote", required=True, help="o programa quintaro-lote construído")
    parser.add_argument("--tabelas", required=True, help="pasta dos catálogos")
    parser.add_argument("--casos", required=True, help="arquivo dos casos (casos.ini)")
    parser.add_argument("--saida", required=True, help="manual.html a escrever ou conferir")
    parser.add_argument("--verificar", action="store_true",
                        help="não escreve: falha se o arquivo não estiver em dia")
    args = parser.parse_args()

    try:
        cases = read_cases(args.casos)
        if not os.access(args.lote, os.X_OK):
            raise CaseError(f"'{args.lote}' não é um programa executável")
        with_2008 = lote_supports_2008(args.lote)
        pending_reason = ""
        if not with_2008:
            pending_reason = ("o quintaro-lote desta versão não tem a opção --norma: os casos "
                              "da NBR 8800:2008 não foram executados e não contam como "
                              "conferidos.")
        runnable = []
        for case in cases:
            if case.get("pendente"):
                case["pending"] = "não executado: " + " ".join(case["pendente"].split())
            elif case["norma"] == "2008" and not with_2008:
                case["pending"] = "não executado: o quintaro-lote não verifica pela NBR 8800:2008"
            else:
                runnable.append(case)
        rows = run_lote(args.lote, args.tabelas, runnable, with_2008) if runnable else {}
        judge(runnable, rows)
        text = write_html(cases, lote_version(args.lote), pending_reason)
    except CaseError as error:
        print(f"gera_manual.py: {error}", file=sys.stderr)
        return 2

    failed = [c for c in cases if "pending" not in c and not passed(c)]
    for c in failed:
        reason = c.get("error") or (f"diferença {comma(c['diff'], 3)} % > tolerância "
                                    f"{comma(c['tol'], 2)} %" if "diff" in c else "não executado")
        print(f"gera_manual.py: caso {c['id']}: {reason}", file=sys.stderr)
    status_code = 1 if failed else 0
    if args.verificar:
        try:
            with open(args.saida, encoding="utf-8") as f:
                current = f.read()
        except OSError as error:
            print(f"gera_manual.py: não foi possível ler '{args.saida}': {error}",
                  file=sys.stderr)
            return 1
        if current != text:
            print(f"gera_manual.py: '{args.saida}' não está em dia: gere-o de novo com "
                  "tools/verificacao/gera_manual.py e faça o commit", file=sys.stderr)
            status_code = 1
    else:
        partial = args.saida + ".part"
        with open(partial, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
        os.replace(partial, args.saida)
    done = sum(1 for c in cases if passed(c))
    print(f"{len(cases)} casos, {done} conferem, {len(failed)} não conferem, "
          f"{sum(1 for c in cases if 'pending' in c)} pendentes")
    return status_code


if __name__ == "__main__":
    sys.exit(main())
