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


# Descriptions for assistive technology: what each graph shows, with its main numbers, from the
# same model the graphs draw.

def describe():
    from ..describing import count, decimal as _decimal

    depths = {name: float(atmosphere.vertical_depth(h * 1000.0))
              for name, h in (("sea", 0.0), ("obs", OBSERVATORY_KM), ("10", 10.0))}
    xmax = [float(cascade.greisen_x_max(e)) for e in AGE_ENERGIES]
    r_obs = float(cascade.moliere_radius_m(atmosphere.OBSERVATORY_ALTITUDE_M))
    moliere = {name: float(cascade.moliere_radius_m(h * 1000.0))
               for name, h in (("sea", 0.0), ("obs", OBSERVATORY_KM), ("10", 10.0))}
    n_max = [float(cascade.greisen_size_at_depth(cascade.greisen_x_max(e), e)) for e in (1e15, 1e19)]

    def depth_text(language):
        d = {k: _decimal(v, 1, language) for k, v in depths.items()}
        if language == "en":
            return ("Graph of vertical atmospheric depth against altitude from 0 to 30 km: the depth falls "
                    f"from {d['sea']} g/cm² at sea level to {d['obs']} g/cm² at the observatory (1400 m) "
                    f"and {d['10']} g/cm² at 10 km.")
        return ("Graficul adâncimii atmosferice verticale în funcție de altitudine, de la 0 la 30 km: adâncimea "
                f"scade de la {d['sea']} g/cm² la nivelul mării la {d['obs']} g/cm² la observator (1400 m) "
                f"și la {d['10']} g/cm² la 10 km.")

    def age_text(language):
        x = ", ".join(f"{v:.0f}" for v in xmax)
        if language == "en":
            return ("Graph of shower age against depth for primary energies of 10¹⁴, 10¹⁶, 10¹⁸ and 10²⁰ eV: "
                    "the age grows from 0 through 1, the shower maximum, which lies at "
                    f"{x} g/cm² from the first interaction, towards 2 for old showers.")
        return ("Graficul vârstei jerbei în funcție de adâncime pentru energii primare de 10¹⁴, 10¹⁶, 10¹⁸ și "
                "10²⁰ eV: vârsta crește de la 0 la 1, maximul jerbei, aflat la "
                f"{x} g/cm² de la prima interacție, și spre 2 pentru jerbele bătrâne.")

    def total_text(language):
        if language == "en":
            return ("Graph of the number of charged particles against depth on a logarithmic scale for primary "
                    f"energies from 10¹⁵ to 10¹⁹ eV: the maximum grows from about {count(n_max[0], 'en')} to "
                    f"{count(n_max[1], 'en')} particles; dashed lines mark the ground at 1400 m "
                    f"({depths['obs']:.0f} g/cm²) and sea level ({depths['sea']:.0f} g/cm²).")
        return ("Graficul numărului de particule încărcate în funcție de adâncime, pe scară logaritmică, pentru "
                f"energii primare de la 10¹⁵ la 10¹⁹ eV: maximul crește de la aproximativ {count(n_max[0], 'ro')} la "
                f"{count(n_max[1], 'ro')} de particule; liniile întrerupte arată solul la 1400 m "
                f"({depths['obs']:.0f} g/cm²) și nivelul mării ({depths['sea']:.0f} g/cm²).")

    def nkg_text(language):
        ages = ", ".join(_decimal(a, 1, language) for a in NKG_AGES)
        if language == "en":
            return ("Graph of the NKG lateral distribution at 1400 m altitude: particle density per particle "
                    f"against distance from the shower axis, 1 to 2000 m, for shower ages {ages}; the density "
                    f"falls steeply beyond the Molière radius of {r_obs:.0f} m, and faster for younger showers.")
        return ("Graficul distribuției laterale NKG la 1400 m altitudine: densitatea de particule pe particulă "
                f"în funcție de distanța față de axa jerbei, de la 1 la 2000 m, pentru vârstele {ages}; densitatea "
                f"scade abrupt dincolo de raza Molière de {r_obs:.0f} m, și mai repede pentru jerbele tinere.")

    def moliere_text(language):
        m = {k: f"{v:.0f}" for k, v in moliere.items()}
        if language == "en":
            return ("Graph of the Molière radius against altitude from 0 to 12 km: it grows as the air thins, "
                    f"from {m['sea']} m at sea level to {m['obs']} m at the observatory (1400 m) and "
                    f"{m['10']} m at 10 km.")
        return ("Graficul razei Molière în funcție de altitudine, de la 0 la 12 km: crește pe măsură ce aerul se "
                f"rarefiază, de la {m['sea']} m la nivelul mării la {m['obs']} m la observator (1400 m) și la "
                f"{m['10']} m la 10 km.")

    texts = {"gr.jpg": depth_text, "age.png": age_text, "total.png": total_text, "gr3.jpg": nkg_text,
             "gr8.jpg": moliere_text}
    return {name: {"en": make("en"), "ro": make("ro")} for name, make in texts.items()}
