"""The bundle's text files, written from the UTF-8 sources in content/texts/ in the encoding,
byte-order mark and line ends that the catalogue gives for each."""

import os

from ..catalogue import TEXTS
from ..output import write_text

SOURCE_DIR = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", "..", "texts"))

FILES = sorted(TEXTS)


def generate(out_dir):
    """Writes every text whose source exists; tests check that all sources exist."""
    for name in FILES:
        source = os.path.join(SOURCE_DIR, name)
        if os.path.exists(source):
            with open(source, encoding="utf-8") as f:
                write_text(name, f.read(), out_dir)
