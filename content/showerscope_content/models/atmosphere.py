"""US standard atmosphere in Linsley's five-layer parametrisation (CORSIKA atmosphere 1).

Heights in metres above sea level, depths in g/cm^2, densities in g/cm^3.
Source: shared physics reference, section 1 (Linsley parametrisation as used by CORSIKA
ATMOD 1 and radiotools).
"""

import numpy as np

# Layer lower boundaries (m) and parameters a (g/cm^2), b (g/cm^2), c (cm).
LAYER_BOTTOM_M = np.array([0.0, 4.0e3, 10.0e3, 40.0e3, 100.0e3])
A = np.array([-186.555305, -94.919, 0.61289, 0.0, 0.01128292])
B = np.array([1222.6562, 1144.9069, 1305.5948, 540.1778, 1.0])
C = np.array([994186.38, 878153.55, 636143.04, 772170.16, 1.0e9])
TOP_M = A[4] * C[4] / B[4] / 100.0  # 112 829 m, where the vertical depth reaches zero

OBSERVATORY_ALTITUDE_M = 1400.0  # the observatory's mean altitude used throughout the figures


def _layer(height_m):
    h = np.asarray(height_m, dtype=float)
    return np.clip(np.searchsorted(LAYER_BOTTOM_M, h, side="right") - 1, 0, 4)


def vertical_depth(height_m):
    """Vertical atmospheric depth X_v(h) in g/cm^2 above a height in metres (0 above the top)."""
    h = np.asarray(height_m, dtype=float)
    i = _layer(h)
    h_cm = h * 100.0
    exponential = A[i] + B[i] * np.exp(-h_cm / C[i])
    linear = A[4] - B[4] * h_cm / C[4]
    x = np.where(i < 4, exponential, linear)
    return np.where(h >= TOP_M, 0.0, x)


def density(height_m):
    """Air density rho(h) in g/cm^3 at a height in metres."""
    h = np.asarray(height_m, dtype=float)
    i = _layer(h)
    h_cm = h * 100.0
    rho = np.where(i < 4, B[i] / C[i] * np.exp(-h_cm / C[i]), B[4] / C[4])
    return np.where(h >= TOP_M, 0.0, rho)


# Depths at the boundaries of layers 1-4, for the inverse.
_BOUNDARY_DEPTH = A[:4] + B[:4] * np.exp(-LAYER_BOTTOM_M[:4] * 100.0 / C[:4])


def height_of_vertical_depth(depth_g_cm2):
    """Height in metres at which the vertical depth equals X (inverse of vertical_depth)."""
    x = np.asarray(depth_g_cm2, dtype=float)
    i = np.clip(np.searchsorted(-_BOUNDARY_DEPTH, -x, side="right") - 1, 0, 3)
    h_exp = -C[i] * np.log((x - A[i]) / B[i]) / 100.0
    # Above 100 km the fifth, linear layer applies.
    top_depth = A[3] + B[3] * np.exp(-LAYER_BOTTOM_M[4] * 100.0 / C[3])
    h_lin = (A[4] - x) * C[4] / B[4] / 100.0
    return np.where(x < top_depth, h_lin, h_exp)


def slant_depth(height_m, zenith_rad):
    """Slant depth along an axis of zenith angle theta in a flat atmosphere (valid to ~70 deg)."""
    return vertical_depth(height_m) / np.cos(zenith_rad)


def height_of_slant_depth(depth_g_cm2, zenith_rad):
    """Height in metres where a shower of zenith theta has crossed the given slant depth."""
    return height_of_vertical_depth(np.asarray(depth_g_cm2) * np.cos(zenith_rad))
