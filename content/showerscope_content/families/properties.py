"""The five graphs of the shower-properties screen: atmospheric depth, shower age, particle
number, NKG lateral distribution and Moliere radius. Shown at natural size in a 691 x 640 pane."""

import io

import numpy as np
from matplotlib.ticker import LogLocator, NullFormatter
from PIL import Image

from .. import language, style
from ..models import atmosphere, cascade, longitudinal
from ..output import check_legibility, save_figure, save_image
from ..language import number as num, words as tr

FILES = ["gr.jpg", "age.png", "total.png", "gr3.jpg", "gr8.jpg"]
RO_FILES = list(FILES)

SCALE = 1.1
OBSERVATORY_KM = atmosphere.OBSERVATORY_ALTITUDE_M / 1000.0
# Depth of the first interaction of a vertical shower: the proton-air interaction length at
# 10^19 eV (models/longitudinal.py); a photon converts after 9/7 X_0 = 47 g/cm^2, nearly the same.
FIRST_INTERACTION_G_CM2 = float(longitudinal.interaction_length("proton", 1e19))


def _atmosphere_note(lang):
    return tr(lang, "US standard atmosphere, Linsley five-layer parametrisation",
              "atmosfera standard SUA, parametrizarea Linsley în cinci straturi")


def _constants(lang):
    x0 = f"$X_0$ = {num(cascade.RADIATION_LENGTH_G_CM2, '.2f', lang)} g/cm$^2$"
    ec = rf"$E_\mathrm{{c}}$ = {num(cascade.CRITICAL_ENERGY_EV / 1e6, '.2f', lang)} MeV"
    es = rf"$E_\mathrm{{s}}$ = {cascade.SCALE_ENERGY_EV / 1e6:.0f} MeV"
    return x0, ec, es


def _greisen_note(lang):
    x0, ec, _ = _constants(lang)
    return tr(lang, f"Greisen profile of photon-initiated showers, {x0}, {ec};\n"
                    "depth counted from the first interaction",
              f"profilul Greisen al jerbelor inițiate de fotoni, {x0}, {ec};\n"
              "adâncimea numărată de la prima interacțiune")


def _first_interaction_depth(lang):
    return tr(lang, "depth from the first interaction X (g/cm$^2$)",
              "adâncimea de la prima interacțiune X (g/cm$^2$)")


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


def _depth_figure(path, lang):
    heights_km = np.linspace(0.0, 30.0, 601)
    depth = atmosphere.vertical_depth(heights_km * 1000.0)
    fig, ax = style.figure(640, 632, SCALE)
    ax.plot(depth, heights_km, color=style.BLUE, lw=2.4)
    marks = [(0.0, tr(lang, "sea level", "nivelul mării"), style.BLACK, (650, 4.2)),
             (OBSERVATORY_KM, tr(lang, "observatory, 1400 m", "observator, 1400 m"),
              style.VERMILLION, (110, 4.6)),
             (10.0, "10 km", style.GREEN, (330, 15.5))]
    for h, name, colour, where in marks:
        x = float(atmosphere.vertical_depth(h * 1000.0))
        ax.plot([x], [h], "o", color=colour, ms=9, zorder=5, clip_on=False)
        ax.annotate(f"{name}\nX = {num(x, '.1f', lang)} g/cm$^2$", (x, h), xytext=where,
                    textcoords="data", ha="left", va="bottom", color=colour, fontsize=12,
                    arrowprops=dict(arrowstyle="-", color=colour, lw=1.0),
                    bbox=dict(boxstyle="round,pad=0.3", fc="white", ec=colour, lw=0.8))
    ax.set_xlim(0, 1100)
    ax.set_ylim(0, 30)
    ax.set_xlabel(tr(lang, "vertical atmospheric depth X (g/cm$^2$)",
                     "adâncimea atmosferică verticală X (g/cm$^2$)"))
    ax.set_ylabel(tr(lang, "altitude h (km)", "altitudinea h (km)"))
    ax.set_title(tr(lang, "Atmospheric depth against altitude",
                    "Adâncimea atmosferică în funcție de altitudine"))
    ax.text(0.97, 0.96, "$X(h) = a_i + b_i\\,e^{-h/c_i}$\n" + tr(lang, "in each layer $i$",
                                                                 "în fiecare strat $i$"),
            transform=ax.transAxes, ha="right", va="top", fontsize=12,
            bbox=dict(boxstyle="round,pad=0.4", fc="#f4f4f4", ec="#bbbbbb"))
    style.footnote(fig, _atmosphere_note(lang))
    fig.subplots_adjust(left=0.12, right=0.96, top=0.93, bottom=0.135)
    save_figure(fig, path)
    style.close(fig)


AGE_ENERGIES = (1e14, 1e16, 1e18, 1e20)


def _age_figure(path, lang):
    depth = np.linspace(1.0, 2000.0, 800)
    fig, ax = style.figure(640, 450, SCALE)
    for colour, energy in zip(style.SERIES, AGE_ENERGIES):
        ax.plot(depth, cascade.greisen_age_at_depth(depth, energy), color=colour,
                label=_energy_label(energy))
        x_max = float(cascade.greisen_x_max(energy))
        ax.plot([x_max], [1.0], "o", color=colour, ms=7, zorder=5)
    ax.axhline(1.0, color=style.GREY, lw=1.0, ls="--")
    ax.text(1990, 1.03, tr(lang, "s = 1: shower maximum", "s = 1: maximul jerbei"), ha="right",
            va="bottom", color=style.GREY, fontsize=11)
    ax.text(1990, 0.35, tr(lang, "young shower (s < 1)", "jerbă tânără (s < 1)"), ha="right",
            color=style.GREY, fontsize=12)
    ax.text(1300, 1.93, tr(lang, "old shower (s > 1)", "jerbă bătrână (s > 1)"), ha="right",
            va="top", color=style.GREY, fontsize=12,
            bbox=dict(boxstyle="round,pad=0.2", fc="white", ec="none"))
    ax.set_xlim(0, 2000)
    ax.set_ylim(0, 2.0)
    ax.set_xlabel(_first_interaction_depth(lang))
    ax.set_ylabel(tr(lang, "shower age s", "vârsta jerbei s"))
    ax.set_title(tr(lang, "Shower age", "Vârsta jerbei")
                 + r"  $s = 3t\,/\,(t + 2\ln(E_0/E_\mathrm{c}))$,  $t = X/X_0$", fontsize=14)
    ax.legend(loc="upper left", title=tr(lang, "photon energy", "energia fotonului"),
              fontsize=10.5, title_fontsize=10.5)
    style.footnote(fig, _greisen_note(lang))
    fig.subplots_adjust(left=0.125, right=0.96, top=0.91, bottom=0.245)
    _save_png(fig, path)
    style.close(fig)


TOTAL_ENERGIES = (1e15, 1e16, 1e17, 1e18, 1e19)


def _total_figure(path, lang):
    depth = np.linspace(1.0, 1500.0, 1000)
    fig, ax = style.figure(640, 470, SCALE)
    for colour, energy in zip(style.SERIES, TOTAL_ENERGIES):
        ax.plot(depth, cascade.greisen_size_at_depth(depth, energy), color=colour,
                label=_energy_label(energy))
    # For contrast, the mean electron profile of a proton shower of 10^19 eV: Gaisser-Hillas
    # with the hadronic models' <X_max> and the model's size at maximum, on the same axis
    # (atmospheric depth minus the depth of the first interaction).
    x_max = float(cascade.xmax_mean(1e19, 1))
    n_max = float(longitudinal.mean_size_at_maximum("electrons", "proton", 1e19))
    proton = cascade.gaisser_hillas(depth + FIRST_INTERACTION_G_CM2, n_max, x_max,
                                    x_first=FIRST_INTERACTION_G_CM2)
    ax.plot(depth, proton, color=style.BLACK, lw=2.0, ls=(0, (5, 3)),
            label=tr(lang, "proton, $10^{19}$ eV", "proton, $10^{19}$ eV"))
    peak = x_max - FIRST_INTERACTION_G_CM2
    ax.annotate(tr(lang, f"proton shower, $10^{{19}}$ eV:\nmaximum {x_max:.0f} g/cm$^2$ "
                         "of atmosphere",
                   f"jerbă de proton, $10^{{19}}$ eV:\nmaximul la {x_max:.0f} g/cm$^2$ "
                   "de atmosferă"),
                (peak, n_max), xytext=(25, 6e11), textcoords="data", ha="left", va="center",
                fontsize=10.5, arrowprops=dict(arrowstyle="->", color=style.BLACK, lw=1.0))
    # The ground of a vertical shower at its vertical depth, less the depth of the first
    # interaction, so that it sits on the same axis as the curves.
    for x, name, y in ((float(atmosphere.vertical_depth(atmosphere.OBSERVATORY_ALTITUDE_M)),
                        tr(lang, "ground, 1400 m", "sol, 1400 m"), 2.5e12),
                       (float(atmosphere.vertical_depth(0.0)),
                        tr(lang, "sea level", "nivelul mării"), 1.5e11)):
        x -= FIRST_INTERACTION_G_CM2
        ax.axvline(x, color=style.GREY, lw=1.0, ls="--")
        ax.text(x + 8, y, name, ha="left", va="center", color=style.GREY, fontsize=10)
    ax.set_yscale("log")
    ax.set_xlim(0, 1500)
    ax.set_ylim(1.0, 1e13)
    ax.yaxis.set_major_locator(LogLocator(base=10, numticks=7))
    ax.set_xlabel(_first_interaction_depth(lang))
    ax.set_ylabel(tr(lang, r"charged particles $N_\mathrm{e}$", r"particule încărcate $N_\mathrm{e}$"))
    ax.set_title(tr(lang, "Charged particles of photon-initiated showers",
                    "Particule încărcate în jerbe inițiate de fotoni"), fontsize=13.5)
    ax.legend(loc="lower center", bbox_to_anchor=(0.5, 0.0), ncol=3, fontsize=10,
              title=tr(lang, "photon energy (solid), proton (dashed)",
                       "energia fotonului (continuu), proton (întrerupt)"), title_fontsize=10)
    x0, ec, _ = _constants(lang)
    style.footnote(fig, tr(
        lang, f"Greisen profile ({x0}, {ec}); proton: Gaisser–Hillas;\n"
              f"vertical showers, first interaction at {FIRST_INTERACTION_G_CM2:.0f} g/cm$^2$",
        f"profil Greisen ({x0}, {ec}); proton: Gaisser–Hillas;\n"
        f"jerbe verticale, prima interacțiune la {FIRST_INTERACTION_G_CM2:.0f} g/cm$^2$"))
    fig.subplots_adjust(left=0.13, right=0.97, top=0.925, bottom=0.25)
    _save_png(fig, path)
    style.close(fig)


NKG_AGES = (0.8, 1.0, 1.2, 1.4)
# A shower of N_e = 10^9 particles at ground (a primary of about 10^18 eV) for the density
# examples: the curves give density per particle, the examples a density a detector sees.
EXAMPLE_SIZE = 1e9
EXAMPLE_AGE = 1.2


def _nkg_figure(path, lang):
    r_moliere = float(cascade.moliere_radius_m(atmosphere.OBSERVATORY_ALTITUDE_M))
    r = np.logspace(0, np.log10(2000.0), 400)
    fig, ax = style.figure(640, 450, SCALE)
    for colour, age in zip(style.SERIES, NKG_AGES):
        ax.plot(r, cascade.nkg_density(r, 1.0, age, r_moliere), color=colour,
                label=f"s = {num(age, '.1f', lang)}")
    ax.axvline(r_moliere, color=style.GREY, lw=1.0, ls="--")
    ax.text(r_moliere * 0.92, 1e-10, f"$r_\\mathrm{{M}}$ = {r_moliere:.0f} m", color=style.GREY,
            fontsize=12, va="bottom", ha="right")
    examples = []
    for distance in (100.0, 1000.0):
        per_particle = float(cascade.nkg_density(distance, 1.0, EXAMPLE_AGE, r_moliere))
        ax.plot([distance], [per_particle], "o", color=style.BLACK, ms=6, zorder=5)
        density = per_particle * EXAMPLE_SIZE
        value = num(density, ".0f" if density >= 10 else ".1f", lang)
        examples.append(tr(lang, f"{value} m$^{{-2}}$ at {distance:.0f} m",
                           f"{value} m$^{{-2}}$ la {distance:.0f} m"))
    ax.text(0.975, 0.96, tr(lang, f"for $N_\\mathrm{{e}}$ = $10^9$, s = {num(EXAMPLE_AGE, '.1f', lang)} (dots):",
                            f"pentru $N_\\mathrm{{e}}$ = $10^9$, s = {num(EXAMPLE_AGE, '.1f', lang)} (puncte):")
            + "\n" + "\n".join(examples), transform=ax.transAxes, ha="right", va="top",
            fontsize=11, bbox=dict(boxstyle="round,pad=0.35", fc="white", ec="#bbbbbb"))
    ax.set_xscale("log")
    ax.set_yscale("log")
    ax.set_xlim(1, 2000)
    ax.set_ylim(1e-11, 3e-2)
    # every second decade labelled: fourteen labels of a log axis crowd a 434 px picture
    ax.set_yticks(10.0 ** np.arange(-10, -1, 2))
    ax.yaxis.set_minor_locator(LogLocator(base=10, numticks=14))
    ax.yaxis.set_minor_formatter(NullFormatter())
    ax.set_xlabel(tr(lang, "distance from the shower axis r (m)",
                     "distanța față de axa jerbei r (m)"))
    ax.set_ylabel(tr(lang, "density per particle", "densitatea pe particulă") + "\n"
                  r"$\rho_\mathrm{e}/N_\mathrm{e}$ (m$^{-2}$)", fontsize=12)
    ax.set_title(tr(lang, "NKG lateral distribution at 1400 m altitude",
                    "Distribuția laterală NKG la 1400 m altitudine"))
    ax.legend(loc="lower left", title=tr(lang, "shower age", "vârsta jerbei"))
    style.footnote(fig, tr(lang, "NKG function with C(s); Moli\u00e8re radius at 1400 m "
                                 "(Linsley atmosphere)",
                           "funcția NKG cu C(s); raza Moli\u00e8re la 1400 m (atmosfera Linsley)"))
    fig.subplots_adjust(left=0.18, right=0.97, top=0.925, bottom=0.2)
    save_figure(fig, path)
    style.close(fig)


def _moliere_figure(path, lang):
    fig, ax = style.figure(640, 632, SCALE)
    # The layered atmosphere's density jumps a little at each layer boundary, so each layer is
    # drawn as a curve of its own rather than joined across the step.
    bounds_km = [b / 1000.0 for b in atmosphere.LAYER_BOTTOM_M if 0.0 < b < 12.0e3]
    edges_km = [0.0] + bounds_km + [12.0]
    for bottom, top in zip(edges_km[:-1], edges_km[1:]):
        heights_km = np.linspace(bottom, top, 161)
        heights_km[-1] = np.nextafter(top, bottom) if top < 12.0 else top
        ax.plot(heights_km, cascade.moliere_radius_m(heights_km * 1000.0), color=style.BLUE, lw=2.4)
    marks = [(0.0, tr(lang, "sea level", "nivelul mării"), style.BLACK, (1.2, 30)),
             (OBSERVATORY_KM, tr(lang, "observatory, 1400 m", "observator, 1400 m"),
              style.VERMILLION, (2.6, 55)),
             (10.0, "10 km", style.GREEN, (7.6, 110))]
    for h, name, colour, where in marks:
        value = float(cascade.moliere_radius_m(h * 1000.0))
        ax.annotate(f"{name}: {value:.0f} m", (h, value), xytext=where, textcoords="data",
                    ha="left", va="center", color=colour, fontsize=13,
                    arrowprops=dict(arrowstyle="-", color=colour, lw=1.0),
                    bbox=dict(boxstyle="round,pad=0.3", fc="white", ec=colour, lw=0.8))
        ax.plot([h], [value], "o", color=colour, ms=9, zorder=5, clip_on=False)
    ax.set_xlim(0, 12)
    ax.set_ylim(0, 280)
    ax.set_xlabel(tr(lang, "altitude h (km)", "altitudinea h (km)"))
    ax.set_ylabel(tr(lang, "Moli\u00e8re radius $r_\\mathrm{M}$ (m)",
                     "raza Moli\u00e8re $r_\\mathrm{M}$ (m)"))
    ax.set_title(tr(lang, "Moli\u00e8re radius against altitude",
                    "Raza Moli\u00e8re în funcție de altitudine"))
    depth = f"{cascade.MOLIERE_DEPTH_G_CM2:.2f}"
    layers = tr(lang, " and ", " și ").join(num(b, "g", lang) for b in bounds_km)
    ax.text(0.04, 0.95, r"$r_\mathrm{M} = \dfrac{E_\mathrm{s}}{E_\mathrm{c}}\,\dfrac{X_0}{\rho(h)}"
                        rf" = \dfrac{{{depth}\ \mathrm{{g/cm^2}}}}{{\rho(h)}}$" "\n"
            + tr(lang, f"$\\propto$ exp(h / {num(9.9, '.1f', lang)} km) below 4 km\n"
                       f"{layers} km: steps at the\nmodel's layer boundaries",
                 f"$\\propto$ exp(h / {num(9.9, '.1f', lang)} km) sub 4 km\n"
                 f"{layers} km: trepte la limitele\nstraturilor modelului"),
            transform=ax.transAxes, ha="left", va="top", fontsize=14, linespacing=1.6,
            bbox=dict(boxstyle="round,pad=0.4", fc="#f4f4f4", ec="#bbbbbb"))
    x0, ec, es = _constants(lang)
    style.footnote(fig, tr(lang, f"{es}, {ec}, {x0}; Linsley atmosphere;\n"
                                 "textbooks often quote 79 m at sea level, from older constants",
                           f"{es}, {ec}, {x0}; atmosfera Linsley;\n"
                           "manualele dau adesea 79 m la nivelul mării, din constante mai vechi"))
    fig.subplots_adjust(left=0.13, right=0.96, top=0.93, bottom=0.16)
    save_figure(fig, path)
    style.close(fig)


def generate(out_dir):
    for lang in language.LANGUAGES:
        _depth_figure(language.path(out_dir, "gr.jpg", lang), lang)
        _age_figure(language.path(out_dir, "age.png", lang), lang)
        _total_figure(language.path(out_dir, "total.png", lang), lang)
        _nkg_figure(language.path(out_dir, "gr3.jpg", lang), lang)
        _moliere_figure(language.path(out_dir, "gr8.jpg", lang), lang)


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
