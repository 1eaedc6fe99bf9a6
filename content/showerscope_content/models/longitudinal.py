"""A parametrised cascade model of longitudinal shower profiles, tuned to published results.

For each shower of an ensemble it draws the depth of the first interaction, the depth of
maximum X_max and the sizes at maximum of the electron, muon and hadron components, then
builds the three profiles N(X) from those numbers. It is not a cascade simulation: the shapes
are Gaisser-Hillas curves and a muon production-and-attenuation integral whose parameters are
quoted below with their sources or marked as model choices.

Depths in g/cm^2 (slant depth along the axis), energies in eV.
"""

from dataclasses import dataclass

import numpy as np

from . import atmosphere, cascade

MASS_NUMBER = {"proton": 1, "helium": 4, "nitrogen": 14, "iron": 56}
ENERGIES_EV = (1e19, 1e20, 1e21)
# The X_max parametrisation is fitted up to 1e20 eV; 1e21 eV is an extrapolation of it.
LAST_FITTED_ENERGY_EV = 1e20

# --- Fluctuations of the first interaction and of X_max -------------------------------------
# Interaction length of protons in air: lambda = <m_air> / sigma_p-air with <m_air> = 14.45 u,
# i.e. lambda = 24000 / sigma[mb] g/cm^2. sigma_p-air ~ 530 mb at 1e19 eV (models; Auger measured
# 505 mb at sqrt(s) = 57 TeV, PRL 109 (2012) 062002) gives 45 g/cm^2; the cross-section grows by
# roughly 7% per decade, so lambda shrinks by about 3 g/cm^2 per decade (model choice).
PROTON_INTERACTION_LENGTH_1E19 = 45.0
PROTON_INTERACTION_LENGTH_PER_DECADE = -3.0
# Iron-air: sigma ~ 2200 mb gives 11 g/cm^2 (Glauber-type estimates; only sets where the
# hadron and muon profiles start).
IRON_INTERACTION_LENGTH = 11.0
# Helium and nitrogen: lambda_p A^(-1/3) at 1e19 eV, rounded (model choice between the two).
HELIUM_INTERACTION_LENGTH = 28.0
NITROGEN_INTERACTION_LENGTH = 19.0

# --- Profile shapes --------------------------------------------------------------------------
# Electrons: Gaisser-Hillas in the (L, R) form of the average shape measured by the Pierre Auger
# Collab., JCAP 03 (2019) 018: L = 226 g/cm^2, R = 0.26, i.e. lambda = L R = 58.8 g/cm^2 and
# X_max - X0 = L / R = 870 g/cm^2.
ELECTRON_SHAPE_L = 226.0
ELECTRON_SHAPE_R = 0.26
# Muons: a production profile (Gaisser-Hillas from the first interaction, maximum 150 g/cm^2 above
# the electromagnetic maximum, lambda = 100 g/cm^2) integrated with attenuation by decay and
# ionisation. The attenuation length of 1500 g/cm^2 is a model choice: it puts the muon maximum
# about 330 g/cm^2 after the electromagnetic one (near 1140 g/cm^2 for protons and 1030 g/cm^2
# for iron at 1e19 eV) and keeps, at the 67 degree ground at 1450 m (2227 g/cm^2), about half
# (p) to two thirds (Fe) of the 2.68e7 muons above 0.3 GeV that the Auger hybrid measurement
# finds there (PRD 91 (2015) 032003); simulations are known to fall short of measured muon
# numbers by some tens of per cent. The 150 g/cm^2 offset is a model choice too (muons are
# produced by the hadron cascade, which peaks before the electromagnetic one).
MUON_PRODUCTION_OFFSET = 150.0
MUON_PRODUCTION_LAMBDA = 100.0
MUON_ATTENUATION_LENGTH = 1500.0
MUON_STEP_G_CM2 = 2.0             # grid of the production integral
# Electromagnetic halo: muon decay and muon interactions keep electrons alongside the muons,
# which is what reaches the ground of inclined showers once the cascade itself has died out
# (Valino et al., Astropart. Phys. 32 (2010) 304). Its size, 0.1 electron per muon, is a model
# choice.
HALO_ELECTRONS_PER_MUON = 0.1
# Hadrons: Gaisser-Hillas from the first interaction with its maximum 120 g/cm^2 above the
# electromagnetic one (the hadron core feeds the cascades that peak later) and a decline set by
# the hadron attenuation length of about 100 g/cm^2 (textbook range 100-120 g/cm^2, Gaisser,
# Engel & Resconi 2016). Both are model choices inside that range.
HADRON_MAXIMUM_OFFSET = 120.0
HADRON_LAMBDA = 100.0

# --- Sizes at maximum --------------------------------------------------------------------------
# Muons: Heitler-Matthews proton value at 1e19 eV (Matthews 2005: 2.5e7), scaled with energy as
# E^0.92 and with mass as A^(1-0.92), beta = 0.92 being the value full simulations give (Gora et
# al., arXiv:2308.16525), so that iron has 56^0.08 = 1.38 times the muons of a proton.
MUON_ENERGY_EXPONENT = 0.92
# Hadrons above ~1 GeV: of order 1e6 or less at 1e19 eV; 5e5 for protons, 20% more for iron and
# growing with energy like the muons are model choices within that order.
HADRON_N_MAX_1E19 = 5.0e5
HADRON_IRON_RATIO = 1.2

# Relative shower-to-shower spreads of the sizes at maximum (sigma of ln N).
# Electrons: a few per cent for protons, less for iron (model choice; the electromagnetic size
# follows the primary energy closely). Muons: 12% (p) and 4% (Fe), in the range of the model
# predictions compared with data in Pierre Auger Collab., PRL 126 (2021) 152002. Hadrons: larger,
# model choice. Electrons are anti-correlated with muons (energy taken by the muon/hadron channel
# is missing from the electromagnetic one); the correlation coefficients are model choices.
SIZE_SPREAD = {
    "proton": {"electrons": 0.05, "muons": 0.12, "hadrons": 0.25},
    "iron": {"electrons": 0.015, "muons": 0.04, "hadrons": 0.08},
}
ELECTRON_MUON_CORRELATION = -0.6
HADRON_MUON_CORRELATION = 0.7

COMPONENTS = ("electrons", "muons", "hadrons")


@dataclass(frozen=True)
class Ensemble:
    """Per-shower numbers of an ensemble of showers of one primary at one energy."""
    primary: str
    energy_ev: float
    first_interaction: np.ndarray  # g/cm^2
    x_max: np.ndarray              # g/cm^2, maximum of the electron profile
    n_max: dict                    # component -> array of sizes at maximum

    @property
    def mass_number(self):
        return MASS_NUMBER[self.primary]

    @property
    def size(self):
        return len(self.x_max)


def interaction_length(primary, energy_ev):
    """Mean free path in g/cm^2 of the primary before its first interaction."""
    if primary == "iron":
        return IRON_INTERACTION_LENGTH
    if primary == "nitrogen":
        return NITROGEN_INTERACTION_LENGTH
    if primary == "helium":
        return HELIUM_INTERACTION_LENGTH
    decades = np.log10(energy_ev / 1e19)
    return PROTON_INTERACTION_LENGTH_1E19 + PROTON_INTERACTION_LENGTH_PER_DECADE * decades


def mean_size_at_maximum(component, primary, energy_ev):
    """Ensemble mean of the size at maximum of one component."""
    a = MASS_NUMBER[primary]
    if component == "electrons":
        # Greisen N_max times the fraction of the energy in the electromagnetic cascade.
        return cascade.greisen_n_max(energy_ev) * cascade.heitler_matthews_em_fraction(energy_ev, a)
    scale = (energy_ev / 1e19) ** MUON_ENERGY_EXPONENT
    if component == "muons":
        return cascade.heitler_matthews_muons(1e19, 1) * scale * a ** (1.0 - MUON_ENERGY_EXPONENT)
    if component == "hadrons":
        return HADRON_N_MAX_1E19 * scale * (HADRON_IRON_RATIO if a > 1 else 1.0)
    raise ValueError(f"unknown component {component}")


def iron_proton_muon_ratio(energy_ev=1e19):
    """The model's ratio of the mean muon numbers at maximum, iron over proton: 56^(1 - 0.92)."""
    return (mean_size_at_maximum("muons", "iron", energy_ev)
            / mean_size_at_maximum("muons", "proton", energy_ev))


def profile_maximum_depth(depth_g_cm2, values):
    """Depth in g/cm^2 where the ensemble mean of profiles (showers, depths) is largest."""
    return float(np.asarray(depth_g_cm2)[np.argmax(np.mean(values, axis=0))])


def simulate_ensemble(primary, energy_ev, n_showers=100, seed=19):
    """Draws an ensemble of showers.

    X_max of protons is the first-interaction depth X1 ~ Exp(lambda) plus a Gaussian development
    part, which gives the exponential tail to deep X_max seen in proton showers; the Gaussian
    width is chosen so that the total spread equals the published sigma(X_max). Iron X_max is
    Gaussian (superposition of 56 nucleon showers averages out the first interactions).
    Mean and sigma follow the EPOS-LHC parametrisation (cascade.xmax_mean/xmax_sigma).
    """
    rng = np.random.default_rng(seed)
    a = MASS_NUMBER[primary]
    mean = float(cascade.xmax_mean(energy_ev, a))
    sigma = float(cascade.xmax_sigma(energy_ev, a))
    lam = interaction_length(primary, energy_ev)
    first = rng.exponential(lam, n_showers)
    if primary == "proton":
        development = rng.normal(0.0, np.sqrt(sigma ** 2 - lam ** 2), n_showers)
        x_max = mean - lam + first + development
    else:
        x_max = rng.normal(mean, sigma, n_showers)
    shared = rng.normal(size=n_showers)
    spread = SIZE_SPREAD[primary]

    def lognormal(component, z):
        # Mean-preserving log-normal spread around the component's mean size.
        sig = spread[component]
        return mean_size_at_maximum(component, primary, energy_ev) * np.exp(sig * z - 0.5 * sig ** 2)

    def mixed(rho):
        return rho * shared + np.sqrt(1.0 - rho ** 2) * rng.normal(size=n_showers)

    n_max = {
        "muons": lognormal("muons", shared),
        "electrons": lognormal("electrons", mixed(ELECTRON_MUON_CORRELATION)),
        "hadrons": lognormal("hadrons", mixed(HADRON_MUON_CORRELATION)),
    }
    return Ensemble(primary, float(energy_ev), first, x_max, n_max)


def _column(values):
    return np.asarray(values, dtype=float)[:, None]


def cascade_electrons(depth_g_cm2, n_max, x_max):
    """Electrons of the electromagnetic cascade alone, a Gaisser-Hillas curve of the (L, R)
    shape about X_max."""
    lam = ELECTRON_SHAPE_L * ELECTRON_SHAPE_R
    start = x_max - ELECTRON_SHAPE_L / ELECTRON_SHAPE_R
    return cascade.gaisser_hillas(depth_g_cm2, n_max, x_max, start, lam)


def electron_profiles(ensemble, depth_g_cm2):
    """Electron (e+ e-) numbers, shape (showers, depths): the cascade plus the halo that
    follows the muons."""
    x = np.asarray(depth_g_cm2, dtype=float)[None, :]
    own = cascade_electrons(x, _column(ensemble.n_max["electrons"]), _column(ensemble.x_max))
    return own + HALO_ELECTRONS_PER_MUON * muon_profiles(ensemble, depth_g_cm2)


def hadron_profiles(ensemble, depth_g_cm2):
    """Hadron numbers, shape (showers, depths)."""
    x = np.asarray(depth_g_cm2, dtype=float)[None, :]
    peak = _column(ensemble.x_max) - HADRON_MAXIMUM_OFFSET
    start = np.minimum(_column(ensemble.first_interaction), peak - 100.0)
    return cascade.gaisser_hillas(x, _column(ensemble.n_max["hadrons"]), peak, start, HADRON_LAMBDA)


def muon_profile(depth_g_cm2, x_max, first_interaction, n_max):
    """Muon numbers of one shower at the given depths: N(X) = integral of the production
    profile P(X') times exp(-(X - X')/Lambda) over X' < X, as a running sum on a 2 g/cm^2 grid
    read by linear interpolation, scaled so that its maximum is the shower's N_mu,max."""
    x = np.asarray(depth_g_cm2, dtype=float)
    last = max(float(np.max(x)), 3000.0)
    grid = np.arange(int(np.ceil(last / MUON_STEP_G_CM2)) + 1) * MUON_STEP_G_CM2
    peak = x_max - MUON_PRODUCTION_OFFSET
    start = min(first_interaction, peak - 100.0)
    production = cascade.gaisser_hillas(grid, 1.0, peak, start, MUON_PRODUCTION_LAMBDA)
    weight = np.exp(grid / MUON_ATTENUATION_LENGTH)
    integral = np.cumsum(production * weight) * MUON_STEP_G_CM2 / weight
    return np.interp(x, grid, integral) * (n_max / integral.max())


def muon_profiles(ensemble, depth_g_cm2):
    """Muon numbers, shape (showers, depths), one muon_profile per shower."""
    return np.array([muon_profile(depth_g_cm2, x_max, first, n_max) for x_max, first, n_max in
                     zip(ensemble.x_max, ensemble.first_interaction, ensemble.n_max["muons"])])


def profiles(ensemble, depth_g_cm2):
    """All three components: {"electrons": ..., "muons": ..., "hadrons": ...}."""
    return {
        "electrons": electron_profiles(ensemble, depth_g_cm2),
        "muons": muon_profiles(ensemble, depth_g_cm2),
        "hadrons": hadron_profiles(ensemble, depth_g_cm2),
    }


def ground_slant_depth(zenith_deg, altitude_m=atmosphere.OBSERVATORY_ALTITUDE_M):
    """Slant depth of the ground along an axis of the given zenith angle (flat atmosphere,
    adequate up to 70-75 degrees)."""
    return atmosphere.slant_depth(altitude_m, np.radians(zenith_deg))
