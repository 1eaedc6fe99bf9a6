"""A simple Heitler-type cascade generator for pictures of shower development.

Electromagnetic part (Heitler): every particle splits in two of equal energy after one
splitting length d = X0 ln 2 (photon -> e+ e-, electron -> electron + photon) while the
daughters keep at least the critical energy xi_c; then it ranges out. Hadronic part
(Heitler-Matthews): a hadron above xi_c^pi interacts after lambda_I and shares its energy
among N_ch charged and N_ch/2 neutral pions; pi0 -> 2 gamma feeds the electromagnetic part,
charged pions below xi_c^pi decay, pi -> mu nu. Angles are random (multiple scattering for
electrons, a typical transverse momentum for hadrons). Optional Hillas thinning keeps one
daughter with a larger weight below a fraction of the primary energy, so a drawable number
of tracks represents a large shower; weights times energies are conserved exactly.

Units: energies in eV, depths in g/cm^2 (slant, along the axis), lengths and heights in m,
angles in radians. Parameter values: shared physics reference, sections 2 and 5.
"""

import numpy as np

from . import atmosphere
from .cascade import CRITICAL_ENERGY_EV as EM_CRITICAL_ENERGY_EV
from .cascade import HM_CHARGED_MULTIPLICITY as CHARGED_PIONS
from .cascade import HM_INTERACTION_LENGTH_G_CM2 as INTERACTION_LENGTH_G_CM2
from .cascade import HM_PION_CRITICAL_ENERGY_EV as PION_CRITICAL_ENERGY_EV
from .cascade import RADIATION_LENGTH_G_CM2
from .cascade import SCALE_ENERGY_EV as SCATTERING_ENERGY_EV

# The air and cascade constants (X0, xi_c = E_c, N_ch, lambda_I, xi_c^pi, E_s) are those of
# `cascade`, so that the animation and the graphs use one set.
TRANSVERSE_MOMENTUM_EV = 0.35e9  # typical p_t of secondary hadrons (eV/c)
IONISATION_LOSS_EV_PER_G_CM2 = 2.2e6  # minimum-ionising loss in air
PION_MASS_EV = 139.57e6
MUON_MASS_EV = 105.66e6
PION_DECAY_LENGTH_M = 7.8045  # c tau of the charged pion
SPLITTING_LENGTH_G_CM2 = RADIATION_LENGTH_G_CM2 * np.log(2.0)

PHOTON, ELECTRON, MUON, HADRON, NEUTRINO = range(5)
COMPONENT_NAMES = ("photons", "electrons", "muons", "hadrons", "neutrinos")


def em_shower_maximum(energy_ev, critical_energy_ev=EM_CRITICAL_ENERGY_EV,
                      radiation_length=RADIATION_LENGTH_G_CM2):
    """Heitler's estimates (N_max, X_max - X_first): E0 / xi_c particles at X0 ln(E0 / xi_c)."""
    ratio = np.asarray(energy_ev, dtype=float) / critical_energy_ev
    return ratio, radiation_length * np.log(ratio)


def cascade(energy_ev, primary="proton", first_depth=40.0, zenith=0.0, ground_height_m=None,
            seed=1, thinning=0.0, random_lengths=False, inelasticity=1.0, max_tracks=500_000):
    """Generates the tracks of one shower.

    primary: "proton" (hadronic start) or "photon" (pure electromagnetic cascade).
    first_depth: slant depth of the first interaction, g/cm^2.
    ground_height_m: observation level (default: the observatory's altitude); tracks stop there.
    thinning: fraction of the primary energy below which only one daughter is followed.
    random_lengths: exponential path lengths with the same means instead of fixed ones.
    inelasticity: fraction of a nucleon's energy given to pions; the rest stays with a leading
    nucleon (1 is the Heitler-Matthews model, where all energy goes into pions).

    Returns a dict of equal-length arrays, one entry per track: parent index (-1 for the
    primary), kind (particle name), component (PHOTON ... NEUTRINO), energy_ev, weight,
    depth_start/depth_end (slant, g/cm^2), x/y/z_start_m and x/y/z_end_m (ground frame: the
    axis lies in the x-z plane, arriving from +x, core at x = y = 0, z = height above sea
    level), and at_ground (True where the track reaches the observation level).
    """
    if ground_height_m is None:
        ground_height_m = atmosphere.OBSERVATORY_ALTITUDE_M
    rng = np.random.default_rng(seed)
    cos_z, sin_z = np.cos(zenith), np.sin(zenith)
    ground_depth = float(atmosphere.slant_depth(ground_height_m, zenith))
    thin_energy = thinning * energy_ev

    def axis_height(depth):
        with np.errstate(divide="ignore"):  # the inverse evaluates every layer's formula
            return float(atmosphere.height_of_slant_depth(min(depth, ground_depth), zenith))

    def length(mean):
        return rng.exponential(mean) if random_lengths else mean

    records = []
    # Stack entries: kind, component, energy, weight, start depth, direction angles ta, tb
    # (rad, from the axis, in the shower plane), parent index. Parents always precede their
    # daughters in the records, so positions can be filled in afterwards.
    if primary == "photon":
        stack = [("gamma", PHOTON, float(energy_ev), 1.0, 0.0, 0.0, 0.0, -1)]
    elif primary == "proton":
        stack = [("p", HADRON, float(energy_ev), 1.0, 0.0, 0.0, 0.0, -1)]
    else:
        raise ValueError(f"unknown primary: {primary}")

    while stack:
        kind, comp, energy, weight, x0, ta, tb, parent = stack.pop()
        if len(records) >= max_tracks:
            raise ValueError("too many tracks: raise the thinning level")
        daughters = []  # (kind, component, energy)
        if parent < 0 and comp == HADRON:
            x_end = first_depth
        elif comp in (PHOTON, ELECTRON):
            if energy / 2.0 >= EM_CRITICAL_ENERGY_EV:
                x_end = x0 + length(SPLITTING_LENGTH_G_CM2)
                if comp == PHOTON:
                    daughters = [("e-", ELECTRON, energy / 2), ("e+", ELECTRON, energy / 2)]
                else:
                    daughters = [(kind, ELECTRON, energy / 2), ("gamma", PHOTON, energy / 2)]
            elif comp == ELECTRON:
                x_end = x0 + energy / IONISATION_LOSS_EV_PER_G_CM2
            else:
                x_end = x0 + length(9.0 / 7.0 * RADIATION_LENGTH_G_CM2)
        elif comp == MUON:
            x_end = x0 + energy / IONISATION_LOSS_EV_PER_G_CM2
        elif comp == NEUTRINO:
            x_end = ground_depth
        elif kind == "pi0":
            x_end = x0
            daughters = [("gamma", PHOTON, energy / 2), ("gamma", PHOTON, energy / 2)]
        elif kind in ("pi+", "pi-") and energy <= PION_CRITICAL_ENERGY_EV:
            decay_m = energy / PION_MASS_EV * PION_DECAY_LENGTH_M
            rho = float(atmosphere.density(axis_height(x0)))
            x_end = x0 + length(rho * decay_m * 100.0)
            # In pi -> mu nu the muon's energy is uniform between (m_mu/m_pi)^2 E and E.
            r = (MUON_MASS_EV / PION_MASS_EV) ** 2
            muon = energy * rng.uniform(r, 1.0)
            daughters = [("mu" + kind[-1], MUON, muon), ("nu", NEUTRINO, energy - muon)]
        else:
            x_end = x0 + length(INTERACTION_LENGTH_G_CM2)
        if comp == HADRON and not daughters:
            # A hadronic interaction: N_ch charged and N_ch/2 neutral pions share the energy.
            kappa = inelasticity if kind in ("p", "n") else 1.0
            n_pions = CHARGED_PIONS + CHARGED_PIONS // 2
            share = kappa * energy / n_pions
            daughters = [("pi+" if i % 2 == 0 else "pi-", HADRON, share)
                         for i in range(CHARGED_PIONS)]
            daughters += [("pi0", HADRON, share)] * (CHARGED_PIONS // 2)
            if kappa < 1.0:
                daughters.append((kind, HADRON, (1.0 - kappa) * energy))

        at_ground = x_end >= ground_depth
        x_end = min(x_end, ground_depth)
        index = len(records)
        records.append((parent, kind, comp, energy, weight, x0, x_end, ta, tb, at_ground))
        if at_ground or not daughters:
            continue

        if energy < thin_energy and len(daughters) > 1:
            energies = np.array([d[2] for d in daughters])
            pick = rng.choice(len(daughters), p=energies / energies.sum())
            kept = [(daughters[pick], weight * energy / energies[pick])]
        else:
            kept = [(d, weight) for d in daughters]
        for (d_kind, d_comp, d_energy), d_weight in reversed(kept):
            if d_comp == ELECTRON:
                sigma = SCATTERING_ENERGY_EV / d_energy * np.sqrt(
                    SPLITTING_LENGTH_G_CM2 / RADIATION_LENGTH_G_CM2 / 2.0)
            elif d_comp == PHOTON:
                sigma = 0.511e6 / d_energy
            elif d_comp == HADRON and d_kind.startswith("pi"):
                sigma = TRANSVERSE_MOMENTUM_EV / d_energy / np.sqrt(2.0)
            else:
                sigma = 0.03e9 / d_energy
            sigma = min(sigma, 0.5)
            d_ta, d_tb = ta + rng.normal(0.0, sigma), tb + rng.normal(0.0, sigma)
            stack.append((d_kind, d_comp, d_energy, d_weight, x_end, d_ta, d_tb, index))

    parent, kind, comp, energy, weight, x0, x1, ta, tb, at_ground = (
        np.array(c) for c in zip(*records))
    with np.errstate(divide="ignore"):
        h0 = atmosphere.height_of_slant_depth(x0.astype(float), zenith)
        h1 = atmosphere.height_of_slant_depth(x1.astype(float), zenith)
    # Tracks that reach the observation level end exactly there, not at the round trip
    # through depth, whose last bit varies between machines.
    h1 = np.where(at_ground.astype(bool), ground_height_m, h1)
    path_m = (h0 - h1) / cos_z
    # Lateral offsets in the shower plane: each track starts where its parent ended.
    a0, b0, a1, b1 = (np.zeros(len(parent)) for _ in range(4))
    for i, p in enumerate(parent):
        if p >= 0:
            a0[i], b0[i] = a1[p], b1[p]
        a1[i] = a0[i] + ta[i] * path_m[i]
        b1[i] = b0[i] + tb[i] * path_m[i]
    tracks = {
        "parent": parent.astype(int),
        "kind": kind,
        "component": comp.astype(int),
        "energy_ev": energy.astype(float),
        "weight": weight.astype(float),
        "depth_start": x0.astype(float),
        "depth_end": x1.astype(float),
        "at_ground": at_ground.astype(bool),
    }
    for end, h, a, b in (("start", h0, a0, b0), ("end", h1, a1, b1)):
        tracks[f"x_{end}_m"] = (h - ground_height_m) * np.tan(zenith) + a * cos_z
        tracks[f"y_{end}_m"] = b
        tracks[f"z_{end}_m"] = h - a * sin_z
    return tracks


def particle_number(tracks, depths, components=(PHOTON, ELECTRON)):
    """Weighted number of tracks of the given components alive at each slant depth."""
    depths = np.asarray(depths, dtype=float)
    chosen = np.isin(tracks["component"], components)
    start = tracks["depth_start"][chosen][:, None]
    end = tracks["depth_end"][chosen][:, None]
    weight = tracks["weight"][chosen][:, None]
    alive = (start <= depths[None, :]) & (depths[None, :] < end)
    return (weight * alive).sum(axis=0)
