"""The longitudinal-profile pictures of the cascade-simulation screen: electrons, muons and
hadrons of proton and iron showers, their energy and zenith dependence, and the sizes at
maximum. Computed with the parametrised cascade model (models/longitudinal.py).

The screen shows these 1260 x 785 pictures shrunk to half size or less, hence big type and
thick lines."""

import os

import numpy as np
from matplotlib import patheffects

from .. import style
from ..catalogue import CONEX
from ..models import cascade, longitudinal
from ..output import save_figure

FILES = list(CONEX)

SCALE = 1.8
WIDTH, HEIGHT = 1260, 785
N_SHOWERS = 100
MODEL_NOTE = "parametrised cascade model tuned to published results"
# Profiles of the mass and energy pictures are drawn for showers of 60 degrees zenith, whose
# axis reaches the ground of the 1400 m observatory at 1751 g/cm^2.
PROFILE_ZENITH_DEG = 60.0
ZENITHS_DEG = (0, 30, 45, 60, 70)
PRIMARY_COLOUR = {"proton": style.PROTON, "iron": style.IRON}
PRIMARY_NAME = {"proton": "Proton", "iron": "Iron"}
COMPONENT_NAME = {"electrons": "Electrons", "muons": "Muons", "hadrons": "Hadrons"}
ENERGY_STYLE = {1e19: "-", 1e20: "--", 1e21: ":"}
# A dark edge that keeps a thick mean curve visible over thin lines of its own colour.
OUTLINE = [patheffects.Stroke(linewidth=7.5, foreground="black"), patheffects.Normal()]
COMPONENT_STYLE = {"electrons": "-", "muons": "--", "hadrons": ":"}


def _seed(primary, energy_ev, zenith_deg=PROFILE_ZENITH_DEG):
    """A fixed seed per ensemble, so that every ensemble has its own showers."""
    return (1000 * (longitudinal.MASS_NUMBER[primary]) + 10 * int(round(np.log10(energy_ev)))
            + int(zenith_deg))


def _ensemble(primary, energy_ev=1e19, zenith_deg=PROFILE_ZENITH_DEG):
    return longitudinal.simulate_ensemble(primary, energy_ev, N_SHOWERS,
                                          seed=_seed(primary, energy_ev, zenith_deg))


def _energy_text(energy_ev):
    exponent = int(round(np.log10(energy_ev)))
    extra = " (extrapolated)" if energy_ev > longitudinal.LAST_FITTED_ENERGY_EV else ""
    return rf"$10^{{{exponent}}}$ eV{extra}"


def _power_of_ten(values):
    """The power of ten that brings the largest value into 1..10, for axis labels in units."""
    return int(np.floor(np.log10(np.nanmax(values))))


def _titles(fig, title, subtitle, note=""):
    """Title, the grey line saying what computed the figure, and an optional note below it
    (a text of its own: a unit's exponent in it makes it larger than the line above)."""
    fig.suptitle(title, x=0.5, y=0.985, fontsize=27, fontweight="bold", va="top")
    fig.text(0.5, 0.905, subtitle, ha="center", va="top", fontsize=18, color=style.GREY)
    if note:
        fig.text(0.5, 0.862, note, ha="center", va="top", fontsize=18, color=style.GREY)


def _muon_maximum_note(curves):
    """Where the model puts the muon maximum: a model choice, said so on the figure."""
    places = " and ".join(f"{longitudinal.profile_maximum_depth(d, v):,.0f} ({p})"
                          for p, (d, v) in curves.items())
    return f"muon maximum: {places} g/cm$^2$, a model choice"


def _ground_line(ax, depth, label_y=0.97):
    ax.axvline(depth, color=style.BLACK, lw=2.0, ls="-.")
    ax.text(depth - 12, label_y, "ground", transform=ax.get_xaxis_transform(), rotation=90,
            ha="right", va="top", fontsize=17, color=style.BLACK)


def _save(fig, out_dir, name):
    save_figure(fig, os.path.join(out_dir, name))
    style.close(fig)


def _mass_figure(out_dir, name, component, ensembles):
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
        ax.plot(depth, values.mean(axis=0) / unit, color=PRIMARY_COLOUR[primary], lw=4.5,
                path_effects=OUTLINE, label=f"{PRIMARY_NAME[primary]}: mean of {N_SHOWERS} showers")
    ax.plot([], [], color=style.GREY, lw=1.0, label="single showers (thin lines)")
    _ground_line(ax, ground)
    ax.set_xlim(0, ground + 40)
    ax.set_ylim(0, None)
    ax.set_xlabel("slant depth X (g/cm$^2$)")
    ax.set_ylabel(f"{COMPONENT_NAME[component].lower()}  (\u00d7$10^{{{power}}}$)")
    ax.legend(loc="lower right" if component == "muons" else "upper right",
              bbox_to_anchor=(0.94, 0.0) if component == "muons" else (0.94, 1.0))
    subtitle = f"{MODEL_NOTE}; {N_SHOWERS} showers per primary, zenith 60\u00b0"
    note = _muon_maximum_note({p: (depth, c) for p, c in curves.items()}) if component == "muons" else ""
    _titles(fig, f"{COMPONENT_NAME[component]}: proton and iron, $10^{{19}}$ eV", subtitle, note)
    fig.subplots_adjust(left=0.105, right=0.975, top=0.79 if component == "muons" else 0.835,
                        bottom=0.13)
    _save(fig, out_dir, name)


def _energy_figure(out_dir, name, component, ensembles):
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
                label=f"{PRIMARY_NAME[primary]}, {_energy_text(energy)}")
    _ground_line(ax, ground, label_y=0.35)
    ax.set_yscale("log")
    ax.set_xlim(0, ground + 40)
    ax.set_ylim(lowest / 1e3, highest * 60.0)
    ax.set_xlabel("slant depth X (g/cm$^2$)")
    ax.set_ylabel(f"number of {component}")
    ax.legend(loc="upper center", ncol=2, fontsize=16)
    _titles(fig, f"{COMPONENT_NAME[component]}: energy dependence, proton and iron",
            f"{MODEL_NOTE}; {N_SHOWERS} showers: mean, band 10\u201390%")
    fig.subplots_adjust(left=0.105, right=0.975, top=0.835, bottom=0.13)
    _save(fig, out_dir, name)


def _zenith_figure(out_dir, name, primary, component):
    fig, ax = style.figure(WIDTH, HEIGHT, SCALE)
    depth = np.linspace(0.0, 2600.0, 1301)
    peak = 0.0
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
                label=f"\u03b8 = {zenith}\u00b0: ground at {ground:.1f} g/cm$^2$, age s = {age:.2f}")
        ax.plot([ground], [y[-1]], "o", color=colour, ms=15, mec="black", mew=1.5, zorder=10)
        peak = max(peak, y.max())
    ax.set_xlim(0, 2650)
    ax.set_xlabel("slant depth X (g/cm$^2$)")
    if component == "muons":
        ax.set_ylim(0, peak * 1.12)
        ax.set_ylabel(f"{component}  (\u00d7$10^{{{power}}}$)")
    else:
        # Logarithmic, so that the old, absorbed showers at 60 and 70 degrees stay visible.
        ax.set_yscale("log")
        ax.set_ylim(peak * 1e-6, peak * 5.0)
        ax.set_ylabel(f"number of {component}")
    handles, labels = ax.get_legend_handles_labels()
    ax.legend(handles[::-1], labels[::-1], loc="lower right" if component == "muons" else "lower left",
              bbox_to_anchor=(0.99, 0.01) if component == "muons" else (0.06, 0.01),
              fontsize=16, title="zenith angle (dot: ground of the 1400 m observatory)", title_fontsize=16)
    subtitle = f"{MODEL_NOTE}; {N_SHOWERS} showers per angle (mean)"
    note = ""
    if component == "muons":
        vertical = longitudinal.profiles(ensembles[0], depth)[component]
        note = _muon_maximum_note({primary: (depth, vertical)})
    _titles(fig, f"{COMPONENT_NAME[component]} of {primary} showers, $10^{{19}}$ eV: zenith angle",
            subtitle, note)
    fig.subplots_adjust(left=0.105, right=0.975, top=0.79 if component == "muons" else 0.835,
                        bottom=0.13)
    _save(fig, out_dir, name)


def _sizes_figure(out_dir, name, ensembles):
    fig, ax = style.figure(785, 785, 1.5)
    markers = {"proton": "o", "iron": "^"}
    for primary, ensemble in ensembles.items():
        electrons = ensemble.n_max["electrons"] / 1e9
        muons = ensemble.n_max["muons"] / 1e7
        colour = PRIMARY_COLOUR[primary]
        ax.scatter(electrons, muons, s=70, marker=markers[primary], color=colour, alpha=0.75,
                   edgecolors="white", linewidths=0.6, label=f"{PRIMARY_NAME[primary]} ({ensemble.size} showers)")
        ax.plot([electrons.mean()], [muons.mean()], marker="P", ms=24, color=colour, mec="black", mew=1.8,
                ls="none")
    ratio = longitudinal.iron_proton_muon_ratio(1e19)
    ax.text(0.03, 0.97, f"muons at maximum, iron / proton = {ratio:.2f} (model)\n"
            f"\u271a mean of each primary's {N_SHOWERS} showers",
            transform=ax.transAxes, ha="left", va="top", fontsize=15,
            bbox=dict(boxstyle="round,pad=0.35", fc="white", ec="#bbbbbb"))
    low, high = ax.get_ylim()
    ax.set_ylim(low, high + 0.22 * (high - low))
    ax.set_xlabel("electrons at maximum (\u00d7$10^9$)")
    ax.set_ylabel("muons at maximum (\u00d7$10^7$)")
    ax.legend(loc="lower right")
    ax.set_title("Electrons and muons at maximum", fontsize=22, fontweight="bold", pad=58)
    ax.text(0.5, 1.02, f"$10^{{19}}$ eV, {N_SHOWERS} showers per primary\n{MODEL_NOTE}",
            transform=ax.transAxes, ha="center", va="bottom", fontsize=15, color=style.GREY)
    fig.subplots_adjust(left=0.13, right=0.97, top=0.85, bottom=0.1)
    _save(fig, out_dir, name)


def _introduction_figure(out_dir, name, ensembles):
    """Proton and iron side by side, all three components, 100 showers each, log scale."""
    ground = float(longitudinal.ground_slant_depth(PROFILE_ZENITH_DEG))
    depth = np.linspace(1.0, ground, 300)
    fig, axes = style.figure(WIDTH, HEIGHT, SCALE, ncols=2, sharey=True)
    for ax, (primary, ensemble) in zip(axes, ensembles.items()):
        for component, values in longitudinal.profiles(ensemble, depth).items():
            colour = style.COMPONENTS[component]
            ax.plot(depth, values.T, color=colour, lw=1.5, alpha=0.25, antialiased=False)
            ax.plot(depth, values.mean(axis=0), color=colour, lw=4.5, label=component,
                    path_effects=OUTLINE)
        ax.set_yscale("log")
        ax.set_ylim(1e2, 3e10)
        ax.set_xlim(0, ground)
        ax.set_title(f"{PRIMARY_NAME[primary]}", color=PRIMARY_COLOUR[primary], fontsize=25,
                     fontweight="bold")
        ax.set_xlabel("slant depth X (g/cm$^2$)")
        ax.set_xticks([0, 500, 1000, 1500])
    axes[0].set_ylabel("number of particles")
    handles, labels = axes[0].get_legend_handles_labels()
    fig.legend(handles, labels, loc="upper center", bbox_to_anchor=(0.5, 0.905), ncol=3, fontsize=19,
               frameon=False)
    fig.text(0.5, 0.99, f"$10^{{19}}$ eV: {N_SHOWERS} showers per primary (thin lines) and their mean "
             f"(thick)\n{MODEL_NOTE}", ha="center", va="top", fontsize=18, color=style.GREY,
             linespacing=1.4)
    fig.subplots_adjust(left=0.105, right=0.985, top=0.78, bottom=0.13, wspace=0.06)
    _save(fig, out_dir, name)


def _comparison_figure(out_dir, name, ensembles):
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
                    label=f"{PRIMARY_NAME[primary]}, {component}")
    ax.set_yscale("log")
    ax.set_ylim(1e2, 3e11)
    ax.set_xlim(0, ground)
    ax.set_xlabel("slant depth X (g/cm$^2$)")
    ax.set_ylabel("number of particles")
    ax.legend(loc="lower center", ncol=2, fontsize=17)
    _titles(fig, "Proton and iron at $10^{19}$ eV: the three components",
            f"{MODEL_NOTE}; mean of {N_SHOWERS} showers, band 10\u201390%")
    fig.subplots_adjust(left=0.105, right=0.975, top=0.835, bottom=0.13)
    _save(fig, out_dir, name)


def generate(out_dir):
    at_1e19 = {p: _ensemble(p) for p in ("proton", "iron")}
    by_energy = {(p, e): _ensemble(p, e) for p in ("proton", "iron") for e in longitudinal.ENERGIES_EV}
    for component in longitudinal.COMPONENTS:
        _mass_figure(out_dir, f"Profile_{component}_(proton-E19).png", component, at_1e19)
        _energy_figure(out_dir, f"{COMPONENT_NAME[component]}_distribution(proton_Iron-E19-E20-E21).png",
                       component, by_energy)
    zenith_names = {
        ("proton", "electrons"): "Profile_electrons_(proton-E19-zenith-dependency).png",
        ("proton", "muons"): "Profile_Muons_(proton-E19-zenith-dependency).png",
        ("proton", "hadrons"): "Profile_Hadrons_(proton-E19-zenith-dependency).png",
        ("iron", "electrons"): "Profile_electrons_(iron-E19-zenith-dependency).png",
        ("iron", "muons"): "Profile_muons_(iron-E19-zenith-dependency).png",
        ("iron", "hadrons"): "Profile_hadrons_(iron-E19-zenith-dependency).png",
    }
    for (primary, component), name in zenith_names.items():
        _zenith_figure(out_dir, name, primary, component)
    _sizes_figure(out_dir, "comp_fier_proton_ne_nmu-1.png", at_1e19)
    _introduction_figure(out_dir, "Proton&Fier_scala_logaritmica.png", at_1e19)
    _comparison_figure(out_dir, "Proton_Fier_scala_logaritmica.png", at_1e19)


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
    zenith_names = {
        ("proton", "electrons"): "Profile_electrons_(proton-E19-zenith-dependency).png",
        ("proton", "muons"): "Profile_Muons_(proton-E19-zenith-dependency).png",
        ("proton", "hadrons"): "Profile_Hadrons_(proton-E19-zenith-dependency).png",
        ("iron", "electrons"): "Profile_electrons_(iron-E19-zenith-dependency).png",
        ("iron", "muons"): "Profile_muons_(iron-E19-zenith-dependency).png",
        ("iron", "hadrons"): "Profile_hadrons_(iron-E19-zenith-dependency).png",
    }
    grounds = [float(longitudinal.ground_slant_depth(z)) for z in ZENITHS_DEG]
    zeniths = ", ".join(f"{z}°" for z in ZENITHS_DEG)
    for (primary, component), name in zenith_names.items():
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
