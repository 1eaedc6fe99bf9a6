"""Directions, the geomagnetic field at the observatory and the v x B frame.

Ground frame: x = East, y = North, z = Up. Azimuth phi is counted from East,
counter-clockwise: North 90 deg, West 180 deg, South 270 deg; it names the direction the
shower comes FROM. Zenith theta is measured from the vertical. Angles in radians unless a name
says _deg.
"""

import numpy as np

# Field at the radio array (IGRF, as in the radiotools "auger" vector): zenith 54.4 deg,
# azimuth 87.5 deg from East counter-clockwise, i.e. 2.5 deg east of geographic north
# (declination +2.5 deg E), pointing upwards (inclination about -35.6 deg), |B| = 0.24 G.
# Every figure uses this one field; "North" on the axes is geographic north.
FIELD_ZENITH_DEG = 54.4
FIELD_AZIMUTH_DEG = 87.5
FIELD_STRENGTH_GAUSS = 0.24


def direction(zenith, azimuth):
    """Unit vector towards (zenith, azimuth): (sin t cos p, sin t sin p, cos t), shape (..., 3)."""
    zenith = np.asarray(zenith, dtype=float)
    azimuth = np.asarray(azimuth, dtype=float)
    return np.stack([np.sin(zenith) * np.cos(azimuth),
                     np.sin(zenith) * np.sin(azimuth),
                     np.cos(zenith) * np.ones_like(azimuth)], axis=-1)


def field_direction(zenith_deg=FIELD_ZENITH_DEG, azimuth_deg=FIELD_AZIMUTH_DEG):
    """Unit vector of the geomagnetic field B."""
    return direction(np.radians(zenith_deg), np.radians(azimuth_deg))


def shower_velocity(zenith, azimuth):
    """Unit propagation direction v of a shower arriving from (zenith, azimuth): v = -n."""
    return -direction(zenith, azimuth)


def v_cross_b(zenith, azimuth, b_hat=None):
    """The (unnormalised) vector v x B_hat for unit v and B_hat, shape (..., 3);
    its length is sin(alpha), the sine of the geomagnetic angle."""
    if b_hat is None:
        b_hat = field_direction()
    v = shower_velocity(zenith, azimuth)
    return np.cross(v, np.broadcast_to(b_hat, v.shape))


def geomagnetic_angle(zenith, azimuth, b_hat=None):
    """Angle alpha between the shower axis and B, in radians (0 to pi)."""
    if b_hat is None:
        b_hat = field_direction()
    n = direction(zenith, azimuth)
    cos_alpha = np.clip(np.sum(n * b_hat, axis=-1), -1.0, 1.0)
    return np.arccos(cos_alpha)


def shower_plane_frame(zenith, azimuth, b_hat=None):
    """Orthonormal shower-plane basis (e1, e2, e3) = (v x B, v x (v x B), v), each (..., 3).
    Undefined (NaN) when the shower runs along B."""
    if b_hat is None:
        b_hat = field_direction()
    v = shower_velocity(zenith, azimuth)
    vxb = np.cross(v, np.broadcast_to(b_hat, v.shape))
    norm = np.linalg.norm(vxb, axis=-1, keepdims=True)
    with np.errstate(invalid="ignore", divide="ignore"):
        e1 = vxb / norm
    e2 = np.cross(v, e1)
    return e1, e2, v
