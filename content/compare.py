#!/usr/bin/python3
"""Checks that the bundle is what the content program makes.

    /usr/bin/python3 content/compare.py FRESH_DIR [BUNDLE_DIR] [--qrc app/showerscope.qrc]
    /usr/bin/python3 content/compare.py --regenerate [BUNDLE_DIR] [--qrc app/showerscope.qrc]

FRESH_DIR holds a regeneration (generate.py --out FRESH_DIR); --regenerate makes one in a
temporary folder first. Texts and sounds must be
byte-identical to the bundle; pictures must have the same size and frame count, and in each
image or GIF frame at most 0.1 % of the pixels may differ (font rasterisation and library
versions move a few pixels between machines; a changed figure moves many more). The resource
list must name exactly the catalogue's files. Exits 1 with one line per difference.
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

from showerscope_content.catalogue import ALL_FILES  # noqa: E402

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


def differences(fresh_dir, bundle_dir, qrc_path=None):
    found = []
    for name in ALL_FILES:
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
    if qrc_path:
        listed = resource_list(qrc_path)
        for name in sorted(set(listed) - set(ALL_FILES)):
            found.append(f"{name}: in the resource list but not in the catalogue")
        for name in sorted(set(ALL_FILES) - set(listed)):
            found.append(f"{name}: in the catalogue but not in the resource list")
        if len(listed) != len(set(listed)):
            found.append("the resource list names a file twice")
    return found


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    parser.add_argument("fresh", nargs="?", help="folder of a regeneration")
    parser.add_argument("bundle", nargs="?", default=os.path.join(HERE, "..", "resources"))
    parser.add_argument("--regenerate", action="store_true",
                        help="regenerate into a temporary folder and compare that")
    parser.add_argument("--qrc", default=None)
    args = parser.parse_args()
    if args.regenerate:
        if args.fresh and args.bundle == parser.get_default("bundle"):
            args.bundle = args.fresh  # the one folder given is the bundle
        with tempfile.TemporaryDirectory(prefix="showerscope-content-") as fresh:
            start = time.monotonic()
            subprocess.run([sys.executable, os.path.join(HERE, "generate.py"), "--out", fresh],
                           check=True)
            print(f"regenerated in {time.monotonic() - start:.0f} s")
            found = differences(fresh, args.bundle, args.qrc)
    elif args.fresh:
        found = differences(args.fresh, args.bundle, args.qrc)
    else:
        parser.error("give a folder of a regeneration, or --regenerate")
    for line in found:
        print(line)
    print(f"{len(ALL_FILES)} files compared, {len(found)} differences")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
