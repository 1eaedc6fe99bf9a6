"""The five graphs of the shower-properties screen: atmospheric depth, shower age, particle
number, NKG lateral distribution and Moliere radius. Shown at natural size in a 691 x 640 pane."""

import io
import os

import numpy as np
from matplotlib.ticker import LogLocator, NullFormatter
from PIL import Image

from .. import style
from ..models import atmosphere, cascade
from ..output import check_legibility, save_figure, save_image

FILES = ["gr.jpg", "age.png", "total.png", "gr3.jpg", "gr8.jpg"]

SCALE = 1.1
OBSERVATORY_KM = atmosphere.OBSERVATORY_ALTITUDE_M / 1000.0
ATMOSPHERE_NOTE = "US standard atmosphere, Linsley five-layer parametrisation"
X0_TEXT = f"$X_0$ = {cascade.RADIATION_LENGTH_G_CM2:.2f} g/cm$^2$"
EC_TEXT = rf"$E_\mathrm{{c}}$ = {cascade.CRITICAL_ENERGY_EV / 1e6:.2f} MeV"
ES_TEXT = rf"$E_\mathrm{{s}}$ = {cascade.SCALE_ENERGY_EV / 1e6:.0f} MeV"
GREISEN_NOTE = f"Greisen profile, {X0_TEXT}, {EC_TEXT};\ndepth counted from the first interaction"
FIRST_INTERACTION_DEPTH = "depth from the first interaction X (g/cm$^2$)"


def _save_png(fig, path):
    """PNG reduced to 256 colours (invisible on a line plot), keeping the file under ~70 KB."""
    check_legibility(fig, path)
    buf = io.BytesIO()
    fig.savefig(buf, format="png", dpi=style.DPI, metadata={"Software": None})
    buf.seek(0)
    image = Image.open(buf).convert("RGB")
    reduced = image.quantize(256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    save_image(reduced.convert("RGB"), path)


def _energy_label(energy_ev):
    return rf"$10^{{{int(round(np.log10(energy_ev)))}}}$ eV"


def _depth_figure(path):
    heights_km = np.linspace(0.0, 30.0, 601)
    depth = atmosphere.vertical_depth(heights_km * 1000.0)
    fig, ax = style.figure(640, 632, SCALE)
    ax.plot(depth, heights_km, color=style.BLUE, lw=2.4)
    marks = [(0.0, "sea level", style.BLACK, (650, 4.2)),
             (OBSERVATORY_KM, "observatory, 1400 m", style.VERMILLION, (110, 4.6)),
             (10.0, "10 km", style.GREEN, (330, 15.5))]
    for h, name, colour, where in marks:
        x = float(atmosphere.vertical_depth(h * 1000.0))
        ax.plot([x], [h], "o", color=colour, ms=9, zorder=5, clip_on=False)
        ax.annotate(f"{name}\nX = {x:.1f} g/cm$^2$", (x, h), xytext=where, textcoords="data",
                    ha="left", va="bottom", color=colour, fontsize=12,
                    arrowprops=dict(arrowstyle="-", color=colour, lw=1.0),
                    bbox=dict(boxstyle="round,pad=0.3", fc="white", ec=colour, lw=0.8))
    ax.set_xlim(0, 1100)
    ax.set_ylim(0, 30)
    ax.set_xlabel("vertical atmospheric depth X (g/cm$^2$)")
    ax.set_ylabel("altitude h (km)")
    ax.set_title("Atmospheric depth against altitude")
    ax.text(0.97, 0.96, "$X(h) = a_i + b_i\\,e^{-h/c_i}$\nin each layer $i$", transform=ax.transAxes,
            ha="right", va="top", fontsize=12,
            bbox=dict(boxstyle="round,pad=0.4", fc="#f4f4f4", ec="#bbbbbb"))
    style.footnote(fig, ATMOSPHERE_NOTE)
    fig.subplots_adjust(left=0.12, right=0.96, top=0.93, bottom=0.135)
    save_figure(fig, path)
    style.close(fig)


AGE_ENERGIES = (1e14, 1e16, 1e18, 1e20)


def _age_figure(path):
    depth = np.linspace(1.0, 2000.0, 800)
    fig, ax = style.figure(640, 450, SCALE)
    for colour, energy in zip(style.SERIES, AGE_ENERGIES):
        ax.plot(depth, cascade.greisen_age_at_depth(depth, energy), color=colour,
                label=_energy_label(energy))
        x_max = float(cascade.greisen_x_max(energy))
        ax.plot([x_max], [1.0], "o", color=colour, ms=7, zorder=5)
    ax.axhline(1.0, color=style.GREY, lw=1.0, ls="--")
    ax.text(1990, 1.03, "s = 1: shower maximum", ha="right", va="bottom", color=style.GREY, fontsize=11)
    ax.text(1990, 0.35, "young shower (s < 1)", ha="right", color=style.GREY, fontsize=12)
    ax.text(1300, 1.93, "old shower (s > 1)", ha="right", va="top", color=style.GREY, fontsize=12,
            bbox=dict(boxstyle="round,pad=0.2", fc="white", ec="none"))
    ax.set_xlim(0, 2000)
    ax.set_ylim(0, 2.0)
    ax.set_xlabel(FIRST_INTERACTION_DEPTH)
    ax.set_ylabel("shower age s")
    ax.set_title(r"Shower age  $s = 3t\,/\,(t + 2\ln(E_0/E_\mathrm{c}))$,  $t = X/X_0$", fontsize=14)
    ax.legend(loc="upper left", title="primary energy", fontsize=10.5, title_fontsize=10.5)
    style.footnote(fig, GREISEN_NOTE)
    fig.subplots_adjust(left=0.125, right=0.96, top=0.91, bottom=0.245)
    _save_png(fig, path)
    style.close(fig)


TOTAL_ENERGIES = (1e15, 1e16, 1e17, 1e18, 1e19)


def _total_figure(path):
    depth = np.linspace(1.0, 1500.0, 1000)
    fig, ax = style.figure(640, 450, SCALE)
    for colour, energy in zip(style.SERIES, TOTAL_ENERGIES):
        ax.plot(depth, cascade.greisen_size_at_depth(depth, energy), color=colour,
                label=_energy_label(energy))
    # The ground of a vertical shower, at its vertical depth (the first interaction lies near the
    # top of the atmosphere, a few tens of g/cm^2 down).
    for x, name in ((float(atmosphere.vertical_depth(atmosphere.OBSERVATORY_ALTITUDE_M)),
                     "ground at 1400 m"),
                    (float(atmosphere.vertical_depth(0.0)), "sea level")):
        ax.axvline(x, color=style.GREY, lw=1.0, ls="--")
        ax.text(x - 8, 7e11, name, rotation=90, ha="right", va="top", color=style.GREY, fontsize=10)
    ax.set_yscale("log")
    ax.set_xlim(0, 1500)
    ax.set_ylim(1.0, 1e12)
    ax.yaxis.set_major_locator(LogLocator(base=10, numticks=12))
    ax.set_xlabel(FIRST_INTERACTION_DEPTH)
    ax.set_ylabel(r"charged particles $N_\mathrm{e}$")
    ax.set_title("Number of charged particles against depth")
    ax.legend(loc="lower center", bbox_to_anchor=(0.55, 0.0), ncol=3, fontsize=10,
              title="primary energy", title_fontsize=10)
    style.footnote(fig, GREISEN_NOTE)
    fig.subplots_adjust(left=0.13, right=0.97, top=0.92, bottom=0.245)
    _save_png(fig, path)
    style.close(fig)


NKG_AGES = (0.8, 1.0, 1.2, 1.4)


def _nkg_figure(path):
    r_moliere = float(cascade.moliere_radius_m(atmosphere.OBSERVATORY_ALTITUDE_M))
    r = np.logspace(0, np.log10(2000.0), 400)
    fig, ax = style.figure(640, 434, SCALE)
    for colour, age in zip(style.SERIES, NKG_AGES):
        ax.plot(r, cascade.nkg_density(r, 1.0, age, r_moliere), color=colour,
                label=f"s = {age:.1f}")
    ax.axvline(r_moliere, color=style.GREY, lw=1.0, ls="--")
    ax.text(r_moliere * 1.08, 2e-2, f"$r_\\mathrm{{M}}$ = {r_moliere:.0f} m", color=style.GREY, fontsize=12,
            va="top")
    ax.set_xscale("log")
    ax.set_yscale("log")
    ax.set_xlim(1, 2000)
    ax.set_ylim(1e-11, 3e-2)
    # every second decade labelled: fourteen labels of a log axis crowd a 434 px picture
    ax.set_yticks(10.0 ** np.arange(-10, -1, 2))
    ax.yaxis.set_minor_locator(LogLocator(base=10, numticks=14))
    ax.yaxis.set_minor_formatter(NullFormatter())
    ax.set_xlabel("distance from the shower axis r (m)")
    ax.set_ylabel("density per particle\n" r"$\rho_\mathrm{e}/N_\mathrm{e}$ (m$^{-2}$)", fontsize=12)
    ax.set_title("NKG lateral distribution at 1400 m altitude")
    ax.legend(loc="lower left", title="shower age")
    style.footnote(fig, "NKG function with C(s); Moli\u00e8re radius at 1400 m (Linsley atmosphere)")
    fig.subplots_adjust(left=0.18, right=0.97, top=0.92, bottom=0.165)
    save_figure(fig, path)
    style.close(fig)


def _moliere_figure(path):
    fig, ax = style.figure(640, 632, SCALE)
    # The layered atmosphere's density jumps a little at each layer boundary, so each layer is
    # drawn as a curve of its own rather than joined across the step.
    bounds_km = [b / 1000.0 for b in atmosphere.LAYER_BOTTOM_M if 0.0 < b < 12.0e3]
    edges_km = [0.0] + bounds_km + [12.0]
    for bottom, top in zip(edges_km[:-1], edges_km[1:]):
        heights_km = np.linspace(bottom, top, 161)
        heights_km[-1] = np.nextafter(top, bottom) if top < 12.0 else top
        ax.plot(heights_km, cascade.moliere_radius_m(heights_km * 1000.0), color=style.BLUE, lw=2.4)
    marks = [(0.0, "sea level", style.BLACK, (1.2, 30)), (OBSERVATORY_KM, "observatory, 1400 m", style.VERMILLION, (2.6, 55)),
             (10.0, "10 km", style.GREEN, (7.6, 110))]
    for h, name, colour, where in marks:
        value = float(cascade.moliere_radius_m(h * 1000.0))
        ax.plot([h], [value], "o", color=colour, ms=9, zorder=5, clip_on=False)
        ax.annotate(f"{name}: {value:.0f} m", (h, value), xytext=where, textcoords="data",
                    ha="left", va="center", color=colour, fontsize=13,
                    arrowprops=dict(arrowstyle="-", color=colour, lw=1.0),
                    bbox=dict(boxstyle="round,pad=0.3", fc="white", ec=colour, lw=0.8))
    ax.set_xlim(0, 12)
    ax.set_ylim(0, 280)
    ax.set_xlabel("altitude h (km)")
    ax.set_ylabel("Moli\u00e8re radius $r_\\mathrm{M}$ (m)")
    ax.set_title("Moli\u00e8re radius against altitude")
    ax.text(0.04, 0.95, r"$r_\mathrm{M} = \dfrac{E_\mathrm{s}}{E_\mathrm{c}}\,\dfrac{X_0}{\rho(h)}"
                        rf" = \dfrac{{{cascade.MOLIERE_DEPTH_G_CM2:.2f}\ \mathrm{{g/cm^2}}}}{{\rho(h)}}$" "\n"
                        r"$\propto e^{h/9.9\ \mathrm{km}}$ below 4 km" "\n"
                        + " and ".join(f"{b:g}" for b in bounds_km) + " km: steps at the\nmodel's layer boundaries",
            transform=ax.transAxes, ha="left", va="top", fontsize=14, linespacing=1.6,
            bbox=dict(boxstyle="round,pad=0.4", fc="#f4f4f4", ec="#bbbbbb"))
    style.footnote(fig, f"{ES_TEXT}, {EC_TEXT}, {X0_TEXT}; Linsley atmosphere")
    fig.subplots_adjust(left=0.13, right=0.96, top=0.93, bottom=0.135)
    save_figure(fig, path)
    style.close(fig)


def generate(out_dir):
    _depth_figure(os.path.join(out_dir, "gr.jpg"))
    _age_figure(os.path.join(out_dir, "age.png"))
    _total_figure(os.path.join(out_dir, "total.png"))
    _nkg_figure(os.path.join(out_dir, "gr3.jpg"))
    _moliere_figure(os.path.join(out_dir, "gr8.jpg"))
