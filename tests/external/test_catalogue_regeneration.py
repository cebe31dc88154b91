"""Running the generator again gives the committed tables byte for byte."""

import os
import subprocess
import sys
import tempfile
import unittest

from catalogue_support import DATA_DIR, TABLE_FILES


class Regeneration(unittest.TestCase):
    def test_regenerated_tables_equal_committed_ones_byte_for_byte(self):
        with tempfile.TemporaryDirectory() as out:
            subprocess.run(
                [sys.executable, "-B", os.path.join(DATA_DIR, "generate_catalogues.py"),
                 "--out", out],
                check=True, stdout=subprocess.DEVNULL)
            self.assertEqual(sorted(os.listdir(out)), sorted(TABLE_FILES),
                             "the generator writes exactly the nine tables")
            for name in TABLE_FILES:
                with self.subTest(table=name):
                    with open(os.path.join(out, name), "rb") as f:
                        regenerated = f.read()
                    with open(os.path.join(DATA_DIR, name), "rb") as f:
                        committed = f.read()
                    self.assertEqual(len(regenerated), len(committed))
                    self.assertTrue(regenerated == committed,
                                    "%s differs from a fresh run of the generator" % name)

    def test_header_date_is_fixed_not_the_day_of_the_run(self):
        # dBASE III header bytes 1..3: years since 1900, month, day. The
        # generator writes 1 December 2026 whatever day it runs.
        for name in TABLE_FILES:
            with self.subTest(table=name):
                with open(os.path.join(DATA_DIR, name), "rb") as f:
                    header = f.read(4)
                self.assertEqual(header[0], 0x03, "dBASE III without memo")
                self.assertEqual((1900 + header[1], header[2], header[3]), (2026, 12, 1))


if __name__ == "__main__":
    unittest.main()
