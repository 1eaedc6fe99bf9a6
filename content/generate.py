#!/usr/bin/python3
"""Regenerates the bundle files in resources/.

    /usr/bin/python3 content/generate.py            # every family
    /usr/bin/python3 content/generate.py chrome vxb # only these families

A family writes its pictures into the bundle folder and the Romanian twins of those with words
into its ro/ folder under the same names (showerscope_content/language.py).
    /usr/bin/python3 content/generate.py --icons packaging/icons   # the desktop icons
    /usr/bin/python3 content/generate.py --descriptions screens/common/picture_descriptions.json
"""

import argparse
import importlib
import os
import pkgutil
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)


def use_baseline_arithmetic():
    """Restarts this program once with numpy's processor-specific code paths turned off.

    numpy picks vector routines for the processor it runs on, and its AVX-512 ones round sin,
    cos and exp differently in the last bit. One bit is enough to move a dash of a curve, a
    sample count or a track that ends exactly at the ground, so the same program made GIFs that
    differed from machine to machine. With only the baseline code every machine computes the
    same numbers, and the bundle the same bytes."""
    if "NPY_DISABLE_CPU_FEATURES" in os.environ:
        return
    from numpy.core import _multiarray_umath as npy
    present = [f for f in npy.__cpu_dispatch__ if npy.__cpu_features__.get(f)]
    if present:
        env = dict(os.environ, NPY_DISABLE_CPU_FEATURES=" ".join(present))
        os.execve(sys.executable, [sys.executable] + sys.argv, env)


if __name__ == "__main__":
    use_baseline_arithmetic()

import matplotlib  # noqa: E402

matplotlib.use("Agg")

from showerscope_content import families  # noqa: E402
from showerscope_content import output  # noqa: E402
from showerscope_content.catalogue import ALL_FILES, RO_VARIANTS  # noqa: E402


def family_modules():
    names = sorted(m.name for m in pkgutil.iter_modules(families.__path__))
    return {name: importlib.import_module(f"showerscope_content.families.{name}") for name in names}


def check_coverage(modules):
    """Every catalogue file is made by exactly one family, and no family makes other files;
    the Romanian twins (a family's RO_FILES) are twins of that family's own files and are
    exactly the catalogue's RO_VARIANTS."""
    owner = {}
    for name, module in modules.items():
        for f in module.FILES:
            if f in owner:
                raise SystemExit(f"{f} is made by both {owner[f]} and {name}")
            if f not in ALL_FILES:
                raise SystemExit(f"{name} makes {f}, which is not in the catalogue")
            owner[f] = name
    twins = []
    for name, module in modules.items():
        for f in getattr(module, "RO_FILES", ()):
            if owner.get(f) != name:
                raise SystemExit(f"{name} draws a Romanian twin of {f}, which it does not make")
            twins.append(f)
    if sorted(twins) != sorted(RO_VARIANTS):
        raise SystemExit("the families' Romanian twins differ from the catalogue's RO_VARIANTS: "
                         + ", ".join(sorted(set(twins) ^ set(RO_VARIANTS))[:8]))
    return [f for f in ALL_FILES if f not in owner]


def write_descriptions(modules, path):
    """Collects every family's describe(): {picture: {"en": ..., "ro": ...}}, sorted, UTF-8."""
    import json
    descriptions = {}
    for module in modules.values():
        if hasattr(module, "describe"):
            descriptions.update(module.describe())
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        json.dump(descriptions, out, ensure_ascii=False, indent=1, sort_keys=True)
        out.write("\n")
    print(f"descriptions: {len(descriptions)} pictures in {path}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    parser.add_argument("families", nargs="*", help="families to regenerate (default: all)")
    parser.add_argument("--out", default=os.path.join(HERE, "..", "resources"),
                        help="folder to write into (default: the bundle, resources/)")
    parser.add_argument("--strict", action="store_true",
                        help="fail when a figure has text too small or faint where it is shown")
    parser.add_argument("--descriptions", metavar="FILE",
                        help="write the figures' descriptions for assistive technology (English and "
                             "Romanian, JSON) into FILE and stop")
    parser.add_argument("--icons", metavar="DIR",
                        help="write the desktop icons (not part of the bundle) into DIR and stop")
    args = parser.parse_args()
    if args.icons:
        from showerscope_content.families import chrome
        chrome.generate_desktop_icons(os.path.abspath(args.icons))
        print(f"icons: {len(chrome.DESKTOP_ICON_SIZES) + 1} files in {args.icons}")
        return
    modules = family_modules()
    if args.descriptions:
        write_descriptions(modules, os.path.abspath(args.descriptions))
        return
    missing = check_coverage(modules)
    if missing:
        print(f"note: no family makes {len(missing)} catalogue files: {', '.join(missing[:8])}...")
    chosen = args.families or list(modules)
    unknown = [f for f in chosen if f not in modules]
    if unknown:
        raise SystemExit(f"unknown families: {', '.join(unknown)}; known: {', '.join(modules)}")
    os.makedirs(args.out, exist_ok=True)
    for name in chosen:
        start = time.monotonic()
        modules[name].generate(os.path.abspath(args.out))
        twins = len(getattr(modules[name], "RO_FILES", ()))
        print(f"{name}: {len(modules[name].FILES)} files and {twins} Romanian twins in "
              f"{time.monotonic() - start:.1f} s")
    problems = sorted(set(output.ILLEGIBLE))
    for line in problems:
        print(f"illegible: {line}")
    if problems and args.strict:
        raise SystemExit(f"{len(problems)} texts too small or too faint where they are shown")


if __name__ == "__main__":
    main()
