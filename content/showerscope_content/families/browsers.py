"""Animated maps of the radio pulse of a 10^18 eV shower crossing the 24-station array.

ampt_*: each station lights up when the pulse reaches it; marker size gives the peak field,
colour the arrival time. pol_*: arrows for the East-West, North-South and vertical components
of the peak field grow at each station as the pulse passes. All events come from the
north-east (azimuth 45 deg, counted from East) with the core at the array centre and the mean
X_max of the particle, so that only the zenith angle and the primary change between animations.

Static parts (axes, ring, colour bar, titles) are drawn once with matplotlib; the moving parts
are drawn with Pillow at twice the size and reduced, for smooth edges.
"""

import os

import numpy as np
from matplotlib import cm, colormaps, colors
from matplotlib.patches import Polygon
from PIL import Image, ImageDraw

from .. import output, style
from ..catalogue import BROWSER_GIFS, ZENITHS
from ..models import radio

FILES = list(BROWSER_GIFS)

WIDTH, HEIGHT = 560, 530
AZIMUTH_DEG = 45.0          # every browser event arrives from the north-east
FRAMES = 22                 # frames of the sweep; the finished map is then held
HOLD_FRAMES = 8
FRAME_MS = 110
SUPERSAMPLE = 2
AXES_BOX = (70, 88, 352, 362)  # left, top, width, height in pixels of the map
VIEW_M = 470.0              # half-width of the map in metres
PARTICLES = {"prot": "proton", "iron": "iron"}
NAMES = {"proton": "Proton", "iron": "Iron"}
# Twelve steps of arrival time, light (early) to dark (late): few colours keep the GIFs small.
TIME_CMAP = colors.ListedColormap(colormaps["YlGnBu"](np.linspace(0.15, 1.0, 12)))
CHANNEL_COLOURS = {"EW": style.ORANGE, "NS": style.SKY, "V": style.PURPLE}
# Drawing directions (pixels, y down) of a positive component: East right, North up and the
# vertical drawn obliquely up-left.
CHANNEL_DIRECTIONS = {"EW": (1.0, 0.0), "NS": (0.0, -1.0), "V": (-0.70710678, -0.70710678)}
FRONT_COLOUR = (255, 200, 120, 110)
STATION_GREY = (150, 150, 150, 255)


def _rgb(colour, alpha=255):
    r, g, b = (int(round(255 * c)) for c in colors.to_rgb(colour))
    return (r, g, b, alpha)


def _compass(azimuth_deg):
    names = ["E", "NE", "N", "NW", "W", "SW", "S", "SE"]
    return names[int(round(azimuth_deg / 45.0)) % 8]


def _titles(fig, shower, particle):
    z = shower.zenith_deg
    fig.text(0.5, 0.985, f"{NAMES[particle]}, 10$^{{18}}$ eV, zenith {z:.0f}°, azimuth "
             f"{shower.azimuth_deg:.0f}° (from {_compass(shower.azimuth_deg)})",
             ha="center", va="top", fontsize=12, fontweight="bold")
    fig.text(0.5, 0.94, f"X$_\\mathrm{{max}}$ = {shower.xmax:.0f} g/cm$^2$ at {shower.height_xmax_m / 1e3:.1f} km"
             f" altitude, {shower.distance_m / 1e3:.1f} km from the core",
             ha="center", va="top", fontsize=10.5)
    fig.text(0.5, 0.897, f"Cherenkov ring radius {shower.ring_m:.0f} m, sin α = "
             f"{shower.sin_alpha:.2f}, charge-excess fraction a = {shower.a_rho:.2f}",
             ha="center", va="top", fontsize=10.5)
    style.footnote(fig, "radio-emission model (geomagnetic + charge excess),\n"
                        "not a CoREAS simulation")


def _map_axes(fig):
    left, top, w, h = AXES_BOX
    ax = fig.add_axes([left / WIDTH, 1.0 - (top + h) / HEIGHT, w / WIDTH, h / HEIGHT])
    ax.set_xlim(-VIEW_M, VIEW_M)
    ax.set_ylim(-VIEW_M * h / w, VIEW_M * h / w)
    ax.set_xlabel("East (m)", labelpad=1, fontsize=12.5)
    ax.set_ylabel("North (m)", labelpad=0, fontsize=12.5)
    ax.tick_params(labelsize=10)
    ax.set_axisbelow(True)
    return ax


def _static_map(ax, shower):
    """Core, Cherenkov ring on the ground and the arrival direction."""
    ring = shower.ground_ring()
    ax.add_patch(Polygon(ring, closed=True, fill=False, ls="--", lw=1.2, ec="#888888"))
    ax.plot([0], [0], marker="+", ms=14, mew=2, color="#333333")
    phi = np.radians(shower.azimuth_deg)
    d = np.array([np.cos(phi), np.sin(phi)])
    # An arrow at the edge of the map, on the side the shower comes from.
    edge = 0.97 * VIEW_M / np.max(np.abs(d))
    tail, tip = edge * d, (edge - 120.0) * d
    ax.annotate("", xy=tip, xytext=tail,
                arrowprops=dict(arrowstyle="-|>", color="#333333", lw=2, mutation_scale=16))
    ax.text(tail[0] - 75.0 * np.sign(d[0] + 1e-9), tail[1] - 10.0, "shower\narrives",
            ha="right" if d[0] >= 0 else "left", va="top", fontsize=9, color="#333333")


def _render(fig):
    output.check_legibility(fig, "browser.gif")
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


def _ampt_frames(shower, particle):
    stations = radio.station_positions()
    amplitude = np.linalg.norm(shower.field(stations), axis=-1)
    arrival = shower.arrival_time_ns(stations)
    t0 = arrival.min()
    arrival = arrival - t0
    norm = colors.Normalize(0.0, max(arrival.max(), 1.0))

    fig, _ = style.figure(WIDTH, HEIGHT, scale=1.2)
    fig.clf()
    ax = _map_axes(fig)
    _static_map(ax, shower)
    _titles(fig, shower, particle)
    cax = fig.add_axes([(AXES_BOX[0] + AXES_BOX[2] + 52) / WIDTH,
                        1.0 - (AXES_BOX[1] + AXES_BOX[3]) / HEIGHT, 16 / WIDTH, 210 / HEIGHT])
    cax.grid(False)
    bar = fig.colorbar(cm.ScalarMappable(norm=norm, cmap=TIME_CMAP), cax=cax)
    bar.set_label("arrival time (ns)", fontsize=11)
    bar.ax.tick_params(labelsize=10)
    fig.text((AXES_BOX[0] + AXES_BOX[2] + 12) / WIDTH, 1.0 - AXES_BOX[1] / HEIGHT,
             "marker size:\npeak field,\nlargest\n"
             f"{amplitude.max() * 1e6:.0f} µV/m\n(lateral\nshape\nillustrative)", ha="left", va="top",
             fontsize=10,
             linespacing=1.15)
    background = _render(fig)
    pixels = _pixel(ax, stations)
    times = _time_grid(ax, shower, t0)
    style.close(fig)

    sweep = _sweep_times(arrival)
    step = sweep[1] - sweep[0]
    radius = 4.0 + 20.0 * amplitude / amplitude.max()
    fill = [_rgb(TIME_CMAP(norm(t))) for t in arrival]
    s = SUPERSAMPLE
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
                h = rr + 5
                draw.ellipse([s * (x - h), s * (y - h), s * (x + h), s * (y + h)],
                             fill=(255, 150, 40, 255))
            draw.ellipse([s * (x - rr), s * (y - rr), s * (x + rr), s * (y + rr)],
                         fill=fill[i], outline=(40, 40, 40, 255), width=s)
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


def _pol_legend(fig, ax_right_px, top_px):
    """The three drawing directions, as a small key right of the map: dark labels (the light
    channel colours are too faint for text on white) beside arrows in the channel colours."""
    fig.text(ax_right_px / WIDTH, 1.0 - top_px / HEIGHT, "peak field\ncomponents:",
             ha="left", va="top", fontsize=10)
    labels = {"EW": "East-West\n(x), + East", "NS": "North-South\n(y), + North",
              "V": "vertical\n(z), + up"}
    for k, channel in enumerate(("EW", "NS", "V")):
        fig.text(ax_right_px / WIDTH, 1.0 - (top_px + 62 + 58 * k) / HEIGHT, labels[channel],
                 ha="left", va="top", fontsize=9.5, color="#222222",
                 fontweight="bold", linespacing=1.1)


def _pol_frames(shower, particle):
    stations = radio.station_positions()
    field = shower.field(stations)
    arrival = shower.arrival_time_ns(stations)
    t0 = arrival.min()
    arrival = arrival - t0
    biggest = np.abs(field).max()

    fig, _ = style.figure(WIDTH, HEIGHT, scale=1.2)
    fig.clf()
    ax = _map_axes(fig)
    _static_map(ax, shower)
    _titles(fig, shower, particle)
    right = AXES_BOX[0] + AXES_BOX[2] + 10
    _pol_legend(fig, right, AXES_BOX[1] + 4)
    fig.text(right / WIDTH, 1.0 - (AXES_BOX[1] + 250) / HEIGHT,
             f"longest arrow:\n{biggest * 1e6:.0f} µV/m\n(lateral shape\nillustrative)", ha="left",
             va="top", fontsize=10)
    background = _render(fig)
    pixels = _pixel(ax, stations)
    times = _time_grid(ax, shower, t0)
    # Key arrows beside the labels, drawn once on the background.
    key = Image.new("RGBA", (WIDTH * SUPERSAMPLE, HEIGHT * SUPERSAMPLE), (0, 0, 0, 0))
    key_draw = ImageDraw.Draw(key)
    for k, channel in enumerate(("EW", "NS", "V")):
        dx, dy = CHANNEL_DIRECTIONS[channel]
        cx, cy = right + 95, AXES_BOX[1] + 62 + 58 * k
        _arrow(key_draw, cx - 11 * dx, cy - 11 * dy, 24 * dx, 24 * dy,
               _rgb(CHANNEL_COLOURS[channel]), SUPERSAMPLE)
    key = key.resize(background.size, Image.LANCZOS)
    background.paste(key, (0, 0), key)
    style.close(fig)

    sweep = _sweep_times(arrival)
    step = sweep[1] - sweep[0]
    scale = 52.0 / biggest  # pixels per V/m
    s = SUPERSAMPLE
    frames = []
    for t in list(sweep) + [sweep[-1]] * HOLD_FRAMES:
        overlay = Image.new("RGBA", (WIDTH * s, HEIGHT * s), (0, 0, 0, 0))
        draw = ImageDraw.Draw(overlay)
        _station_rings(draw, pixels, s)
        for i, (x, y) in enumerate(pixels):
            # The arrows grow over two frames as the pulse passes, then stay at the peak.
            grown = np.clip((t - arrival[i]) / (2.0 * step) + 0.5, 0.0, 1.0)
            if grown <= 0.0:
                continue
            for c, channel in enumerate(("EW", "NS", "V")):
                dx, dy = CHANNEL_DIRECTIONS[channel]
                length = field[i, c] * scale * grown
                _arrow(draw, x, y, dx * length, dy * length, _rgb(CHANNEL_COLOURS[channel]), s)
            draw.ellipse([s * (x - 3), s * (y - 3), s * (x + 3), s * (y + 3)],
                         fill=(40, 40, 40, 255))
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
            output.save_gif(_ampt_frames(shower, particle),
                            os.path.join(out_dir, f"ampt_{short}_z{z}.gif"), FRAME_MS, colours=48)
            output.save_gif(_pol_frames(shower, particle),
                            os.path.join(out_dir, f"pol_{short}_z{z}.gif"), FRAME_MS, colours=48,
                            keep=[_rgb(c)[:3] for c in CHANNEL_COLOURS.values()])


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
