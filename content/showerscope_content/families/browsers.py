"""Animated maps of the radio pulse of a 10^18 eV shower crossing the 24-station array, in
English and, under ro/, in Romanian.

ampt_*: each station lights up when the pulse reaches it; the marker's area gives the peak
field (three reference circles in the key), its colour the arrival time after the first
station. pol_*: as the pulse passes, each station shows the direction of its peak field on the
ground (an arrow of fixed length), the direction the v x B part alone would give (a faint
arrow under it, so that the tilt the charge excess adds can be seen), the peak field as the
area of a disc, and the vertical component as a symbol beside the station (out of the map for
up, into it for down), not as a direction on the ground. All events come from the north-east
(azimuth 45 deg, counted from East) with the core at the array centre and the mean X_max of the
particle, so that only the zenith angle and the primary change between animations.

Static parts (axes, ring, colour bar, titles, keys) are drawn once with matplotlib; the moving
parts are drawn with Pillow at twice the size and reduced, for smooth edges.
"""

import os

import numpy as np
from matplotlib import cm, colormaps, colors
from matplotlib.patches import Polygon
from PIL import Image, ImageDraw

from .. import language, output, style
from ..catalogue import BROWSER_GIFS, ZENITHS
from ..models import radio

FILES = list(BROWSER_GIFS)
RO_FILES = list(BROWSER_GIFS)

WIDTH, HEIGHT = 560, 530
AZIMUTH_DEG = 45.0          # every browser event arrives from the north-east
FRAMES = 18                 # frames of the sweep; the finished map is then held
HOLD_FRAMES = 7
FRAME_MS = 135
SUPERSAMPLE = 2
AXES_BOX = (68, 96, 338, 354)  # left, top, width, height in pixels of the map
VIEW_M = 470.0              # half-width of the map in metres
KEY_LEFT = AXES_BOX[0] + AXES_BOX[2] + 8   # the key column right of the map, in pixels
PARTICLES = {"prot": "proton", "iron": "iron"}
NAMES = {"proton": ("Proton", "Proton"), "iron": ("Iron", "Fier")}
# Twelve steps of arrival time, light (early) to dark (late): few colours keep the GIFs small.
TIME_CMAP = colors.ListedColormap(colormaps["YlGnBu"](np.linspace(0.15, 1.0, 12)))
FRONT_COLOUR = (255, 200, 120, 110)
STATION_GREY = (150, 150, 150, 255)
# Marker radius of the largest peak field; areas are proportional to the field.
AMPT_MAX_RADIUS = 22.0
REFERENCE_FIELDS_UV_M = (5000, 2000, 1000, 500, 200, 100, 50, 20, 10, 5, 2, 1)
# The polarisation map: arrow of the full model's direction, the v x B part's direction under
# it, a disc whose area is the peak field and the vertical component's symbol.
POL_ARROW = (20, 20, 20, 255)
POL_GHOST = (175, 175, 175, 255)
POL_DISC = (86, 180, 233, 150)        # sky blue, translucent
POL_VERTICAL = (204, 121, 167, 255)   # reddish purple
POL_ARROW_PX = 40.0                   # arrow length, the same at every station
POL_DISC_MAX_PX = 17.0                # disc radius of the largest peak field
POL_VERTICAL_OFFSET = (17.0, 17.0)    # the vertical symbol's place beside its station
POL_VERTICAL_PX = (3.0, 8.0)          # its radius for no vertical field and for all vertical


def _rgb(colour, alpha=255):
    r, g, b = (int(round(255 * c)) for c in colors.to_rgb(colour))
    return (r, g, b, alpha)


def _compass(azimuth_deg, lang):
    names = {"en": ["E", "NE", "N", "NW", "W", "SW", "S", "SE"],
             "ro": ["E", "NE", "N", "NV", "V", "SV", "S", "SE"]}[lang]
    return names[int(round(azimuth_deg / 45.0)) % 8]


def _titles(fig, shower, particle, lang, footnote):
    z = shower.zenith_deg
    name = NAMES[particle][lang == language.ROMANIAN]
    fig.text(0.5, 0.990, language.words(
        lang, f"{name}, 10$^{{18}}$ eV, zenith {z:.0f}°, azimuth {shower.azimuth_deg:.0f}°",
        f"{name}, 10$^{{18}}$ eV, unghi zenital {z:.0f}°, azimut {shower.azimuth_deg:.0f}°"),
        ha="center", va="top", fontsize=12, fontweight="bold")
    xmax = f"X$_\\mathrm{{max}}$ = {shower.xmax:.0f} g/cm$^2$"
    height, distance = shower.height_xmax_m / 1e3, shower.distance_m / 1e3
    fig.text(0.5, 0.948, language.words(
        lang, f"{xmax} at {height:.1f} km altitude, {distance:.1f} km from the core",
        f"{xmax} la {height:.1f} km altitudine, la {distance:.1f} km de centrul jerbei"),
        ha="center", va="top", fontsize=10.5)
    fig.text(0.5, 0.904, language.words(
        lang, f"sin α = {shower.sin_alpha:.2f}, charge-excess fraction a = {shower.a_rho:.2f}",
        f"sin α = {shower.sin_alpha:.2f}, fracția excesului de sarcină a = {shower.a_rho:.2f}"),
        ha="center", va="top", fontsize=10.5)
    spacing = radio.STATION_SPACING_M
    if shower.ring_m < spacing:
        ring = language.words(
            lang, f"Cherenkov ring radius {shower.ring_m:.0f} m: finer than the {spacing:.0f} m grid",
            f"raza inelului Cherenkov {shower.ring_m:.0f} m: sub pasul rețelei, {spacing:.0f} m")
    else:
        ring = language.words(lang, f"Cherenkov ring radius {shower.ring_m:.0f} m (dashed)",
                              f"raza inelului Cherenkov {shower.ring_m:.0f} m (linia întreruptă)")
    fig.text(0.5, 0.870, ring, ha="center", va="top", fontsize=10.5)
    style.footnote(fig, footnote)


def _map_axes(fig, lang):
    left, top, w, h = AXES_BOX
    ax = fig.add_axes([left / WIDTH, 1.0 - (top + h) / HEIGHT, w / WIDTH, h / HEIGHT])
    ax.set_xlim(-VIEW_M, VIEW_M)
    ax.set_ylim(-VIEW_M * h / w, VIEW_M * h / w)
    ax.set_xlabel(language.words(lang, "East (m)", "Est (m)"), labelpad=1, fontsize=12.5)
    ax.set_ylabel(language.words(lang, "North (m)", "Nord (m)"), labelpad=0, fontsize=12.5)
    ax.tick_params(labelsize=10)
    ax.set_axisbelow(True)
    return ax


def _static_map(ax, shower, lang):
    """Core, Cherenkov ring on the ground and the arrival direction."""
    ring = shower.ground_ring()
    ax.add_patch(Polygon(ring, closed=True, fill=False, ls="--", lw=1.2, ec="#888888"))
    ax.plot([0], [0], marker="+", ms=14, mew=2, color="#333333")
    phi = np.radians(shower.azimuth_deg)
    d = np.array([np.cos(phi), np.sin(phi)])
    # An arrow at the edge of the map, on the side the shower comes from; its words sit beside
    # the arrow's tail, on the side away from its shaft.
    edge = 0.97 * VIEW_M / np.max(np.abs(d))
    tail, tip = edge * d, (edge - 95.0) * d
    ax.annotate("", xy=tip, xytext=tail,
                arrowprops=dict(arrowstyle="-|>", color="#333333", lw=2, mutation_scale=16))
    words = language.words(lang, f"shower arrives\nfrom {_compass(shower.azimuth_deg, lang)}",
                           f"jerba sosește\ndinspre {_compass(shower.azimuth_deg, lang)}")
    ax.text(tail[0] - 85.0 * np.sign(d[0] + 1e-9), tail[1], words,
            ha="right" if d[0] >= 0 else "left", va="top" if d[1] >= 0 else "bottom",
            fontsize=9, color="#333333", linespacing=1.1)


def _render(fig, lang):
    name = "browser.gif"
    output.check_legibility(fig, f"{language.ROMANIAN_FOLDER}/{name}" if lang == language.ROMANIAN
                            else name)
    fig.canvas.draw()
    image = Image.frombuffer("RGBA", fig.canvas.get_width_height(),
                             bytes(fig.canvas.buffer_rgba()), "raw", "RGBA", 0, 1)
    return image.convert("RGB")


def _pixel(ax, xy):
    """Pixel coordinates (x right, y down) of ground points (..., 2)."""
    p = ax.transData.transform(np.asarray(xy, dtype=float).reshape(-1, 2))
    return np.column_stack([p[:, 0], HEIGHT - p[:, 1]]).reshape(np.shape(xy))


def _time_grid(ax, shower, t_ref):
    """Arrival time (ns, relative to t_ref) at every pixel of the map, shape (h, w)."""
    left, top, w, h = AXES_BOX
    px, py = np.meshgrid(np.arange(left, left + w) + 0.5, np.arange(top, top + h) + 0.5)
    display = np.column_stack([px.ravel(), HEIGHT - py.ravel()])
    ground = ax.transData.inverted().transform(display).reshape(h, w, 2)
    return shower.arrival_time_ns(ground) - t_ref


def _front_layer(times, t, half_width):
    """Translucent band where the pulse is on the ground at time t, as an RGBA image."""
    band = np.abs(times - t) < half_width
    layer = np.zeros(times.shape + (4,), dtype=np.uint8)
    layer[band] = FRONT_COLOUR
    return Image.fromarray(layer, "RGBA")


def _sweep_times(arrival):
    """Frame times: the arrival times with a margin of 12% before and after."""
    start, end = arrival.min(), arrival.max()
    span = max(end - start, 1.0)
    return np.linspace(start - 0.12 * span, end + 0.12 * span, FRAMES)


def _compose(background, times, t, half_width, overlay):
    frame = background.copy()
    left, top, _, _ = AXES_BOX
    if times is not None:
        front = _front_layer(times, t, half_width)
        frame.paste(front, (left, top), front)
    small = overlay.resize(background.size, Image.LANCZOS)
    frame.paste(small, (0, 0), small)
    return frame


def _station_rings(draw, pixels, s):
    for x, y in pixels:
        draw.ellipse([s * (x - 4), s * (y - 4), s * (x + 4), s * (y + 4)],
                     outline=STATION_GREY, width=s)


def _disc(draw, x, y, r, s, fill, outline=None, width=1):
    draw.ellipse([s * (x - r), s * (y - r), s * (x + r), s * (y + r)], fill=fill,
                 outline=outline, width=width * s)


def _paste_layer(background, layer):
    """Reduces a supersampled drawing and lays it over the background."""
    small = layer.resize(background.size, Image.LANCZOS)
    background.paste(small, (0, 0), small)


def reference_fields_uv_m(largest_uv_m):
    """Three round fields for the marker-size key: the largest round value not above the
    largest field, and about a fifth and a twenty-fifth of it."""
    values = [v for v in REFERENCE_FIELDS_UV_M if v <= largest_uv_m] or [REFERENCE_FIELDS_UV_M[-1]]
    top = REFERENCE_FIELDS_UV_M.index(values[0])
    return [REFERENCE_FIELDS_UV_M[min(top + k, len(REFERENCE_FIELDS_UV_M) - 1)] for k in (0, 2, 4)]


def _model_footnote(lang):
    return language.words(lang, "radio-emission model (geomagnetic + charge excess),\n"
                                "not a CoREAS simulation; lateral shape illustrative",
                          "modelul emisiei radio (geomagnetic + exces de sarcină),\n"
                          "nu o simulare CoREAS; forma laterală ilustrativă")


def _ampt_frames(shower, particle, lang):
    stations = radio.station_positions()
    amplitude = np.linalg.norm(shower.field(stations), axis=-1)
    arrival = shower.arrival_time_ns(stations)
    t0 = arrival.min()
    arrival = arrival - t0
    norm = colors.Normalize(0.0, max(arrival.max(), 1.0))
    largest_uv_m = amplitude.max() * 1e6

    fig, _ = style.figure(WIDTH, HEIGHT, scale=1.2)
    fig.clf()
    ax = _map_axes(fig, lang)
    _static_map(ax, shower, lang)
    _titles(fig, shower, particle, lang, _model_footnote(lang))
    # The key: marker area, three reference circles, then the colour bar of arrival times.
    top = AXES_BOX[1] + 2
    fig.text(KEY_LEFT / WIDTH, 1.0 - top / HEIGHT, language.words(
        lang, f"marker area:\npeak field,\nlargest\n{largest_uv_m:.0f} µV/m",
        f"aria discului:\ncâmpul maxim;\ncel mai mare:\n{largest_uv_m:.0f} µV/m"),
        ha="left", va="top", fontsize=10, linespacing=1.15)
    references = reference_fields_uv_m(largest_uv_m)
    radii = [AMPT_MAX_RADIUS * np.sqrt(v / largest_uv_m) for v in references]
    centres = []
    y = top + 74.0
    for r, value in zip(radii, references):
        y += r
        centres.append((KEY_LEFT + 4 + AMPT_MAX_RADIUS, y))
        fig.text((KEY_LEFT + 10 + 2 * AMPT_MAX_RADIUS) / WIDTH, 1.0 - y / HEIGHT, f"{value} µV/m",
                 ha="left", va="center", fontsize=9.5)
        y += max(r, 7.0) + 6.0
    bar_top = y + 12.0
    cax = fig.add_axes([(KEY_LEFT + 8) / WIDTH, 1.0 - (AXES_BOX[1] + AXES_BOX[3]) / HEIGHT,
                        16 / WIDTH, (AXES_BOX[1] + AXES_BOX[3] - bar_top) / HEIGHT])
    cax.grid(False)
    bar = fig.colorbar(cm.ScalarMappable(norm=norm, cmap=TIME_CMAP), cax=cax)
    bar.set_label(language.words(lang, "arrival time after\nthe first station (ns)",
                                 "momentul sosirii după\nprima stație (ns)"),
                  fontsize=10.5, linespacing=1.05)
    bar.ax.tick_params(labelsize=10)
    background = _render(fig, lang)
    pixels = _pixel(ax, stations)
    times = _time_grid(ax, shower, t0)
    style.close(fig)

    s = SUPERSAMPLE
    key = Image.new("RGBA", (WIDTH * s, HEIGHT * s), (0, 0, 0, 0))
    key_draw = ImageDraw.Draw(key)
    for (x, y), r in zip(centres, radii):
        _disc(key_draw, x, y, r, s, fill=(225, 225, 225, 255), outline=(40, 40, 40, 255))
    _paste_layer(background, key)

    sweep = _sweep_times(arrival)
    step = sweep[1] - sweep[0]
    radius = np.maximum(AMPT_MAX_RADIUS * np.sqrt(amplitude / amplitude.max()), 2.0)
    fill = [_rgb(TIME_CMAP(norm(t))) for t in arrival]
    order = np.argsort(-radius)  # big markers first, small ones stay visible on top
    frames = []
    for t in list(sweep) + [sweep[-1]] * HOLD_FRAMES:
        overlay = Image.new("RGBA", (WIDTH * s, HEIGHT * s), (0, 0, 0, 0))
        draw = ImageDraw.Draw(overlay)
        _station_rings(draw, pixels, s)
        for i in order:
            if arrival[i] > t:
                continue
            x, y = pixels[i]
            rr = radius[i]
            if t - arrival[i] < 1.5 * step:  # the pulse is passing: a bright halo
                _disc(draw, x, y, rr + 5, s, fill=(255, 150, 40, 255))
            _disc(draw, x, y, rr, s, fill=fill[i], outline=(40, 40, 40, 255))
        frames.append(_compose(background, times if t <= sweep[-1] - 0.5 * step else None,
                               t, 0.5 * step, overlay))
    return frames


def _arrow(draw, x, y, dx, dy, colour, s, width=3):
    length = np.hypot(dx, dy)
    if length < 2.0:
        return
    ux, uy = dx / length, dy / length
    head = min(9.0, 0.45 * length)
    bx, by = x + dx - ux * head, y + dy - uy * head
    draw.line([s * x, s * y, s * bx, s * by], fill=colour, width=width * s)
    left = (bx - uy * head * 0.55, by + ux * head * 0.55)
    right = (bx + uy * head * 0.55, by - ux * head * 0.55)
    draw.polygon([(s * (x + dx), s * (y + dy)), (s * left[0], s * left[1]),
                  (s * right[0], s * right[1])], fill=colour)


def _vertical_symbol(draw, x, y, r, up, s):
    """The vertical component beside a station: a circle with a dot (pointing up, out of the
    map) or with a cross (pointing down, into it)."""
    _disc(draw, x, y, r, s, fill=(255, 255, 255, 255), outline=POL_VERTICAL, width=2)
    if up:
        d = max(1.5, 0.35 * r)
        _disc(draw, x, y, d, s, fill=POL_VERTICAL)
    else:
        d = 0.62 * r
        for sx in (-1, 1):
            draw.line([s * (x - d), s * (y - sx * d), s * (x + d), s * (y + sx * d)],
                      fill=POL_VERTICAL, width=2 * s)


def _station_polarisation(draw, x, y, direction, ghost, disc_r, vertical_share, up, grown, s):
    """One station of the polarisation map: disc, v x B direction, full direction, vertical."""
    if disc_r * grown > 0.5:
        _disc(draw, x, y, disc_r * grown, s, fill=POL_DISC)
    half = 0.5 * POL_ARROW_PX * grown
    if ghost is not None:
        _arrow(draw, x - ghost[0] * half, y - ghost[1] * half, 2 * ghost[0] * half,
               2 * ghost[1] * half, POL_GHOST, s, width=5)
    if direction is not None:
        _arrow(draw, x - direction[0] * half, y - direction[1] * half, 2 * direction[0] * half,
               2 * direction[1] * half, POL_ARROW, s, width=2)
    _disc(draw, x, y, 2.5, s, fill=(40, 40, 40, 255))
    if grown >= 1.0:
        low, high = POL_VERTICAL_PX
        _vertical_symbol(draw, x + POL_VERTICAL_OFFSET[0], y + POL_VERTICAL_OFFSET[1],
                         low + (high - low) * vertical_share, up, s)


def _map_direction(field):
    """Unit direction in pixels (x right, y down) of the horizontal part of fields (n, 3), or
    None per station where the field is almost vertical."""
    horizontal = field[:, :2] * np.array([1.0, -1.0])
    length = np.linalg.norm(horizontal, axis=-1)
    total = np.linalg.norm(field, axis=-1)
    return [h / n if n > 0.02 * t else None for h, n, t in zip(horizontal, length, total)]


def _pol_key(fig, lang, largest_uv_m):
    """The key right of the map: texts here, with the symbols drawn beside them by Pillow.
    Returns the symbols' places (pixels)."""
    rows = [
        (None, language.words(lang, "at each station:", "la fiecare stație:")),
        ("arrow", language.words(lang, "direction of\nthe peak field", "direcția\ncâmpului la\nmaxim")),
        ("ghost", language.words(lang, "the v×B part\nalone", "doar partea\nv×B")),
        ("disc", language.words(lang, f"disc area: peak\nfield, largest\n{largest_uv_m:.0f} µV/m",
                                f"aria discului:\ncâmpul maxim;\ncel mai mare:\n{largest_uv_m:.0f} µV/m")),
        ("up", language.words(lang, "vertical part:\nup (out of\nthe map)",
                              "câmp vertical:\nîn sus (ieșind\ndin hartă)")),
        ("down", language.words(lang, "down (into\nthe map)", "în jos (intrând\nîn hartă)")),
        (None, language.words(lang, "Field along −v×B\nwhile the current\ngrows; charge\n"
                                    "excess points to\nthe axis.",
                              "Câmpul e de-a\nlungul lui −v×B\ncât timp curentul\ncrește; excesul\n"
                              "de sarcină arată\nspre axă.")),
    ]
    size = 9.5
    line_px = size * 1.1 * style.DPI / 72.0
    y = AXES_BOX[1] + 2.0
    places = {}
    for symbol, words in rows:
        x = KEY_LEFT if symbol is None else KEY_LEFT + 22
        fig.text(x / WIDTH, 1.0 - y / HEIGHT, words, ha="left", va="top", fontsize=size,
                 color="#222222", linespacing=1.1)
        if symbol is not None:
            places[symbol] = (KEY_LEFT + 10, y + 0.55 * line_px)
        y += (words.count("\n") + 1) * line_px + 9.0
    return places


def _pol_frames(shower, particle, lang):
    stations = radio.station_positions()
    field = shower.field(stations)
    geomagnetic = shower.field(stations, geomagnetic_only=True)
    arrival = shower.arrival_time_ns(stations)
    t0 = arrival.min()
    arrival = arrival - t0
    amplitude = np.linalg.norm(field, axis=-1)
    biggest = amplitude.max()

    fig, _ = style.figure(WIDTH, HEIGHT, scale=1.2)
    fig.clf()
    ax = _map_axes(fig, lang)
    _static_map(ax, shower, lang)
    _titles(fig, shower, particle, lang, _model_footnote(lang))
    places = _pol_key(fig, lang, biggest * 1e6)
    background = _render(fig, lang)
    pixels = _pixel(ax, stations)
    times = _time_grid(ax, shower, t0)
    style.close(fig)

    s = SUPERSAMPLE
    key = Image.new("RGBA", (WIDTH * s, HEIGHT * s), (0, 0, 0, 0))
    key_draw = ImageDraw.Draw(key)
    for name, (x, y) in places.items():
        if name in ("arrow", "ghost"):
            _arrow(key_draw, x - 9, y + 6, 18, -12, POL_ARROW if name == "arrow" else POL_GHOST,
                   s, width=2 if name == "arrow" else 5)
        elif name == "disc":
            _disc(key_draw, x, y + 4, 9, s, fill=POL_DISC)
        else:
            _vertical_symbol(key_draw, x, y, 7, name == "up", s)
    _paste_layer(background, key)

    directions = _map_direction(field)
    ghosts = _map_direction(geomagnetic)
    disc = POL_DISC_MAX_PX * np.sqrt(amplitude / biggest)
    vertical_share = np.abs(field[:, 2]) / np.maximum(amplitude, 1e-30)
    sweep = _sweep_times(arrival)
    step = sweep[1] - sweep[0]
    frames = []
    for t in list(sweep) + [sweep[-1]] * HOLD_FRAMES:
        overlay = Image.new("RGBA", (WIDTH * s, HEIGHT * s), (0, 0, 0, 0))
        draw = ImageDraw.Draw(overlay)
        _station_rings(draw, pixels, s)
        for i, (x, y) in enumerate(pixels):
            # Each station's marks grow over two frames as the pulse passes, then stay.
            grown = np.clip((t - arrival[i]) / (2.0 * step) + 0.5, 0.0, 1.0)
            if grown <= 0.0:
                continue
            _station_polarisation(draw, x, y, directions[i], ghosts[i], disc[i],
                                  vertical_share[i], field[i, 2] >= 0.0, grown, s)
        frames.append(_compose(background, times if t <= sweep[-1] - 0.5 * step else None,
                               t, 0.5 * step, overlay))
    return frames


def browser_shower(particle, zenith_deg):
    """The event shown for one particle ("proton" or "iron") and zenith angle."""
    return radio.Shower(zenith_deg, AZIMUTH_DEG, radio.XMAX_G_CM2[particle])


def generate(out_dir):
    for short, particle in PARTICLES.items():
        for z in ZENITHS:
            shower = browser_shower(particle, float(z))
            for lang in language.LANGUAGES:
                output.save_gif(_ampt_frames(shower, particle, lang),
                                language.path(out_dir, f"ampt_{short}_z{z}.gif", lang), FRAME_MS,
                                colours=48)
                output.save_gif(_pol_frames(shower, particle, lang),
                                language.path(out_dir, f"pol_{short}_z{z}.gif", lang), FRAME_MS,
                                colours=48, keep=[POL_ARROW[:3], POL_VERTICAL[:3]])


# Descriptions for assistive technology: what each animation shows, with its main numbers, from
# the same showers the animations draw.

RO_NAMES = {"proton": "Proton", "iron": "Fier"}


def describe():
    from ..describing import decimal
    stations = radio.station_positions()
    out = {}
    for short, particle in PARTICLES.items():
        for z in ZENITHS:
            shower = browser_shower(particle, z)
            field = shower.field(stations)
            peak = float(np.linalg.norm(field, axis=-1).max()) * 1e6
            arrival = shower.arrival_time_ns(stations)
            spread = float(arrival.max() - arrival.min())
            component = float(np.abs(field).max()) * 1e6
            head_en = (f"{particle} shower of 10¹⁸ eV at zenith {z}°, arriving from azimuth "
                       f"{shower.azimuth_deg:.0f}° (north-east), over a {len(stations)}-station radio array: "
                       f"maximum at {shower.xmax:.0f} g/cm², {shower.height_xmax_m / 1e3:.1f} km high and "
                       f"{shower.distance_m / 1e3:.1f} km from the core; Cherenkov ring radius {shower.ring_m:.0f} m")
            head_ro = (f"Jerbă de {RO_NAMES[particle].lower()} de 10¹⁸ eV la unghiul zenital {z}°, sosită din "
                       f"azimutul {shower.azimuth_deg:.0f}° (nord-est), deasupra unei rețele radio de "
                       f"{len(stations)} de stații: maximul la {shower.xmax:.0f} g/cm², la "
                       f"{decimal(shower.height_xmax_m / 1e3, 1, 'ro')} km înălțime și "
                       f"{decimal(shower.distance_m / 1e3, 1, 'ro')} km de centrul jerbei; raza inelului "
                       f"Cherenkov {shower.ring_m:.0f} m")
            out[f"ampt_{short}_z{z}.gif"] = {
                "en": f"Animation of a {head_en}. The shower front sweeps over the stations; each station's "
                      f"marker grows with its peak field, largest {peak:.0f} µV/m, and is coloured by arrival "
                      f"time, over {spread:.0f} ns.",
                "ro": f"Animație: {head_ro}. Frontul jerbei trece peste stații; marcajul fiecărei stații crește "
                      f"cu câmpul maxim, cel mai mare {peak:.0f} µV/m, și este colorat după timpul de sosire, pe "
                      f"{spread:.0f} ns."}
            out[f"pol_{short}_z{z}.gif"] = {
                "en": f"Animation of a {head_en}. As the front passes, arrows at each station show the East-West, "
                      f"North-South and vertical components of the electric field; the longest is "
                      f"{component:.0f} µV/m.",
                "ro": f"Animație: {head_ro}. Pe măsură ce frontul trece, săgețile de la fiecare stație arată "
                      f"componentele Est-Vest, Nord-Sud și verticală ale câmpului electric; cea mai lungă are "
                      f"{component:.0f} µV/m."}
    return out
