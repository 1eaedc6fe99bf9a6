"""The screens' chrome: night-sky backgrounds, the glass button faces, the two flag badges and
the window icon.

Everything is drawn from analytic shapes (signed distances give anti-aliased edges) and seeded
noise, so the pictures are the same on every run. The backgrounds stay dark wherever white
text may sit; the button faces are stretched by style sheets to every button size, so they
carry no detail that would look wrong when squeezed.
"""

import os

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

from ..output import save_image

FILES = [
    "bk5.jpg", "bk13.jpg", "bk1.jpg",
    "un3.png", "un1.png", "un2.png", "un.png",
    "eng.png", "engp.png", "rou.png", "roup.png",
    "vorn_logo.png",
]

# Pixel sizes: bk5 is painted unscaled as the chooser's 832 x 545 background; bk13 and bk1
# are stretched over their windows (1024 x 580/590; 951 x 628 up to 1400 x 920).
BACKGROUND_SIZES = {"bk5.jpg": (832, 545), "bk13.jpg": (1024, 590), "bk1.jpg": (1400, 900)}
JPEG_QUALITY = 85

BUTTON_SIZE = (264, 110)
BADGE_SIZE = (200, 200)
ICON_SIZE = 256

# Official flag colours.
UK_BLUE = (1, 33, 105)      # #012169
UK_RED = (200, 16, 46)      # #C8102E
UK_WHITE = (255, 255, 255)
RO_BLUE = (0, 43, 127)      # #002B7F
RO_YELLOW = (252, 209, 22)  # #FCD116
RO_RED = (206, 17, 38)      # #CE1126

# Where each flag sits inside its 200 x 200 badge (x, y, width, height) in the normal face;
# the pressed face shows it PRESS_SHIFT pixels lower and to the right, PRESS_DARKEN darker.
FLAG_RECTS = {"eng": (12, 56, 176, 88), "rou": (16, 42, 168, 112)}
PRESS_SHIFT = 2
PRESS_DARKEN = 0.78


# ---------------------------------------------------------------- drawing primitives

def _grid(width, height):
    y, x = np.mgrid[0:height, 0:width].astype(np.float64)
    return x + 0.5, y + 0.5


def _round_rect_distance(x, y, rect, radius):
    """Signed distance (pixels, negative inside) to a rounded rectangle (x0, y0, w, h)."""
    x0, y0, w, h = rect
    cx, cy = x0 + w / 2.0, y0 + h / 2.0
    qx = np.abs(x - cx) - (w / 2.0 - radius)
    qy = np.abs(y - cy) - (h / 2.0 - radius)
    outside = np.hypot(np.maximum(qx, 0.0), np.maximum(qy, 0.0))
    return outside + np.minimum(np.maximum(qx, qy), 0.0) - radius


def _coverage(distance):
    """Anti-aliased coverage of the region where distance < 0."""
    return np.clip(0.5 - distance, 0.0, 1.0)


def _band(distance, inner, outer):
    """Coverage of the band inner < distance < outer (a rim along a shape's edge)."""
    return np.clip(_coverage(distance - outer) - _coverage(distance - inner), 0.0, 1.0)


def _over(dst, rgb, alpha):
    """Composites a colour layer (rgb in 0..1, per-pixel alpha) over a premultiplied RGBA canvas."""
    rgb = np.broadcast_to(np.asarray(rgb, dtype=np.float64), dst.shape[:2] + (3,))
    a = np.asarray(alpha, dtype=np.float64)[..., None]
    dst[..., :3] = rgb * a + dst[..., :3] * (1.0 - a)
    dst[..., 3:] = a + dst[..., 3:] * (1.0 - a)


def _to_image(premultiplied):
    """Premultiplied float RGBA canvas to a straight-alpha 8-bit Pillow image."""
    alpha = premultiplied[..., 3:]
    rgb = np.where(alpha > 1e-6, premultiplied[..., :3] / np.maximum(alpha, 1e-6), 0.0)
    out = np.concatenate([rgb, alpha], axis=2)
    return Image.fromarray(np.round(np.clip(out, 0, 1) * 255).astype(np.uint8), "RGBA")


def _rgb(colour):
    return np.asarray(colour, dtype=np.float64) / 255.0


def _mix(a, b, t):
    t = np.asarray(t, dtype=np.float64)[..., None]
    return _rgb(a) * (1.0 - t) + _rgb(b) * t


# ---------------------------------------------------------------- backgrounds

def _smooth_noise(rng, width, height, scale_px):
    """Soft cloudy noise in 0..1 (blurred white noise), for the Milky Way and air glow."""
    small = rng.random((max(2, int(height / scale_px)), max(2, int(width / scale_px))))
    image = Image.fromarray(np.uint8(small * 255), "L").resize((width, height), Image.BICUBIC)
    image = image.filter(ImageFilter.GaussianBlur(scale_px / 3.0))
    values = np.asarray(image, dtype=np.float64) / 255.0
    return (values - values.min()) / max(values.max() - values.min(), 1e-9)


def _horizon_line(width, horizon_y, rng, amplitude):
    """Gently rolling hills: the ground's top edge (pixels from the top) for each column."""
    x = np.arange(width, dtype=np.float64)
    line = np.full(width, float(horizon_y))
    for wavelength, share in ((width * 0.9, 1.0), (width * 0.37, 0.45), (width * 0.13, 0.15)):
        phase = rng.uniform(0, 2 * np.pi)
        line -= amplitude * share * (0.5 + 0.5 * np.sin(2 * np.pi * x / wavelength + phase))
    return line


def _add_stars(sky, rng, count, horizon, brightest=0.75):
    """Sparse stars: small soft dots, fewer and fainter towards the horizon."""
    height, width, _ = sky.shape
    xs = rng.uniform(0, width, count)
    ys = rng.uniform(0, height, count)
    # Flux with many faint and few bright stars.
    flux = brightest * rng.power(0.35, count) ** 1.6 + 0.04
    tints = np.array([[0.80, 0.88, 1.00], [1.00, 1.00, 1.00], [1.00, 0.93, 0.82]])
    tint_index = rng.integers(0, 3, count)
    for x0, y0, f, t in zip(xs, ys, flux, tint_index):
        ground = horizon[min(width - 1, int(x0))]
        if y0 > ground - 4:
            continue
        # Atmospheric extinction near the horizon.
        f *= np.clip((ground - y0) / (0.35 * height), 0.15, 1.0)
        sigma = 0.55 + 0.9 * f
        r = int(np.ceil(3 * sigma))
        xi0, xi1 = max(0, int(x0) - r), min(width, int(x0) + r + 2)
        yi0, yi1 = max(0, int(y0) - r), min(height, int(y0) + r + 2)
        yy, xx = np.mgrid[yi0:yi1, xi0:xi1]
        g = np.exp(-((xx + 0.5 - x0) ** 2 + (yy + 0.5 - y0) ** 2) / (2 * sigma ** 2))
        sky[yi0:yi1, xi0:xi1] += f * g[..., None] * tints[t]


def _add_shower(sky, rng, apex, core, tracks, strength):
    """A faint air shower: secondaries branch off the axis at growing depths and fan out
    towards the ground around the core, brightest in the middle of the cascade."""
    height, width, _ = sky.shape
    ss = 2
    layer = Image.new("L", (width * ss, height * ss), 0)
    draw = ImageDraw.Draw(layer)
    ax, ay = apex
    cx, cy = core
    length = np.hypot(cx - ax, cy - ay)
    draw.line([(ss * ax, ss * ay), (ss * (ax + 0.45 * (cx - ax)), ss * (ay + 0.45 * (cy - ay)))],
              fill=255, width=2)
    for _ in range(tracks):
        depth = rng.beta(2.0, 2.5) * 0.8 + 0.1
        bx, by = ax + depth * (cx - ax), ay + depth * (cy - ay)
        lateral = rng.normal(0.0, 0.22 * length * (1.0 - depth) ** 1.2 + 4.0)
        end = rng.uniform(0.55, 1.0)
        ex = bx + end * (cx + lateral - bx)
        ey = by + end * (cy - by)
        level = int(255 * rng.uniform(0.3, 1.0))
        draw.line([(ss * bx, ss * by), (ss * ex, ss * ey)], fill=level, width=1)
    layer = layer.resize((width, height), Image.LANCZOS).filter(ImageFilter.GaussianBlur(0.5))
    tracks_map = np.asarray(layer, dtype=np.float64) / 255.0
    x, y = _grid(width, height)
    along = np.clip((y - ay) / (cy - ay), 0, 1)
    fade = np.sin(np.pi * along ** 0.8) ** 1.2
    sky += strength * (tracks_map * fade)[..., None] * _rgb((170, 205, 255))


def _add_antennas(draw, horizon, positions, scale, colour):
    """Silhouettes of radio antennas (a mast with a butterfly dipole) standing on the ground."""
    for x in positions:
        ground = horizon[int(x / scale)] * scale
        h = 26 * scale
        w = 11 * scale
        draw.line([(x, ground + 2 * scale), (x, ground - h)], fill=colour, width=max(1, int(1.6 * scale)))
        top = ground - h
        for side in (-1, 1):
            draw.polygon([(x, top + 4 * scale), (x + side * w, top - 3 * scale),
                          (x + side * w, top + 9 * scale)], outline=colour, fill=None)
            draw.line([(x, top + 4 * scale), (x + side * w, top + 3 * scale)], fill=colour,
                      width=max(1, int(scale)))


def background(size, seed, horizon_frac, stars, shower=None, antennas=(), milky_way=None):
    """A calm night sky over a dark horizon; returns an RGB Pillow image."""
    width, height = size
    rng = np.random.default_rng(seed)
    x, y = _grid(width, height)
    v = y / height
    horizon_y = horizon_frac * height
    # Deep blue gradient: near-black navy at the zenith to a muted blue above the horizon.
    t = np.clip(v / horizon_frac, 0, 1) ** 1.6
    sky = _mix((4, 8, 22), (16, 34, 70), t)
    # Faint horizon glow (scattered town light and twilight), slightly teal.
    above = np.clip((horizon_y - y) / height, 0, None)
    glow = np.exp(-above / 0.09)
    sky += glow[..., None] * _rgb((14, 34, 46))
    # A thin greenish air-glow band some way above the horizon, broken up by soft noise.
    band = np.exp(-((horizon_y - y) / height - 0.20) ** 2 / (2 * 0.035 ** 2))
    clouds = 0.55 + 0.45 * _smooth_noise(rng, width, height, 90)
    sky += (band * clouds)[..., None] * _rgb((6, 22, 16))
    if milky_way is not None:
        (mx0, my0), (mx1, my1), width_frac = milky_way
        dx, dy = mx1 - mx0, my1 - my0
        norm = np.hypot(dx, dy)
        dist = np.abs((x / width - mx0) * dy - (y / height - my0) * dx) / norm
        haze = np.exp(-dist ** 2 / (2 * width_frac ** 2))
        texture = _smooth_noise(rng, width, height, 40) * _smooth_noise(rng, width, height, 12)
        sky += (haze * (0.35 + 0.65 * texture))[..., None] * _rgb((18, 20, 30))
    horizon = _horizon_line(width, horizon_y, rng, amplitude=0.035 * height)
    _add_stars(sky, rng, stars, horizon)
    if shower is not None:
        _add_shower(sky, rng, **shower)
    # Ground: near-black hills with a soft edge, then antenna silhouettes.
    ground = np.clip(y - horizon[None, :] + 0.5, 0, 1)
    depth = np.clip((y - horizon[None, :]) / (0.2 * height), 0, 1)
    ground_colour = _mix((7, 11, 22), (3, 5, 10), depth)
    sky = sky * (1 - ground[..., None]) + ground_colour * ground[..., None]
    image = Image.fromarray(np.uint8(np.clip(sky, 0, 1) * 255 + 0.5), "RGB")
    if antennas:
        scale = 3
        mask = Image.new("L", (width * scale, height * scale), 0)
        _add_antennas(ImageDraw.Draw(mask), horizon, [p * width * scale for p in antennas], scale, 255)
        mask = mask.resize((width, height), Image.LANCZOS)
        image = Image.composite(Image.new("RGB", (width, height), (3, 5, 10)), image, mask)
    # A trace of noise keeps the gentle gradients from banding in the JPEG.
    dither = rng.normal(0, 0.6, (height, width, 1))
    pixels = np.asarray(image, dtype=np.float64) + dither
    return Image.fromarray(np.uint8(np.clip(pixels, 0, 255) + 0.5), "RGB")


def backgrounds():
    """The three window backgrounds, by bundle name."""
    return {
        # Chooser: the text sits top centre, flags in the middle; a faint shower falls on the left.
        "bk5.jpg": background(BACKGROUND_SIZES["bk5.jpg"], 501, 0.90, 260,
                              shower=dict(apex=(40, -20), core=(112, 478), tracks=90,
                                          strength=0.16),
                              antennas=(0.06, 0.15, 0.87, 0.95),
                              milky_way=((0.55, 0.0), (1.0, 0.75), 0.07)),
        # Menus: abstract panel on the right, buttons on the left; the sky stays plain.
        "bk13.jpg": background(BACKGROUND_SIZES["bk13.jpg"], 1301, 0.93, 330,
                               antennas=(0.33, 0.42, 0.51, 0.60, 0.69, 0.78),
                               milky_way=((0.20, 0.0), (0.75, 1.0), 0.08)),
        # Every other screen: text and graphs anywhere, so only stars and a low glow.
        "bk1.jpg": background(BACKGROUND_SIZES["bk1.jpg"], 101, 0.94, 520,
                              antennas=(0.12, 0.19, 0.26),
                              milky_way=((0.70, 0.0), (0.95, 1.0), 0.06)),
    }


# ---------------------------------------------------------------- button faces

# Per state: body gradient top and bottom, body opacity, rim colour and opacity, gloss
# strength, outer glow, inner shadow at the top (pressed), and the plate's vertical offset.
BUTTON_STATES = {
    "un3.png": dict(top=(58, 96, 142), bottom=(20, 40, 72), opacity=0.82, rim=(170, 208, 240),
                    rim_alpha=0.85, gloss=0.16, glow=0.0, inset=0.0, offset=0.0),
    "un1.png": dict(top=(84, 132, 186), bottom=(34, 66, 108), opacity=0.86, rim=(210, 238, 255),
                    rim_alpha=1.0, gloss=0.22, glow=0.55, inset=0.0, offset=0.0),
    "un2.png": dict(top=(12, 24, 46), bottom=(30, 56, 92), opacity=0.90, rim=(110, 150, 190),
                    rim_alpha=0.70, gloss=0.0, glow=0.0, inset=0.55, offset=2.0),
    "un.png": dict(top=(86, 92, 102), bottom=(46, 50, 58), opacity=0.60, rim=(170, 176, 186),
                   rim_alpha=0.55, gloss=0.08, glow=0.0, inset=0.0, offset=0.0),
}


def button_face(state):
    """One glass plate: rounded, translucent steel blue, light rim, glossy upper half."""
    width, height = BUTTON_SIZE
    s = BUTTON_STATES[state]
    x, y = _grid(width, height)
    margin = 6.0
    radius = 30.0
    plate = (margin, margin + s["offset"], width - 2 * margin, height - 2 * margin - s["offset"])
    d = _round_rect_distance(x, y, plate, radius)
    canvas = np.zeros((height, width, 4))
    if s["glow"]:
        halo = np.exp(-np.maximum(d, 0) / 2.2) * (d > -1)
        _over(canvas, _rgb((120, 200, 255)), s["glow"] * halo * (1 - _coverage(d)))
    v = np.clip((y - plate[1]) / plate[3], 0, 1)
    _over(canvas, _mix(s["top"], s["bottom"], v), s["opacity"] * _coverage(d))
    if s["gloss"]:
        # Highlight on the upper half, shaped like the plate and fading downwards.
        inner = plate[0] + 5, plate[1] + 4, plate[2] - 10, plate[3] * 0.48
        dg = _round_rect_distance(x, y, inner, radius * 0.8)
        fade = np.clip(1 - (y - inner[1]) / inner[3], 0, 1) ** 1.3
        _over(canvas, _rgb((255, 255, 255)), s["gloss"] * fade * _coverage(dg))
    if s["inset"]:
        # A shadow along the top inside edge makes the pressed plate look sunk in.
        shade = np.clip(1 - (y - plate[1]) / (0.45 * plate[3]), 0, 1) ** 2
        _over(canvas, _rgb((0, 0, 8)), s["inset"] * shade * _coverage(d + 2))
    # A dark inner line under the light rim gives the edge depth.
    _over(canvas, _rgb((4, 10, 24)), 0.45 * _band(d, -5.0, -3.0))
    rim_alpha = s["rim_alpha"] * (1.0 - 0.45 * v)
    _over(canvas, _rgb(s["rim"]), rim_alpha * _band(d, -3.0, 0.0))
    return _to_image(canvas)


# ---------------------------------------------------------------- flags

def union_flag(width):
    """The flag of the United Kingdom at 1:2, drawn from its 30 x 60 construction:
    St George's cross 6 wide with 2 of white on each side, St Andrew's saltire 6 wide
    with the counterchanged red St Patrick's saltire 2 wide (broad white uppermost in the hoist)."""
    height = width // 2
    ss = 4  # supersampling for clean diagonals
    x, y = _grid(width * ss, height * ss)
    u = x / (width * ss) * 60.0 - 30.0     # flag units from the centre, x towards the fly
    w = y / (height * ss) * 30.0 - 15.0    # y downwards
    s1 = (u - 2.0 * w) / np.sqrt(5.0)      # across the diagonal top-hoist to bottom-fly
    s2 = (u + 2.0 * w) / np.sqrt(5.0)      # across the diagonal bottom-hoist to top-fly
    hoist = u < 0
    flag = np.empty(x.shape + (3,))
    flag[...] = _rgb(UK_BLUE)
    white = (np.abs(s1) < 3.0) | (np.abs(s2) < 3.0)
    red1 = np.where(hoist, (s1 > -2.0) & (s1 < 0.0), (s1 > 0.0) & (s1 < 2.0))
    red2 = np.where(hoist, (s2 > 0.0) & (s2 < 2.0), (s2 > -2.0) & (s2 < 0.0))
    flag[white] = _rgb(UK_WHITE)
    flag[red1 | red2] = _rgb(UK_RED)
    flag[(np.abs(u) < 5.0) | (np.abs(w) < 5.0)] = _rgb(UK_WHITE)
    flag[(np.abs(u) < 3.0) | (np.abs(w) < 3.0)] = _rgb(UK_RED)
    image = Image.fromarray(np.uint8(flag * 255 + 0.5), "RGB")
    return image.resize((width, height), Image.BOX)


def romanian_flag(width):
    """The Romanian tricolour at 2:3: blue, yellow and red vertical stripes of equal width."""
    height = width * 2 // 3
    flag = np.empty((height, width, 3), dtype=np.uint8)
    edges = np.round(np.linspace(0, width, 4)).astype(int)
    for colour, x0, x1 in zip((RO_BLUE, RO_YELLOW, RO_RED), edges[:-1], edges[1:]):
        flag[:, x0:x1] = colour
    return Image.fromarray(flag, "RGB")


def flag_badge(kind, pressed):
    """A flag on a dark glass tile with a soft shadow; pressed: darker and pushed in."""
    width, height = BADGE_SIZE
    fx, fy, fw, fh = FLAG_RECTS[kind]
    shift = PRESS_SHIFT if pressed else 0
    x, y = _grid(width, height)
    canvas = np.zeros((height, width, 4))
    tile = (3.0, 3.0, width - 6.0, height - 6.0)
    d = _round_rect_distance(x, y, tile, 22.0)
    v = np.clip(y / height, 0, 1)
    top, bottom = ((10, 20, 38), (24, 44, 74)) if pressed else ((40, 70, 110), (14, 28, 52))
    _over(canvas, _mix(top, bottom, v), (0.80 if pressed else 0.70) * _coverage(d))
    if not pressed:
        gloss = np.clip(1 - y / (0.5 * height), 0, 1) ** 1.5
        _over(canvas, _rgb((255, 255, 255)), 0.10 * gloss * _coverage(d + 6))
    _over(canvas, _rgb((150, 190, 230) if not pressed else (100, 135, 175)),
          (0.75 if not pressed else 0.55) * _band(d, -2.5, 0.0))
    # Soft drop shadow under the flag.
    rect = (fx + shift, fy + shift, fw, fh)
    shadow = _round_rect_distance(x, y, (rect[0] + 2, rect[1] + 4, fw, fh), 3.0)
    _over(canvas, _rgb((0, 0, 0)), 0.55 * np.exp(-np.maximum(shadow, 0) / 3.0) * (shadow > -2))
    image = _to_image(canvas)
    flag = union_flag(fw) if kind == "eng" else romanian_flag(fw)
    if flag.size != (fw, fh):
        raise ValueError(f"{kind} flag is {flag.size}, expected {(fw, fh)}")
    if pressed:
        flag = Image.fromarray(np.uint8(np.asarray(flag, dtype=np.float64) * PRESS_DARKEN + 0.5))
    image.alpha_composite(flag.convert("RGBA"), (rect[0], rect[1]))
    # A hairline frame keeps the white parts of the flag from melting into the tile's rim.
    outline = ImageDraw.Draw(image)
    outline.rectangle([rect[0] - 1, rect[1] - 1, rect[0] + fw, rect[1] + fh],
                      outline=(10, 18, 34, 150))
    return image


# ---------------------------------------------------------------- window icon

def icon(size=ICON_SIZE):
    """The window icon: a primary track splitting into a cone of secondaries that reaches the
    ground, crossed by the curved front of its radio flash; bold enough to read at 16 x 16.
    Drawn on a 256-unit grid (ICON_SVG below traces the same shapes) and scaled to `size`."""
    ss = 4
    big = ICON_SIZE * ss
    x, y = _grid(big, big)
    canvas = np.zeros((big, big, 4))
    d = _round_rect_distance(x, y, (6 * ss, 6 * ss, big - 12 * ss, big - 12 * ss), 52 * ss)
    _over(canvas, _mix((16, 38, 84), (6, 12, 30), y / big), _coverage(d))
    _over(canvas, _rgb((120, 170, 230)), 0.9 * _band(d, -7.0 * ss, 0.0))
    image = _to_image(canvas)
    draw = ImageDraw.Draw(image)

    def p(px, py):
        return (px * ss, py * ss)

    split = (128, 84)
    ground_y = 200
    # Cone of secondaries fanning out from the first interaction.
    for dx in (-70, -35, 0, 35, 70):
        draw.line([p(*split), p(split[0] + dx, ground_y)], fill=(150, 215, 255, 255), width=12 * ss)
    # The radio front: spherical shells centred on the emission region, moving down with the cone.
    for r in (74, 106):
        box = [p(split[0] - r, split[1] - r), p(split[0] + r, split[1] + r)]
        draw.arc(box, start=52, end=128, fill=(255, 168, 56, 255), width=11 * ss)
    # Primary track and the first interaction.
    draw.line([p(128, 26), p(*split)], fill=(255, 236, 150, 255), width=17 * ss)
    r = 15
    draw.ellipse([p(split[0] - r, split[1] - r), p(split[0] + r, split[1] + r)],
                 fill=(255, 250, 220, 255))
    # Ground line.
    draw.rounded_rectangle([p(36, ground_y - 6), p(220, ground_y + 8)], radius=7 * ss,
                           fill=(235, 240, 250, 255))
    return image.resize((size, size), Image.LANCZOS)


# The same icon as scalable vector graphics, for the desktop's hicolor theme. PIL draws an
# arc's width inwards from its radius, hence the radii 74 - 5.5 and 106 - 5.5.
def _arc_path(r, start=52, end=128, cx=128, cy=84):
    a, b = np.radians(start), np.radians(end)
    return (f"M {cx + r * np.cos(a):.2f} {cy + r * np.sin(a):.2f} "
            f"A {r:g} {r:g} 0 0 1 {cx + r * np.cos(b):.2f} {cy + r * np.sin(b):.2f}")


def icon_svg():
    cone = "".join(f'    <line x1="128" y1="84" x2="{128 + dx}" y2="200"/>\n' for dx in (-70, -35, 0, 35, 70))
    arcs = "".join(f'    <path d="{_arc_path(r - 5.5)}"/>\n' for r in (74, 106))
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="256" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#102654"/>
      <stop offset="1" stop-color="#060c1e"/>
    </linearGradient>
  </defs>
  <rect x="6" y="6" width="244" height="244" rx="52" fill="url(#sky)"/>
  <rect x="9.5" y="9.5" width="237" height="237" rx="48.5" fill="none" stroke="#78aae6" stroke-opacity="0.9" stroke-width="7"/>
  <g stroke="#96d7ff" stroke-width="12">
{cone}  </g>
  <g fill="none" stroke="#ffa838" stroke-width="11">
{arcs}  </g>
  <line x1="128" y1="26" x2="128" y2="84" stroke="#ffec96" stroke-width="17"/>
  <circle cx="128" cy="84" r="15" fill="#fffadc"/>
  <rect x="36" y="194" width="184" height="14" rx="7" fill="#ebf0fa"/>
</svg>
"""


DESKTOP_ICON_SIZES = (16, 32, 48, 64, 128, 256)


def generate_desktop_icons(out_dir):
    """The program's icon for the desktop (outside the bundle): showerscope-<size>.png for the
    hicolor sizes and showerscope.svg."""
    os.makedirs(out_dir, exist_ok=True)
    for size in DESKTOP_ICON_SIZES:
        save_image(icon(size), os.path.join(out_dir, f"showerscope-{size}.png"))
    with open(os.path.join(out_dir, "showerscope.svg"), "w", encoding="utf-8", newline="\n") as f:
        f.write(icon_svg())


# ---------------------------------------------------------------- family entry

def _indexed(image):
    """256-colour palette with alpha: a quarter of the data to inflate, so the chooser, whose
    start-up decodes these faces, opens faster; the smooth shapes show no loss."""
    quantized = image.quantize(colors=255, method=Image.Quantize.FASTOCTREE, dither=Image.Dither.NONE)
    palette = quantized.getpalette(rawmode="RGBA")
    palette = palette + [0, 0, 0, 0] * (256 - len(palette) // 4)
    palette[255 * 4:] = [0, 0, 0, 0]  # entry 255: fully transparent, for the clear margins
    indices = np.array(quantized, dtype=np.uint8)
    indices[np.asarray(image.convert("RGBA"))[..., 3] == 0] = 255
    indexed = Image.fromarray(indices, "P")
    indexed.putpalette(palette, rawmode="RGBA")
    return indexed


def generate(out_dir):
    for name, image in backgrounds().items():
        save_image(image, os.path.join(out_dir, name), quality=JPEG_QUALITY)
    for name in ("un3.png", "un1.png", "un2.png", "un.png"):
        save_image(_indexed(button_face(name)), os.path.join(out_dir, name))
    for kind in ("eng", "rou"):
        save_image(_indexed(flag_badge(kind, pressed=False)), os.path.join(out_dir, f"{kind}.png"))
        save_image(_indexed(flag_badge(kind, pressed=True)), os.path.join(out_dir, f"{kind}p.png"))
    save_image(_indexed(icon()), os.path.join(out_dir, "vorn_logo.png"))
