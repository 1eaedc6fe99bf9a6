"""The figure style every family follows (written down in content/README.md).

Graphs: white background, DejaVu Sans, Okabe-Ito colours (safe for colour-blind readers),
proton always blue and iron always vermillion, a footnote saying what computed the figure.
Schematics and animations: a dark night-blue background with white labels, matching the
screens' night-sky backgrounds.
"""

import matplotlib

matplotlib.use("Agg")

import matplotlib.pyplot as plt  # noqa: E402
from matplotlib import _mathtext  # noqa: E402

# Exponents and indices (10^18, X_max, log-axis tick labels) at 80 % of their text's size
# instead of mathtext's 70 %: on a screen, and in pictures shown shrunk, the smaller size is
# the first thing to become unreadable. The legibility rule holds scripts to the same
# minimum height as any other text, so a larger script keeps the texts around it smaller.
SCRIPT_SIZE = 0.8
_mathtext.SHRINK_FACTOR = SCRIPT_SIZE

DPI = 100

# Okabe-Ito palette.
BLACK = "#000000"
ORANGE = "#E69F00"
SKY = "#56B4E9"
GREEN = "#009E73"
YELLOW = "#F0E442"
BLUE = "#0072B2"
VERMILLION = "#D55E00"
PURPLE = "#CC79A7"
GREY = "#6B6B6B"

PROTON = BLUE
IRON = VERMILLION
COMPONENTS = {"electrons": GREEN, "muons": PURPLE, "hadrons": ORANGE, "photons": YELLOW}
SEQUENTIAL_CMAP = "viridis"
DIVERGING_CMAP = "coolwarm"
# A sequence for curves of one family (energies, ages, zenith angles), light to dark.
SERIES = [SKY, GREEN, ORANGE, VERMILLION, PURPLE, BLUE, BLACK]

# Dark style for schematics and animations.
NIGHT = "#0b1730"
NIGHT_LIGHT = "#1c2f55"
WHITE = "#ffffff"

RC = {
    "font.family": "DejaVu Sans",
    "font.size": 12,
    "axes.titlesize": 14,
    "axes.labelsize": 13,
    "axes.grid": True,
    "grid.color": "#d9d9d9",
    "grid.linewidth": 0.6,
    "axes.edgecolor": "#333333",
    "axes.linewidth": 0.9,
    "legend.fontsize": 11,
    "legend.framealpha": 0.9,
    "figure.facecolor": "white",
    "axes.facecolor": "white",
    "savefig.facecolor": "white",
    "lines.linewidth": 2.0,
    "svg.hashsalt": "showerscope",
    "path.simplify": True,
}


def figure(width_px, height_px, scale=1.0, **subplots_kw):
    """A figure of exactly width_px x height_px pixels at DPI; `scale` enlarges all fonts
    (use about 1.3 for pictures that are shown shrunk to half size)."""
    plt.rcParams.update(RC)
    for key in ("font.size", "axes.titlesize", "axes.labelsize", "legend.fontsize",
                "xtick.labelsize", "ytick.labelsize"):
        value = plt.rcParams[key]
        if isinstance(value, (int, float)):
            plt.rcParams[key] = value * scale
    fig, axes = plt.subplots(figsize=(width_px / DPI, height_px / DPI), dpi=DPI, **subplots_kw)
    return fig, axes


def footnote(fig, text, dark=False):
    """States what computed the figure, in small type at the bottom right."""
    fig.text(0.995, 0.005, text, ha="right", va="bottom", fontsize=plt.rcParams["font.size"] * 0.7,
             color="#cccccc" if dark else GREY)


def close(fig):
    plt.close(fig)
