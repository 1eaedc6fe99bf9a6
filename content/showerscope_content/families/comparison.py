"""Polarisation of the full radio-emission model (geomagnetic + charge excess) against its pure
v x B part, per antenna of the 24-station array, eight events per zenith angle.

LOG_COREAS_VS_LOG_VXB_*: ln(NS/EW) of the v x B model against ln(NS/EW) of the full model.
GEOM_ASK_EW_VS_NS_*: the ratio (NS/EW full) / (NS/EW v x B) against the arrival azimuth.
mean_*: mean share of the fluence in each channel (EW, NS, vertical) per event, with the spread
over the antennas as error bars.

The events (radio.comparison_events) come from near 0, 45, ..., 315 deg in azimuth with a
scatter of +-10 deg, X_max drawn from its shower-to-shower spread and cores near the array
centre. Only antennas whose full-model peak field exceeds a detection threshold are used.
The deviations near 90 and 270 deg (showers from the north and south, close to the field
direction in the vertical plane) come from the model: there v x B is almost purely East-West,
so the North-South signal is nearly all charge excess.
"""

import io
import os

import matplotlib.pyplot as plt
import numpy as np
from matplotlib import colors, ticker
from matplotlib.cm import ScalarMappable
from PIL import Image

from .. import output, style
from ..catalogue import ZENITHS
from ..models import radio

WIDTH, HEIGHT = 800, 757       # the panes' aspect, shown shrunk to 591 x 559
SCALE = 1.3
THRESHOLD_V_M = 25e-6          # antennas with a weaker full-model peak field are left out
PARTICLES = {"proton": ("p", "p", "Proton"), "iron": ("i", "fe", "Iron")}
SEEDS = {"proton": 18000, "iron": 26000}  # plus the zenith angle: one fixed draw per figure
FOOTNOTE = ("Computed with the radio-emission model (geomagnetic + charge excess)\n"
            "and its v×B part, not with CoREAS simulations;\n"
            "showers of 1 EeV (10$^{18}$ eV), 24 stations 150 m apart")

# One colour per nominal arrival azimuth 0, 45, ..., 315 deg; north and south stand out.
AZIMUTH_COLOURS = [style.ORANGE, style.SKY, style.VERMILLION, style.GREEN, style.BLUE,
                   style.YELLOW, style.PURPLE, style.BLACK]
AZIMUTH_CMAP = colors.ListedColormap(AZIMUTH_COLOURS)
AZIMUTH_NORM = colors.BoundaryNorm(np.arange(-22.5, 360.0, 45.0), 8)
AZIMUTH_TICKS = ["0 E", "45", "90 N", "135", "180 W", "225", "270 S", "315"]
CHANNEL_COLOURS = {"EW": style.ORANGE, "NS": style.SKY, "V": style.PURPLE}
CHANNEL_NAMES = {"EW": "East-West", "NS": "North-South", "V": "vertical"}

FILES = ([f"LOG_COREAS_VS_LOG_VXB_Zenith{z}_{p[0]}.png" for p in PARTICLES.values() for z in ZENITHS]
         + [f"GEOM_ASK_EW_VS_NS_Zen{z}_{p[0]}.png" for p in PARTICLES.values() for z in ZENITHS]
         + [f"mean_{z}{p[1]}.png" for p in PARTICLES.values() for z in ZENITHS])


def event_table(particle, zenith_deg):
    """Per-antenna quantities of the eight events: a list of dicts with the event azimuth
    (deg), the nominal azimuth, and the full-model and v x B fields (n, 3) of the antennas
    above threshold."""
    events = radio.comparison_events(particle, zenith_deg, SEEDS[particle] + zenith_deg)
    stations = radio.station_positions()
    table = []
    for k, shower in enumerate(events):
        full = shower.field(stations)
        keep = np.linalg.norm(full, axis=-1) >= THRESHOLD_V_M
        # Azimuths just below 360 deg are plotted just left of 0 deg (East).
        azimuth = shower.azimuth_deg - 360.0 if shower.azimuth_deg > 337.5 else shower.azimuth_deg
        table.append({"azimuth": azimuth, "nominal": 45.0 * k,
                      "full": full[keep],
                      "vxb": shower.field(stations[keep], geomagnetic_only=True)})
    return table


def _save(fig, path):
    """PNG with an adaptive 128-colour palette: small files, no visible loss on plots."""
    output.check_legibility(fig, path)
    buf = io.BytesIO()
    fig.savefig(buf, format="png", dpi=style.DPI, metadata={"Software": None})
    style.close(fig)
    buf.seek(0)
    image = Image.open(buf).convert("RGB")
    if image.size != (WIDTH, HEIGHT):
        raise ValueError(f"{path}: rendered {image.size}")
    output.save_image(image.quantize(colors=128, method=Image.Quantize.MEDIANCUT,
                                     dither=Image.Dither.NONE), path)


def _azimuth_colourbar(fig, cax):
    cax.grid(False)
    bar = fig.colorbar(ScalarMappable(norm=AZIMUTH_NORM, cmap=AZIMUTH_CMAP), cax=cax,
                       ticks=np.arange(0, 360, 45))
    bar.ax.set_yticklabels(AZIMUTH_TICKS)
    bar.set_label("arrival azimuth (°, from East)")
    return bar


def _log_ratio(field):
    return np.log(radio.ns_over_ew(field))


def log_figure(particle, zenith_deg, table, path):
    fig, ax = style.figure(WIDTH, HEIGHT, SCALE)
    ax.set_position([0.10, 0.16, 0.68, 0.74])
    xs, ys = [], []
    for event in table:
        x, y = _log_ratio(event["full"]), _log_ratio(event["vxb"])
        xs.append(x)
        ys.append(y)
        ax.scatter(x, y, s=55, color=AZIMUTH_CMAP(AZIMUTH_NORM(event["nominal"])),
                   edgecolors="#222222", linewidths=0.6, zorder=3)
    x, y = np.concatenate(xs), np.concatenate(ys)
    east_west = np.concatenate([np.full(len(v), abs(np.sin(np.radians(e["azimuth"]))) < 0.9)
                                for v, e in zip(xs, table)])
    low = min(np.floor(min(x.min(), y.min()) - 0.3), -1.0)
    high = max(np.ceil(max(x.max(), y.max()) + 0.3), 1.0)
    ax.plot([low, high], [low, high], color="#555555", ls="--", lw=1.5, label="1 : 1", zorder=2)
    ax.set_xlim(low, high)
    ax.set_ylim(low, high)
    # no label at the lower left corner, where it would meet the first label of the x axis
    ax.yaxis.set_major_locator(ticker.MaxNLocator(integer=True, prune="lower"))
    ax.set_aspect("equal")
    ax.set_xlabel("ln(NS/EW), full model (+ charge excess)")
    ax.set_ylabel("ln(NS/EW), v×B model (geomagnetic only)")
    ax.set_title(f"{PARTICLES[particle][2]}, zenith {zenith_deg}°: 8 events, "
                 f"{len(x)} antennas", pad=10)
    off_line = np.abs(x - y)
    ax.legend(loc="upper left", title="median distance from 1 : 1\n"
              f"events from N and S: {np.median(off_line[~east_west]):.2f}\n"
              f"other events: {np.median(off_line[east_west]):.2f}",
              fontsize=0.85 * plt.rcParams["font.size"],
              title_fontsize=0.85 * plt.rcParams["font.size"])
    fig.subplots_adjust(left=0.16, right=0.78, bottom=0.21, top=0.93)
    _azimuth_colourbar(fig, fig.add_axes([0.81, 0.17, 0.03, 0.72]))
    style.footnote(fig, FOOTNOTE)
    _save(fig, path)


def ratio_figure(particle, zenith_deg, table, path):
    fig, ax = style.figure(WIDTH, HEIGHT, SCALE)
    colour = style.PROTON if particle == "proton" else style.IRON
    medians = []
    for event in table:
        ratio = radio.ns_over_ew(event["full"]) / radio.ns_over_ew(event["vxb"])
        az = np.full(ratio.shape, event["azimuth"])
        ax.scatter(az, ratio, s=40, color=colour, alpha=0.55, edgecolors="none", zorder=3)
        medians.append((event["azimuth"], np.median(ratio)))
    medians = np.array(medians)
    ax.scatter(medians[:, 0], medians[:, 1], s=130, marker="D", color="#222222", zorder=4,
               label="median of the event")
    ax.axhline(1.0, color="#555555", ls="--", lw=1.5, zorder=2, label="full = v×B")
    ax.set_yscale("log")
    # Plain numbers (0.3, 0.5, 1, 2 ...) keep the tick labels narrow enough for the axis title.
    plain = ticker.FuncFormatter(lambda value, _: f"{value:g}")
    ax.yaxis.set_major_locator(ticker.LogLocator(base=10, subs=(1.0, 2.0, 5.0)))
    ax.yaxis.set_major_formatter(plain)
    ax.yaxis.set_minor_formatter(ticker.NullFormatter())
    ax.set_xlim(-20, 340)
    ax.set_xticks(np.arange(0, 360, 45))
    ax.set_xticklabels(AZIMUTH_TICKS)
    ax.set_xlabel("arrival azimuth (°, from East)")
    ax.set_ylabel("(NS/EW) full model / (NS/EW) v×B model")
    ax.set_title(f"{PARTICLES[particle][2]}, zenith {zenith_deg}°: full model / v×B model",
                 pad=10)
    ax.legend(loc="upper right", fontsize=0.85 * plt.rcParams["font.size"])
    fig.subplots_adjust(left=0.16, right=0.97, bottom=0.21, top=0.93)
    style.footnote(fig, FOOTNOTE)
    _save(fig, path)


def mean_figure(particle, zenith_deg, table, path):
    fig, ax = style.figure(WIDTH, HEIGHT, SCALE)
    azimuth = np.array([event["azimuth"] for event in table])
    for c, channel in enumerate(("EW", "NS", "V")):
        for model, offset, filled in (("full", 3.0, True), ("vxb", -3.0, False)):
            shares = [radio.channel_percentages(event[model])[:, c] for event in table]
            mean = np.array([s.mean() for s in shares])
            spread = np.array([s.std() for s in shares])
            colour = CHANNEL_COLOURS[channel]
            label = f"{CHANNEL_NAMES[channel]}, {'full model' if filled else 'v×B model'}"
            ax.errorbar(azimuth + offset, mean, yerr=spread, fmt="o" if filled else "s",
                        ms=9, color=colour, mfc=colour if filled else "white", mew=2,
                        ls="-" if filled else ":", lw=1.5, capsize=4, label=label, zorder=3)
    ax.set_xlim(-20, 340)
    ax.set_ylim(-5, 135)
    ax.set_yticks(np.arange(0, 101, 20))
    ax.set_xticks(np.arange(0, 360, 45))
    ax.set_xticklabels(AZIMUTH_TICKS)
    ax.set_xlabel("arrival azimuth (°, from East)")
    ax.set_ylabel("share of the signal (%)")
    ax.set_title(f"{PARTICLES[particle][2]}, zenith {zenith_deg}°: share of each channel, "
                 f"8 events", pad=10)
    ax.legend(loc="upper center", ncol=2, fontsize=0.78 * plt.rcParams["font.size"],
              columnspacing=1.0, handletextpad=0.4, title="bars: spread over the antennas",
              title_fontsize=0.78 * plt.rcParams["font.size"])
    fig.subplots_adjust(left=0.11, right=0.98, bottom=0.21, top=0.93)
    style.footnote(fig, FOOTNOTE)
    _save(fig, path)


def generate(out_dir):
    for particle, (suffix, mean_suffix, _) in PARTICLES.items():
        for z in ZENITHS:
            table = event_table(particle, z)
            log_figure(particle, z, table,
                       os.path.join(out_dir, f"LOG_COREAS_VS_LOG_VXB_Zenith{z}_{suffix}.png"))
            ratio_figure(particle, z, table,
                         os.path.join(out_dir, f"GEOM_ASK_EW_VS_NS_Zen{z}_{suffix}.png"))
            mean_figure(particle, z, table, os.path.join(out_dir, f"mean_{z}{mean_suffix}.png"))


# Descriptions for assistive technology: what each graph shows, with its main numbers, from the
# same events the graphs draw.

RO_PARTICLE = {"proton": "proton", "iron": "fier"}


def _log_numbers(table):
    xs = [_log_ratio(event["full"]) for event in table]
    ys = [_log_ratio(event["vxb"]) for event in table]
    x, y = np.concatenate(xs), np.concatenate(ys)
    east_west = np.concatenate([np.full(len(v), abs(np.sin(np.radians(e["azimuth"]))) < 0.9)
                                for v, e in zip(xs, table)])
    off_line = np.abs(x - y)
    return len(x), float(np.median(off_line[~east_west])), float(np.median(off_line[east_west]))


def describe():
    from ..describing import decimal
    out = {}
    for particle, (suffix, mean_suffix, name) in PARTICLES.items():
        ro = RO_PARTICLE[particle]
        for z in ZENITHS:
            table = event_table(particle, z)
            antennas, north_south, others = _log_numbers(table)
            out[f"LOG_COREAS_VS_LOG_VXB_Zenith{z}_{suffix}.png"] = {
                "en": f"Scatter graph for {particle} showers at zenith {z}°, 8 events, {antennas} antennas: the "
                      "logarithm of the North-South to East-West ratio in the v × B model against the full model, "
                      "coloured by arrival azimuth; the median distance from the 1 : 1 line is "
                      f"{north_south:.2f} for events from North and South and {others:.2f} for the others.",
                "ro": f"Grafic de puncte pentru jerbe de {ro} la unghiul zenital {z}°, 8 evenimente, {antennas} de "
                      "antene: logaritmul raportului Nord-Sud / Est-Vest în modelul v × B în funcție de modelul "
                      "complet, colorat după azimutul de sosire; distanța mediană față de dreapta 1 : 1 este "
                      f"{decimal(north_south, 2, 'ro')} pentru evenimentele din Nord și Sud și "
                      f"{decimal(others, 2, 'ro')} pentru celelalte."}
            medians = []
            for event in table:
                ratio = radio.ns_over_ew(event["full"]) / radio.ns_over_ew(event["vxb"])
                medians.append((event["azimuth"], float(np.median(ratio))))
            far = max(medians, key=lambda m: abs(np.log(m[1])))
            out[f"GEOM_ASK_EW_VS_NS_Zen{z}_{suffix}.png"] = {
                "en": f"Graph of the ratio of the full model's NS/EW to the v × B model's against arrival azimuth "
                      f"for {particle} showers at zenith {z}°, on a logarithmic scale around 1, where the models agree: "
                      f"the event median furthest from 1 is {far[1]:.2g}, at azimuth {far[0]:.0f}°.",
                "ro": f"Graficul raportului dintre NS/EW al modelului complet și cel al modelului v × B în funcție "
                      f"de azimutul de sosire, pentru jerbe de {ro} la unghiul zenital {z}°, pe scară logaritmică "
                      f"în jurul lui 1, unde modelele sunt de acord: mediana de eveniment cea mai depărtată de 1 este "
                      f"{far[1]:.2g}".replace(".", ",") + f", la azimutul {far[0]:.0f}°."}
            shares = {c: np.mean([radio.channel_percentages(event["full"])[:, i].mean() for event in table])
                      for i, c in enumerate(("EW", "NS", "V"))}
            out[f"mean_{z}{mean_suffix}.png"] = {
                "en": f"Graph of each polarisation channel's share of the signal against arrival azimuth for "
                      f"{particle} showers at zenith {z}°, 8 events, full model and v × B model: over all "
                      f"directions East-West carries {shares['EW']:.0f}%, North-South {shares['NS']:.0f}% and "
                      f"vertical {shares['V']:.0f}% of the full model's signal on average.",
                "ro": f"Graficul ponderii fiecărui canal de polarizare în semnal în funcție de azimutul de sosire, "
                      f"pentru jerbe de {ro} la unghiul zenital {z}°, 8 evenimente, modelul complet și modelul "
                      f"v × B: pe toate direcțiile, Est-Vest duce în medie {shares['EW']:.0f}%, Nord-Sud "
                      f"{shares['NS']:.0f}% și verticala {shares['V']:.0f}% din semnalul modelului complet."}
    return out
