#!/usr/bin/env python3
"""Write the table that holds the program's C++ physics core to the content program's models:
inputs and outputs of showerscope_content.models.shower, one shower a row (CSV).

    python3 content/model_reference.py [--out tests/data/model_reference.csv]
"""

import argparse
import csv
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from showerscope_content.models import shower  # noqa: E402

DEFAULT_OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "data",
                           "model_reference.csv")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=DEFAULT_OUT, help="CSV file to write")
    args = parser.parse_args(argv)
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    with open(args.out, "w", newline="", encoding="utf-8") as f:
        writer = csv.writer(f, lineterminator="\n")
        writer.writerow(shower.reference_columns())
        for row in shower.reference_rows():
            writer.writerow([shower.format_value(v) for v in row])
    return 0


if __name__ == "__main__":
    sys.exit(main())
