"""The longitudinal-profile pictures of the cascade-simulation screen: electrons, muons and
hadrons of proton and iron showers, their energy and zenith dependence, and the sizes at
maximum. Computed with the parametrised cascade model (models/longitudinal.py).

The screen shows these 1260 x 785 pictures shrunk to half size or less, hence big type and
thick lines."""


import numpy as np
from matplotlib import patheffects

from .. import language, style
from ..catalogue import CONEX
from ..models import cascade, longitudinal
from ..output import save_figure
from ..language import number as num, words as tr

FILES = list(CONEX)
RO_FILES = list(FILES)

SCALE = 1.8
WIDTH, HEIGHT = 1260, 785
N_SHOWERS = 100
# Profiles of the mass and energy pictures are drawn for showers of 60 degrees zenith, whose
# axis reaches the ground of the 1400 m observatory at 1751 g/cm^2.
PROFILE_ZENITH_DEG = 60.0
ZENITHS_DEG = (0, 30, 45, 60, 70)
PRIMARY_COLOUR = {"proton": style.PROTON, "iron": style.IRON}
ENERGY_STYLE = {1e19: "-", 1e20: "--", 1e21: ":"}
# A dark edge that keeps a thick mean curve visible over thin lines of its own colour.
OUTLINE = [patheffects.Stroke(linewidth=7.5, foreground="black"), patheffects.Normal()]
COMPONENT_STYLE = {"electrons": "-", "muons": "--", "hadrons": ":"}
# Electrons per muon at the ground of a 70 degree shower above which the electron profile
# evidently carries a halo that follows the muons (a pure Gaisser-Hillas tail gives ~1e-3).
HALO_EVIDENT_RATIO = 0.01


# English names of the components, as in the file names
COMPONENT_NAME = {"electrons": "Electrons", "muons": "Muons", "hadrons": "Hadrons"}


# The zenith-dependence figures by primary and component (the catalogue's names).
ZENITH_FIGURES = {
    ("proton", "electrons"): "Profile_electrons_(proton-E19-zenith-dependency).png",
    ("proton", "muons"): "Profile_Muons_(proton-E19-zenith-dependency).png",
    ("proton", "hadrons"): "Profile_Hadrons_(proton-E19-zenith-dependency).png",
    ("iron", "electrons"): "Profile_electrons_(iron-E19-zenith-dependency).png",
    ("iron", "muons"): "Profile_muons_(iron-E19-zenith-dependency).png",
    ("iron", "hadrons"): "Profile_hadrons_(iron-E19-zenith-dependency).png",
}


def _primary_name(primary, lang):
    return {"proton": "Proton", "iron": tr(lang, "Iron", "Fier")}[primary]


def _component_name(component, lang):
    return {"electrons": tr(lang, "Electrons", "Electroni"),
            "muons": tr(lang, "Muons", "Miuoni"),
            "hadrons": tr(lang, "Hadrons", "Hadroni")}[component]


def _model_note(lang, component=None):
    """What computed the figure; the hadron sizes and shapes are model choices, said so."""
    if component == "hadrons":
        return tr(lang, "parametrised cascade model: illustrative shape, sizes are model choices",
                  "model de cascadă parametrizat: formă ilustrativă, mărimi alese de model")
    return tr(lang, "parametrised cascade model tuned to published results",
              "model de cascadă parametrizat, ajustat la rezultate publicate")


def _seed(primary, energy_ev, zenith_deg=PROFILE_ZENITH_DEG):
    """A fixed seed per ensemble, so that every ensemble has its own showers."""
    return (1000 * (longitudinal.MASS_NUMBER[primary]) + 10 * int(round(np.log10(energy_ev)))
            + int(zenith_deg))


_ENSEMBLES = {}


def _ensemble(primary, energy_ev=1e19, zenith_deg=PROFILE_ZENITH_DEG):
    """The ensemble of showers, computed once for both languages' pictures."""
    key = (primary, energy_ev, zenith_deg)
    if key not in _ENSEMBLES:
        _ENSEMBLES[key] = longitudinal.simulate_ensemble(primary, energy_ev, N_SHOWERS,
                                                         seed=_seed(primary, energy_ev, zenith_deg))
    return _ENSEMBLES[key]


def _energy_text(energy_ev, lang):
    exponent = int(round(np.log10(energy_ev)))
    extra = tr(lang, " (extrapolated)", " (extrapolat)") if energy_ev > longitudinal.LAST_FITTED_ENERGY_EV else ""
    return rf"$10^{{{exponent}}}$ eV{extra}"


def _power_of_ten(values):
    """The power of ten that brings the largest value into 1..10, for axis labels in units."""
    return int(np.floor(np.log10(np.nanmax(values))))


def _slant_depth_label(lang):
    return tr(lang, "slant depth X (g/cm$^2$)", "adâncime oblică X (g/cm$^2$)")


def _titles(fig, title, *lines):
    """Title, then grey lines: what computed the figure, the ensemble, an optional note (each
    a text of its own: a unit's exponent in one makes it larger than the others). Returns
    where the axes may start."""
    fig.suptitle(title, x=0.5, y=0.985, fontsize=27, fontweight="bold", va="top")
    lines = [line for line in lines if line]
    for i, line in enumerate(lines):
        fig.text(0.5, 0.905 - 0.043 * i, line, ha="center", va="top", fontsize=18, color=style.GREY)
    return 0.878 - 0.043 * len(lines)


def _muon_maximum_note(curves, lang):
    """Where the model puts the muon maximum: a model choice, said so on the figure."""
    names = {"proton": "proton", "iron": tr(lang, "iron", "fier")}
    places = tr(lang, " and ", " și ").join(
        f"{num(longitudinal.profile_maximum_depth(d, v), '.0f', lang)} ({names[p]})"
        for p, (d, v) in curves.items())
    return tr(lang, f"muon maximum: {places} g/cm$^2$, a model choice",
              f"maximul miuonilor: {places} g/cm$^2$, o alegere a modelului")


def _halo_note(lang):
    """Says whether the electron profiles of inclined showers keep the electromagnetic halo
    that muon decay makes, judged from the model's own numbers at the 70 degree ground."""
    ensemble = _ensemble("proton", 1e19, 70)
    ground = float(longitudinal.ground_slant_depth(70))
    at_ground = longitudinal.profiles(ensemble, np.array([ground]))
    ratio = float(at_ground["electrons"].mean() / at_ground["muons"].mean())
    if ratio >= HALO_EVIDENT_RATIO:
        return tr(lang, "electromagnetic halo from muon decay included, a model choice",
                  "halou electromagnetic din dezintegrarea miuonilor inclus, o alegere a modelului")
    return tr(lang, "no halo of electrons from muon decay (real inclined showers keep one)",
              "fără haloul de electroni din dezintegrarea miuonilor (jerbele înclinate reale îl au)")


def _ground_line(ax, depth, lang, label_y=0.97, beyond=False):
    """The ground's depth as a line, named along it: inside the curves' side, or beyond the
    line, where no curve runs."""
    ax.axvline(depth, color=style.BLACK, lw=2.0, ls="-.")
    ax.text(depth + 12 if beyond else depth - 12, label_y, tr(lang, "ground", "sol"),
            transform=ax.get_xaxis_transform(), rotation=90, ha="left" if beyond else "right",
            va="top", fontsize=17, color=style.BLACK)


def _save(fig, out_dir, name, lang):
    save_figure(fig, language.path(out_dir, name, lang))
    style.close(fig)


def _from_start(values, share=0.004):
    """The curve with its leading stretch below `share` of its peak blanked out, so that a
    thick outlined mean does not draw a band along zero before the showers start."""
    values = np.array(values, dtype=float)
    started = np.cumsum(values >= share * np.nanmax(values)) > 0
    values[~started] = np.nan
    return values


def _mass_figure(out_dir, name, component, ensembles, lang):
    ground = float(longitudinal.ground_slant_depth(PROFILE_ZENITH_DEG))
    depth = np.linspace(0.0, ground, 300)
    curves = {p: longitudinal.profiles(e, depth)[component] for p, e in ensembles.items()}
    power = _power_of_ten(np.concatenate([c.ravel() for c in curves.values()]))
    unit = 10.0 ** power
    fig, ax = style.figure(WIDTH, HEIGHT, SCALE)
    for primary, values in curves.items():
        colour = PRIMARY_COLOUR[primary]
        # Thin lines without anti-aliasing keep the PNG small and survive the screen's fast shrink.
        ax.plot(depth, values.T / unit, color=colour, lw=1.5, alpha=0.25, antialiased=False)
    for primary, values in curves.items():
        ax.plot(depth, _from_start(values.mean(axis=0)) / unit, color=PRIMARY_COLOUR[primary],
                lw=4.5, path_effects=OUTLINE,
                label=tr(lang, f"{_primary_name(primary, lang)}: mean of {N_SHOWERS} showers",
                         f"{_primary_name(primary, lang)}: media a {N_SHOWERS} de jerbe"))
    ax.plot([], [], color=style.GREY, lw=1.0,
            label=tr(lang, "single showers (thin lines)", "jerbe individuale (linii subțiri)"))
    _ground_line(ax, ground, lang)
    ax.set_xlim(0, ground + 40)
    ax.set_xlabel(_slant_depth_label(lang))
    ax.set_ylabel(f"{_component_name(component, lang).lower()}  (\u00d7$10^{{{power}}}$)")
    # headroom above the single showers' maxima holds the legend clear of them
    highest = max(float(values.max()) for values in curves.values()) / unit
    ax.set_ylim(0, highest * 1.5)
    ax.legend(loc="upper left")
    note = (_muon_maximum_note({p: (depth, c) for p, c in curves.items()}, lang)
            if component == "muons" else "")
    top = _titles(fig, tr(lang, f"{_component_name(component, lang)}: proton and iron, $10^{{19}}$ eV",
                          f"{_component_name(component, lang)}: proton și fier, $10^{{19}}$ eV"),
                  _model_note(lang, component),
                  tr(lang, f"{N_SHOWERS} showers per primary, zenith angle 60\u00b0",
                     f"câte {N_SHOWERS} de jerbe de proton și de fier, unghi zenital 60\u00b0"), note)
    fig.subplots_adjust(left=0.105, right=0.975, top=top, bottom=0.13)
    _save(fig, out_dir, name, lang)


def _energy_figure(out_dir, name, component, ensembles, lang):
    ground = float(longitudinal.ground_slant_depth(PROFILE_ZENITH_DEG))
    depth = np.linspace(1.0, ground, 300)
    fig, ax = style.figure(WIDTH, HEIGHT, SCALE)
    lowest, highest = np.inf, 0.0
    for (primary, energy), ensemble in ensembles.items():
        values = longitudinal.profiles(ensemble, depth)[component]
        colour = PRIMARY_COLOUR[primary]
        low, high = np.percentile(values, [10, 90], axis=0)
        ax.fill_between(depth, low, high, color=colour, alpha=0.13, lw=0)
        mean = values.mean(axis=0)
        lowest, highest = min(lowest, mean.max()), max(highest, mean.max())
        ax.plot(depth, mean, color=colour, lw=4.0, ls=ENERGY_STYLE[energy],
                label=f"{_primary_name(primary, lang)}, {_energy_text(energy, lang)}")
    _ground_line(ax, ground, lang, label_y=0.35, beyond=True)
    ax.set_yscale("log")
    ax.set_xlim(0, ground + 90)
    # three decades above the highest maximum hold the legend clear of the curves
    ax.set_ylim(lowest / 1e3, highest * 1e3)
    ax.set_xlabel(_slant_depth_label(lang))
    ax.set_ylabel(tr(lang, f"number of {component}",
                     {"electrons": "numărul de electroni", "muons": "numărul de miuoni",
                      "hadrons": "numărul de hadroni"}[component]))
    ax.legend(loc="upper center", ncol=2, fontsize=16)
    _titles(fig, tr(lang, f"{_component_name(component, lang)}: energy dependence, proton and iron",
                    f"{_component_name(component, lang)}: dependența de energie, proton și fier"),
            _model_note(lang, component),
            tr(lang, f"{N_SHOWERS} showers: mean, band 10\u201390%",
               f"{N_SHOWERS} de jerbe: media, banda 10\u201390%"))
    fig.subplots_adjust(left=0.105, right=0.975, top=0.79, bottom=0.13)
    _save(fig, out_dir, name, lang)


def _zenith_figure(out_dir, name, primary, component, lang):
    fig, ax = style.figure(WIDTH, HEIGHT, SCALE)
    depth = np.linspace(0.0, 2600.0, 1301)
    peak, lowest_ground = 0.0, np.inf
    ensembles = {z: _ensemble(primary, 1e19, z) for z in ZENITHS_DEG}
    means = {z: longitudinal.profiles(e, depth)[component].mean(axis=0) for z, e in ensembles.items()}
    power = _power_of_ten(np.concatenate(list(means.values()))) if component == "muons" else 0
    unit = 10.0 ** power
    # Longest curves first, so that the shorter ones (which coincide with them: in slant depth
    # the profiles are nearly universal) stay visible on top.
    for order, (colour, (zenith, mean)) in enumerate(reversed(list(zip(style.SERIES, means.items())))):
        ground = float(longitudinal.ground_slant_depth(zenith))
        inside = depth <= ground
        x = np.append(depth[inside], ground)
        y = np.append(mean[inside], np.interp(ground, depth, mean)) / unit
        age = float(np.mean(cascade.hadron_age(ground, ensembles[zenith].x_max)))
        ax.plot(x, y, color=colour, lw=4.5, zorder=2 + order,
                label=f"{zenith}\u00b0:  {num(ground, '.0f', lang)},  s = {num(age, '.2f', lang)}")
        ax.plot([ground], [y[-1]], "o", color=colour, ms=15, mec="black", mew=1.5, zorder=10)
        peak = max(peak, y.max())
        lowest_ground = min(lowest_ground, y[-1])
    ax.set_xlim(0, 2650)
    ax.set_xlabel(_slant_depth_label(lang))
    if component == "muons":
        ax.set_ylim(0, peak * 1.12)
        ax.set_ylabel(tr(lang, "muons", "miuoni") + f"  (\u00d7$10^{{{power}}}$)")
    else:
        # Logarithmic, so that the old, absorbed showers at 60 and 70 degrees stay visible;
        # the floor lies below the lowest ground value, so that every ground dot is drawn.
        ax.set_yscale("log")
        ax.set_ylim(min(peak * 1e-6, lowest_ground / 4.0), peak * 5.0)
        ax.set_ylabel(tr(lang, f"number of {component}",
                         {"electrons": "numărul de electroni",
                          "hadrons": "numărul de hadroni"}[component]))
    handles, labels = ax.get_legend_handles_labels()
    # Outside the axes, right of the plot: clear of the curves and the ground dots.
    ax.legend(handles[::-1], labels[::-1], loc="upper left", bbox_to_anchor=(1.02, 1.0),
              borderaxespad=0.0, fontsize=16, handlelength=1.2,
              title=tr(lang, "θ: ground at X\n(g/cm$^2$, dots),\nshower age s",
                       "θ: solul la X\n(g/cm$^2$, puncte),\nvârsta jerbei s"),
              title_fontsize=16)
    subtitle = tr(lang, f"{N_SHOWERS} showers per angle (mean)",
                  f"{N_SHOWERS} de jerbe pe unghi (media)")
    note = ""
    if component == "muons":
        vertical = longitudinal.profiles(ensembles[0], depth)[component]
        note = _muon_maximum_note({primary: (depth, vertical)}, lang)
    elif component == "electrons":
        note = _halo_note(lang)
    primary_text = {"proton": tr(lang, "proton", "proton"), "iron": tr(lang, "iron", "fier")}[primary]
    top = _titles(fig, tr(lang, f"{_component_name(component, lang)} of {primary_text} showers, "
                                "$10^{19}$ eV: zenith angle",
                          f"{_component_name(component, lang)} în jerbe de {primary_text}, "
                          "$10^{19}$ eV: unghiul zenital"),
                  _model_note(lang, component), subtitle, note)
    fig.subplots_adjust(left=0.105, right=0.70, top=top, bottom=0.13)
    _save(fig, out_dir, name, lang)


def _sizes_figure(out_dir, name, ensembles, lang):
    fig, ax = style.figure(785, 785, 1.5)
    markers = {"proton": "o", "iron": "^"}
    for primary, ensemble in ensembles.items():
        electrons = ensemble.n_max["electrons"] / 1e9
        muons = ensemble.n_max["muons"] / 1e7
        colour = PRIMARY_COLOUR[primary]
        ax.scatter(electrons, muons, s=70, marker=markers[primary], color=colour, alpha=0.75,
                   edgecolors="white", linewidths=0.6,
                   label=tr(lang, f"{_primary_name(primary, lang)} ({ensemble.size} showers)",
                            f"{_primary_name(primary, lang)} ({ensemble.size} de jerbe)"))
        ax.plot([electrons.mean()], [muons.mean()], marker="P", ms=24, color=colour, mec="black", mew=1.8,
                ls="none")
    ratio = num(longitudinal.iron_proton_muon_ratio(1e19), ".2f", lang)
    box = ax.text(0.03, 0.97, tr(lang, f"muons at maximum, iron / proton = {ratio} (model)\n"
                                       f"\u271a mean of each primary's {N_SHOWERS} showers",
                                 f"miuoni la maxim, fier / proton = {ratio} (model)\n"
                                 f"\u271a media celor {N_SHOWERS} de jerbe ale fiecărei particule"),
                  transform=ax.transAxes, ha="left", va="top", fontsize=15,
                  bbox=dict(boxstyle="round,pad=0.35", fc="white", ec="#bbbbbb"))
    low, high = ax.get_ylim()
    ax.set_ylim(low, high + 0.22 * (high - low))
    ax.set_xlabel(tr(lang, "electrons at maximum (\u00d7$10^9$)", "electroni la maxim (\u00d7$10^9$)"))
    ax.set_ylabel(tr(lang, "muons at maximum (\u00d7$10^7$)", "miuoni la maxim (\u00d7$10^7$)"))
    # under the note in the upper corner, where no shower lies: the lower right holds the
    # proton showers with many electrons and few muons
    fig.draw_without_rendering()
    corner = box.get_window_extent().transformed(ax.transAxes.inverted())
    ax.legend(loc="upper left", bbox_to_anchor=(0.02, corner.y0 - 0.01))
    ax.set_title(tr(lang, "Electrons and muons at maximum", "Electroni și miuoni la maxim"),
                 fontsize=22, fontweight="bold", pad=58)
    ax.text(0.5, 1.02, tr(lang, f"$10^{{19}}$ eV, {N_SHOWERS} showers per primary\n",
                          f"$10^{{19}}$ eV, câte {N_SHOWERS} de jerbe\n")
            + tr(lang, _model_note(lang), "model parametrizat, ajustat la rezultate publicate"),
            transform=ax.transAxes, ha="center", va="bottom", fontsize=15, color=style.GREY)
    fig.subplots_adjust(left=0.13, right=0.97, top=0.85, bottom=0.1)
    _save(fig, out_dir, name, lang)


def _introduction_figure(out_dir, name, ensembles, lang):
    """Proton and iron side by side, all three components, 100 showers each, log scale."""
    ground = float(longitudinal.ground_slant_depth(PROFILE_ZENITH_DEG))
    depth = np.linspace(1.0, ground, 300)
    fig, axes = style.figure(WIDTH, HEIGHT, SCALE, ncols=2, sharey=True)
    for ax, (primary, ensemble) in zip(axes, ensembles.items()):
        for component, values in longitudinal.profiles(ensemble, depth).items():
            colour = style.COMPONENTS[component]
            ax.plot(depth, values.T, color=colour, lw=1.5, alpha=0.25, antialiased=False)
            ax.plot(depth, values.mean(axis=0), color=colour, lw=4.5,
                    label=_component_name(component, lang).lower(), path_effects=OUTLINE)
        ax.set_yscale("log")
        ax.set_ylim(1e2, 3e10)
        ax.set_xlim(0, ground)
        ax.set_title(_primary_name(primary, lang), color=PRIMARY_COLOUR[primary], fontsize=25,
                     fontweight="bold")
        ax.set_xlabel(_slant_depth_label(lang))
        ax.set_xticks([0, 500, 1000, 1500])
    axes[0].set_ylabel(tr(lang, "number of particles", "numărul de particule"))
    handles, labels = axes[0].get_legend_handles_labels()
    fig.legend(handles, labels, loc="upper center", bbox_to_anchor=(0.5, 0.905), ncol=3, fontsize=19,
               frameon=False)
    fig.text(0.5, 0.99, tr(lang, f"$10^{{19}}$ eV: {N_SHOWERS} showers per primary (thin lines) "
                                 "and their mean (thick)\n",
                           f"$10^{{19}}$ eV: {N_SHOWERS} de jerbe pe particulă primară (linii "
                           "subțiri) și media lor (groasă)\n")
             + _model_note(lang), ha="center", va="top", fontsize=18, color=style.GREY,
             linespacing=1.4)
    fig.subplots_adjust(left=0.105, right=0.985, top=0.78, bottom=0.13, wspace=0.06)
    _save(fig, out_dir, name, lang)


def _comparison_figure(out_dir, name, ensembles, lang):
    """One panel: means and 10-90% bands of the three components for proton and iron."""
    ground = float(longitudinal.ground_slant_depth(PROFILE_ZENITH_DEG))
    depth = np.linspace(1.0, ground, 500)
    fig, ax = style.figure(WIDTH, HEIGHT, SCALE)
    for primary, ensemble in ensembles.items():
        colour = PRIMARY_COLOUR[primary]
        for component, values in longitudinal.profiles(ensemble, depth).items():
            low, high = np.percentile(values, [10, 90], axis=0)
            ax.fill_between(depth, low, high, color=colour, alpha=0.12, lw=0)
            ax.plot(depth, values.mean(axis=0), color=colour, lw=4.0, ls=COMPONENT_STYLE[component],
                    label=f"{_primary_name(primary, lang)}, {_component_name(component, lang).lower()}")
    ax.set_yscale("log")
    ax.set_ylim(1e2, 3e11)
    ax.set_xlim(0, ground)
    ax.set_xlabel(_slant_depth_label(lang))
    ax.set_ylabel(tr(lang, "number of particles", "numărul de particule"))
    ax.legend(loc="lower center", ncol=2, fontsize=17)
    top = _titles(fig, tr(lang, "Proton and iron at $10^{19}$ eV: the three components",
                          "Proton și fier la $10^{19}$ eV: cele trei componente"),
                  _model_note(lang),
                  tr(lang, f"mean of {N_SHOWERS} showers, band 10\u201390%",
                     f"media a {N_SHOWERS} de jerbe, banda 10\u201390%"))
    fig.subplots_adjust(left=0.105, right=0.975, top=top, bottom=0.13)
    _save(fig, out_dir, name, lang)


def generate(out_dir):
    for lang in language.LANGUAGES:
        _draw(out_dir, lang)


def _draw(out_dir, lang):
    at_1e19 = {p: _ensemble(p) for p in ("proton", "iron")}
    by_energy = {(p, e): _ensemble(p, e) for p in ("proton", "iron") for e in longitudinal.ENERGIES_EV}
    for component in longitudinal.COMPONENTS:
        _mass_figure(out_dir, f"Profile_{component}_(proton-E19).png", component, at_1e19, lang)
        _energy_figure(out_dir, f"{COMPONENT_NAME[component]}_distribution(proton_Iron-E19-E20-E21).png",
                       component, by_energy, lang)
    for (primary, component), name in ZENITH_FIGURES.items():
        _zenith_figure(out_dir, name, primary, component, lang)
    _sizes_figure(out_dir, "comp_fier_proton_ne_nmu-1.png", at_1e19, lang)
    _introduction_figure(out_dir, "Proton&Fier_scala_logaritmica.png", at_1e19, lang)
    _comparison_figure(out_dir, "Proton_Fier_scala_logaritmica.png", at_1e19, lang)


# Descriptions for assistive technology: what each figure shows, with its main numbers, from the
# same ensembles the figures draw.

RO_PRIMARY = {"proton": "proton", "iron": "fier"}
RO_COMPONENT = {"electrons": "electroni", "muons": "miuoni", "hadrons": "hadroni"}


def _count(value, language):
    from ..describing import count
    return count(value, language)


def _xmax_words(ensemble):
    return float(ensemble.x_max.mean()), float(ensemble.x_max.std())


def describe():
    at_1e19 = {p: _ensemble(p) for p in ("proton", "iron")}
    ground = float(longitudinal.ground_slant_depth(PROFILE_ZENITH_DEG))
    (xp, sp), (xi, si) = _xmax_words(at_1e19["proton"]), _xmax_words(at_1e19["iron"])
    common_en = (f"{N_SHOWERS} showers per primary at 10¹⁹ eV and zenith 60°; the maximum lies at "
                 f"{xp:.0f} g/cm² for proton (spread {sp:.0f}) and {xi:.0f} g/cm² for iron (spread {si:.0f}); "
                 f"the ground is at {ground:.0f} g/cm².")
    common_ro = (f"{N_SHOWERS} de jerbe pentru fiecare primar la 10¹⁹ eV și unghi zenital 60°; maximul este la "
                 f"{xp:.0f} g/cm² pentru proton (împrăștiere {sp:.0f}) și la {xi:.0f} g/cm² pentru fier "
                 f"(împrăștiere {si:.0f}); solul este la {ground:.0f} g/cm².")
    out = {}
    for component in longitudinal.COMPONENTS:
        name = COMPONENT_NAME[component]
        out[f"Profile_{component}_(proton-E19).png"] = {
            "en": f"Longitudinal profiles of {component} against slant depth, proton and iron: {common_en}",
            "ro": f"Profile longitudinale ale numărului de {RO_COMPONENT[component]} în funcție de adâncimea "
                  f"oblică, proton și fier: {common_ro}"}
        sizes = []
        for energy in longitudinal.ENERGIES_EV:
            for primary in ("proton", "iron"):
                sizes.append(float(longitudinal.mean_size_at_maximum(component, primary, energy)))
        out[f"{name}_distribution(proton_Iron-E19-E20-E21).png"] = {
            "en": f"Mean {component} profiles of proton and iron showers at 10¹⁹, 10²⁰ and 10²¹ eV: "
                  f"the size at maximum grows from {_count(min(sizes), 'en')} to {_count(max(sizes), 'en')} "
                  f"particles with energy.",
            "ro": f"Profile medii ale numărului de {RO_COMPONENT[component]} pentru jerbe de proton și fier la "
                  f"10¹⁹, 10²⁰ și 10²¹ eV: mărimea la maxim crește cu energia de la {_count(min(sizes), 'ro')} la "
                  f"{_count(max(sizes), 'ro')} de particule."}
    grounds = [float(longitudinal.ground_slant_depth(z)) for z in ZENITHS_DEG]
    zeniths = ", ".join(f"{z}°" for z in ZENITHS_DEG)
    for (primary, component), name in ZENITH_FIGURES.items():
        out[name] = {
            "en": f"Mean {component} profile of {primary} showers at 10¹⁹ eV for zenith angles {zeniths}: "
                  f"the profile is the same in slant depth, but the ground moves from {grounds[0]:.0f} to "
                  f"{grounds[-1]:.0f} g/cm², so inclined showers reach it much older.",
            "ro": f"Profilul mediu al numărului de {RO_COMPONENT[component]} pentru jerbe de {RO_PRIMARY[primary]} "
                  f"la 10¹⁹ eV, la unghiurile zenitale {zeniths}: profilul este același în adâncime oblică, dar "
                  f"solul se mută de la {grounds[0]:.0f} la {grounds[-1]:.0f} g/cm², așa că jerbele înclinate "
                  f"ajung la el mult mai bătrâne."}
    ratio = float(longitudinal.iron_proton_muon_ratio(1e19))
    ne = {p: float(e.n_max["electrons"].mean()) for p, e in at_1e19.items()}
    nmu = {p: float(e.n_max["muons"].mean()) for p, e in at_1e19.items()}
    out["comp_fier_proton_ne_nmu-1.png"] = {
        "en": f"Muons against electrons at the shower maximum, {N_SHOWERS} proton and {N_SHOWERS} iron showers at "
              f"10¹⁹ eV: on average {_count(ne['proton'], 'en')} electrons and {_count(nmu['proton'], 'en')} muons for proton, "
              f"{_count(ne['iron'], 'en')} electrons and {_count(nmu['iron'], 'en')} muons for iron; iron has {ratio:.2f} times "
              f"the muons of proton.",
        "ro": f"Miuoni în funcție de electroni la maximul jerbei, {N_SHOWERS} de jerbe de proton și {N_SHOWERS} de "
              f"fier la 10¹⁹ eV: în medie {_count(ne['proton'], 'ro')} de electroni și {_count(nmu['proton'], 'ro')} de miuoni pentru "
              f"proton, {_count(ne['iron'], 'ro')} de electroni și {_count(nmu['iron'], 'ro')} de miuoni pentru fier; fierul are de "
              f"{ratio:.2f}".replace(".", ",") + " ori mai mulți miuoni decât protonul."}
    both_en = f"electrons, muons and hadrons on a logarithmic scale: {common_en}"
    both_ro = f"electroni, miuoni și hadroni pe o scară logaritmică: {common_ro}"
    out["Proton&Fier_scala_logaritmica.png"] = {
        "en": "Proton (left) and iron (right) showers side by side, single showers of " + both_en,
        "ro": "Jerbe de proton (stânga) și de fier (dreapta) alăturate, jerbe individuale de " + both_ro}
    out["Proton_Fier_scala_logaritmica.png"] = {
        "en": "Means and 10–90% bands of proton and iron showers in one graph, " + both_en,
        "ro": "Medii și benzi 10–90% ale jerbelor de proton și fier într-un singur grafic, " + both_ro}
    return out
