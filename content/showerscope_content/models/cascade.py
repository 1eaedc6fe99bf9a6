"""Air-shower cascade formulas: Greisen profile and age, NKG lateral distribution, Moliere
radius, Gaisser-Hillas profile, the X_max parametrisation of current hadronic models and the
Heitler-Matthews muon number.

Depths in g/cm^2, energies in eV, distances in metres unless a name says otherwise.
"""

import numpy as np
from scipy.special import gammaln

from . import atmosphere

# Electromagnetic constants of air, the one set every model and caption uses.
RADIATION_LENGTH_G_CM2 = 36.62   # X0 of dry air, PDG "air_dry_1_atm"
CRITICAL_ENERGY_EV = 87.92e6     # E_c for electrons in air, PDG (Rossi definition); also the
                                 # xi_c at which the Heitler cascade stops splitting
SCALE_ENERGY_EV = 21.0e6         # E_s = m_e c^2 sqrt(4 pi / alpha) ~ 21 MeV
MOLIERE_DEPTH_G_CM2 = SCALE_ENERGY_EV / CRITICAL_ENERGY_EV * RADIATION_LENGTH_G_CM2  # 8.75

# Heitler-Matthews hadronic model (J. Matthews, Astropart. Phys. 22 (2005) 387).
HM_PION_CRITICAL_ENERGY_EV = 20.0e9  # xi_c^pi, below which charged pions decay
HM_CHARGED_MULTIPLICITY = 10         # N_ch charged pions per interaction, N_ch/2 neutral ones
HM_INTERACTION_LENGTH_G_CM2 = 120.0  # lambda_I of pions in air
HM_BETA = np.log(HM_CHARGED_MULTIPLICITY) / np.log(1.5 * HM_CHARGED_MULTIPLICITY)  # 0.850


# --- Greisen profile of an electromagnetic shower -------------------------------------------

def greisen_beta0(energy_ev):
    """beta_0 = ln(E0 / E_c)."""
    return np.log(np.asarray(energy_ev, dtype=float) / CRITICAL_ENERGY_EV)


def greisen_age(t, energy_ev):
    """Shower age s = 3t / (t + 2 beta_0), t the depth in radiation lengths."""
    t = np.asarray(t, dtype=float)
    return 3.0 * t / (t + 2.0 * greisen_beta0(energy_ev))


def greisen_size(t, energy_ev):
    """Number of charged particles N_e(t) = 0.31/sqrt(beta_0) exp[t (1 - 1.5 ln s)] of a
    photon-initiated shower, t in radiation lengths from the first interaction (0 at t <= 0)."""
    t = np.asarray(t, dtype=float)
    beta0 = greisen_beta0(energy_ev)
    positive = t > 0
    safe_t = np.where(positive, t, 1.0)
    s = greisen_age(safe_t, energy_ev)
    n = 0.31 / np.sqrt(beta0) * np.exp(safe_t * (1.0 - 1.5 * np.log(s)))
    return np.where(positive, n, 0.0)


def greisen_size_at_depth(depth_g_cm2, energy_ev):
    """Greisen N_e at a depth in g/cm^2 (counted from the first interaction)."""
    return greisen_size(np.asarray(depth_g_cm2, dtype=float) / RADIATION_LENGTH_G_CM2, energy_ev)


def greisen_age_at_depth(depth_g_cm2, energy_ev):
    """Greisen age s at a depth in g/cm^2."""
    return greisen_age(np.asarray(depth_g_cm2, dtype=float) / RADIATION_LENGTH_G_CM2, energy_ev)


def greisen_t_max(energy_ev):
    """Depth of maximum in radiation lengths: t_max = beta_0 (where s = 1)."""
    return greisen_beta0(energy_ev)


def greisen_x_max(energy_ev):
    """Depth of maximum in g/cm^2: X_max = X0 ln(E0/E_c)."""
    return RADIATION_LENGTH_G_CM2 * greisen_beta0(energy_ev)


def greisen_n_max(energy_ev):
    """Size at maximum: N_max = 0.31 (E0/E_c) / sqrt(ln(E0/E_c))."""
    e = np.asarray(energy_ev, dtype=float)
    return 0.31 * (e / CRITICAL_ENERGY_EV) / np.sqrt(greisen_beta0(e))


def hadron_age(depth_g_cm2, x_max_g_cm2):
    """Age of a hadron-initiated shower, s(X) = 3X / (X + 2 X_max)."""
    x = np.asarray(depth_g_cm2, dtype=float)
    return 3.0 * x / (x + 2.0 * np.asarray(x_max_g_cm2, dtype=float))


# --- Lateral distribution --------------------------------------------------------------------

def nkg_normalisation(age):
    """C(s) = Gamma(4.5 - s) / [2 pi Gamma(s) Gamma(4.5 - 2s)], valid for 0 < s < 2.25."""
    s = np.asarray(age, dtype=float)
    return np.exp(gammaln(4.5 - s) - gammaln(s) - gammaln(4.5 - 2.0 * s)) / (2.0 * np.pi)


def nkg_density(r_m, size, age, moliere_radius_m):
    """NKG particle density in m^-2 at core distance r (m):
    rho = N C(s)/r_M^2 (r/r_M)^(s-2) (1 + r/r_M)^(s-4.5)."""
    x = np.asarray(r_m, dtype=float) / moliere_radius_m
    s = np.asarray(age, dtype=float)
    return (size * nkg_normalisation(s) / moliere_radius_m ** 2
            * x ** (s - 2.0) * (1.0 + x) ** (s - 4.5))


def moliere_radius_m(height_m):
    """Moliere radius r_M(h) = (E_s/E_c) X0 / rho(h) in metres at a height in metres."""
    return MOLIERE_DEPTH_G_CM2 / atmosphere.density(height_m) / 100.0


# --- Hadron-initiated showers ------------------------------------------------------------------

def gaisser_hillas(depth_g_cm2, n_max, x_max, x_first=-100.0, lam=70.0):
    """Gaisser-Hillas profile N(X) = N_max [(X-X0)/(X_max-X0)]^((X_max-X0)/lam)
    exp[(X_max - X)/lam] for X > X0 (X0 = x_first, a fit parameter), 0 before."""
    x = np.asarray(depth_g_cm2, dtype=float)
    width = x_max - x_first
    ratio = np.clip((x - x_first) / width, 1e-300, None)
    n = n_max * np.exp(width / lam * np.log(ratio) + (x_max - x) / lam)
    return np.where(x > x_first, n, 0.0)


# <X_max> and sigma(X_max) parametrisation of Pierre Auger Collab., JCAP 02 (2013) 026
# (arXiv:1301.6637): ICRC 2013 coefficients for EPOS-LHC and QGSJetII-04, the 2018 set of the
# same analysis for Sibyll 2.3d. Keys: X0, D, xi, delta, p0, p1, p2, a0, a1, b.
XMAX_MODELS = {
    "EPOS-LHC": dict(X0=806.1, D=55.6, xi=0.15, delta=0.83,
                     p0=3284.0, p1=-260.0, p2=132.0, a0=-0.462, a1=-0.0008, b=0.059),
    "QGSJetII-04": dict(X0=790.4, D=54.4, xi=-0.31, delta=0.24,
                        p0=3738.0, p1=-375.0, p2=-21.0, a0=-0.397, a1=0.0008, b=0.046),
    "Sibyll-2.3d": dict(X0=815.87, D=57.87, xi=-0.3035, delta=0.7963,
                        p0=3726.7, p1=-483.8, p2=132.5, a0=-0.4055, a1=-0.00025, b=0.0475),
}


def xmax_mean(energy_ev, mass_number, model="EPOS-LHC"):
    """<X_max> = X0 + D l + f_E ln A, f_E = xi - D/ln 10 + delta l, l = log10(E/1e19 eV).
    The fit covers 1e17-1e20 eV; higher energies are an extrapolation."""
    c = XMAX_MODELS[model]
    ell = np.log10(np.asarray(energy_ev, dtype=float) / 1e19)
    ln_a = np.log(mass_number)
    f_e = c["xi"] - c["D"] / np.log(10.0) + c["delta"] * ell
    return c["X0"] + c["D"] * ell + f_e * ln_a


def xmax_sigma(energy_ev, mass_number, model="EPOS-LHC"):
    """sigma(X_max) = sqrt(sigma_p^2 [1 + a ln A + b ln^2 A]), sigma_p^2 = p0 + p1 l + p2 l^2,
    a = a0 + a1 l."""
    c = XMAX_MODELS[model]
    ell = np.log10(np.asarray(energy_ev, dtype=float) / 1e19)
    ln_a = np.log(mass_number)
    sigma_p2 = c["p0"] + c["p1"] * ell + c["p2"] * ell ** 2
    a = c["a0"] + c["a1"] * ell
    return np.sqrt(sigma_p2 * (1.0 + a * ln_a + c["b"] * ln_a ** 2))


def heitler_matthews_muons(energy_ev, mass_number=1, beta=HM_BETA):
    """Muon number N_mu = A (E0 / (A xi_c^pi))^beta of the Heitler-Matthews model."""
    e = np.asarray(energy_ev, dtype=float)
    return mass_number * (e / (mass_number * HM_PION_CRITICAL_ENERGY_EV)) ** beta


def heitler_matthews_em_fraction(energy_ev, mass_number=1, beta=HM_BETA):
    """Fraction of the primary energy that ends in the electromagnetic component,
    f_EM = 1 - (E0 / (A xi_c^pi))^(beta - 1), by superposition for a nucleus of mass A."""
    e = np.asarray(energy_ev, dtype=float)
    return 1.0 - (e / (mass_number * HM_PION_CRITICAL_ENERGY_EV)) ** (beta - 1.0)
