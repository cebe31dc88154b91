"""Every committed table read by an independent dBASE reader (Debian's
python3-dbfread): field names and types, row counts, the rows themselves
against the generator's source rows, unique designations, no empty keys,
rows in default-key order, every number stored exactly."""

import os
import unittest
from decimal import Decimal

import dbfread

from catalogue_support import DATA_DIR, load_generator

ROLLED_I = ["BITOLA", "D", "BF", "TW", "TF", "S", "PESO", "IX", "IY", "WX", "WY",
            "ZX", "ZY", "IT"]
CHANNEL = ["BITOLA", "D", "BF", "TW", "TF", "AG", "PESO", "IX", "IY", "WX", "WY",
           "ZX", "IT", "ZY"]
WELDED = ["PERFIL", "D", "BF", "TW", "TF", "PESO"]
EQUAL_ANGLE = ["BITOLA", "BF", "TF", "AREA", "PESO", "I_XY", "RZ", "XY"]
UNEQUAL_ANGLE = ["BITOLA", "BW", "BF", "TF", "AG", "PESO", "IX", "IY", "X", "Y", "RZ"]
STEEL = ["TIPO", "FY", "FU"]

# file, fields, rows, default key, natural order (the default key, then weight).
# Row counts: Gerdau has 108 W/HP rows (69 W unmarked, 31 W marked H, 8 HP);
# AISC has 28 S, 32 C, 61 equal and 76 unequal angles; the welded sources have
# 139 CS, 127 CVS and 130 VS rows less one repeated VS 400 x 32; 12 steel rows
# less the four NBR 5000 rows.
TABLES = [
    ("I_Laminado.DBF", ROLLED_I, 69 + 28, "D", ["D", "PESO"]),
    ("H_Laminado.DBF", ROLLED_I, 31 + 8, "D", ["D", "PESO"]),
    ("U_Laminado.DBF", CHANNEL, 32, "D", ["D", "PESO"]),
    ("I_Soldado_CS.DBF", WELDED, 139, "D", ["D", "PESO"]),
    ("I_Soldado_CVS.dbf", WELDED, 127, "D", ["D", "PESO"]),
    ("I_Soldado_VS.dbf", WELDED, 130 - 1, "D", ["D", "PESO"]),
    ("L_Laminado.DBF", EQUAL_ANGLE, 61, "BF", ["BF", "PESO"]),
    ("L2_Laminado.DBF", UNEQUAL_ANGLE, 76, "BW", ["BW", "BF", "PESO"]),
    ("tipo_aco.dbf", STEEL, 12 - 4, None, None),
]


def read(name, raw=False):
    return dbfread.DBF(os.path.join(DATA_DIR, name), encoding="cp1252",
                       char_decode_errors="strict", raw=raw, load=True)


class TablesAsAnotherReaderSeesThem(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.generated = {t.file_name: t for t in load_generator().build_tables()}

    def test_field_names_and_types(self):
        for name, fields, _, _, _ in TABLES:
            with self.subTest(table=name):
                table = read(name)
                self.assertEqual(table.field_names, fields)
                types = [f.type for f in table.fields]
                self.assertEqual(types, ["C"] + ["N"] * (len(fields) - 1),
                                 "the designation is text, every other field a number")

    def test_row_counts(self):
        for name, _, count, _, _ in TABLES:
            with self.subTest(table=name):
                self.assertEqual(len(read(name).records), count)
                self.assertEqual(len(self.generated[name].rows), count)

    def test_rows_equal_the_generators_source_rows_field_by_field(self):
        for name, fields, _, _, _ in TABLES:
            source_rows = self.generated[name].rows
            parsed = read(name).records
            raw = read(name, raw=True).records
            self.assertEqual(len(parsed), len(source_rows), name)
            for i, (source, record, raw_record) in enumerate(zip(source_rows, parsed, raw)):
                for field in fields:
                    with self.subTest(table=name, row=i, field=field):
                        expected = source[field]
                        if field == fields[0]:
                            self.assertEqual(record[field], expected)
                        else:
                            # The stored text is the source's number exactly,
                            # and a reader's float is the float of that number.
                            self.assertEqual(Decimal(raw_record[field].decode("ascii").strip()),
                                             expected)
                            self.assertEqual(float(record[field]), float(expected))

    def test_designations_unique_and_not_empty(self):
        for name, fields, _, _, _ in TABLES:
            with self.subTest(table=name):
                names = [r[fields[0]] for r in read(name).records]
                self.assertTrue(all(n.strip() for n in names))
                self.assertEqual(len(set(names)), len(names),
                                 "designations repeated: %s" % sorted(
                                     {n for n in names if names.count(n) > 1}))

    def test_no_empty_weight_or_default_key(self):
        for name, fields, _, key, _ in TABLES:
            required = [key, "PESO"] if key else ["FY", "FU"]
            for field in required:
                with self.subTest(table=name, field=field):
                    for record in read(name).records:
                        value = record[field]
                        self.assertIsNotNone(value, record)
                        self.assertGreater(value, 0, record)

    def test_natural_order_is_default_key_then_weight(self):
        for name, _, _, _, order in TABLES:
            if not order:
                continue
            with self.subTest(table=name):
                keys = [tuple(r[f] for f in order) for r in read(name).records]
                self.assertEqual(keys, sorted(keys))

    def test_designations_in_brazilian_style(self):
        # Family letters, a space, numbers joined by " x ", decimal comma.
        styles = {
            "I_Laminado.DBF": r"(W|I) \d+ x \d+(,\d+)?",
            "H_Laminado.DBF": r"(W|HP) \d+ x \d+,\d",
            "U_Laminado.DBF": r"U \d+ x \d+(,\d+)?",
            "I_Soldado_CS.DBF": r"CS \d+ x \d+",
            "I_Soldado_CVS.dbf": r"CVS \d+ x \d+",
            "I_Soldado_VS.dbf": r"VS \d+ x \d+",
            "L_Laminado.DBF": r"L (\d+) x \1 x \d+(,\d+)?",
            "L2_Laminado.DBF": r"L \d+ x \d+ x \d+(,\d+)?",
        }
        for name, pattern in styles.items():
            with self.subTest(table=name):
                field = read(name).field_names[0]
                for record in read(name).records:
                    self.assertRegex(record[field], "^" + pattern + "$")


if __name__ == "__main__":
    unittest.main()
