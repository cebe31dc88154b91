"""Rows of the committed tables checked against values typed by hand from the
source CSV files (data/sources), read with python3-dbfread."""

import os
import unittest

import dbfread

from catalogue_support import DATA_DIR


def rows_by_designation(name):
    table = dbfread.DBF(os.path.join(DATA_DIR, name), encoding="cp1252", load=True)
    key = table.field_names[0]
    return {r[key]: dict(r) for r in table.records}


# (table, designation, {field: value}). Each row copies its source line:
# gerdau_w_hp.csv, aisc_s.csv, aisc_c.csv, aisc_l_equal.csv, aisc_l_unequal.csv,
# welded_*.csv. The channel's ZX is the source's x-bar; an unequal angle's BW
# is the long leg and X, Y the source's x-bar and y-bar.
SPOT_ROWS = [
    # "W 150 x 13,0",W 6 x 8,5,W,,standard,148,100,4.3,4.9,138,118,13.0,16.6,
    # 0.67,635,85.8,6.18,96.4,82,16.4,2.22,25.5,2.6,1.72,...
    ("I_Laminado.DBF", "W 150 x 13,0",
     dict(D=148, BF=100, TW=4.3, TF=4.9, S=16.6, PESO=13.0, IX=635, IY=82, WX=85.8,
          WY=16.4, ZX=96.4, ZY=25.5, IT=1.72)),
    # W 610 x 153,0 is printed with 154.2 kg/m by Gerdau: kept as printed.
    ("I_Laminado.DBF", "W 610 x 153,0",
     dict(D=623, BF=229, TW=14.0, TF=24.9, S=196.5, PESO=154.2, IX=125783, IY=4999,
          WX=4038.0, WY=436.6, ZX=4622.7, ZY=683.3, IT=303.29)),
    # S75X8.5,S3X5.7,8.5,5.7,10.7,76.2,59.2,4.32,6.6,15.9,104,27.4,31.8,3.12,18.6,
    # 6.28,10.7,1.32,1.8,...
    ("I_Laminado.DBF", "I 75 x 8,5",
     dict(D=76.2, BF=59.2, TW=4.32, TF=6.6, S=10.7, PESO=8.5, IX=104, IY=18.6, WX=27.4,
          WY=6.28, ZX=31.8, ZY=10.7, IT=1.8)),
    ("I_Laminado.DBF", "I 610 x 180",
     dict(D=622, BF=204, TW=20.3, TF=27.7, S=229, PESO=180, IX=132000, IY=3450, WX=4230,
          WY=338, ZX=5010, ZY=595, IT=533)),
    # "W 150 x 22,5" is marked H by Gerdau: rolled H table.
    ("H_Laminado.DBF", "W 150 x 22,5",
     dict(D=152, BF=152, TW=5.8, TF=6.6, S=29.0, PESO=22.5, IX=1229, IY=387, WX=161.7,
          WY=50.9, ZX=179.6, ZY=77.9, IT=4.75)),
    ("H_Laminado.DBF", "HP 200 x 53,0",
     dict(D=204, BF=207, TW=11.3, TF=11.3, S=68.1, PESO=53.0, IX=4977, IY=1673,
          WX=488.0, WY=161.7, ZX=551.3, ZY=248.6, IT=31.93)),
    # C75X6.1,C3X4.1,6.1,4.1,7.74,76.2,35.8,4.32,6.93,17.5,68.7,18,21.6,3,7.95,3.21,
    # 6.54(Zy),1.01,1.11(x-bar),1.17,0.665,1.12(J),...
    ("U_Laminado.DBF", "U 75 x 6,1",
     dict(D=76.2, BF=35.8, TW=4.32, TF=6.93, AG=7.74, PESO=6.1, IX=68.7, IY=7.95, WX=18,
          WY=3.21, ZX=1.11, IT=1.12, ZY=6.54)),
    # C150X12.2: Zy 16,2 cm³.
    ("U_Laminado.DBF", "U 150 x 12,2",
     dict(D=152, BF=48.8, TW=5.08, TF=8.71, AG=15.4, PESO=12.2, IX=545, IY=28.6, WX=71.3,
          WY=8, ZX=1.3, IT=3.06, ZY=16.2)),
    # C380X74: Zy 133 cm³.
    ("U_Laminado.DBF", "U 380 x 74",
     dict(D=381, BF=94.5, TW=18.2, TF=16.5, AG=94.8, PESO=74, IX=16800, IY=458, WX=882,
          WY=61.8, ZX=2.03, IT=110, ZY=133)),
    # L51X51X3.2,L2X2X1/8,2.4,1.65,3.17,50.8,50.8,3.18,9.53,1.36,1.36,7.87,...,
    # rz 0.993
    ("L_Laminado.DBF", "L 51 x 51 x 3,2",
     dict(BF=50.8, TF=3.18, AREA=3.17, PESO=2.4, I_XY=7.87, RZ=0.993, XY=1.36)),
    ("L_Laminado.DBF", "L 305 x 305 x 34,9",
     dict(BF=305, TF=35.1, AREA=201, PESO=156, I_XY=17200, RZ=5.84, XY=8.89)),
    # L102X76X6.4,L4X3X1/4,8.6,5.8,10.9,102,76.2,6.35,15.9,1.84(x),3.1(y),114(Ix),
    # 16.2,3.23,55.4(Iy),9.59,2.25,28.8,1.62(rz),...
    ("L2_Laminado.DBF", "L 102 x 76 x 6,4",
     dict(BW=102, BF=76.2, TF=6.35, AG=10.9, PESO=8.6, IX=114, IY=55.4, X=1.84, Y=3.1,
          RZ=1.62)),
    ("tipo_aco.dbf", "MR250", dict(FY=25.0, FU=40.0)),
    ("tipo_aco.dbf", "AR350 COR", dict(FY=35.0, FU=48.5)),
    ("tipo_aco.dbf", "ASTM A572 Gr 50", dict(FY=34.5, FU=45.0)),
]

# Welded sections: the four plates from the source, and PESO the mass of the
# plates, A = 2 bf tf + (d - 2 tf) tw, P = A x 7850 kg/m3, to 0,01 kgf/m.
WELDED_ROWS = [
    # CS 250 x 52: A = 2*250*9.5 + (250 - 19)*8 = 4750 + 1848 = 6598 mm2
    #              P = 65.98 cm2 * 0.785 = 51.794 -> 51.79
    ("I_Soldado_CS.DBF", "CS 250 x 52", dict(D=250, BF=250, TW=8, TF=9.5), 51.79),
    # CVS 300 x 113: A = 2*250*22.4 + (300 - 44.8)*12.5 = 11200 + 3190 = 14390 mm2
    #                P = 143.90 * 0.785 = 112.96
    ("I_Soldado_CVS.dbf", "CVS 300 x 113", dict(D=300, BF=250, TW=12.5, TF=22.4), 112.96),
    # VS 400 x 32, the row kept: A = 2*140*8 + (400 - 16)*4.75 = 2240 + 1824 = 4064
    #              P = 40.64 * 0.785 = 31.90
    ("I_Soldado_VS.dbf", "VS 400 x 32", dict(D=400, BF=140, TW=4.75, TF=8), 31.90),
    # VS 2000 x 624: A = 2*550*44.5 + (2000 - 89)*16 = 48950 + 30576 = 79526
    #                P = 795.26 * 0.785 = 624.28
    ("I_Soldado_VS.dbf", "VS 2000 x 624", dict(D=2000, BF=550, TW=16, TF=44.5), 624.28),
]


class RowsAgainstTheSources(unittest.TestCase):
    def check_row(self, table, designation, expected):
        rows = rows_by_designation(table)
        self.assertIn(designation, rows)
        row = rows[designation]
        for field, value in expected.items():
            with self.subTest(table=table, section=designation, field=field):
                self.assertAlmostEqual(row[field], value, places=9)

    def test_rolled_angle_and_steel_rows(self):
        for table, designation, expected in SPOT_ROWS:
            self.check_row(table, designation, expected)

    def test_welded_rows_weigh_what_their_plates_weigh(self):
        for table, designation, plates, weight in WELDED_ROWS:
            self.check_row(table, designation, dict(plates, PESO=weight))

    def test_h_marked_w_shapes_are_not_in_the_i_table_and_unmarked_not_in_h(self):
        i_rows, h_rows = rows_by_designation("I_Laminado.DBF"), rows_by_designation("H_Laminado.DBF")
        self.assertNotIn("W 150 x 22,5", i_rows)  # marked H
        self.assertNotIn("HP 200 x 53,0", i_rows)
        self.assertNotIn("W 150 x 13,0", h_rows)  # not marked
        self.assertNotIn("W 200 x 15,0", h_rows)
        self.assertIn("W 200 x 15,0", i_rows)
        self.assertFalse(set(i_rows) & set(h_rows))

    def test_steel_in_force_at_start_up_is_mr250_and_garbled_grades_are_left_out(self):
        table = dbfread.DBF(os.path.join(DATA_DIR, "tipo_aco.dbf"), encoding="cp1252",
                            load=True)
        names = [r["TIPO"] for r in table.records]
        self.assertEqual(names[0], "MR250")
        for garbled in ["G-30", "G-35", "G-42", "G-45"]:
            self.assertNotIn(garbled, names)

    def test_repeated_vs_400_x_32_is_kept_once_with_the_first_plates(self):
        table = dbfread.DBF(os.path.join(DATA_DIR, "I_Soldado_VS.dbf"), encoding="cp1252",
                            load=True)
        found = [r for r in table.records if r["PERFIL"] == "VS 400 x 32"]
        self.assertEqual(len(found), 1)
        self.assertEqual((found[0]["BF"], found[0]["TF"]), (140, 8.0))
        # The dropped row (bf 180, tf 6,3) is not there under any name.
        self.assertFalse([r for r in table.records
                          if r["D"] == 400 and r["BF"] == 180 and r["TF"] == 6.3])


if __name__ == "__main__":
    unittest.main()
