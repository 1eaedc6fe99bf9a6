"""Deterministic writers: no timestamps and no software-version text in any file, so that
regenerating unchanged content changes no bytes."""

import io
import os
import wave

import numpy as np
from PIL import Image

from . import language, legibility
from .catalogue import CRLF_TEXTS, TEXTS, UTF16

# Texts found too small or too faint for where their picture is shown (see legibility.py).
ILLEGIBLE = []


def check_legibility(fig, path):
    """Gives a Romanian figure (one written under ro/) its decimal commas, brings the figure's
    texts to a legible size and contrast for where the picture is shown, and records any text
    that still falls short."""
    lang = language.of_path(path)
    language.localise(fig, lang)
    name = os.path.basename(path)
    if lang == language.ROMANIAN:
        name = f"{language.ROMANIAN_FOLDER}/{name}"
    legibility.enforce(fig, name)
    ILLEGIBLE.extend(legibility.problems(fig, name))


def _write_bytes(path, data):
    """Writes only when the content changed, keeping the file's time stamp otherwise."""
    if os.path.exists(path):
        with open(path, "rb") as existing:
            if existing.read() == data:
                return
    with open(path, "wb") as f:
        f.write(data)


def save_image(image, path, quality=90, colours=None):
    """Saves a PIL image as PNG, JPEG or (single-frame) GIF, chosen by the file's suffix.
    `colours` (PNG only) stores the picture with a palette of that many colours: a colour map
    of smooth shades takes a third of the room and looks the same at the size it is shown."""
    suffix = os.path.splitext(path)[1].lower()
    buf = io.BytesIO()
    if suffix == ".png":
        if colours:
            image = image.convert("RGB").quantize(colors=colours, method=Image.Quantize.MEDIANCUT,
                                                  dither=Image.Dither.NONE)
        image.save(buf, "PNG", optimize=True)
    elif suffix in (".jpg", ".jpeg"):
        image.convert("RGB").save(buf, "JPEG", quality=quality, optimize=True)
    else:
        raise ValueError(f"unsupported still-image suffix: {path}")
    _write_bytes(path, buf.getvalue())


def save_figure(fig, path, dpi=100, quality=90, colours=None):
    """Renders a matplotlib figure to PNG or JPEG at exactly figsize*dpi pixels."""
    check_legibility(fig, path)
    buf = io.BytesIO()
    fig.savefig(buf, format="png", dpi=dpi, metadata={"Software": None})
    buf.seek(0)
    image = Image.open(buf)
    image.load()
    expected = (round(fig.get_figwidth() * dpi), round(fig.get_figheight() * dpi))
    if image.size != expected:
        raise ValueError(f"{path}: rendered {image.size}, expected {expected}")
    if os.path.splitext(path)[1].lower() == ".png":
        image = image.convert("RGB")
    save_image(image, path, quality=quality, colours=colours)


def save_gif(frames, path, duration_ms, colours=64, keep=()):
    """Writes an endlessly looping GIF with one shared adaptive palette (small files).
    `keep` lists (r, g, b) colours that get palette entries of their own, so that small
    marks in those colours keep them exactly."""
    if not frames:
        raise ValueError("a GIF needs at least one frame")
    rgb = [f.convert("RGB") for f in frames]
    # One palette from a strip of sampled frames keeps colours stable across frames.
    step = max(1, len(rgb) // 8)
    samples = rgb[::step]
    w, h = samples[0].size
    strip = Image.new("RGB", (w, h * len(samples)))
    for i, frame in enumerate(samples):
        strip.paste(frame, (0, i * h))
    palette_image = strip.quantize(colors=colours - len(keep), method=Image.Quantize.MEDIANCUT)
    if keep:
        adaptive = palette_image.getpalette()[:3 * (colours - len(keep))]
        palette_image.putpalette(adaptive + [c for rgb in keep for c in rgb])
    indexed = [f.quantize(palette=palette_image, dither=Image.Dither.NONE) for f in rgb]
    buf = io.BytesIO()
    indexed[0].save(buf, "GIF", save_all=True, append_images=indexed[1:],
                    duration=duration_ms, loop=0, optimize=False, disposal=1)
    _write_bytes(path, buf.getvalue())


def write_text(name, content, out_dir):
    """Writes a bundle text in the encoding the catalogue gives for it, with its byte-order mark."""
    content = content.replace("\r\n", "\n")
    if name in CRLF_TEXTS:
        content = content.replace("\n", "\r\n")
    if TEXTS[name] == UTF16:
        data = b"\xff\xfe" + content.encode("utf-16-le")
    else:
        data = b"\xef\xbb\xbf" + content.encode("utf-8")
    _write_bytes(os.path.join(out_dir, name), data)


def write_wav(samples, path, rate=44100):
    """Writes mono 16-bit PCM from floats in [-1, 1]."""
    pcm = np.clip(np.round(np.asarray(samples) * 32767.0), -32768, 32767).astype("<i2")
    buf = io.BytesIO()
    with wave.open(buf, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(pcm.tobytes())
    _write_bytes(path, buf.getvalue())
