#!/usr/bin/python3
"""Checks that the bundle is what the content program makes.

    /usr/bin/python3 content/compare.py FRESH_DIR [BUNDLE_DIR] [--qrc app/showerscope.qrc]
    /usr/bin/python3 content/compare.py --regenerate [BUNDLE_DIR] [--qrc app/showerscope.qrc]
        [--qrc-ro app/showerscope_ro.qrc]

FRESH_DIR holds a regeneration (generate.py --out FRESH_DIR); --regenerate makes one in a
temporary folder first. Texts and sounds must be
byte-identical to the bundle; pictures must have the same size and frame count, and in each
image or GIF frame at most 0.1 % of the pixels may differ (font rasterisation and library
versions move a few pixels between machines; a changed figure moves many more). The resource
list must name exactly the catalogue's files. The Romanian twins in ro/ are compared the same
way, must differ from their English originals (a twin that is a copy has no Romanian words),
and the Romanian resource list must name exactly them. Exits 1 with one line per difference.
"""

import argparse
import os
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

import numpy as np
from PIL import Image, ImageSequence

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from showerscope_content.catalogue import ALL_FILES, RO_VARIANTS  # noqa: E402
from showerscope_content.language import ROMANIAN_FOLDER  # noqa: E402

PICTURE_SUFFIXES = (".png", ".jpg", ".jpeg", ".gif")
MAX_DIFFERENT_FRACTION = 0.001
# JPEG spreads a one-pixel change faintly over its 8 x 8 block; in a JPEG a pixel counts as
# different when a channel moves by more than this. In PNG and GIF any change counts.
JPEG_TOLERANCE = 8


def frames(path):
    with Image.open(path) as image:
        return image.size, [np.asarray(f.convert("RGBA"), dtype=np.int16)
                            for f in ImageSequence.Iterator(image)]


def picture_difference(fresh, bundled):
    """None when the pictures agree, else a description of the difference."""
    size_a, frames_a = frames(fresh)
    size_b, frames_b = frames(bundled)
    if size_a != size_b:
        return f"size {size_a} against {size_b}"
    if len(frames_a) != len(frames_b):
        return f"{len(frames_a)} frames against {len(frames_b)}"
    tolerance = JPEG_TOLERANCE if fresh.lower().endswith((".jpg", ".jpeg")) else 0
    worst = 0.0
    for a, b in zip(frames_a, frames_b):
        different = np.any(np.abs(a - b) > tolerance, axis=-1)
        worst = max(worst, float(different.mean()))
    if worst > MAX_DIFFERENT_FRACTION:
        return f"{100 * worst:.2f} % of the pixels differ in one image or frame"
    return None


def resource_list(qrc_path):
    root = ElementTree.parse(qrc_path).getroot()
    return [f.text.strip() for f in root.iter("file")]


def _listed_exactly(qrc_path, names, found):
    listed = resource_list(qrc_path)
    where = os.path.basename(qrc_path)
    for name in sorted(set(listed) - set(names)):
        found.append(f"{name}: in {where} but not in the catalogue")
    for name in sorted(set(names) - set(listed)):
        found.append(f"{name}: in the catalogue but not in {where}")
    if len(listed) != len(set(listed)):
        found.append(f"{where} names a file twice")


def differences(fresh_dir, bundle_dir, qrc_path=None, qrc_ro_path=None):
    found = []
    twins = [os.path.join(ROMANIAN_FOLDER, name) for name in RO_VARIANTS]
    for name in ALL_FILES + twins:
        fresh, bundled = os.path.join(fresh_dir, name), os.path.join(bundle_dir, name)
        if not os.path.exists(fresh):
            found.append(f"{name}: not made by the content program")
        elif not os.path.exists(bundled):
            found.append(f"{name}: missing from the bundle")
        elif name.lower().endswith(PICTURE_SUFFIXES):
            problem = picture_difference(fresh, bundled)
            if problem:
                found.append(f"{name}: {problem}")
        else:
            with open(fresh, "rb") as a, open(bundled, "rb") as b:
                if a.read() != b.read():
                    found.append(f"{name}: bytes differ")
    for name in RO_VARIANTS:
        twin, original = os.path.join(bundle_dir, ROMANIAN_FOLDER, name), os.path.join(bundle_dir, name)
        if os.path.exists(twin) and os.path.exists(original):
            with open(twin, "rb") as a, open(original, "rb") as b:
                if a.read() == b.read():
                    found.append(f"{ROMANIAN_FOLDER}/{name}: a copy of the English picture")
    if qrc_path:
        _listed_exactly(qrc_path, ALL_FILES, found)
    if qrc_ro_path:
        _listed_exactly(qrc_ro_path, RO_VARIANTS, found)
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    parser.add_argument("fresh", nargs="?", help="folder of a regeneration")
    parser.add_argument("bundle", nargs="?", default=os.path.join(HERE, "..", "resources"))
    parser.add_argument("--regenerate", action="store_true",
                        help="regenerate into a temporary folder and compare that")
    parser.add_argument("--qrc", default=None, help="the resource list of the bundle")
    parser.add_argument("--qrc-ro", default=None, help="the resource list of the Romanian twins")
    args = parser.parse_args()
    if args.regenerate:
        if args.fresh and args.bundle == parser.get_default("bundle"):
            args.bundle = args.fresh  # the one folder given is the bundle
        with tempfile.TemporaryDirectory(prefix="showerscope-content-") as fresh:
            start = time.monotonic()
            subprocess.run([sys.executable, os.path.join(HERE, "generate.py"), "--out", fresh],
                           check=True)
            print(f"regenerated in {time.monotonic() - start:.0f} s")
            found = differences(fresh, args.bundle, args.qrc, args.qrc_ro)
    elif args.fresh:
        found = differences(args.fresh, args.bundle, args.qrc, args.qrc_ro)
    else:
        parser.error("give a folder of a regeneration, or --regenerate")
    for line in found:
        print(line)
    print(f"{len(ALL_FILES)} files and {len(RO_VARIANTS)} Romanian twins compared, "
          f"{len(found)} differences")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
