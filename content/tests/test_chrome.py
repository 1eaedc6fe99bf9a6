"""The screens' chrome and click sounds: formats, levels, official flag colours, readable
backgrounds, distinct button states, and byte-identical regeneration."""

import filecmp
import wave

import numpy as np
import pytest
from PIL import Image

from showerscope_content.families import chrome, sounds


@pytest.fixture(scope="module")
def out(tmp_path_factory):
    directory = tmp_path_factory.mktemp("chrome")
    chrome.generate(str(directory))
    sounds.generate(str(directory))
    return directory


def read_wav(path):
    with wave.open(str(path)) as w:
        params = (w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getcomptype())
        samples = np.frombuffer(w.readframes(w.getnframes()), "<i2").astype(np.float64) / 32768.0
    return params, samples


def relative_luminance(rgb):
    """WCAG relative luminance of sRGB pixels (0..255)."""
    c = np.asarray(rgb, dtype=np.float64) / 255.0
    lin = np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4)
    return 0.2126 * lin[..., 0] + 0.7152 * lin[..., 1] + 0.0722 * lin[..., 2]


def white_contrast(luminance):
    return 1.05 / (luminance + 0.05)


def over(image, backdrop_rgb):
    """An RGBA image flattened over a plain colour, as float RGB."""
    a = np.asarray(image.convert("RGBA"), dtype=np.float64)
    alpha = a[..., 3:] / 255.0
    return a[..., :3] * alpha + np.asarray(backdrop_rgb, dtype=np.float64) * (1 - alpha)


# ------------------------------------------------------------------ sounds

@pytest.mark.parametrize("name", sounds.FILES)
def test_sound_is_a_short_normalised_click_without_pops(out, name):
    (channels, width, rate, comp), s = read_wav(out / name)
    assert (channels, width, rate, comp) == (1, 2, 44100, "NONE")
    duration_ms = 1000.0 * len(s) / rate
    assert 20.0 < duration_ms < 150.0, duration_ms
    peak_dbfs = 20 * np.log10(np.max(np.abs(s)))
    assert -1.5 <= peak_dbfs <= -0.5, peak_dbfs
    # Ends faded: a fast attack rising from silence, a tail that dies out before the file ends.
    assert abs(s[0]) < 0.002 and abs(s[-1]) < 0.002, (s[0], s[-1])
    assert np.max(np.abs(s[:4])) < 0.05, s[:4]
    assert np.max(np.abs(s[-rate // 1000:])) < 0.01, np.max(np.abs(s[-rate // 1000:]))
    assert abs(s.mean()) < 5e-4, s.mean()


def spectral_centroid_hz(samples, rate=44100):
    power = np.abs(np.fft.rfft(samples)) ** 2
    freqs = np.fft.rfftfreq(len(samples), 1.0 / rate)
    return float((freqs * power).sum() / power.sum())


def test_close_click_is_lower_and_choice_click_has_two_onsets(out):
    centroids = {n: spectral_centroid_hz(read_wav(out / n)[1])
                 for n in ("click3.wav", "click4.wav", "click6.wav")}
    assert centroids["click6.wav"] < 0.7 * centroids["click4.wav"], centroids
    # The language chime has two separate onsets; the plain click has one.
    _, s = read_wav(out / "click3.wav")
    envelope = np.convolve(np.abs(s), np.ones(220) / 220, mode="same")
    half = int(0.030 * 44100)
    assert envelope[half:].max() > 0.6 * envelope[:half].max()


# ------------------------------------------------------------------ flags

def sample(image, rect, fx, fy):
    """The colour at fractional position (fx, fy) of a rectangle of the image."""
    x, y, w, h = rect
    return np.asarray(image.convert("RGB"))[int(y + fy * h), int(x + fx * w)].astype(int)


def assert_colour(actual, expected, tolerance=3, where=""):
    assert np.all(np.abs(np.asarray(actual) - np.asarray(expected)) <= tolerance), \
        f"{where}: {tuple(actual)} != {expected}"


def test_romanian_tricolour_has_official_colours(out):
    image = Image.open(out / "rou.png")
    rect = chrome.FLAG_RECTS["rou"]
    assert rect[2] * 2 == rect[3] * 3
    for fx, colour in ((1 / 6, (0, 43, 127)), (1 / 2, (252, 209, 22)), (5 / 6, (206, 17, 38))):
        for fy in (0.2, 0.5, 0.8):
            assert_colour(sample(image, rect, fx, fy), colour, where=f"stripe at {fx:.2f}, {fy}")


def union_flag_point(along, across, diagonal):
    """Fractional flag position of a point `along` units on a saltire diagonal from the
    centre and `across` units to its side (flag of 60 x 30 units, y downwards).
    diagonal 1 runs top hoist to bottom fly, diagonal 2 bottom hoist to top fly."""
    sqrt5 = np.sqrt(5.0)
    if diagonal == 1:
        direction, normal = np.array([2, 1]) / sqrt5, np.array([1, -2]) / sqrt5
    else:
        direction, normal = np.array([2, -1]) / sqrt5, np.array([1, 2]) / sqrt5
    u, w = along * direction + across * normal
    return (u + 30.0) / 60.0, (w + 15.0) / 30.0


BLUE, RED, WHITE = (1, 33, 105), (200, 16, 46), (255, 255, 255)

# (along, across, diagonal, colour): the counterchange puts the broad white uppermost in the
# hoist, so the red stripe lies on opposite sides of each diagonal in hoist and fly.
UNION_FLAG_SAMPLES = [
    (-18, -1.0, 1, RED), (-18, +1.6, 1, WHITE),   # top hoist
    (+18, +1.0, 1, RED), (+18, -1.6, 1, WHITE),   # bottom fly
    (-18, +1.0, 2, RED), (-18, -1.6, 2, WHITE),   # bottom hoist
    (+18, -1.0, 2, RED), (+18, +1.6, 2, WHITE),   # top fly
]


def test_union_flag_has_counterchanged_saltires_and_official_colours(out):
    image = Image.open(out / "eng.png")
    rect = chrome.FLAG_RECTS["eng"]
    assert rect[2] == 2 * rect[3]
    for along, across, diagonal, colour in UNION_FLAG_SAMPLES:
        fx, fy = union_flag_point(along, across, diagonal)
        assert_colour(sample(image, rect, fx, fy), colour, tolerance=4,
                      where=f"diagonal {diagonal} at {along}, {across}")
    # St George's cross with its white border, and the blue field between the arms.
    for (u, w), colour in (((0, 0), RED), ((0, -13), RED), ((-25, 0), RED), ((4, -12), WHITE),
                           ((-22, 4), WHITE), ((-12, -13), BLUE), ((-28, -8), BLUE),
                           ((28, 8), BLUE), ((12, 13), BLUE)):
        assert_colour(sample(image, rect, (u + 30) / 60, (w + 15) / 30), colour, tolerance=4,
                      where=f"flag units {u}, {w}")


@pytest.mark.parametrize("kind", ["eng", "rou"])
def test_flag_badges_are_square_with_a_darker_pressed_face(out, kind):
    normal = Image.open(out / f"{kind}.png").convert("RGBA")
    pressed = Image.open(out / f"{kind}p.png").convert("RGBA")
    for image in (normal, pressed):
        assert image.size == (200, 200)
        assert image.getpixel((0, 0))[3] == 0, "badge corners must be transparent"
    x, y, w, h = chrome.FLAG_RECTS[kind]
    box = (x + 4, y + 4, x + w - 4, y + h - 4)
    lum_normal = relative_luminance(np.asarray(normal.convert("RGB").crop(box))).mean()
    lum_pressed = relative_luminance(np.asarray(pressed.convert("RGB").crop(box))).mean()
    assert lum_pressed < 0.8 * lum_normal, (lum_normal, lum_pressed)


# ------------------------------------------------------------------ button faces

NIGHT = (10, 18, 40)  # about the backgrounds' mean colour


def test_button_faces_share_a_size_and_differ_clearly_by_state(out):
    faces = {n: Image.open(out / n).convert("RGBA") for n in ("un3.png", "un1.png", "un2.png", "un.png")}
    assert len({f.size for f in faces.values()}) == 1
    for name, face in faces.items():
        assert face.getpixel((0, 0))[3] == 0, f"{name}: corners must be transparent"
    mean = {n: relative_luminance(over(f, NIGHT)).mean() for n, f in faces.items()}
    assert mean["un1.png"] > 1.3 * mean["un3.png"] > 1.3 * 1.3 * mean["un2.png"], mean
    # White captions stay readable on every face, hovered included.
    for name, face in faces.items():
        w, h = face.size
        centre = over(face, NIGHT)[h // 4: 3 * h // 4, w // 4: 3 * w // 4]
        assert white_contrast(relative_luminance(centre).mean()) >= 4.5, name


# ------------------------------------------------------------------ backgrounds

# Where white text sits, in the coordinates of the window each background is drawn on.
TEXT_AREAS = {
    "bk5.jpg": ((832, 545), [(320, 50, 171, 61), (230, 140, 471, 51)]),
    "bk13.jpg": ((1024, 580), [(310, 130, 701, 361), (440, 30, 371, 41), (30, 90, 231, 351)]),
    "bk1.jpg": ((951, 628), [(0, 0, 951, 560)]),
}


@pytest.mark.parametrize("name", sorted(TEXT_AREAS))
def test_backgrounds_keep_white_text_readable(out, name):
    image = Image.open(out / name)
    assert image.format == "JPEG" and image.mode == "RGB"
    pixels = np.asarray(image)
    height, width, _ = pixels.shape
    window, areas = TEXT_AREAS[name]
    sx, sy = width / window[0], height / window[1]
    for x, y, w, h in areas:
        area = relative_luminance(pixels[int(y * sy): int((y + h) * sy), int(x * sx): int((x + w) * sx)])
        assert white_contrast(area.mean()) >= 7.0, (name, (x, y, w, h), area.mean())
        assert np.percentile(area, 99) <= 0.10, (name, (x, y, w, h), np.percentile(area, 99))


def test_background_sizes_fit_their_windows(out):
    # The chooser paints bk5 unscaled (a smaller picture would tile); the others are stretched.
    assert Image.open(out / "bk5.jpg").size == (832, 545)
    assert Image.open(out / "bk13.jpg").size[0] >= 1024
    w, h = Image.open(out / "bk1.jpg").size
    assert w >= 1400 and h >= 880
    for name in ("bk5.jpg", "bk13.jpg", "bk1.jpg"):
        assert (out / name).stat().st_size < 400_000, name


# ------------------------------------------------------------------ determinism

def test_regeneration_is_byte_identical(out, tmp_path):
    chrome.generate(str(tmp_path))
    sounds.generate(str(tmp_path))
    names = chrome.FILES + sounds.FILES
    match, mismatch, errors = filecmp.cmpfiles(out, tmp_path, names, shallow=False)
    assert not mismatch and not errors, (mismatch, errors)
