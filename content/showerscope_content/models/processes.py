"""Photon and electron interactions that drive the electromagnetic cascade.

Energies in MeV, wavelengths in picometres, angles in radians. Constants: CODATA 2018.
"""

import numpy as np

ELECTRON_MASS_MEV = 0.51099895  # m_e c^2
COMPTON_WAVELENGTH_PM = 2.42631024  # lambda_C = h / (m_e c)
HC_MEV_PM = 1.23984198  # h c, so that lambda[pm] = HC_MEV_PM / E[MeV]

# Pair production needs the rest energy of both particles; the nucleus takes the recoil
# momentum, and its recoil energy is negligible.
PAIR_THRESHOLD_MEV = 2.0 * ELECTRON_MASS_MEV

# K-shell binding energies of the main atoms of air (keV).
K_SHELL_BINDING_KEV = {"N": 0.410, "O": 0.543, "Ar": 3.206}


def wavelength_pm(energy_mev):
    """Photon wavelength in pm for a photon energy in MeV."""
    return HC_MEV_PM / np.asarray(energy_mev, dtype=float)


def compton_wavelength_shift_pm(theta):
    """Compton shift lambda' - lambda = lambda_C (1 - cos theta) in pm, theta the photon's
    scattering angle."""
    return COMPTON_WAVELENGTH_PM * (1.0 - np.cos(theta))


def compton_scattered_energy_mev(energy_mev, theta):
    """Energy of the scattered photon: E' = E / (1 + (E / m_e c^2)(1 - cos theta))."""
    e = np.asarray(energy_mev, dtype=float)
    return e / (1.0 + e / ELECTRON_MASS_MEV * (1.0 - np.cos(theta)))


def compton_electron_energy_mev(energy_mev, theta):
    """Kinetic energy of the recoil electron, E - E'."""
    return np.asarray(energy_mev, dtype=float) - compton_scattered_energy_mev(energy_mev, theta)


def compton_electron_angle(energy_mev, theta):
    """Recoil angle phi of the electron from the incoming photon's direction, on the other
    side of the axis: cot phi = (1 + E / m_e c^2) tan(theta / 2); pi/2 for theta -> 0."""
    e = np.asarray(energy_mev, dtype=float)
    return np.arctan2(1.0, (1.0 + e / ELECTRON_MASS_MEV) * np.tan(np.asarray(theta) / 2.0))


def pair_production_allowed(energy_mev):
    """True where a photon can convert into an electron-positron pair near a nucleus."""
    return np.asarray(energy_mev, dtype=float) >= PAIR_THRESHOLD_MEV


def photoelectron_energy_mev(photon_energy_mev, binding_energy_mev):
    """Kinetic energy of the ejected electron, E_gamma - E_binding; NaN where the photon
    cannot free the electron (E_gamma < E_binding)."""
    e = np.asarray(photon_energy_mev, dtype=float)
    b = np.asarray(binding_energy_mev, dtype=float)
    return np.where(e >= b, e - b, np.nan)
