"""eq.JPG: the equations behind the browser's graphs, typeset with matplotlib mathtext, white
on the night-blue of the screens. 960 pixels wide so that the 971-pixel text pane shows whole
lines; it scrolls vertically."""

import os

import matplotlib.pyplot as plt

from .. import style
from ..models import atmosphere, cascade
from ..output import save_figure

FILES = ["eq.JPG"]

WIDTH = 960
LABEL_X = 14
FORMULA_X = 240
FORMULA_SIZE = 17
NOTE_SIZE = 11.5

# (heading, formula, note, row height in pixels)
ROWS = [
    ("Atmospheric depth",
     r"$X_\mathrm{v}(h) = a_i + b_i\,e^{-h/c_i},\qquad X = X_\mathrm{v}(h)\,/\cos\theta$",
     "US standard atmosphere in Linsley's five layers; slant depth for zenith angles \u03b8 \u2264 70\u00b0", 66),
    ("Greisen profile",
     r"$N_\mathrm{e}(t) = \dfrac{0.31}{\sqrt{\beta_0}}\;"
     r"\exp\!\left[t\left(1 - \dfrac{3}{2}\ln s\right)\right],\qquad \beta_0 = \ln\dfrac{E_0}{E_\mathrm{c}},"
     r"\quad t = \dfrac{X}{X_0}$",
     "electrons and positrons of a photon-initiated shower, depth t in radiation lengths", 90),
    ("Shower age",
     r"$s = \dfrac{3t}{t + 2\beta_0}\qquad\mathrm{hadron\ showers:}\quad s = \dfrac{3X}{X + 2X_\mathrm{max}}$",
     "s = 0 at the start, 1 at the maximum, towards 3 in an old shower", 78),
    ("Shower maximum",
     r"$t_\mathrm{max} = \beta_0,\qquad X_\mathrm{max} = X_0\ln\dfrac{E_0}{E_\mathrm{c}},\qquad "
     r"N_\mathrm{max} = \dfrac{0.31\,E_0/E_\mathrm{c}}{\sqrt{\ln(E_0/E_\mathrm{c})}}$",
     "", 74),
    ("NKG lateral\ndistribution",
     r"$\rho_\mathrm{e}(r) = \dfrac{N_\mathrm{e}\,C(s)}{r_\mathrm{M}^2}"
     r"\left(\dfrac{r}{r_\mathrm{M}}\right)^{s-2}\left(1 + \dfrac{r}{r_\mathrm{M}}\right)^{s-4.5}$",
     "particles per unit area at distance r from the axis", 90),
    ("NKG normalisation",
     r"$C(s) = \dfrac{\Gamma(4.5 - s)}{2\pi\,\Gamma(s)\,\Gamma(4.5 - 2s)}$",
     r"so that $\int 2\pi r\,\rho_\mathrm{e}(r)\,\mathrm{d}r = N_\mathrm{e}$, for 0 < s < 2.25", 98),
    ("Moli\u00e8re radius",
     r"$r_\mathrm{M} = \dfrac{E_\mathrm{s}}{E_\mathrm{c}}\,\dfrac{X_0}{\rho(h)}$",
     f"$E_\\mathrm{{s}}$ = {cascade.SCALE_ENERGY_EV / 1e6:.0f} MeV, $E_\\mathrm{{c}}$ = {cascade.CRITICAL_ENERGY_EV / 1e6:.2f} MeV, "
     f"$X_0$ = {cascade.RADIATION_LENGTH_G_CM2:.2f} g/cm$^2$: {float(cascade.moliere_radius_m(0.0)):.0f} m at "
     f"sea level, {float(cascade.moliere_radius_m(atmosphere.OBSERVATORY_ALTITUDE_M)):.0f} m at 1400 m", 94),
    ("Gaisser\u2013Hillas\nprofile",
     r"$N(X) = N_\mathrm{max}\left(\dfrac{X - X_1}{X_\mathrm{max} - X_1}\right)"
     r"^{(X_\mathrm{max} - X_1)/\lambda}\exp\dfrac{X_\mathrm{max} - X}{\lambda}$",
     "$X_1$ and \u03bb are shape parameters (\u03bb \u2248 60\u2013100 g/cm$^2$)", 92),
    ("Shower frame",
     r"$\hat{e}_1 = \dfrac{\vec{v}\times\vec{B}}{|\vec{v}\times\vec{B}|},\qquad "
     r"\hat{e}_2 = \vec{v}\times\hat{e}_1\ \parallel\ \vec{v}\times(\vec{v}\times\vec{B}),\qquad "
     r"\hat{e}_3 = \vec{v}$",
     "v: direction of propagation, B: geomagnetic field", 88),
    ("Geomagnetic angle",
     r"$\sin\alpha = |\hat{v}\times\hat{B}|$",
     "\u03b1: angle between shower axis and field; the geomagnetic emission grows with sin \u03b1", 64),
    ("Polarisation angle",
     r"$\chi = \mathrm{atan2}\left(a\,\sin\varphi',\ \sin\alpha + a\,\cos\varphi'\right)$",
     "\u03c7: polarisation angle in the shower plane (charge excess), a: charge-excess fraction,\n"
     "\u03c6\u2032: observer's angle from $\\hat{e}_1$; \u03c8 in the texts: direction of v \u00d7 B on the "
     "ground, from east", 94),
]
TOP = 58
BOTTOM = 14


def generate(out_dir):
    height = TOP + sum(row[3] for row in ROWS) + BOTTOM
    fig, _ = style.figure(WIDTH, height)
    fig.clear()
    fig.patch.set_facecolor(style.NIGHT)
    saved_facecolor = plt.rcParams["savefig.facecolor"]
    plt.rcParams["savefig.facecolor"] = style.NIGHT
    px = lambda x, y: (x / WIDTH, 1.0 - y / height)  # pixel position from the top left
    fig.text(*px(LABEL_X, 16), "Equations used by the graphs", color=style.WHITE, fontsize=20,
             fontweight="bold", va="top")
    y = TOP
    for i, (heading, formula, note, row_height) in enumerate(ROWS):
        if i:
            fig.add_artist(plt.Line2D([LABEL_X / WIDTH, 1 - LABEL_X / WIDTH], [px(0, y)[1]] * 2,
                                      color=style.NIGHT_LIGHT, lw=1.2))
        note_height = 18 * (note.count("\n") + 1) if note else 0
        formula_centre = y + (row_height - note_height) / 2 + 2
        fig.text(*px(LABEL_X, formula_centre), heading, color=style.SKY, fontsize=14,
                 fontweight="bold", va="center", linespacing=1.15)
        fig.text(*px(FORMULA_X, formula_centre), formula, color=style.WHITE, fontsize=FORMULA_SIZE,
                 va="center")
        if note:
            fig.text(*px(FORMULA_X, y + row_height - 5), note, color="#c4cde0", fontsize=NOTE_SIZE,
                     va="bottom")
        y += row_height
    try:
        save_figure(fig, os.path.join(out_dir, "eq.JPG"), quality=92)
    finally:
        plt.rcParams["savefig.facecolor"] = saved_facecolor
        style.close(fig)


# Descriptions for assistive technology: the sheet's rows by name.

RO_ROWS = {
    "Atmospheric depth": "adâncimea atmosferică", "Greisen profile": "profilul Greisen",
    "Shower age": "vârsta jerbei", "Shower maximum": "maximul jerbei",
    "NKG lateral distribution": "distribuția laterală NKG", "NKG normalisation": "normarea NKG",
    "Molière radius": "raza Molière", "Gaisser–Hillas profile": "profilul Gaisser–Hillas",
    "Shower frame": "sistemul de axe al jerbei", "Geomagnetic angle": "unghiul geomagnetic",
    "Polarisation angle": "unghiul de polarizare",
}


def describe():
    names = [row[0].replace("\n", " ") for row in ROWS]
    return {"eq.JPG": {
        "en": f"Sheet of the {len(names)} equations the graphs use: " + "; ".join(names) + ".",
        "ro": f"Foaia celor {len(names)} ecuații folosite de grafice: "
              + "; ".join(RO_ROWS.get(n, n) for n in names) + ".",
    }}
