"""Shared helpers of the catalogue tests: where the data folder is and how to
load the generator as a module."""

import os
import sys

DATA_DIR = os.environ.get(
    "QUINTARO_DATA_DIR",
    os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")))

TABLE_FILES = [
    "I_Laminado.DBF", "H_Laminado.DBF", "U_Laminado.DBF", "I_Soldado_CS.DBF",
    "I_Soldado_CVS.dbf", "I_Soldado_VS.dbf", "L_Laminado.DBF", "L2_Laminado.DBF",
    "tipo_aco.dbf",
]


def load_generator():
    # No bytecode cache inside the source tree's data folder.
    sys.dont_write_bytecode = True
    if DATA_DIR not in sys.path:
        sys.path.insert(0, DATA_DIR)
    import generate_catalogues
    return generate_catalogues
