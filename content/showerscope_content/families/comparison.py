"""What the charge excess adds to v x B: the full radio-emission model (geomagnetic + charge
excess) against its own v x B part, per antenna of the 24-station array, eight events per
zenith angle, in English and, under ro/, in Romanian.

The full model is v x B plus one charge-excess term, so these pictures show what that term adds;
they do not test v x B against measured emission. Each footnote says so and prints the
model's charge-excess fraction beside the measured ones (AERA, LOFAR).

LOG_COREAS_VS_LOG_VXB_*: ln(NS/EW) of the v x B model against ln(NS/EW) of the full model,
with the correlation r over all antennas and the median distances from the 1 : 1 line.
GEOM_ASK_EW_VS_NS_*: the ratio (NS/EW full) / (NS/EW v x B) against the arrival azimuth.
mean_*: mean share of the fluence in each channel (EW, NS, vertical) per event, with the spread
over the antennas as error bars.

The events (radio.comparison_events) come from near 0, 45, ..., 315 deg in azimuth with a
scatter of +-10 deg, X_max drawn from its shower-to-shower spread and cores near the array
centre. Only antennas whose full-model peak field exceeds a detection threshold are used.
For near-vertical showers v x B is almost East-West at every azimuth, so the North-South signal
is charge excess everywhere and the two ratios do not correlate (r near 0 at 10 deg); the
correlation grows with the zenith angle (r near 1 at 70 deg) except for showers from the north
and south, close to the field direction in the vertical plane, where v x B is again almost
purely East-West.
"""

import io
import os
import textwrap

import matplotlib.pyplot as plt
import numpy as np
from matplotlib import colors, ticker
from matplotlib.cm import ScalarMappable
from PIL import Image

from .. import language, output, style
from ..catalogue import ZENITHS
from ..models import radio

WIDTH, HEIGHT = 800, 757       # the panes' aspect, shown shrunk to 591 x 559
SCALE = 1.3
THRESHOLD_V_M = 25e-6          # antennas with a weaker full-model peak field are left out
PARTICLES = {"proton": ("p", "p", "Proton"), "iron": ("i", "fe", "Iron")}
PARTICLE_NAMES = {"proton": ("Proton", "Proton"), "iron": ("Iron", "Fier")}
SEEDS = {"proton": 18000, "iron": 26000}  # plus the zenith angle: one fixed draw per figure
# The charge-excess fraction measured at the radio array (AERA, PRD 89 (2014) 052002) and its
# range measured by LOFAR, rising with the distance from the axis (Schellart et al., JCAP 10
# (2014) 014): the published numbers beside the model's value.
AERA_CHARGE_EXCESS = 0.14
LOFAR_CHARGE_EXCESS = (0.03, 0.20)
FOOTNOTE_WIDTH = 68            # characters per footnote line: the picture's width at its size


def _footnote(lang, a_model):
    """What computed the figure, that comparing the model with its own v x B part shows the
    assumed charge-excess term rather than testing it, and the measured fraction beside the
    model's."""
    low, high = LOFAR_CHARGE_EXCESS
    what = language.words(
        lang,
        "Computed with a model: v×B (geomagnetic) plus a charge-excess term, against its v×B "
        "part alone. The difference is that term: this is not a test against measurements or "
        f"CoREAS simulations. Charge-excess fraction: model {a_model:.2f}; measured "
        f"{AERA_CHARGE_EXCESS:.2f} (AERA), {low:.2f}–{high:.2f} (LOFAR).",
        "Calculat cu un model: v×B (geomagnetic) plus un termen de exces de sarcină, față de "
        "partea sa v×B. Diferența este acel termen: nu este o verificare cu măsurători sau "
        f"simulări CoREAS. Fracția excesului de sarcină: model {a_model:.2f}; măsurată "
        f"{AERA_CHARGE_EXCESS:.2f} (AERA), {low:.2f}–{high:.2f} (LOFAR).")
    showers = language.words(lang, "Showers of 1 EeV (10$^{18}$ eV), 24 stations 150 m apart.",
                             "Jerbe de 1 EeV (10$^{18}$ eV), 24 de stații la 150 m una de alta.")
    return textwrap.fill(what, FOOTNOTE_WIDTH) + "\n" + showers


def _adds(lang):
    return language.words(lang, "what the charge excess adds to v×B",
                          "ce adaugă excesul de sarcină la v×B")


def _title(ax, lang, particle, zenith_deg, english, romanian):
    """The graph's two-line title: the shower and what the graph shows, then what the charge
    excess adds to v×B."""
    heading = _heading(lang, particle, zenith_deg)
    ax.set_title(f"{heading}: {language.words(lang, english, romanian)}\n" + _adds(lang),
                 pad=10, fontsize=0.85 * plt.rcParams["axes.titlesize"])


def _heading(lang, particle, zenith_deg):
    name = PARTICLE_NAMES[particle][lang == language.ROMANIAN]
    return language.words(lang, f"{name}, zenith {zenith_deg}°", f"{name}, unghi zenital {zenith_deg}°")


# One colour per nominal arrival azimuth 0, 45, ..., 315 deg; north and south stand out.
AZIMUTH_COLOURS = [style.ORANGE, style.SKY, style.VERMILLION, style.GREEN, style.BLUE,
                   style.YELLOW, style.PURPLE, style.BLACK]
AZIMUTH_CMAP = colors.ListedColormap(AZIMUTH_COLOURS)
AZIMUTH_NORM = colors.BoundaryNorm(np.arange(-22.5, 360.0, 45.0), 8)
AZIMUTH_TICKS = {"en": ["0 E", "45", "90 N", "135", "180 W", "225", "270 S", "315"],
                 "ro": ["0 E", "45", "90 N", "135", "180 V", "225", "270 S", "315"]}
AZIMUTH_LABEL = {"en": "arrival azimuth (°, from East)", "ro": "azimutul sosirii (°, de la est)"}
CHANNEL_COLOURS = {"EW": style.ORANGE, "NS": style.SKY, "V": style.PURPLE}
CHANNEL_NAMES = {"en": {"EW": "East-West", "NS": "North-South", "V": "vertical"},
                 "ro": {"EW": "Est-Vest", "NS": "Nord-Sud", "V": "vertical"}}
# The North-South over East-West ratio; Romanian names the East-West channel EV.
RATIO = {"en": "NS/EW", "ro": "NS/EV"}

FILES = ([f"LOG_COREAS_VS_LOG_VXB_Zenith{z}_{p[0]}.png" for p in PARTICLES.values() for z in ZENITHS]
         + [f"GEOM_ASK_EW_VS_NS_Zen{z}_{p[0]}.png" for p in PARTICLES.values() for z in ZENITHS]
         + [f"mean_{z}{p[1]}.png" for p in PARTICLES.values() for z in ZENITHS])
RO_FILES = list(FILES)


def event_table(particle, zenith_deg):
    """Per-antenna quantities of the eight events: a list of dicts with the event azimuth
    (deg), the nominal azimuth, the model's charge-excess fraction and the full-model and
    v x B fields (n, 3) of the antennas above threshold."""
    events = radio.comparison_events(particle, zenith_deg, SEEDS[particle] + zenith_deg)
    stations = radio.station_positions()
    table = []
    for k, shower in enumerate(events):
        full = shower.field(stations)
        keep = np.linalg.norm(full, axis=-1) >= THRESHOLD_V_M
        # Azimuths just below 360 deg are plotted just left of 0 deg (East).
        azimuth = shower.azimuth_deg - 360.0 if shower.azimuth_deg > 337.5 else shower.azimuth_deg
        table.append({"azimuth": azimuth, "nominal": 45.0 * k, "a": shower.a_rho,
                      "full": full[keep],
                      "vxb": shower.field(stations[keep], geomagnetic_only=True)})
    return table


def _model_charge_excess(table):
    return float(np.mean([event["a"] for event in table]))


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


def _in_language(path, lang):
    """The path of the picture's twin in `lang` (the English path itself for English)."""
    return language.path(os.path.dirname(path), os.path.basename(path), lang)


def _azimuth_colourbar(fig, cax, lang):
    cax.grid(False)
    bar = fig.colorbar(ScalarMappable(norm=AZIMUTH_NORM, cmap=AZIMUTH_CMAP), cax=cax,
                       ticks=np.arange(0, 360, 45))
    bar.ax.set_yticklabels(AZIMUTH_TICKS[lang])
    bar.set_label(AZIMUTH_LABEL[lang], labelpad=8)
    return bar


def _log_ratio(field):
    return np.log(radio.ns_over_ew(field))


def correlation(table):
    """Pearson r of ln(NS/EW), full model against v x B, over all plotted antennas: near 0 for
    near-vertical showers (v x B is almost East-West at every azimuth, so the North-South
    signal is charge excess everywhere), near 1 for inclined ones."""
    x = np.concatenate([_log_ratio(event["full"]) for event in table])
    y = np.concatenate([_log_ratio(event["vxb"]) for event in table])
    if np.std(x) == 0.0 or np.std(y) == 0.0:
        return 0.0
    return float(np.corrcoef(x, y)[0, 1])


def log_figure(particle, zenith_deg, table, path):
    for lang in language.LANGUAGES:
        _log_figure(particle, zenith_deg, table, _in_language(path, lang), lang)


def _log_figure(particle, zenith_deg, table, path, lang):
    fig, ax = style.figure(WIDTH, HEIGHT, SCALE)
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
    ratio = RATIO[lang]
    ax.set_xlabel(language.words(lang, f"ln({ratio}), full model (+ charge excess)",
                                 f"ln({ratio}), model complet (+ exces de sarcină)"))
    ax.set_ylabel(language.words(lang, f"ln({ratio}), v×B model (geomagnetic only)",
                                 f"ln({ratio}), model v×B\n(doar geomagnetic)"))
    _title(ax, lang, particle, zenith_deg, f"8 events, {len(x)} antennas", f"8 evenimente, {len(x)} antene")
    off_line = np.abs(x - y)
    r = correlation(table)
    title = language.words(
        lang,
        f"correlation r = {r:.2f}\nmedian distance from 1 : 1\n"
        f"events from N and S: {np.median(off_line[~east_west]):.2f}\n"
        f"other events: {np.median(off_line[east_west]):.2f}",
        f"corelație r = {r:.2f}\ndistanța mediană față de 1 : 1\n"
        f"jerbe dinspre N și S: {np.median(off_line[~east_west]):.2f}\n"
        f"celelalte jerbe: {np.median(off_line[east_west]):.2f}")
    # "best" keeps the box off the antennas, wherever this zenith angle puts them
    ax.legend(loc="best", title=title, fontsize=0.85 * plt.rcParams["font.size"],
              title_fontsize=0.85 * plt.rcParams["font.size"])
    fig.subplots_adjust(left=0.16, right=0.78, bottom=0.28, top=0.88)
    _azimuth_colourbar(fig, fig.add_axes([0.81, 0.24, 0.03, 0.64]), lang)
    style.footnote(fig, _footnote(lang, _model_charge_excess(table)))
    _save(fig, path)


def ratio_figure(particle, zenith_deg, table, path):
    for lang in language.LANGUAGES:
        _ratio_figure(particle, zenith_deg, table, _in_language(path, lang), lang)


def _ratio_figure(particle, zenith_deg, table, path, lang):
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
               label=language.words(lang, "median of the event", "mediana evenimentului"))
    ax.axhline(1.0, color="#555555", ls="--", lw=1.5, zorder=2,
               label=language.words(lang, "full = v×B", "complet = v×B"))
    ax.set_yscale("log")
    # Plain numbers (0.3, 0.5, 1, 2 ...) keep the tick labels narrow enough for the axis title.
    plain = ticker.FuncFormatter(lambda value, _: f"{value:g}")
    ax.yaxis.set_major_locator(ticker.LogLocator(base=10, subs=(1.0, 2.0, 5.0)))
    ax.yaxis.set_major_formatter(plain)
    ax.yaxis.set_minor_formatter(ticker.NullFormatter())
    ax.set_xlim(-20, 340)
    ax.set_xticks(np.arange(0, 360, 45))
    ax.set_xticklabels(AZIMUTH_TICKS[lang])
    ax.set_xlabel(AZIMUTH_LABEL[lang])
    ratio = RATIO[lang]
    ax.set_ylabel(language.words(lang, f"({ratio}) full model / ({ratio}) v×B model",
                                 f"({ratio}) model complet / ({ratio}) model v×B"))
    _title(ax, lang, particle, zenith_deg, "full model / v×B model", "model complet / model v×B")
    ax.legend(loc="upper right", fontsize=0.85 * plt.rcParams["font.size"])
    fig.subplots_adjust(left=0.16, right=0.97, bottom=0.28, top=0.88)
    style.footnote(fig, _footnote(lang, _model_charge_excess(table)))
    _save(fig, path)


def mean_figure(particle, zenith_deg, table, path):
    for lang in language.LANGUAGES:
        _mean_figure(particle, zenith_deg, table, _in_language(path, lang), lang)


def _mean_figure(particle, zenith_deg, table, path, lang):
    fig, ax = style.figure(WIDTH, HEIGHT, SCALE)
    azimuth = np.array([event["azimuth"] for event in table])
    models = {"full": language.words(lang, "full model", "model complet"),
              "vxb": language.words(lang, "v×B model", "model v×B")}
    for c, channel in enumerate(("EW", "NS", "V")):
        for model, offset, filled in (("full", 3.0, True), ("vxb", -3.0, False)):
            shares = [radio.channel_percentages(event[model])[:, c] for event in table]
            mean = np.array([s.mean() for s in shares])
            spread = np.array([s.std() for s in shares])
            colour = CHANNEL_COLOURS[channel]
            label = f"{CHANNEL_NAMES[lang][channel]}, {models[model]}"
            ax.errorbar(azimuth + offset, mean, yerr=spread, fmt="o" if filled else "s",
                        ms=9, color=colour, mfc=colour if filled else "white", mew=2,
                        ls="-" if filled else ":", lw=1.5, capsize=4, label=label, zorder=3)
    ax.set_xlim(-20, 340)
    ax.set_ylim(-5, 142)
    ax.set_yticks(np.arange(0, 101, 20))
    ax.set_xticks(np.arange(0, 360, 45))
    ax.set_xticklabels(AZIMUTH_TICKS[lang])
    ax.set_xlabel(AZIMUTH_LABEL[lang])
    ax.set_ylabel(language.words(lang, "share of the signal (%)", "ponderea semnalului (%)"))
    heading = _heading(lang, particle, zenith_deg)
    ax.set_title(language.words(lang, f"{heading}: share of each channel, 8 events\n",
                                f"{heading}: ponderea fiecărui canal, 8 evenimente\n")
                 + _adds(lang), pad=10, fontsize=0.85 * plt.rcParams["axes.titlesize"])
    ax.legend(loc="upper center", ncol=2, fontsize=0.78 * plt.rcParams["font.size"],
              columnspacing=1.0, handletextpad=0.4,
              title=language.words(lang, "bars: spread over the antennas",
                                   "bare: împrăștierea între antene"),
              title_fontsize=0.78 * plt.rcParams["font.size"])
    fig.subplots_adjust(left=0.11, right=0.98, bottom=0.28, top=0.88)
    style.footnote(fig, _footnote(lang, _model_charge_excess(table)))
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
