"""The bundle check tolerates a few moved pixels but not a changed picture."""

import os
import sys

import numpy as np
import pytest
from PIL import Image

sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
import compare  # noqa: E402


def picture(path, changed=0, size=(200, 200), frames=1):
    rng = np.random.default_rng(3)
    base = rng.integers(0, 255, size=(size[1], size[0], 3), dtype=np.uint8)
    images = []
    for k in range(frames):
        a = base.copy()
        if k == frames - 1 and changed:
            flat = a.reshape(-1, 3)
            flat[:changed] = 255 - flat[:changed]
        images.append(Image.fromarray(a))
    if path.endswith(".gif"):
        images[0].save(path, save_all=True, append_images=images[1:])
    else:
        images[0].save(path)
    return path


@pytest.mark.parametrize("suffix, changed, size, frames, agrees", [
    (".png", 0, (200, 200), 1, True),
    (".png", 9, (200, 200), 1, True),      # a few pixels moved by font rasterisation
    (".png", 400, (200, 200), 1, False),   # 1 %: a changed figure
    (".png", 0, (201, 200), 1, False),     # another size
    (".gif", 200, (200, 200), 3, False),   # one changed frame is enough
])
def test_pictures_agree_within_a_thousandth_of_their_pixels(tmp_path, suffix, changed, size, frames,
                                                             agrees):
    bundled = picture(str(tmp_path / f"a{suffix}"), frames=frames)
    fresh = picture(str(tmp_path / f"b{suffix}"), changed, size, frames)
    assert (compare.picture_difference(fresh, bundled) is None) == agrees


@pytest.mark.parametrize("qrc, names", [
    ("showerscope.qrc", compare.ALL_FILES),
    ("showerscope_ro.qrc", compare.RO_VARIANTS),
])
def test_the_resource_lists_name_exactly_the_catalogue(qrc, names):
    here = os.path.dirname(__file__)
    listed = compare.resource_list(os.path.join(here, "..", "..", "app", qrc))
    assert sorted(listed) == sorted(names)
