"""Figures of the radio-emission menu and of the simplified v x B ("VXB") model: the emission
mechanisms, the shower geometry, the polar and 2D graphs of the polarisation channels, the
axis rotation, the angle graph, the three results-menu pictures and the azimuth convention.

Every number drawn comes from models/geomagnetic.py and models/vxb.py with the field at the
observatory (B zenith 54.4 deg, azimuth 87.5 deg, azimuth counted from East counter-clockwise,
i.e. 2.5 deg east of geographic north).
"""

import io

import matplotlib.pyplot as plt
import numpy as np
from matplotlib import patheffects
from matplotlib.colors import LinearSegmentedColormap
from matplotlib.patches import Circle, FancyArrowPatch, Polygon
from PIL import Image, ImageDraw

from .. import language, style
from ..models import geomagnetic as gm
from ..models import radio, vxb
from ..output import check_legibility, save_figure, save_image
from ..language import number as num, words as tr

POLAR = {"NS": "Grafic_polar_NS-1.png", "EW": "Grafic_polar_EW-1.png",
         "V": "Grafic_polar_Vertical-1.png"}
DUAL = {"NS": "Grafic_dual_Polarizare_NS-1.png", "EW": "Grafic_Dual_Polarizare_EW-1.png",
        "V": "Grafic_dual_Polarizare_Verticala-1.png"}
DUAL_UNIT_EW = "Grafic_Dual_Polarizare_EW(1)-1.png"
ROTATION = "Grafic_dual_Axe_rotite_vs_Axe_initiale-1.png"
FILES = (["em_mec.PNG", "geom1.png"] + list(POLAR.values()) + list(DUAL.values())
         + [DUAL_UNIT_EW, ROTATION, "angles_good.png", "logo.png", "logo2.png", "logo3.png",
            "conventie.png"])
# Pictures without words are drawn once: logo.png carries only symbols and a formula.
RO_FILES = [name for name in FILES if name != "logo.png"]

CHANNEL_INDEX = {"EW": 0, "NS": 1, "V": 2}
ZENITH_SERIES_DEG = (0, 20, 40, 60, 80)
# Width of the 2D graphs' curves: 2.5 px or more where the screen shows them (fitted x 0.51).
SERIES_LINE_WIDTH = 3.8


def channel_name(channel, lang):
    return {"EW": tr(lang, "East-West", "Est-Vest"), "NS": tr(lang, "North-South", "Nord-Sud"),
            "V": tr(lang, "Vertical", "vertical")}[channel]


CHANNEL_NAME = {channel: channel_name(channel, "en") for channel in CHANNEL_INDEX}


def channel_short(channel, lang):
    """The channel's abbreviation: Romanian writes East-West as EV."""
    return {"EW": tr(lang, "EW", "EV"), "NS": "NS", "V": "V"}[channel]


def compass(lang):
    """Letters of East, North, West and South."""
    return ("E", "N", tr(lang, "W", "V"), "S")


def field_text(lang):
    return tr(lang, f"B azimuth {num(gm.FIELD_AZIMUTH_DEG, 'g', lang)}° (from East), "
                    f"zenith {num(gm.FIELD_ZENITH_DEG, 'g', lang)}°",
              f"B: azimut {num(gm.FIELD_AZIMUTH_DEG, 'g', lang)}° (de la est), "
              f"unghi zenital {num(gm.FIELD_ZENITH_DEG, 'g', lang)}°")


def model_note(lang):
    """The footnote of the v x B graphs: the model, the field, and the sign convention."""
    return tr(lang, f"Simplified v × B (Lorentz-force) model; at the observatory {field_text(lang)};\n"
                    "v × B is the polarisation axis: the field points along −v × B while the "
                    "current grows (E ∝ −dJ/dt)",
              f"Modelul v × B simplificat; la observator {field_text(lang)};\n"
              "v × B este axa de polarizare: câmpul e orientat spre −v × B cât timp "
              "curentul crește (E ∝ −dJ/dt)")


def azimuth_ticks(lang):
    e, n, w, s = compass(lang)
    return [(0, f"0°\n{e}"), (90, f"90°\n{n}"), (180, f"180°\n{w}"), (270, f"270°\n{s}"),
            (360, f"360°\n{e}")]

# Colours of the vectors in the schematics.
V_COLOUR = style.SKY
B_COLOUR = style.ORANGE
VXB_COLOUR = "#3fd6a0"  # a lighter Okabe-Ito green that reads on the night background
CE_COLOUR = style.PURPLE
# Energy fluence on the night background: dark where there is no signal.
FLUENCE_CMAP = LinearSegmentedColormap.from_list(
    "night_fluence", [style.NIGHT, "#4a2a7a", "#b8457a", "#e98a3c", "#fde7a8"])


def generate(out_dir):
    for lang in language.LANGUAGES:
        _draw(out_dir, lang)


def _draw(out_dir, lang):
    path = lambda name: language.path(out_dir, name, lang)  # noqa: E731
    mechanisms(path("em_mec.PNG"), lang)
    geometry(path("geom1.png"), lang)
    for channel, name in POLAR.items():
        polar_graph(channel, path(name), lang)
    for channel, name in DUAL.items():
        dual_graph(channel, path(name), lang)
    dual_unit_graph(path(DUAL_UNIT_EW), lang)
    rotation_graph(path(ROTATION), lang)
    angles_graph(path("angles_good.png"), lang)
    if lang == "en":
        logo_vectors(path("logo.png"))
    logo_array(path("logo2.png"), lang)
    logo_comparison(path("logo3.png"), lang)
    convention(path("conventie.png"), lang)


# ----------------------------------------------------------------------------- helpers

def _night_figure(width_px, height_px, scale=1.0, **kw):
    """A figure on the night background (saved with its own face colour, not white)."""
    fig, axes = style.figure(width_px, height_px, scale, **kw)
    plt.rcParams["savefig.facecolor"] = "auto"
    fig.patch.set_facecolor(style.NIGHT)
    return fig, axes


def _night_axes(ax):
    ax.set_facecolor(style.NIGHT)
    ax.set_aspect("equal")
    ax.axis("off")


def _arrow(ax, start, end, colour, width=2.0, head=14, zorder=3, style_="-|>"):
    ax.add_patch(FancyArrowPatch(start, end, arrowstyle=style_, mutation_scale=head,
                                 color=colour, lw=width, zorder=zorder, shrinkA=0, shrinkB=0))


def _azimuth_axis(ax, lang):
    ticks = azimuth_ticks(lang)
    ax.set_xlim(0, 360)
    ax.set_xticks([t for t, _ in ticks])
    ax.set_xticklabels([label for _, label in ticks])
    ax.set_xlabel(tr(lang, "azimuth φ of the arrival direction",
                     "azimutul φ al direcției de sosire"))


def _unwrapped_degrees(angle):
    """Angle in degrees with a gap (NaN) wherever it jumps by a full turn."""
    deg = np.degrees(angle)
    jumps = np.abs(np.diff(deg)) > 180
    deg[1:][jumps] = np.nan
    return deg


def _rounded_logo(fig, path, radius=26):
    """Renders a 200 x 200 figure onto a rounded panel with transparent corners."""
    check_legibility(fig, path)
    buf = io.BytesIO()
    fig.savefig(buf, format="png", dpi=style.DPI, metadata={"Software": None})
    style.close(fig)
    buf.seek(0)
    image = Image.open(buf).convert("RGBA")
    size = image.size
    big = Image.new("L", (size[0] * 4, size[1] * 4), 0)
    ImageDraw.Draw(big).rounded_rectangle([0, 0, size[0] * 4 - 1, size[1] * 4 - 1],
                                          radius=radius * 4, fill=255)
    image.putalpha(big.resize(size, Image.LANCZOS))
    save_image(image, path)


# ----------------------------------------------------------------------------- mechanisms

def _ring_positions():
    radii = np.array([1.0, 2.0])
    angles = np.radians(np.arange(0, 360, 45))
    r, a = np.meshgrid(radii, angles)
    return (r * np.cos(a)).ravel(), (r * np.sin(a)).ravel()


def _shower_plane_frame(ax, extent=2.45):
    _night_axes(ax)
    ax.set_xlim(-extent, extent)
    ax.set_ylim(-extent, extent)
    for r in (1.0, 2.0):
        ax.add_patch(Circle((0, 0), r, fill=False, color="#7084ad", lw=0.9, ls=":"))
    ax.add_patch(Circle((0, 0), 0.16, fill=False, color=style.WHITE, lw=1.5, zorder=4))
    ax.plot([0], [0], marker="x", color=style.WHITE, ms=6, mew=1.5, zorder=4)


def _field_arrows(ax, ex, ey, x, y, colour, scale):
    for xi, yi, exi, eyi in zip(x, y, ex, ey):
        _arrow(ax, (xi - exi * scale / 2, yi - eyi * scale / 2),
               (xi + exi * scale / 2, yi + eyi * scale / 2), colour, width=2.2, head=13)


def mechanisms(path, lang):
    sin_alpha = np.sin(np.radians(gm.FIELD_ZENITH_DEG))  # a vertical shower at the observatory
    a = 0.2
    fig, _ = _night_figure(872, 667, scale=1.25)
    fig.clf()
    x, y = _ring_positions()
    light = "#d8e2f5"

    def heading(x_frac, y_frac, text, colour=style.WHITE):
        fig.text(x_frac, y_frac, text, color=colour, ha="center", va="top", fontsize="large",
                 fontweight="bold")

    def caption(x_frac, y_frac, text):
        fig.text(x_frac, y_frac, text, color=light, ha="center", va="top", fontsize="small")

    heading(0.19, 0.975, tr(lang, "Geomagnetic", "Emisia geomagnetică"), VXB_COLOUR)
    geo = fig.add_axes([0.03, 0.60, 0.32, 0.31])
    _shower_plane_frame(geo)
    ex, ey = vxb.shower_plane_field(x, y, 1.0, 0.0)
    _field_arrows(geo, ex, ey, x, y, VXB_COLOUR, 0.75)
    caption(0.19, 0.595, tr(lang, "current J along +v × B; field\nalong −v × B, same everywhere",
                            "curentul J spre +v × B; câmpul\nspre −v × B, la fel peste tot"))

    fig.text(0.19, 0.497, "+", color=style.WHITE, fontsize=30, ha="center", va="center")
    heading(0.19, 0.462, tr(lang, "Charge excess", "Excesul de sarcină"), CE_COLOUR)
    ce = fig.add_axes([0.03, 0.12, 0.32, 0.29])
    _shower_plane_frame(ce)
    ex, ey = vxb.shower_plane_field(x, y, 0.0, 1.0)
    _field_arrows(ce, ex, ey, x, y, CE_COLOUR, 0.75)
    caption(0.19, 0.113, tr(lang, "Askaryan: polarised radially,\npointing towards the axis",
                            "Askaryan: polarizat radial,\norientat spre axă"))

    fig.text(0.375, 0.47, "=", color=style.WHITE, fontsize=34, ha="center", va="center")
    heading(0.69, 0.975, tr(lang, "Both together", "Ambele împreună"))
    # a is defined for a shower at alpha = 90 deg: here the charge-excess field is a / sin(alpha)
    # of this shower's geomagnetic field.
    share = f"{a / sin_alpha:.0%}"
    caption(0.69, 0.918, tr(lang, "arrows: electric field; colour: energy fluence\n"
                                  f"(charge-excess fraction a = {num(a, '.2f', lang)}: {share} of this "
                                  f"shower's\ngeomagnetic field, sin α = {num(sin_alpha, '.2f', lang)})",
                            "săgeți: câmpul electric; culoare: fluența energiei\n"
                            f"(fracția excesului de sarcină a = {num(a, '.2f', lang)}: {share} din "
                            f"câmpul\ngeomagnetic al acestei jerbe, sin α = {num(sin_alpha, '.2f', lang)})"))
    total = fig.add_axes([0.40, 0.075, 0.58, 0.745])
    extent = 2.9
    _shower_plane_frame(total, extent=extent)
    # Energy fluence of a ring-shaped footprint: g(r)^2 times the interference factor.
    grid = np.linspace(-extent, extent, 240)
    gx, gy = np.meshgrid(grid, grid)
    g = np.exp(-((np.hypot(gx, gy) - 1.4) / 0.9) ** 2)
    fluence = g ** 2 * vxb.fluence_factor(np.arctan2(gy, gx), sin_alpha, a)
    total.imshow(fluence, extent=(-extent, extent, -extent, extent), origin="lower",
                 cmap=FLUENCE_CMAP, vmin=0, vmax=fluence.max() * 1.05, zorder=0)
    ex, ey = vxb.shower_plane_field(x, y, sin_alpha, a)
    _field_arrows(total, ex, ey, x, y, style.WHITE, 0.75 / (sin_alpha + a))
    _arrow(total, (-2.75, 2.6), (2.75, 2.6), VXB_COLOUR, width=1.6, head=14)
    total.text(0, 2.48, "+v × B", color=VXB_COLOUR, ha="center", va="top", fontweight="bold")
    total.text(-2.75, 2.48, tr(lang, "West", "Vest"), color=light, ha="left", va="top",
               fontsize="small")
    total.text(2.75, 2.48, tr(lang, "East", "Est"), color=light, ha="right", va="top",
               fontsize="small")
    total.text(2.8, -2.75, tr(lang, "fields add", "câmpurile\nse adună"), color=style.WHITE,
               ha="right", fontsize="small", fontweight="bold")
    total.text(-2.8, -2.75, tr(lang, "fields partly cancel", "câmpurile se\nanulează parțial"),
               color=style.WHITE, ha="left", fontsize="small", fontweight="bold")
    total.text(0.22, 0.22, tr(lang, "axis", "axa"), color=style.WHITE, fontsize="x-small")
    style.footnote(fig, tr(lang, "Superposition model E = g(r)[−sin α·e(v×B) − a·r̂], ring g(r) "
                                 f"illustrative;\nvertical shower, {field_text(lang)}",
                           "Modelul de suprapunere E = g(r)[−sin α·e(v×B) − a·r̂], inelul g(r) "
                           f"ilustrativ;\njerbă verticală, {field_text(lang)}"), dark=True)
    save_figure(fig, path)
    style.close(fig)


# ----------------------------------------------------------------------------- geometry

class _View:
    """Orthographic view of the ground frame from a camera at azimuth gamma, elevation eps."""

    def __init__(self, gamma_deg, eps_deg):
        g, e = np.radians(gamma_deg), np.radians(eps_deg)
        self.right = np.array([-np.sin(g), np.cos(g), 0.0])
        self.up = np.array([-np.sin(e) * np.cos(g), -np.sin(e) * np.sin(g), np.cos(e)])

    def __call__(self, points):
        p = np.atleast_2d(points)
        return p @ self.right, p @ self.up


def _arc(a, b, radius, count=40):
    """Points on the great-circle arc from unit vector a to unit vector b."""
    angle = np.arccos(np.clip(np.dot(a, b), -1, 1))
    t = np.linspace(0, 1, count)[:, None]
    return radius * (np.sin((1 - t) * angle) * a + np.sin(t * angle) * b) / np.sin(angle)


def geometry(path, lang):
    zenith_deg, azimuth_deg = 40.0, 200.0
    zenith, azimuth = np.radians([zenith_deg, azimuth_deg])
    n = gm.direction(zenith, azimuth)
    b = gm.field_direction()
    e1 = vxb.vxb_channels(zenith, azimuth)
    e1 = e1 / np.linalg.norm(e1)
    alpha = np.degrees(gm.geomagnetic_angle(zenith, azimuth))
    psi = np.degrees(vxb.polarisation_angle(zenith, azimuth))
    view = _View(-70, 20)

    fig, ax = _night_figure(691, 453, scale=1.05)
    ax.set_position([0.0, 0.04, 0.63, 0.96])
    _night_axes(ax)

    def line(points, **kw):
        px, py = view(np.asarray(points))
        ax.plot(px, py, **kw)

    def label(point, text, colour, **kw):
        # a night-blue halo keeps a label readable where it crosses a line of its own colour
        px, py = view(np.asarray(point))
        ax.text(px[0], py[0], text, color=colour, ha="center", va="center",
                path_effects=[patheffects.withStroke(linewidth=4, foreground=style.NIGHT)], **kw)

    def arrow(start, end, colour, width=2.4):
        (x0,), (y0,) = view(np.asarray(start))
        (x1,), (y1,) = view(np.asarray(end))
        _arrow(ax, (x0, y0), (x1, y1), colour, width=width, head=15, zorder=5)

    # Ground: a disc with the four compass directions.
    t = np.linspace(0, 2 * np.pi, 181)
    gx, gy = view(np.stack([np.cos(t), np.sin(t), 0 * t], axis=-1))
    ax.fill(gx, gy, color=style.NIGHT_LIGHT, zorder=0)
    ax.plot(gx, gy, color="#5a6f99", lw=1.0, zorder=1)
    for ang, name in zip((0, 90, 180, 270), compass(lang)):
        u = np.array([np.cos(np.radians(ang)), np.sin(np.radians(ang)), 0])
        line([-0 * u, u], color="#8da2c9", lw=1.0, zorder=1)
        label(1.13 * u, name, "#d8e2f5", fontsize="medium", fontweight="bold")

    # Vertical, the shower axis and its ground projection.
    line([[0, 0, 0], [0, 0, 1.45]], color="#d8e2f5", lw=1.0, ls="--")
    label([0, 0, 1.53], tr(lang, "zenith", "zenit"), "#d8e2f5", fontsize="small")
    horizontal_n = np.array([np.cos(azimuth), np.sin(azimuth), 0.0])
    line([np.zeros(3), horizontal_n], color="#d8e2f5", lw=1.0, ls="--")
    line([n * 1.0, horizontal_n * np.sin(zenith)], color="#8da2c9", lw=0.8, ls=":")
    line([np.zeros(3), n * 1.6], color=V_COLOUR, lw=4.0, solid_capstyle="round", zorder=4)
    arrow(n * 1.45, n * 1.1, V_COLOUR, width=3.0)
    side = np.cross(n, [0, 0, 1.0])
    side /= np.linalg.norm(side)
    (ax_x,), (ax_y,) = view(n * 1.55)
    ax.annotate(tr(lang, "shower axis", "axa jerbei"), (ax_x, ax_y), xytext=(12, 2), textcoords="offset points",
                color=V_COLOUR, fontsize="small", ha="left")
    label(n * 1.25 + 0.13 * side, "v", V_COLOUR, fontsize="medium", fontweight="bold")

    # The field and v x B at the shower core.
    arrow(np.zeros(3), b * 1.15, B_COLOUR)
    label(b * 1.27, "B", B_COLOUR, fontsize="medium", fontweight="bold")
    arrow(np.zeros(3), e1 * 0.85, VXB_COLOUR)
    label(e1 * 1.0 + np.array([0.05, 0, 0]), "v × B", VXB_COLOUR, fontsize="small",
          fontweight="bold")
    e1_ground = np.array([e1[0], e1[1], 0.0])
    line([e1 * 0.85, e1_ground * 0.85], color=VXB_COLOUR, lw=0.8, ls=":")
    line([np.zeros(3), e1_ground / np.linalg.norm(e1_ground) * 0.95], color=VXB_COLOUR, lw=1.0,
         ls="--")

    # Angle arcs: zenith theta, azimuth phi, geomagnetic alpha, polarisation psi.
    line(_arc(np.array([0, 0, 1.0]), n, 0.55), color=style.WHITE, lw=1.6)
    label(_arc(np.array([0, 0, 1.0]), n, 0.68)[20], "θ", style.WHITE, fontsize="large")
    tt = np.radians(np.linspace(0, azimuth_deg, 60))
    line(np.stack([0.4 * np.cos(tt), 0.4 * np.sin(tt), 0 * tt], -1), color=style.YELLOW, lw=1.8)
    label([0.55 * np.cos(np.radians(75)), 0.55 * np.sin(np.radians(75)), 0], "φ", style.YELLOW,
          fontsize="large")
    line(_arc(n, b, 0.95), color=B_COLOUR, lw=1.6)
    label(_arc(n, b, 1.08)[20], "α", B_COLOUR, fontsize="large")
    tp = np.radians(np.linspace(0, psi, 40))
    line(np.stack([0.62 * np.cos(tp), 0.62 * np.sin(tp), 0 * tp], -1), color=VXB_COLOUR, lw=1.8)
    label([0.76 * np.cos(np.radians(psi / 2)), 0.76 * np.sin(np.radians(psi / 2)), 0], "ψ",
          VXB_COLOUR, fontsize="large")
    ax.relim()
    ax.autoscale_view()
    x0, x1 = ax.get_xlim()
    y0, y1 = ax.get_ylim()
    ax.set_xlim(x0 - 0.05, x1 + 0.05)
    ax.set_ylim(y0 - 0.05, y1 + 0.12)

    legend = [
        ("θ", style.WHITE, tr(lang, f"zenith angle of the axis\n(here {zenith_deg:.0f}°)",
                              f"unghiul zenital al axei\n(aici {zenith_deg:.0f}°)")),
        ("φ", style.YELLOW, tr(lang, "azimuth: where the shower\ncomes from; East = 0°,\n"
                                     f"counter-clockwise\n(here {azimuth_deg:.0f}°)",
                               "azimutul: de unde vine\njerba; estul = 0°,\n"
                               f"în sens trigonometric\n(aici {azimuth_deg:.0f}°)")),
        ("α", B_COLOUR, tr(lang, f"geomagnetic angle between\nthe axis and B (here {alpha:.0f}°)",
                           f"unghiul geomagnetic dintre\naxă și B (aici {alpha:.0f}°)")),
        ("ψ", VXB_COLOUR, tr(lang, "polarisation angle: v × B\non the ground, from East\n"
                                   f"(here {psi:.0f}°)",
                             "unghiul de polarizare: v × B\npe sol, față de est\n"
                             f"(aici {psi:.0f}°)").replace("-", "−")),
    ]
    ypos = 0.95
    for symbol, colour, text in legend:
        fig.text(0.645, ypos, symbol, color=colour, fontsize="x-large", fontweight="bold", va="top")
        fig.text(0.69, ypos - 0.004, text, color="#e6ecf8", fontsize="small", va="top")
        ypos -= 0.075 + 0.045 * text.count("\n")
    zenith_b, azimuth_b = (num(gm.FIELD_ZENITH_DEG, "g", lang), num(gm.FIELD_AZIMUTH_DEG, "g", lang))
    fig.text(0.645, ypos - 0.005, tr(lang, f"B: field at the observatory,\nzenith {zenith_b}°, "
                                           f"azimuth {azimuth_b}°",
                                     f"B: câmpul la observator,\nunghi zenital {zenith_b}°,\n"
                                     f"azimut {azimuth_b}°"),
             color=B_COLOUR, fontsize="small", va="top")
    style.footnote(fig, tr(lang, f"Angles computed with the simplified v × B model, {field_text(lang)}",
                           f"Unghiuri calculate cu modelul simplificat v × B, {field_text(lang)}"),
                   dark=True)
    save_figure(fig, path)
    style.close(fig)


# ----------------------------------------------------------------------------- polar graphs

def _drop_contour_labels_on_scale(fig, ax, contours):
    """Removes the contour labels that the automatic placement put on the zenith-angle scale;
    their lines stay, and each level keeps its labels elsewhere on the disc."""
    fig.draw_without_rendering()
    renderer = fig.canvas.get_renderer()
    scale = [t.get_window_extent(renderer) for t in ax.get_yticklabels() if t.get_text()]
    for label in list(contours.labelTexts):
        box = label.get_window_extent(renderer)
        if any(box.overlaps(other) for other in scale):
            label.remove()
            contours.labelTexts.remove(label)


def polar_graph(channel, path, lang):
    azimuth = np.radians(np.linspace(0, 360, 361))
    zenith_deg = np.linspace(0, 80, 161)
    az, zen = np.meshgrid(azimuth, np.radians(zenith_deg))
    amplitude = np.abs(vxb.vxb_channels(zen, az)[..., CHANNEL_INDEX[channel]])

    fig, _ = style.figure(1183, 1000, scale=1.7)
    fig.clf()
    ax = fig.add_axes([0.07, 0.125, 0.68, 0.715], projection="polar")
    mesh = ax.pcolormesh(az, np.degrees(zen), amplitude, cmap=style.SEQUENTIAL_CMAP, vmin=0,
                         vmax=1, shading="gouraud", rasterized=True)
    contours = ax.contour(az, np.degrees(zen), amplitude, levels=[0.2, 0.4, 0.6, 0.8],
                          colors="white", linewidths=1.0, alpha=0.8)
    # white values with a dark halo: the colour map under them runs from dark to light
    for text in ax.clabel(contours, fmt="%.1f", fontsize=plt_size(0.75), colors="white"):
        text.set_path_effects([patheffects.withStroke(linewidth=3.5, foreground="black")])
    ax.set_theta_zero_location("E")
    ax.set_theta_direction(1)
    ax.set_xticks(np.radians(np.arange(0, 360, 45)))
    e, n, w, s = compass(lang)
    ax.set_xticklabels([f"{e}  0°", "45°", f"{n}  90°", "135°", f"{w}  180°", "225°", f"{s}  270°",
                        "315°"], path_effects=[patheffects.withStroke(linewidth=4, foreground="white")])
    ax.set_rlim(0, 80)
    ax.set_rticks([20, 40, 60, 80])
    ax.set_yticklabels(["20°", "40°", "60°", "80°"], color="white", fontweight="bold",
                       path_effects=[patheffects.withStroke(linewidth=3, foreground="black")])
    ax.set_rlabel_position(157)
    ax.grid(color="white", alpha=0.35, lw=0.8)
    ax.tick_params(axis="x", pad=14)
    ax.plot([np.radians(gm.FIELD_AZIMUTH_DEG)], [gm.FIELD_ZENITH_DEG], marker="*", ms=22,
            color=style.ORANGE, mec="black", mew=1.0)
    ax.annotate(tr(lang, "along B:\nno signal", "de-a lungul lui B:\nfără semnal"), (np.radians(gm.FIELD_AZIMUTH_DEG), gm.FIELD_ZENITH_DEG),
                xytext=(np.radians(62), 74), color="black", fontsize=plt_size(0.8),
                ha="center", bbox=dict(boxstyle="round", fc="white", ec=style.ORANGE, alpha=0.9),
                arrowprops=dict(arrowstyle="->", color="white", lw=1.4))
    bar = fig.colorbar(mesh, ax=ax, cax=fig.add_axes([0.84, 0.17, 0.03, 0.64]))
    bar.set_label(tr(lang, f"|v × B| on the {channel_name(channel, lang)} axis  (units of |B|)",
                     f"|v × B| pe axa {channel_short(channel, lang)}  (în unități de |B|)"))
    fig.text(0.5, 0.985, tr(lang, f"{channel_name(channel, lang)} polarisation: projection of v × B",
                            f"Canalul {channel_name(channel, lang)}: proiecția lui v × B"),
             ha="center", va="top", fontsize=plt_size(1.35), fontweight="bold")
    fig.text(0.5, 0.935, tr(lang, "angle: azimuth φ of the arrival direction;  radius: zenith angle θ",
                            "unghiul: azimutul φ al sosirii;  raza: unghiul zenital θ"),
             ha="center", va="top", fontsize=plt_size(0.9), color=style.GREY)
    style.footnote(fig, model_note(lang))
    _drop_contour_labels_on_scale(fig, ax, contours)
    save_figure(fig, path, colours=256)
    style.close(fig)


def plt_size(factor):
    return plt.rcParams["font.size"] * factor


# ----------------------------------------------------------------------------- 2D graphs

DUAL_MARGINS = dict(left=0.105, right=0.975, top=0.83, bottom=0.16, wspace=0.13)


def axes_label(channel, lang):
    return tr(lang, f"{channel} component  (units of |B|)",
              f"componenta {channel_short(channel, lang)}  (în unități de |B|)")


def _series_legend(fig):
    """One legend of the zenith angles, in a row under the title."""
    handles, labels = fig.axes[0].get_legend_handles_labels()
    fig.legend(handles, labels, loc="upper center", bbox_to_anchor=(0.53, 0.935), ncol=len(labels),
               frameon=False, columnspacing=1.6, handlelength=1.8)


def _series_plot(ax, values_by_zenith, ylabel, title, lang, ylim=(-1.05, 1.05)):
    azimuth_deg = np.linspace(0, 360, values_by_zenith[0][1].shape[-1])
    for colour, (zenith_deg, values) in zip(style.SERIES, values_by_zenith):
        ax.plot(azimuth_deg, values, color=colour, label=f"θ = {zenith_deg}°", zorder=3,
                lw=SERIES_LINE_WIDTH)
    ax.axhline(0, color="#555555", lw=0.9, zorder=2)
    _azimuth_axis(ax, lang)
    ax.set_ylim(*ylim)
    ax.set_ylabel(ylabel)
    ax.set_title(title, fontweight="bold")


def _azimuth_sweep():
    azimuth_deg = np.linspace(0, 360, 721)
    return azimuth_deg, np.radians(azimuth_deg)


def dual_graph(channel, path, lang):
    _, azimuth = _azimuth_sweep()
    i = CHANNEL_INDEX[channel]
    fig, axes = style.figure(1575, 1145, scale=1.85, ncols=2, sharey=True)
    first = [(z, vxb.vxb_channels(np.radians(z), azimuth)[:, i]) for z in ZENITH_SERIES_DEG]
    second = [(z, vxb.vxvxb_channels(np.radians(z), azimuth)[:, i]) for z in ZENITH_SERIES_DEG]
    _series_plot(axes[0], first, axes_label(channel, lang), "v × B", lang)
    _series_plot(axes[1], second, "", "v × (v × B)", lang)
    _series_legend(fig)
    fig.suptitle(tr(lang, f"{channel_name(channel, lang)} polarisation channel: v × B and v × (v × B)",
                    f"Canalul de polarizare {channel_name(channel, lang)}: v × B și v × (v × B)"),
                 fontweight="bold", fontsize=plt_size(1.25), y=0.985)
    fig.subplots_adjust(**DUAL_MARGINS)
    style.footnote(fig, model_note(lang))
    save_figure(fig, path)
    style.close(fig)


def dual_unit_graph(path, lang):
    """East-West channel of the unit directions e1 = v x B / |v x B| and e2 = v x e1: the
    polarisation direction alone, with the strength sin(alpha) divided out."""
    _, azimuth = _azimuth_sweep()
    fig, axes = style.figure(1575, 1145, scale=1.85, ncols=2, sharey=True)
    first, second = [], []
    for z in ZENITH_SERIES_DEG:
        e1, e2, _ = gm.shower_plane_frame(np.radians(z), azimuth)
        first.append((z, e1[:, 0]))
        second.append((z, e2[:, 0]))
    _series_plot(axes[0], first, tr(lang, "EW component of the unit vector",
                                    "componenta EV a versorului"),
                 tr(lang, "direction of v × B", "direcția lui v × B"), lang)
    _series_plot(axes[1], second, "", tr(lang, "direction of v × (v × B)", "direcția lui v × (v × B)"),
                 lang)
    _series_legend(fig)
    fig.suptitle(tr(lang, "East-West channel of the polarisation directions (strength sin α divided out)",
                    "Canalul Est-Vest al direcțiilor de polarizare (fără factorul sin α)"),
                 fontweight="bold", fontsize=plt_size(1.1), y=0.985)
    fig.subplots_adjust(**DUAL_MARGINS)
    style.footnote(fig, model_note(lang))
    save_figure(fig, path)
    style.close(fig)


def charge_excess_residual(zenith, azimuth, a=vxb.CHARGE_EXCESS_FRACTION):
    """NS' that an antenna on the v x (v x B) axis records after the axes are turned by the
    polarisation angle psi of v x B: the full model's field axis there is sin(alpha) e1 + a e2
    (the charge excess, radial, adds a part along e2), and only that part survives in NS'."""
    e1, e2, _ = gm.shower_plane_frame(zenith, azimuth)
    sin_alpha = np.sin(gm.geomagnetic_angle(zenith, azimuth))[..., None]
    axis = sin_alpha * e1 + a * e2
    _, ns = vxb.rotate_horizontal(axis[..., 0], axis[..., 1],
                                  vxb.polarisation_angle(zenith, azimuth))
    return ns


def rotation_graph(path, lang):
    _, azimuth = _azimuth_sweep()
    fig, axes = style.figure(1575, 1145, scale=1.7, nrows=2, ncols=2, sharex=True, sharey=True)
    initial = [vxb.vxb_channels(np.radians(z), azimuth) for z in ZENITH_SERIES_DEG]
    rotated = [vxb.rotated_channels(np.radians(z), azimuth) for z in ZENITH_SERIES_DEG]
    residual = [charge_excess_residual(np.radians(z), azimuth) for z in ZENITH_SERIES_DEG]
    a = vxb.CHARGE_EXCESS_FRACTION
    panels = [
        (axes[0, 0], [(z, d[:, 0]) for z, d in zip(ZENITH_SERIES_DEG, initial)],
         tr(lang, "initial axes: East-West", "axele inițiale: Est-Vest")),
        (axes[0, 1], [(z, d[:, 1]) for z, d in zip(ZENITH_SERIES_DEG, initial)],
         tr(lang, "initial axes: North-South", "axele inițiale: Nord-Sud")),
        (axes[1, 0], [(z, d[:, 0]) for z, d in zip(ZENITH_SERIES_DEG, rotated)],
         tr(lang, "axes turned by ψ: East-West′", "axele rotite cu ψ: Est-Vest′")),
        (axes[1, 1], list(zip(ZENITH_SERIES_DEG, residual)),
         tr(lang, f"North-South′ with charge excess (a = {num(a, '.2f', lang)})",
            f"Nord-Sud′ cu exces de sarcină (a = {num(a, '.2f', lang)})")),
    ]
    for ax, data, title in panels:
        _series_plot(ax, data, "", title, lang)
        ax.title.set_fontsize(plt_size(1.0))
    for ax in axes[0]:
        ax.set_xlabel("")
    for ax in axes[:, 0]:
        ax.set_ylabel(tr(lang, "component of v × B\n(units of |B|)",
                         "componenta lui v × B\n(în unități de |B|)"))
    axes[1, 1].text(180, 0.62, tr(lang, "v × B alone: NS′ = 0 for every direction;\n"
                                        "what is left is the charge excess\n"
                                        "(antenna on the v × (v × B) axis)",
                                  "doar v × B: NS′ = 0 pentru orice direcție;\n"
                                  "ce rămâne este excesul de sarcină\n"
                                  "(antenă pe axa v × (v × B))"),
                    ha="center", va="center", fontsize=plt_size(0.8),
                    bbox=dict(boxstyle="round", fc="white", ec=style.GREEN))
    _series_legend(fig)
    fig.suptitle(tr(lang, "Turning the EW and NS axes by the polarisation angle ",
                    "Rotirea axelor EV și NS cu unghiul de polarizare ")
                 + "ψ = atan2(v×B$_N$, v×B$_E$)", fontweight="bold", fontsize=plt_size(1.0), y=0.985)
    fig.subplots_adjust(left=0.1, right=0.975, top=0.84, bottom=0.165, wspace=0.1, hspace=0.22)
    style.footnote(fig, model_note(lang))
    save_figure(fig, path)
    style.close(fig)


# ----------------------------------------------------------------------------- angles

def angles_graph(path, lang):
    azimuth_deg, azimuth = _azimuth_sweep()
    fig, _ = style.figure(1078, 1000, scale=1.6)
    fig.clf()
    top_left = fig.add_axes([0.11, 0.59, 0.355, 0.305])
    top_right = fig.add_axes([0.635, 0.59, 0.345, 0.305])
    bottom = fig.add_axes([0.11, 0.135, 0.87, 0.315])
    for colour, z in zip(style.SERIES, ZENITH_SERIES_DEG):
        zen = np.radians(z)
        alpha = np.degrees(gm.geomagnetic_angle(zen, azimuth))
        psi = _unwrapped_degrees(vxb.polarisation_angle(zen, azimuth))
        top_left.plot(azimuth_deg, alpha, color=colour, label=f"θ = {z}°")
        top_right.plot(azimuth_deg, psi, color=colour)
    e, n, w, s = compass(lang)
    for ax in (top_left, top_right):
        ax.set_xlim(0, 360)
        ax.set_xticks([0, 90, 180, 270, 360])
        ax.set_xticklabels([e, n, w, s, e])
        ax.set_xlabel(tr(lang, "azimuth φ", "azimutul φ"))
    top_left.set_ylim(0, 180)
    top_left.set_yticks([0, 45, 90, 135, 180])
    top_left.set_ylabel(tr(lang, "geomagnetic angle α (°)", "unghiul geomagnetic α (°)"))
    top_left.set_title(tr(lang, "(a) α against azimuth", "(a) α în funcție de azimut"),
                       fontweight="bold", fontsize=plt_size(0.95))
    top_right.set_ylim(-180, 180)
    top_right.set_yticks([-180, -90, 0, 90, 180])
    top_right.set_ylabel(tr(lang, "polarisation angle ψ (°)", "unghiul de polarizare ψ (°)"))
    top_right.set_title(tr(lang, "(b) ψ against azimuth", "(b) ψ în funcție de azimut"),
                        fontweight="bold", fontsize=plt_size(0.95))
    top_left.legend(loc="upper left", fontsize=plt_size(0.62), ncol=2, handlelength=1.2)

    zenith_deg = np.linspace(0, 85, 341)
    # The compass directions are told apart by line style in black and grey, so that no colour
    # of the zenith series above changes its meaning here. East and West give nearly the same
    # alpha (B lies 2.5 deg off the North-South plane).
    directions = [
        (0, tr(lang, "from East", "dinspre est"), style.BLACK, "-", 2.4),
        (90, tr(lang, "from North", "dinspre nord"), style.BLACK, (0, (7, 3)), 2.4),
        (180, tr(lang, "from West (\u2248 East)", "dinspre vest (\u2248 est)"), "#8a8a8a", (0, (2, 2)), 4.5),
        (270, tr(lang, "from South", "dinspre sud"), style.BLACK, (0, (1, 1.5, 6, 1.5)), 2.4),
    ]
    for az, name, colour, line_style, width in directions:
        alpha = np.degrees(gm.geomagnetic_angle(np.radians(zenith_deg), np.radians(az)))
        bottom.plot(zenith_deg, alpha, color=colour, ls=line_style, lw=width, label=name,
                    zorder=3 if az == 180 else 4)
    bottom.axvline(gm.FIELD_ZENITH_DEG, color=style.GREY, ls="--", lw=1.2)
    north_alpha = float(np.degrees(gm.geomagnetic_angle(np.radians(gm.FIELD_ZENITH_DEG), np.radians(90.0))))
    zenith_b = num(gm.FIELD_ZENITH_DEG, "g", lang)
    offset = num(90 - gm.FIELD_AZIMUTH_DEG, "g", lang)
    bottom.annotate(tr(lang, f"from the North at θ = {zenith_b}°:\nα = {num(north_alpha, '.1f', lang)}° "
                             f"(B is {offset}° east of north)",
                       f"dinspre nord la θ = {zenith_b}°:\nα = {num(north_alpha, '.1f', lang)}° "
                       f"(B e cu {offset}° la est de nord)"),
                    (gm.FIELD_ZENITH_DEG, north_alpha),
                    xytext=(8, 4), fontsize=plt_size(0.65),
                    arrowprops=dict(arrowstyle="->", color=style.GREY))
    bottom.set_xlim(0, 85)
    bottom.set_ylim(0, 150)
    bottom.set_yticks([0, 30, 60, 90, 120, 150])
    bottom.set_xlabel(tr(lang, "zenith angle θ (°)", "unghiul zenital θ (°)"))
    bottom.set_ylabel("α (°)")
    bottom.set_title(tr(lang, "(c) α against zenith for showers from the four compass directions",
                        "(c) α în funcție de θ, pentru jerbe din cele patru puncte cardinale"),
                     fontweight="bold", fontsize=plt_size(0.95))
    bottom.legend(loc="upper left", fontsize=plt_size(0.62), ncol=2, handlelength=3.0)
    fig.text(0.5, 0.99, tr(lang, "Zenith, azimuth, geomagnetic angle α and polarisation angle ψ",
                           "Unghiurile θ, φ, α (geomagnetic) și ψ (de polarizare)"),
             ha="center", va="top", fontsize=plt_size(1.05), fontweight="bold")
    style.footnote(fig, model_note(lang))
    save_figure(fig, path)
    style.close(fig)


# ----------------------------------------------------------------------------- results logos

def _logo_figure():
    fig, ax = _night_figure(200, 200)
    ax.set_position([0, 0, 1, 1])
    _night_axes(ax)
    ax.set_xlim(0, 200)
    ax.set_ylim(0, 200)
    return fig, ax


def logo_vectors(path):
    """v and B span a plane, drawn as a tilted floor; v x B stands at right angles to it."""
    fig, ax = _logo_figure()
    origin = np.array([78.0, 86.0])

    def screen(vector):
        # oblique view: x to the right, y towards the back (up and to the right), z up
        x, y, z = vector
        return origin + np.array([x + 0.5 * y, z + 0.5 * y])

    v = np.array([0.2, -1.0, 0.0]) * 90.0
    b = np.array([1.0, 0.05, 0.0]) * 72.0
    product = np.cross(v, b)  # along +z: straight up, out of the v-B plane
    top = screen(product / np.linalg.norm(product) * 88.0)
    ax.add_patch(Polygon([screen(p) for p in (np.zeros(3), v, v + b, b)], closed=True,
                         fc="#2b4170", ec="#5a6f99", lw=1.0, zorder=1))
    _arrow(ax, screen(np.zeros(3)), screen(v), V_COLOUR, width=3.2, head=20)
    ax.text(*(screen(v) + [-14, 2]), "v", color=V_COLOUR, fontsize=20, fontweight="bold",
            ha="center", va="center")
    _arrow(ax, screen(np.zeros(3)), screen(b), B_COLOUR, width=3.2, head=20)
    ax.text(*(screen(b) + [14, 10]), "B", color=B_COLOUR, fontsize=20, fontweight="bold",
            ha="center", va="center")
    _arrow(ax, screen(np.zeros(3)), top, VXB_COLOUR, width=3.6, head=22)
    # a right-angle mark where v x B leaves the plane
    up = screen([0, 0, 12]) - origin
    along = screen(b / np.linalg.norm(b) * 12) - origin
    ax.plot(*np.array([origin + up, origin + up + along, origin + along]).T, color=VXB_COLOUR, lw=1.4)
    ax.text(top[0] + 8, top[1] - 10, "v × B", color=VXB_COLOUR, fontsize=17, fontweight="bold",
            ha="left", va="center")
    ax.plot(*origin, marker="o", color=style.WHITE, ms=6, zorder=5)
    ax.text(100, 10, "F = q v × B", color="#d8e2f5", fontsize=11, ha="center", style="italic")
    _rounded_logo(fig, path)


def logo_array(path, lang):
    fig, ax = _logo_figure()
    # The radio model's ground footprint of a proton shower arriving from the east at 50 deg
    # zenith (the ring stretched along the arrival direction, brighter on the +v x B side),
    # scaled so that the ring's long half-axis spans 40 units, under a triangular antenna grid.
    shower = radio.Shower(50.0, 0.0, radio.XMAX_G_CM2["proton"])
    metres_per_unit = shower.ring_m / np.cos(np.radians(shower.zenith_deg)) / 40.0
    grid = np.linspace(0, 200, 200)
    gx, gy = np.meshgrid(grid, grid)
    ground = np.stack([(gx - 100) * metres_per_unit, (gy - 92) * metres_per_unit], axis=-1)
    fluence = shower.fluence_ev_m2(ground)
    # faded out towards the panel's edges and below the label, so that the footprint reads
    # as a patch on the ground
    fade = np.exp(-(np.hypot(gx - 100, (gy - 92) * 1.3) / 80.0) ** 4) * np.clip((150 - gy) / 30, 0, 1)
    fluence = fluence * fade
    ax.imshow(fluence, extent=(0, 200, 0, 200), origin="lower", cmap=FLUENCE_CMAP, alpha=0.9,
              vmin=0, vmax=fluence.max() * 1.1)
    rows = np.arange(30, 150, 26)
    for j, y in enumerate(rows):
        for x in np.arange(22 + 15 * (j % 2), 190, 30):
            ax.add_patch(Polygon([[x - 6, y - 5], [x + 6, y - 5], [x, y + 8]], closed=True,
                                 color=style.WHITE, zorder=3))
            ax.plot([x, x], [y - 5, y - 10], color=style.WHITE, lw=1.2, zorder=3)
    ax.plot([150, 100], [196, 94], color=V_COLOUR, lw=3.0, zorder=4)
    _arrow(ax, (125, 145), (112, 119), V_COLOUR, width=3.0, head=16, zorder=5)
    ax.text(12, 176, tr(lang, "antenna\narray", "rețea de\nantene"), color="#d8e2f5", fontsize=12,
            fontweight="bold", va="center")
    _rounded_logo(fig, path)


def logo_comparison(path, lang):
    """The comparison button: field strength across the core along v x B for the simple v x B
    model and for the full radio model (geomagnetic + charge excess), both computed."""
    shower = radio.Shower(30.0, 270.0, radio.XMAX_G_CM2["proton"])
    r = np.linspace(-2.6, 2.6, 261) * shower.ring_m
    g = radio.lateral_profile(np.abs(r), shower.ring_m, shower.falloff_m)
    full_x, full_y = vxb.shower_plane_field(r, np.zeros_like(r), shower.sin_alpha, shower.a_rho)
    simple_x, _ = vxb.shower_plane_field(r, np.zeros_like(r), shower.sin_alpha, 0.0)
    full, simple = g * np.hypot(full_x, full_y), g * np.abs(simple_x)
    top = full.max()
    fig, ax = _logo_figure()
    x = np.linspace(18, 186, len(r))
    ax.plot([12, 188], [44, 44], color="#8da2c9", lw=1.2)
    ax.plot([100, 100], [44, 178], color="#8da2c9", lw=1.0, ls=":")
    ax.plot(x, 48 + 122 * simple / top, color=B_COLOUR, lw=3.2, ls=(0, (4, 3)))
    ax.plot(x, 48 + 122 * full / top, color=VXB_COLOUR, lw=3.2)
    # the caption's words in the colours of their curves: dashed v x B, solid full model
    grey = "#d8e2f5"
    lines = tr(lang, [[("v \u00d7 B", B_COLOUR), ("  vs  ", grey), ("full model", VXB_COLOUR)]],
               [[("v \u00d7 B", B_COLOUR), (" față de", grey)], [("modelul complet", VXB_COLOUR)]])
    fig.draw_without_rendering()
    renderer = fig.canvas.get_renderer()
    for row, words in enumerate(lines):
        y = 14 + 17 * (len(lines) - 1 - row)
        texts = [ax.text(0, y, word, color=colour, fontsize=12 if len(lines) == 1 else 11,
                         fontweight="bold", ha="left") for word, colour in words]
        widths = [t.get_window_extent(renderer).width for t in texts]
        x = 100 - sum(widths) / 2
        for text, width in zip(texts, widths):
            text.set_x(x)
            x += width
    _rounded_logo(fig, path)


# ----------------------------------------------------------------------------- convention

def convention(path, lang):
    fig, ax = _night_figure(500, 500, scale=1.3)
    ax.set_position([0.0, 0.0, 1.0, 0.9])
    _night_axes(ax)
    ax.set_xlim(-1.5, 1.5)
    ax.set_ylim(-1.6, 1.45)
    ax.add_patch(Circle((0, 0), 1.0, fc=style.NIGHT_LIGHT, ec="#8da2c9", lw=1.5))
    e, n, w, s = compass(lang)
    for ang, name in ((0, f"{e}\n0°"), (90, f"{n}\n90°"), (180, f"{w}\n180°"), (270, f"{s}\n270°")):
        u = np.array([np.cos(np.radians(ang)), np.sin(np.radians(ang))])
        ax.plot([0, u[0]], [0, u[1]], color="#8da2c9", lw=1.0)
        ax.text(*(1.22 * u), name, color=style.WHITE, ha="center", va="center",
                fontsize="medium", fontweight="bold", linespacing=0.95)
    # Counter-clockwise arc from East.
    t = np.radians(np.linspace(8, 300, 120))
    ax.plot(0.42 * np.cos(t), 0.42 * np.sin(t), color=style.YELLOW, lw=2.0)
    _arrow(ax, (0.42 * np.cos(t[-2]), 0.42 * np.sin(t[-2])), (0.42 * np.cos(t[-1]),
           0.42 * np.sin(t[-1])), style.YELLOW, width=2.0, head=16)
    ax.text(0.0, -0.08, tr(lang, "counter-\nclockwise", "sens\ntrigonometric"), color=style.YELLOW,
            ha="center", va="center", fontsize="small")
    # An example shower arriving from azimuth 135 deg (the North-West).
    phi = np.radians(135)
    start = 1.0 * np.array([np.cos(phi), np.sin(phi)])
    _arrow(ax, start, 0.55 * start, V_COLOUR, width=3.5, head=22)
    t2 = np.radians(np.linspace(0, 135, 80))
    ax.plot(0.7 * np.cos(t2), 0.7 * np.sin(t2), color=V_COLOUR, lw=1.4, ls="--")
    ax.text(0.38, 0.72, "φ = 135°", color=V_COLOUR, fontsize="small", fontweight="bold")
    ax.text(0, -1.56, tr(lang, "φ = 135°: the shower comes FROM the North-West",
                         "φ = 135°: jerba vine DINSPRE nord-vest"), color=V_COLOUR,
            ha="center", va="bottom", fontsize="small")
    fig.text(0.5, 0.985, tr(lang, "Azimuth convention", "Convenția azimutului"), color=style.WHITE,
             ha="center", va="top", fontsize="large", fontweight="bold")
    fig.text(0.5, 0.92, tr(lang, "seen from above: North up, East to the right",
                           "văzut de sus: nordul sus, estul la dreapta"), color="#d8e2f5",
             ha="center", va="top", fontsize="small")
    save_figure(fig, path)
    style.close(fig)


# Descriptions for assistive technology: what each picture shows, with its main numbers, from the
# same model the pictures draw.

RO_CHANNEL = {"EW": "Est-Vest", "NS": "Nord-Sud", "V": "verticală"}


def _strongest(channel):
    """Where |v x B| on one channel is largest on the polar graph's grid: (value, azimuth, zenith)."""
    azimuth = np.radians(np.linspace(0, 360, 361))
    zenith_deg = np.linspace(0, 80, 161)
    az, zen = np.meshgrid(azimuth, np.radians(zenith_deg))
    amplitude = np.abs(vxb.vxb_channels(zen, az)[..., CHANNEL_INDEX[channel]])
    row, column = np.unravel_index(np.argmax(amplitude), amplitude.shape)
    return float(amplitude[row, column]), float(np.degrees(azimuth[column])), float(zenith_deg[row])


def describe():
    from ..describing import decimal
    field_en = (f"the field at the observatory points to azimuth {gm.FIELD_AZIMUTH_DEG:g}° and zenith "
                f"{gm.FIELD_ZENITH_DEG:g}°, {gm.FIELD_STRENGTH_GAUSS:g} gauss")
    field_ro = (f"câmpul la observator are azimutul {gm.FIELD_AZIMUTH_DEG:g}° și unghiul zenital "
                f"{gm.FIELD_ZENITH_DEG:g}°, {decimal(gm.FIELD_STRENGTH_GAUSS, 2, 'ro')} gauss")
    out = {
        "em_mec.PNG": {
            "en": "Diagram of the two radio emission mechanisms in the shower plane: the geomagnetic current "
                  "gives a field polarised along the v × B axis, the same direction at every antenna; the "
                  "charge excess gives a field pointing radially towards the shower axis; the two add on one "
                  "side of the axis and partly cancel on the other.",
            "ro": "Diagrama celor două mecanisme de emisie radio în planul jerbei: curentul geomagnetic dă un "
                  "câmp polarizat de-a lungul axei v × B, cu aceeași direcție la fiecare antenă; excesul de "
                  "sarcină dă un câmp radial, îndreptat spre axa jerbei; cele două se adună de o parte a axei "
                  "și se anulează parțial de cealaltă."},
        "geom1.png": {
            "en": "Diagram of the shower geometry: the arrival direction v with its zenith angle θ and "
                  "azimuth φ counted from East, the geomagnetic field B and the angle α between them; "
                  f"{field_en}.",
            "ro": "Diagrama geometriei jerbei: direcția de sosire v cu unghiul zenital θ și azimutul φ măsurat "
                  f"de la Est, câmpul geomagnetic B și unghiul α dintre ele; {field_ro}."},
    }
    for channel, name in POLAR.items():
        value, azimuth, zenith = _strongest(channel)
        out[name] = {
            "en": f"Polar graph of the {CHANNEL_NAME[channel]} component of v × B for every arrival direction, "
                  f"azimuth around the circle and zenith angle from 0° at the centre to 80° at the edge: it "
                  f"reaches {value:.2f} of |B| at azimuth {azimuth:.0f}° and zenith {zenith:.0f}°, and vanishes "
                  f"along the field, at azimuth {gm.FIELD_AZIMUTH_DEG:g}° and zenith {gm.FIELD_ZENITH_DEG:g}°.",
            "ro": f"Grafic polar al componentei {RO_CHANNEL[channel]} a lui v × B pentru fiecare direcție de "
                  f"sosire, azimutul pe cerc și unghiul zenital de la 0° în centru la 80° la margine: atinge "
                  f"{decimal(value, 2, 'ro')} din |B| la azimutul {azimuth:.0f}° și unghiul zenital {zenith:.0f}°, "
                  f"și se anulează de-a lungul câmpului, la azimutul {gm.FIELD_AZIMUTH_DEG:g}° și unghiul zenital "
                  f"{gm.FIELD_ZENITH_DEG:g}°."}
    zeniths = ", ".join(f"{z}°" for z in ZENITH_SERIES_DEG)
    for channel, name in DUAL.items():
        out[name] = {
            "en": f"Two graphs of the {CHANNEL_NAME[channel]} component against azimuth, 0° to 360°, for zenith "
                  f"angles {zeniths}: on the left v × B, on the right v × (v × B), both in units of |B| "
                  "between −1 and 1.",
            "ro": f"Două grafice ale componentei {RO_CHANNEL[channel]} în funcție de azimut, de la 0° la 360°, "
                  f"pentru unghiurile zenitale {zeniths}: în stânga v × B, în dreapta v × (v × B), amândouă în "
                  "unități de |B|, între −1 și 1."}
    out[DUAL_UNIT_EW] = {
        "en": f"Two graphs of the East-West component of the unit polarisation directions against azimuth for "
              f"zenith angles {zeniths}: the direction of v × B on the left, of v × (v × B) on the right, with "
              "the strength sin α divided out.",
        "ro": f"Două grafice ale componentei Est-Vest a direcțiilor unitare de polarizare în funcție de azimut, "
              f"pentru unghiurile zenitale {zeniths}: direcția lui v × B în stânga, a lui v × (v × B) în dreapta, "
              "fără intensitatea sin α."}
    out[ROTATION] = {
        "en": f"Four graphs of the components of v × B against azimuth for zenith angles {zeniths}: East-West "
              "and North-South on the initial axes (top), and on axes turned by the polarisation angle ψ "
              "(bottom), where the North-South′ component is 0 for every direction and the whole horizontal "
              "signal is East-West′.",
        "ro": f"Patru grafice ale componentelor lui v × B în funcție de azimut, pentru unghiurile zenitale {zeniths}: "
              "Est-Vest și Nord-Sud pe axele inițiale (sus) și pe axele rotite cu unghiul de polarizare ψ (jos), "
              "unde componenta Nord-Sud′ este 0 pentru orice direcție și tot semnalul orizontal este pe Est-Vest′."}
    alpha = np.degrees(np.arccos(np.clip(np.cos(np.radians(gm.FIELD_ZENITH_DEG)), -1, 1)))
    out["angles_good.png"] = {
        "en": f"Three graphs of the geometry angles: (a) the geomagnetic angle α against azimuth and (b) the "
              f"polarisation angle ψ against azimuth, for zenith angles {zeniths}; (c) α against zenith for "
              f"showers from East, North, West and South; a vertical shower has α = {alpha:.1f}°.",
        "ro": f"Trei grafice ale unghiurilor geometriei: (a) unghiul geomagnetic α în funcție de azimut și (b) "
              f"unghiul de polarizare ψ în funcție de azimut, pentru unghiurile zenitale {zeniths}; (c) α în "
              f"funcție de unghiul zenital pentru jerbe din Est, Nord, Vest și Sud; o jerbă verticală are "
              f"α = {decimal(alpha, 1, 'ro')}°."}
    out["logo.png"] = {
        "en": "Picture of three arrows meeting at one point: the arrival direction v, the geomagnetic field B "
              "and their cross product v × B, with the Lorentz force F = q v × B.",
        "ro": "Imagine cu trei săgeți care se întâlnesc într-un punct: direcția de sosire v, câmpul geomagnetic "
              "B și produsul lor vectorial v × B, cu forța Lorentz F = q v × B."}
    out["logo2.png"] = {
        "en": "Picture of the radio footprint of a proton shower arriving from the East at 50° zenith, an "
              "elongated ring brighter on one side, under a triangular grid of antennas.",
        "ro": "Imagine cu amprenta radio a unei jerbe de proton sosite din Est la 50° unghi zenital, un inel "
              "alungit, mai luminos pe o parte, sub o rețea triunghiulară de antene."}
    out["logo3.png"] = {
        "en": "Picture of the field strength across the shower core along v × B: the simple v × B model "
              "(dashed, symmetric) beside the full model with charge excess (solid, stronger on one side).",
        "ro": "Imagine cu intensitatea câmpului de-a lungul lui v × B, prin axa jerbei: modelul simplu v × B "
              "(întrerupt, simetric) alături de modelul complet, cu exces de sarcină (continuu, mai puternic "
              "pe o parte)."}
    out["conventie.png"] = {
        "en": "Diagram of the azimuth convention seen from above, North up and East to the right: azimuth is "
              "counted from East counter-clockwise, North 90°, West 180°, South 270°.",
        "ro": "Diagrama convenției pentru azimut văzută de sus, cu Nordul în sus și Estul la dreapta: azimutul se "
              "măsoară de la Est în sens trigonometric, Nord 90°, Vest 180°, Sud 270°."}
    return out
