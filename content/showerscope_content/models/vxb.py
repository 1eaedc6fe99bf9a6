"""The simplified v x B model of geomagnetic radio emission, seen by antennas on the ground.

An antenna station records three polarisation channels: East-West (x), North-South (y) and
vertical (z) in the ground frame of `geomagnetic` (x = East, y = North, z = Up; azimuth from
East, counter-clockwise, naming where the shower comes from). The geomagnetic emission is
polarised along v x B, so its amplitude in each channel is the projection of v x B on that
channel. With unit vectors v and B_hat the vectors below are in units of |B|, and their length
is sin(alpha), alpha being the geomagnetic angle.

Charge excess (Askaryan) adds a field pointing radially towards the shower axis; the
superposition follows the shared physics reference (section 7): E = g(r) [-sin(alpha) e1 - a r_hat]
in the shower plane, e1 along v x B. Angles in radians unless a name says _deg.
"""

import numpy as np

from .geomagnetic import field_direction, shower_velocity, v_cross_b

CHANNELS = ("EW", "NS", "V")  # order of the components returned below
CHARGE_EXCESS_FRACTION = 0.14  # a = sin(alpha) |E_ce| / |E_geo|, a typical measured value


def vxb_channels(zenith, azimuth, b_hat=None):
    """Components of v x B_hat on the (EW, NS, V) channels, shape (..., 3)."""
    return v_cross_b(zenith, azimuth, b_hat)


def vxvxb_channels(zenith, azimuth, b_hat=None):
    """Components of v x (v x B_hat) on the (EW, NS, V) channels, shape (..., 3).
    It lies in the shower plane at right angles to v x B and has the same length, sin(alpha)."""
    if b_hat is None:
        b_hat = field_direction()
    v = shower_velocity(zenith, azimuth)
    return np.cross(v, np.cross(v, np.broadcast_to(b_hat, v.shape)))


def polarisation_angle(zenith, azimuth, b_hat=None):
    """Angle of the horizontal part of v x B, from East counter-clockwise, in (-pi, pi].

    Turning the East-West and North-South antenna axes by this angle puts the whole
    horizontal geomagnetic signal into the (turned) East-West channel."""
    vxb = vxb_channels(zenith, azimuth, b_hat)
    return np.arctan2(vxb[..., 1], vxb[..., 0])


def rotate_horizontal(ew, ns, angle):
    """The East-West and North-South channels of antenna axes turned counter-clockwise by
    `angle`: returns (ew', ns') = (cos a ew + sin a ns, -sin a ew + cos a ns)."""
    c, s = np.cos(angle), np.sin(angle)
    return c * ew + s * ns, -s * ew + c * ns


def rotated_channels(zenith, azimuth, b_hat=None):
    """v x B on antenna axes turned by the polarisation angle: (EW', NS', V), shape (..., 3).
    NS' vanishes and EW' is the full horizontal length of v x B."""
    vxb = vxb_channels(zenith, azimuth, b_hat)
    angle = np.arctan2(vxb[..., 1], vxb[..., 0])
    ew, ns = rotate_horizontal(vxb[..., 0], vxb[..., 1], angle)
    return np.stack([ew, ns, vxb[..., 2]], axis=-1)


def shower_plane_field(x, y, sin_alpha, a=CHARGE_EXCESS_FRACTION):
    """Direction-and-strength factor of the electric field at shower-plane position (x, y)
    (x along v x B, y along v x (v x B), any length unit), without the radial profile g(r):
    returns (E_x, E_y) = -sin(alpha) e1 - a r_hat. On the axis the radial term is taken as 0."""
    x = np.asarray(x, dtype=float)
    y = np.asarray(y, dtype=float)
    r = np.hypot(x, y)
    with np.errstate(invalid="ignore", divide="ignore"):
        rx = np.where(r > 0, x / r, 0.0)
        ry = np.where(r > 0, y / r, 0.0)
    return -sin_alpha - a * rx, -a * ry


def fluence_factor(phi_prime, sin_alpha, a=CHARGE_EXCESS_FRACTION):
    """Energy fluence relative to g(r)^2 at angle phi' from +v x B in the shower plane:
    sin^2(alpha) + a^2 + 2 a sin(alpha) cos(phi')."""
    return sin_alpha ** 2 + a ** 2 + 2.0 * a * sin_alpha * np.cos(phi_prime)


def shower_plane_polarisation(phi_prime, sin_alpha, a=CHARGE_EXCESS_FRACTION):
    """Angle of the total field from the v x B axis, in the shower plane, at angle phi' from
    +v x B: atan2(a sin phi', sin alpha + a cos phi')."""
    return np.arctan2(a * np.sin(phi_prime), sin_alpha + a * np.cos(phi_prime))
