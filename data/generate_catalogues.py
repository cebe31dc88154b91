#!/usr/bin/env python3
"""Builds Quintaro's nine dBASE III tables from the CSV source tables.

    python3 data/generate_catalogues.py                 # writes into data/
    python3 data/generate_catalogues.py --out DIR       # writes into DIR

Standard library only. The files are written by the small dBASE III writer
below with a fixed date in the header, so running it again gives the
committed files byte for byte. Every number is copied from its source text
without rounding: each numeric field gets as many decimals as its longest
source value needs, and every value is checked to read back exactly.
See data/PROVENANCE.md for the sources, the designation rule and the choices.
"""

import argparse
import csv
import os
import re
import struct
import sys
from decimal import Decimal

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_SOURCES = os.path.join(HERE, "sources")

# Date written in every header (year, month, day). Fixed, never today's date.
HEADER_DATE = (2026, 12, 1)
# Byte 29 of the header: language driver 0x03 = Windows ANSI (code page 1252).
LANGUAGE_DRIVER_CP1252 = 0x03
TEXT_ENCODING = "cp1252"
# Width of the designation fields: the longest designation is 18 characters
# ("L 305 x 305 x 34,9"); the rest is room for a user's own rows.
DESIGNATION_WIDTH = 20


class Field:
    """One column of a table: name as stored, 'C' (text) or 'N' (number)."""

    def __init__(self, name, kind, width=0, decimals=0):
        assert len(name) <= 10 and name == name.upper(), name
        assert kind in ("C", "N"), kind
        self.name = name
        self.kind = kind
        self.width = width
        self.decimals = decimals


class Table:
    """A table ready to write: file name, fields, rows (dicts field -> value),
    the default key and the order the rows were sorted in."""

    def __init__(self, file_name, fields, rows, default_key, sort_fields):
        self.file_name = file_name
        self.fields = fields
        self.rows = rows
        self.default_key = default_key
        self.sort_fields = sort_fields

    @property
    def designation_field(self):
        return self.fields[0].name


# ---------------------------------------------------------------------------
# Reading the sources


def read_csv(sources, name):
    with open(os.path.join(sources, name), encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def number(row, column):
    """The source cell as an exact decimal; an empty cell is an error."""
    text = row[column].strip()
    if not text:
        raise ValueError("empty %s in %r" % (column, row))
    value = Decimal(text)
    assert value.is_finite(), (column, text)
    return value


# ---------------------------------------------------------------------------
# Designations
#
# One rule for every family: the letters that name the family become the
# Brazilian family letters (AISC S -> I, AISC C -> U; W, HP, L, CS, CVS and VS
# stay), a space follows them, every "X" or "x" between two numbers becomes
# " x ", and the decimal point becomes a decimal comma. No digit is added or
# dropped. Gerdau's designations are already written this way.

BRAZILIAN_LETTERS = {"S": "I", "C": "U", "L": "L", "W": "W", "HP": "HP",
                     "CS": "CS", "CVS": "CVS", "VS": "VS"}
NUMBER = r"\d+(?:\.\d+)?"
SOURCE_DESIGNATION = re.compile(
    r"^(HP|CVS|CS|VS|W|S|C|L)(%s(?:[Xx]%s)+)$" % (NUMBER, NUMBER))
BRAZILIAN_DESIGNATION = re.compile(r"^(I|U|L|W|HP|CS|CVS|VS) \d+(,\d+)?( x \d+(,\d+)?)+$")


def brazilian_designation(source):
    match = SOURCE_DESIGNATION.match(source)
    if not match:
        raise ValueError("designation not understood: %r" % source)
    letters = BRAZILIAN_LETTERS[match.group(1)]
    numbers = re.split(r"[Xx]", match.group(2))
    return letters + " " + " x ".join(n.replace(".", ",") for n in numbers)


def checked_designation(text):
    assert BRAZILIAN_DESIGNATION.match(text), "not a Brazilian designation: %r" % text
    return text


# ---------------------------------------------------------------------------
# The tables


def numbers_from(row, mapping):
    return {field: number(row, column) for field, column in mapping}


ROLLED_I_FIELDS = ["BITOLA", "D", "BF", "TW", "TF", "S", "PESO", "IX", "IY",
                   "WX", "WY", "ZX", "ZY", "IT"]
GERDAU_COLUMNS = [("D", "d_mm"), ("BF", "bf_mm"), ("TW", "tw_mm"), ("TF", "tf_mm"),
                  ("S", "area_cm2"), ("PESO", "weight_kg_m"), ("IX", "Ix_cm4"),
                  ("IY", "Iy_cm4"), ("WX", "Wx_cm3"), ("WY", "Wy_cm3"),
                  ("ZX", "Zx_cm3"), ("ZY", "Zy_cm3"), ("IT", "IT_cm4")]
AISC_S_COLUMNS = [("D", "d_mm"), ("BF", "bf_mm"), ("TW", "tw_mm"), ("TF", "tf_mm"),
                  ("S", "area_cm2"), ("PESO", "weight_kg_m"), ("IX", "Ix_cm4"),
                  ("IY", "Iy_cm4"), ("WX", "Wx_cm3"), ("WY", "Wy_cm3"),
                  ("ZX", "Zx_cm3"), ("ZY", "Zy_cm3"), ("IT", "IT_J_cm4")]
CHANNEL_FIELDS = ["BITOLA", "D", "BF", "TW", "TF", "AG", "PESO", "IX", "IY",
                  "WX", "WY", "ZX", "IT", "ZY"]
# ZX of the channel table holds the centroid's distance from the back of the web.
# ZY, the published plastic modulus about the axis parallel to the web, came
# later and is the last field, so that the fields before it keep their places.
AISC_C_COLUMNS = [("D", "d_mm"), ("BF", "bf_mm"), ("TW", "tw_mm"), ("TF", "tf_mm"),
                  ("AG", "area_cm2"), ("PESO", "weight_kg_m"), ("IX", "Ix_cm4"),
                  ("IY", "Iy_cm4"), ("WX", "Wx_cm3"), ("WY", "Wy_cm3"),
                  ("ZX", "x_bar_cm"), ("IT", "IT_J_cm4"), ("ZY", "Zy_cm3")]
WELDED_FIELDS = ["PERFIL", "D", "BF", "TW", "TF", "PESO"]
# PESO of a welded section is the mass of its plates (area x 7850 kg/m3), not
# the rounded mass in its designation: the lightest-section search walks the
# table in PESO order, and the designation masses tie (and round) where the
# sections differ.
WELDED_COLUMNS = [("D", "d_mm"), ("BF", "bf_mm"), ("TW", "tw_mm"), ("TF", "tf_mm"),
                  ("PESO", "weight_kg_m_calc")]
EQUAL_ANGLE_FIELDS = ["BITOLA", "BF", "TF", "AREA", "PESO", "I_XY", "RZ", "XY"]
UNEQUAL_ANGLE_FIELDS = ["BITOLA", "BW", "BF", "TF", "AG", "PESO", "IX", "IY",
                        "X", "Y", "RZ"]
# BW is the long leg, BF the short one; IX is about the axis parallel to the
# short leg; X is measured from the back of the long leg, Y from the back of
# the short leg (AISC's x-bar and y-bar).
UNEQUAL_ANGLE_COLUMNS = [("BW", "leg_long_mm"), ("BF", "leg_short_mm"), ("TF", "t_mm"),
                         ("AG", "area_cm2"), ("PESO", "weight_kg_m"), ("IX", "Ix_cm4"),
                         ("IY", "Iy_cm4"), ("X", "x_bar_cm"), ("Y", "y_bar_cm"),
                         ("RZ", "rz_cm")]
STEEL_FIELDS = ["TIPO", "FY", "FU"]

# The steel listed first is the one in force when the program starts.
FIRST_STEEL = "MR250"
# Rows of steel_grades.csv left out: their values were read from a garbled
# transcription (see PROVENANCE.md).
GARBLED_STEEL_STANDARD = "ABNT NBR 5000"
GARBLED_STEELS = {"G-30", "G-35", "G-42", "G-45"}

# The welded VS table lists "VS 400 x 32" twice; the designation must be a
# unique key, so the second row is dropped (see PROVENANCE.md).
DROPPED_DUPLICATES = {
    "welded_vs.csv": [{"designation": "VS 400 x 32", "bf_mm": "180", "tf_mm": "6.3"}],
}


def gerdau_rows(sources, want_h):
    rows = []
    for r in read_csv(sources, "gerdau_w_hp.csv"):
        marked_h = "H" in r["catalog_markers"].split()
        family = r["family"]
        assert family in ("W", "HP"), family
        if want_h:
            keep = family == "HP" or marked_h
        else:
            keep = family == "W" and not marked_h
        if keep:
            row = {"BITOLA": checked_designation(r["designation"])}
            assert row["BITOLA"].startswith(family + " "), row
            row.update(numbers_from(r, GERDAU_COLUMNS))
            rows.append(row)
    return rows


def aisc_rows(sources, file_name, columns):
    rows = []
    for r in read_csv(sources, file_name):
        row = {"BITOLA": checked_designation(brazilian_designation(r["designation"]))}
        row.update(numbers_from(r, columns))
        rows.append(row)
    return rows


def welded_rows(sources, file_name, series):
    dropped = list(DROPPED_DUPLICATES.get(file_name, []))
    rows = []
    for r in read_csv(sources, file_name):
        drop = [d for d in dropped if all(r[k] == v for k, v in d.items())]
        if drop:
            dropped.remove(drop[0])
            continue
        name = checked_designation(r["designation"])
        assert name.startswith(series + " "), name
        # The designation column agrees with the rule applied to the
        # fabricator's own label (e.g. "CS250x52" -> "CS 250 x 52").
        assert brazilian_designation(r["designation_source"]) == name, name
        row = {"PERFIL": name}
        row.update(numbers_from(r, WELDED_COLUMNS))
        rows.append(row)
    assert not dropped, "duplicate to drop not found: %r" % dropped
    return rows


def equal_angle_rows(sources):
    rows = []
    for r in read_csv(sources, "aisc_l_equal.csv"):
        leg = number(r, "leg_long_mm")
        assert leg == number(r, "leg_short_mm"), r["designation"]
        assert number(r, "Ix_cm4") == number(r, "Iy_cm4"), r["designation"]
        assert number(r, "x_bar_cm") == number(r, "y_bar_cm"), r["designation"]
        rows.append({
            "BITOLA": checked_designation(brazilian_designation(r["designation"])),
            "BF": leg,
            "TF": number(r, "t_mm"),
            "AREA": number(r, "area_cm2"),
            "PESO": number(r, "weight_kg_m"),
            "I_XY": number(r, "Ix_cm4"),
            "RZ": number(r, "rz_cm"),
            "XY": number(r, "x_bar_cm"),
        })
    return rows


def unequal_angle_rows(sources):
    rows = aisc_rows(sources, "aisc_l_unequal.csv", UNEQUAL_ANGLE_COLUMNS)
    for row in rows:
        assert row["BW"] > row["BF"], row["BITOLA"]
    return rows


def steel_rows(sources):
    rows, left_out = [], set()
    for r in read_csv(sources, "steel_grades.csv"):
        if r["standard"] == GARBLED_STEEL_STANDARD:
            left_out.add(r["name"])
            continue
        rows.append({"TIPO": r["name"], "FY": number(r, "fy_kN_cm2"),
                     "FU": number(r, "fu_kN_cm2")})
    assert left_out == GARBLED_STEELS, left_out
    first = [row for row in rows if row["TIPO"] == FIRST_STEEL]
    assert len(first) == 1, FIRST_STEEL
    return first + [row for row in rows if row["TIPO"] != FIRST_STEEL]


def sorted_rows(rows, sort_fields, designation):
    # The default key, then the weight, then the designation: the natural order
    # is the order the program's default index shows.
    return sorted(rows, key=lambda r: tuple(r[f] for f in sort_fields) + (r[designation],))


def build_tables(sources=DEFAULT_SOURCES):
    """Every table, in the order of the program's file list."""
    plans = [
        ("I_Laminado.DBF", ROLLED_I_FIELDS, "D", ["D", "PESO"],
         gerdau_rows(sources, want_h=False) + aisc_rows(sources, "aisc_s.csv", AISC_S_COLUMNS)),
        ("H_Laminado.DBF", ROLLED_I_FIELDS, "D", ["D", "PESO"],
         gerdau_rows(sources, want_h=True)),
        ("U_Laminado.DBF", CHANNEL_FIELDS, "D", ["D", "PESO"],
         aisc_rows(sources, "aisc_c.csv", AISC_C_COLUMNS)),
        ("I_Soldado_CS.DBF", WELDED_FIELDS, "D", ["D", "PESO"],
         welded_rows(sources, "welded_cs.csv", "CS")),
        ("I_Soldado_CVS.dbf", WELDED_FIELDS, "D", ["D", "PESO"],
         welded_rows(sources, "welded_cvs.csv", "CVS")),
        ("I_Soldado_VS.dbf", WELDED_FIELDS, "D", ["D", "PESO"],
         welded_rows(sources, "welded_vs.csv", "VS")),
        ("L_Laminado.DBF", EQUAL_ANGLE_FIELDS, "BF", ["BF", "PESO"],
         equal_angle_rows(sources)),
        # Long leg, then short leg, then weight: each pair of legs together,
        # thinnest first, as a mill's table lists them.
        ("L2_Laminado.DBF", UNEQUAL_ANGLE_FIELDS, "BW", ["BW", "BF", "PESO"],
         unequal_angle_rows(sources)),
        ("tipo_aco.dbf", STEEL_FIELDS, None, None, steel_rows(sources)),
    ]
    # Tables of one layout (rolled I and H; the three welded series) get the
    # same field sizes, taken from all their rows together.
    layout_rows = {}
    for _, names, _, _, rows in plans:
        layout_rows.setdefault(tuple(names), []).extend(rows)
    tables = []
    for file_name, names, default_key, sort_fields, rows in plans:
        designation = names[0]
        if sort_fields:
            rows = sorted_rows(rows, sort_fields, designation)
        all_rows = layout_rows[tuple(names)]
        fields = [text_field(designation, all_rows) if i == 0 else number_field(name, all_rows)
                  for i, name in enumerate(names)]
        table = Table(file_name, fields, rows, default_key, sort_fields)
        check_table(table)
        tables.append(table)
    return tables


# ---------------------------------------------------------------------------
# Field sizes


def decimals_needed(value):
    exponent = value.normalize().as_tuple().exponent
    return max(0, -exponent)


def integer_digits(value):
    return len(str(abs(int(value))))


def number_field(name, rows):
    values = [r[name] for r in rows]
    decimals = max(decimals_needed(v) for v in values)
    digits = max(integer_digits(v) for v in values)
    # One place for a sign and one spare digit, so that a user's own row a
    # little beyond the catalogue's range still fits.
    width = 1 + digits + 1 + (decimals + 1 if decimals else 0)
    return Field(name, "N", width, decimals)


def text_field(name, rows):
    longest = max(len(r[name]) for r in rows)
    assert longest <= DESIGNATION_WIDTH, (name, longest)
    return Field(name, "C", DESIGNATION_WIDTH, 0)


def check_table(table):
    names = [f.name for f in table.fields]
    designation = table.designation_field
    assert all(set(r) == set(names) for r in table.rows), table.file_name
    seen = set()
    for r in table.rows:
        assert r[designation], "empty designation in %s" % table.file_name
        assert r[designation] not in seen, "%s twice in %s" % (r[designation], table.file_name)
        seen.add(r[designation])
        # Every catalogue row has its default key and its weight; every steel
        # its fy and fu.
        keys = [table.default_key, "PESO"] if table.default_key else ["FY", "FU"]
        for key in keys:
            assert r[key] is not None and r[key] > 0, (table.file_name, key, r)
    for field in table.fields:
        for r in table.rows:
            cell = encode_cell(field, r[field.name])
            assert decode_cell(field, cell) == r[field.name], (table.file_name, field.name, r)


# ---------------------------------------------------------------------------
# dBASE III writer


def encode_cell(field, value):
    if field.kind == "C":
        raw = value.encode(TEXT_ENCODING)
        assert value == value.strip() and len(raw) <= field.width, (field.name, value)
        return raw.ljust(field.width, b" ")
    text = format(value, ".%df" % field.decimals)
    assert Decimal(text) == value, (field.name, value, text)
    raw = text.encode("ascii")
    assert len(raw) <= field.width, (field.name, value, field.width)
    return raw.rjust(field.width, b" ")


def decode_cell(field, raw):
    if field.kind == "C":
        return raw.decode(TEXT_ENCODING).rstrip(" ")
    return Decimal(raw.decode("ascii").strip())


def dbf_bytes(table):
    year, month, day = HEADER_DATE
    header_length = 32 + 32 * len(table.fields) + 1
    record_length = 1 + sum(f.width for f in table.fields)
    header = bytearray(struct.pack("<BBBBIHH20x", 0x03, year - 1900, month, day,
                                   len(table.rows), header_length, record_length))
    header[29] = LANGUAGE_DRIVER_CP1252
    out = bytearray(header)
    for f in table.fields:
        out += struct.pack("<11sc4xBB14x", f.name.encode("ascii"), f.kind.encode("ascii"),
                           f.width, f.decimals)
    out += b"\r"
    for row in table.rows:
        record = b" " + b"".join(encode_cell(f, row[f.name]) for f in table.fields)
        assert len(record) == record_length
        out += record
    out += b"\x1a"
    assert len(out) == header_length + record_length * len(table.rows) + 1
    return bytes(out)


def write_tables(out_dir, sources=DEFAULT_SOURCES):
    tables = build_tables(sources)
    os.makedirs(out_dir, exist_ok=True)
    for table in tables:
        path = os.path.join(out_dir, table.file_name)
        tmp = path + ".tmp"
        with open(tmp, "wb") as f:
            f.write(dbf_bytes(table))
        os.replace(tmp, path)
    return tables


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sources", default=DEFAULT_SOURCES, help="folder of the CSV sources")
    parser.add_argument("--out", default=HERE, help="folder to write the tables into")
    args = parser.parse_args(argv)
    for table in write_tables(args.out, args.sources):
        print("%-18s %4d rows" % (table.file_name, len(table.rows)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
