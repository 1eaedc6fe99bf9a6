"""The committed table that holds the program's C++ physics core to the Python models
(tests/data/model_reference.csv) is what the models compute now."""

import csv
import os

import pytest

from showerscope_content.models import shower

TABLE = os.path.join(os.path.dirname(__file__), "..", "..", "tests", "data", "model_reference.csv")


def test_committed_reference_table_matches_the_models():
    with open(TABLE, encoding="utf-8") as f:
        rows = list(csv.reader(f))
    assert rows[0] == shower.reference_columns()
    computed = shower.reference_rows()
    assert len(rows) - 1 == len(computed)
    for stored, now in zip(rows[1:], computed):
        for name, text, value in zip(rows[0], stored, now):
            if isinstance(value, str):
                assert text == value, name
            else:
                assert float(text) == pytest.approx(value, rel=1e-9, abs=1e-9), (name, stored[:6])
