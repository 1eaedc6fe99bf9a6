"""eq.JPG: the equations behind the browser's graphs, typeset with matplotlib mathtext, white
on the night-blue of the screens, in English and (under ro/) in Romanian. 925 pixels wide, so
that the 971-pixel text pane shows whole lines without a sideways scroll bar; it scrolls
vertically."""

import matplotlib.pyplot as plt

from .. import language, legibility, style
from ..language import number as num, words as tr
from ..models import atmosphere, cascade, radio
from ..output import save_figure

FILES = ["eq.JPG"]
RO_FILES = ["eq.JPG"]

WIDTH = 925  # 9.25 in at 100 dpi: exact in binary, so matplotlib renders exactly this width
LABEL_X = 14
FORMULA_X = 226
FORMULA_SIZE = 16
NOTE_SIZE = 11.5
EPOS = cascade.XMAX_MODELS["EPOS-LHC"]


def rows(lang):
    """(heading, formula, note, row height in pixels) of each equation."""
    x0 = num(cascade.RADIATION_LENGTH_G_CM2, ".2f", lang)
    ec = num(cascade.CRITICAL_ENERGY_EV / 1e6, ".2f", lang)
    r_sea = float(cascade.moliere_radius_m(0.0))
    r_site = float(cascade.moliere_radius_m(atmosphere.OBSERVATORY_ALTITUDE_M))
    refractivity = f"{radio.REFRACTIVITY_SEA_LEVEL * 1e4:.2f}"
    slope = EPOS["D"]
    return [
        (tr(lang, "Atmospheric depth", "Adâncimea\natmosferică"),
         r"$X_\mathrm{v}(h) = a_i + b_i\,e^{-h/c_i},\qquad X = X_\mathrm{v}(h)\,/\cos\theta$",
         tr(lang, "US standard atmosphere in Linsley's five layers; slant depth for zenith angles θ ≤ 70°",
            "atmosfera standard SUA în cele cinci straturi Linsley; adâncimea oblică pentru unghiuri zenitale θ ≤ 70°"),
         66),
        (tr(lang, "Greisen profile", "Profilul Greisen"),
         r"$N_\mathrm{e}(t) = \dfrac{0.31}{\sqrt{\beta_0}}\;"
         r"\exp\!\left[t\left(1 - \dfrac{3}{2}\ln s\right)\right],\qquad \beta_0 = \ln\dfrac{E_0}{E_\mathrm{c}},"
         r"\quad t = \dfrac{X}{X_0}$",
         tr(lang, "electrons and positrons of a photon-initiated shower, depth t in radiation lengths",
            "electronii și pozitronii unei jerbe inițiate de un foton, adâncimea t în lungimi de radiație"),
         98),
        (tr(lang, "Shower age", "Vârsta jerbei"),
         r"$s = \dfrac{3t}{t + 2\beta_0}\qquad" + tr(lang, r"\mathrm{hadron\ showers:}", r"\mathrm{jerbe\ hadronice:}")
         + r"\quad s = \dfrac{3X}{X + 2X_\mathrm{max}}$",
         tr(lang, "s = 0 at the start, 1 at the maximum, towards 3 in an old shower",
            "s = 0 la început, 1 la maxim, spre 3 într-o jerbă bătrână"),
         78),
        (tr(lang, "Shower maximum", "Maximul jerbei"),
         r"$t_\mathrm{max} = \beta_0,\qquad X_\mathrm{max} = X_0\ln\dfrac{E_0}{E_\mathrm{c}},\qquad "
         r"N_\mathrm{max} = \dfrac{0.31\,E_0/E_\mathrm{c}}{\sqrt{\ln(E_0/E_\mathrm{c})}}$",
         tr(lang, f"photon-initiated shower; $X_0$ = {x0} g/cm$^2$, $E_\\mathrm{{c}}$ = {ec} MeV",
            f"jerbă inițiată de un foton; $X_0$ = {x0} g/cm$^2$, $E_\\mathrm{{c}}$ = {ec} MeV"),
         110),
        (tr(lang, "Mean depth of\nmaximum ⟨X$_\\mathrm{max}$⟩", "Adâncimea medie\na maximului ⟨X$_\\mathrm{max}$⟩"),
         rf"$\langle X_\mathrm{{max}}\rangle = {EPOS['X0']:.1f} + {slope:.1f}\,\ell + "
         rf"\left({EPOS['xi']:.2f} - \dfrac{{{slope:.1f}}}{{\ln 10}} + {EPOS['delta']:.2f}\,\ell\right)\ln A$",
         tr(lang, r"in g/cm$^2$, with $\ell$ = lg(E / $10^{19}$ eV); hadronic model EPOS-LHC, "
                  "parametrisation of the Pierre Auger Collaboration (2013); A: mass number, "
                  "1 for a proton, 56 for iron",
            r"în g/cm$^2$, cu $\ell$ = lg(E / $10^{19}$ eV); modelul hadronic EPOS-LHC, "
            "parametrizarea Colaborării Pierre Auger (2013); A: numărul de masă, "
            "1 pentru proton, 56 pentru fier"),
         92),
        (tr(lang, "NKG lateral\ndistribution", "Distribuția\nlaterală NKG"),
         r"$\rho_\mathrm{e}(r) = \dfrac{N_\mathrm{e}\,C(s)}{r_\mathrm{M}^2}"
         r"\left(\dfrac{r}{r_\mathrm{M}}\right)^{s-2}\left(1 + \dfrac{r}{r_\mathrm{M}}\right)^{s-4.5}$",
         tr(lang, "particles per unit area at distance r from the axis",
            "particule pe unitatea de suprafață la distanța r de axă"),
         90),
        (tr(lang, "NKG normalisation", "Normalizarea NKG"),
         r"$C(s) = \dfrac{\Gamma(4.5 - s)}{2\pi\,\Gamma(s)\,\Gamma(4.5 - 2s)}$",
         tr(lang, r"so that $\int 2\pi r\,\rho_\mathrm{e}(r)\,\mathrm{d}r = N_\mathrm{e}$, for 0 < s < 2.25",
            r"astfel încât $\int 2\pi r\,\rho_\mathrm{e}(r)\,\mathrm{d}r = N_\mathrm{e}$, pentru 0 < s < 2.25"),
         98),
        (tr(lang, "Molière radius", "Raza Molière"),
         r"$r_\mathrm{M} = \dfrac{E_\mathrm{s}}{E_\mathrm{c}}\,\dfrac{X_0}{\rho(h)}$",
         f"$E_\\mathrm{{s}}$ = {cascade.SCALE_ENERGY_EV / 1e6:.0f} MeV, $E_\\mathrm{{c}}$ = {ec} MeV, "
         f"$X_0$ = {x0} g/cm$^2$: "
         + tr(lang, f"{r_sea:.0f} m at sea level, {r_site:.0f} m at 1400 m",
              f"{r_sea:.0f} m la nivelul mării, {r_site:.0f} m la 1400 m"),
         94),
        (tr(lang, "Gaisser–Hillas\nprofile", "Profilul\nGaisser–Hillas"),
         r"$N(X) = N_\mathrm{max}\left(\dfrac{X - X_1}{X_\mathrm{max} - X_1}\right)"
         r"^{(X_\mathrm{max} - X_1)/\lambda}\exp\dfrac{X_\mathrm{max} - X}{\lambda}$",
         tr(lang, "$X_1$ and λ are shape parameters (λ ≈ 60–100 g/cm$^2$)",
            "$X_1$ și λ sunt parametri de formă (λ ≈ 60–100 g/cm$^2$)"),
         98),
        (tr(lang, "Shower frame", "Sistemul de axe\nal jerbei"),
         r"$\hat{e}_1 = \dfrac{\vec{v}\times\vec{B}}{|\vec{v}\times\vec{B}|},\quad "
         r"\hat{e}_2 = \vec{v}\times\hat{e}_1\ \parallel\ \vec{v}\times(\vec{v}\times\vec{B}),\quad "
         r"\hat{e}_3 = \vec{v}$",
         tr(lang, "v: direction of propagation, B: geomagnetic field",
            "v: direcția de propagare, B: câmpul geomagnetic"),
         94),
        (tr(lang, "Geomagnetic angle", "Unghiul\ngeomagnetic"),
         r"$\sin\alpha = |\hat{v}\times\hat{B}|$",
         tr(lang, "α: angle between the arrival direction (where the shower comes from) and the "
                  "geomagnetic field B; the geomagnetic emission grows with sin α",
            "α: unghiul dintre direcția de sosire (de unde vine jerba) și câmpul geomagnetic B; "
            "emisia geomagnetică crește cu sin α"),
         64),
        (tr(lang, "Radio field", "Câmpul radio"),
         r"$\vec{E} = g(r)\left[-\sin\alpha\,\hat{e}_1 - a(r)\,\hat{r}\right],\qquad "
         r"\vec{E}_\mathrm{geo} \propto -\dfrac{\mathrm{d}\vec{J}}{\mathrm{d}t},\quad \vec{J} \parallel +\vec{v}\times\vec{B}$",
         tr(lang, "polarised along the v × B axis: the geomagnetic field points along −v × B while the "
                  "current J grows; charge excess: radial, towards the axis (r̂: from the axis to the "
                  "antenna), a(r): charge-excess fraction, rising with the distance from the axis",
            "polarizat pe axa v × B: câmpul geomagnetic e orientat spre −v × B cât timp curentul J "
            "crește; excesul de sarcină: radial, spre axă (r̂: de la axă spre antenă), "
            "a(r): fracția excesului de sarcină, care crește cu distanța față de axă"),
         88),
        (tr(lang, "Polarisation angle", "Unghiul de\npolarizare"),
         r"$\chi = \mathrm{atan2}\left(a\,\sin\varphi',\ \sin\alpha + a\,\cos\varphi'\right)$",
         tr(lang, "χ: polarisation angle in the shower plane (charge excess), a: charge-excess fraction, "
                  "φ′: observer's angle from $\\hat{e}_1$; ψ in the texts: direction of v × B on the "
                  "ground, from east",
            "χ: unghiul de polarizare în planul jerbei (exces de sarcină), a: fracția excesului de sarcină, "
            "φ′: unghiul observatorului față de $\\hat{e}_1$; ψ în texte: direcția lui v × B pe sol, "
            "față de est"),
         76),
        (tr(lang, "Cherenkov angle\nand ring", "Unghiul și\ninelul Cherenkov"),
         rf"$\cos\theta_\mathrm{{C}} = \dfrac{{1}}{{n}},\quad n - 1 = {refractivity}\times10^{{-4}}\,"
         r"\dfrac{\rho}{\rho_0},\qquad r_\mathrm{C} = D\,\tan\theta_\mathrm{C}$",
         tr(lang, "ring radius in the shower plane; D: distance from the shower maximum to the ground "
                  "along the axis, ρ: air density at the maximum",
            "raza inelului în planul jerbei; D: distanța de la maximul jerbei la sol de-a lungul "
            "axei, ρ: densitatea aerului la maxim"),
         86),
        (tr(lang, "Radiation energy", "Energia radiată"),
         rf"$E_\mathrm{{rad}} = {radio.RADIATION_ENERGY_EV / 1e6:.1f}\,\mathrm{{MeV}}\,"
         rf"(E/\mathrm{{EeV}})^2\,(B/{radio.REFERENCE_FIELD_GAUSS:.2f}\,\mathrm{{G}})^2\ \times$" "\n"
         r"$[a^2 + (1 - a^2)\sin^2\alpha]\,f(\rho)^2\,c(\Delta X)\ \ \propto\ E^2\sin^2\alpha$",
         tr(lang, "whole footprint at 30–80 MHz; a: charge-excess fraction at the Cherenkov ring; "
                  "f(ρ): air density at the maximum; c(ΔX): share emitted before the ground cuts "
                  "the shower off, ΔX from the maximum to the ground (Glaser et al. 2016)",
            "toată amprenta la sol, 30–80 MHz; a: fracția excesului de sarcină la inelul Cherenkov; "
            "f(ρ): densitatea aerului la maxim; c(ΔX): partea emisă înainte ca solul să oprească "
            "jerba, ΔX de la maxim la sol (Glaser et al. 2016)"),
         100),
        (tr(lang, "Arrival time", "Momentul sosirii"),
         r"$c\,\Delta t = \vec{p}\cdot\hat{v} + \sqrt{b^2 + r^2\tan^2\rho_\mathrm{c}} - b,\qquad "
         r"b = D\,\tan^2\rho_\mathrm{c}$",
         tr(lang, "plane front plus a hyperbolic delay: p: antenna position from the core, r: its "
                  "distance from the axis, ρ$_\\mathrm{c}$ = 1.5°: opening angle of the front far "
                  "from the axis; near the axis it is a sphere of radius D",
            "front plan plus o întârziere hiperbolică: p: poziția antenei față de centrul jerbei, "
            "r: distanța ei față de axă, ρ$_\\mathrm{c}$ = 1.5°: deschiderea frontului departe de "
            "axă; lângă axă este o sferă de rază D"),
         80),
    ]


# the English rows, for readers of the sheet's contents
ROWS = rows("en")
TOP = 58
BOTTOM = 14


NOTE_LINE = 18  # pixels per line of a note


def _wrapped(note, width_px):
    """The note broken into lines no wider than width_px (measured in the note's font at its
    legible size), at spaces; its own line breaks are kept."""
    probe_fig = plt.figure(figsize=(10, 1), dpi=style.DPI)
    renderer = probe_fig.canvas.get_renderer()
    size = max(NOTE_SIZE, legibility.smallest_font_pt(1.0))
    probe = probe_fig.text(0, 0, "", fontsize=size)

    def width(text):
        probe.set_text(text)
        return probe.get_window_extent(renderer).width

    lines = []
    for paragraph in note.split("\n"):
        line = ""
        for word in paragraph.split(" "):
            candidate = f"{line} {word}" if line else word
            if line and width(candidate) > width_px:
                lines.append(line)
                line = word
            else:
                line = candidate
        lines.append(line)
    plt.close(probe_fig)
    return "\n".join(lines)


def draw(out_dir, lang):
    # each row's height: its formula's zone plus one line per line of its wrapped note
    table = []
    for heading, formula, note, formula_height in rows(lang):
        note = _wrapped(note, WIDTH - FORMULA_X - LABEL_X) if note else ""
        lines = note.count("\n") + 1 if note else 0
        table.append((heading, formula, note, formula_height - NOTE_LINE + NOTE_LINE * lines))
    height = TOP + sum(row[3] for row in table) + BOTTOM
    height = -(-height // 25) * 25  # whole quarter inches render to exactly this many pixels
    fig, _ = style.figure(WIDTH, height)
    fig.clear()
    fig.patch.set_facecolor(style.NIGHT)
    saved_facecolor = plt.rcParams["savefig.facecolor"]
    plt.rcParams["savefig.facecolor"] = style.NIGHT
    px = lambda x, y: (x / WIDTH, 1.0 - y / height)  # pixel position from the top left
    fig.text(*px(LABEL_X, 16), tr(lang, "Equations used by the graphs",
                                  "Ecuațiile folosite de grafice"),
             color=style.WHITE, fontsize=20, fontweight="bold", va="top")
    y = TOP
    for i, (heading, formula, note, row_height) in enumerate(table):
        if i:
            fig.add_artist(plt.Line2D([LABEL_X / WIDTH, 1 - LABEL_X / WIDTH], [px(0, y)[1]] * 2,
                                      color=style.NIGHT_LIGHT, lw=1.2))
        note_height = NOTE_LINE * (note.count("\n") + 1) if note else 0
        formula_centre = y + (row_height - note_height) / 2 + 2
        fig.text(*px(LABEL_X, formula_centre), heading, color=style.SKY, fontsize=13.5,
                 fontweight="bold", va="center", linespacing=1.15)
        fig.text(*px(FORMULA_X, formula_centre), formula, color=style.WHITE, fontsize=FORMULA_SIZE,
                 va="center")
        if note:
            fig.text(*px(FORMULA_X, y + row_height - 5), note, color="#c4cde0", fontsize=NOTE_SIZE,
                     va="bottom")
        y += row_height
    try:
        save_figure(fig, language.path(out_dir, "eq.JPG", lang), quality=92)
    finally:
        plt.rcParams["savefig.facecolor"] = saved_facecolor
        style.close(fig)


def generate(out_dir):
    for lang in language.LANGUAGES:
        draw(out_dir, lang)


# Descriptions for assistive technology: the sheet's rows by name, in each language.

def _row_name(name):
    """A row's title as one plain line: no line breaks, mathtext reduced to its letters."""
    return (name.replace("\n", " ").replace("$_\\mathrm{max}$", "_max").replace("$", ""))


def describe():
    names = {lang: [_row_name(row[0]) for row in rows(lang)] for lang in ("en", "ro")}
    return {"eq.JPG": {
        "en": f"Sheet of the {len(names['en'])} equations the graphs use: " + "; ".join(names["en"]) + ".",
        "ro": f"Foaia celor {len(names['ro'])}{' de' if len(names['ro']) % 100 >= 20 else ''} ecuații folosite de grafice: " + "; ".join(names["ro"]) + ".",
    }}
