"""Radio emission of a 10^18 eV air shower on a 24-station antenna array (30-80 MHz).

A parametrised model, not a microscopic simulation. Per station the peak electric field is

    E = A * g(r) * [-sin(alpha) e1 - a(r) r_hat]

in the shower plane (e1 along v x B, r_hat pointing from the axis to the station): geomagnetic
emission polarised along -v x B plus charge-excess emission polarised radially, pointing towards
the axis. The pieces:

- a: the charge-excess fraction from the air density at X_max (Glaser et al. 2016, as in
  radiotools), capped at the largest measured value, 0.203 (LOFAR, near-vertical showers,
  Schellart et al. 2014): the density law alone gives 0.30-0.36 for near-vertical showers,
  above every measurement. It is the same at every distance from the axis;
- g(r): an illustrative ring-shaped lateral distribution (not a published parametrisation) in the shower plane, rising from 0.6 on the axis to
  1 at the Cherenkov radius r_C = D tan(theta_C(h_Xmax)), then falling off exponentially with a
  length that grows with the distance D to X_max;
- A: chosen so that the fluence integrated over the shower plane equals the radiation energy,
  15.8 MeV at 1 EeV for a shower at right angles to the 0.24 G field (AERA), with the
  charge-excess and air-density terms of Glaser et al.;
- arrival times: a plane wave along the axis plus a hyperbolic delay behind it,
  c dt = sqrt(b^2 + (r tan rho_c)^2) - b, spherical (radius D) near the axis and conical
  (opening angle rho_c) far out.

Frames and angles follow `geomagnetic` (x = East, y = North, z = Up; azimuth from East,
counter-clockwise, naming where the shower comes from). Lengths in metres, times in
nanoseconds, depths in g/cm^2, fields in V/m, angles in radians unless a name says _deg.
"""

import numpy as np

from . import atmosphere
from .geomagnetic import field_direction, shower_plane_frame, shower_velocity
from .vxb import shower_plane_field

C_M_PER_NS = 0.299792458          # speed of light, m/ns
EPSILON0_C = 8.8541878128e-12 * 299792458.0  # eps0 c = 1 / Z0, in siemens
EV_J = 1.602176634e-19

ARRAY_ALTITUDE_M = 1550.0         # the radio array lies about 150 m above the observatory mean
STATION_SPACING_M = 150.0         # antenna separation of the 24-station first phase
# The grid's shape is not published; we use a triangular grid, rows running East-West, of
# 4, 5, 6, 5 and 4 stations (a hexagon of 24 stations, every inner station with 6 neighbours).
ROW_LENGTHS = (4, 5, 6, 5, 4)

ENERGY_EV = 1.0e18
# Mean X_max at 1e18 eV from the EPOS-LHC parametrisation (Auger, JCAP 02 (2013) 026), g/cm^2.
XMAX_G_CM2 = {"proton": 750.5, "iron": 650.6}
XMAX_SIGMA_G_CM2 = {"proton": 60.6, "iron": 19.1}

REFRACTIVITY_SEA_LEVEL = 2.92e-4  # n - 1 at sea level, scaled with density (radiotools default)
# Charge-excess fraction a(rho) = A0 + A1 exp(A2 (rho - RHO_MEAN)), rho in kg/m^3 (Glaser 2016).
CE_A0, CE_A1, CE_A2 = -0.23605, 0.43426, 1.11141
# Largest measured charge-excess fraction: 20.3 +- 1.3 % (LOFAR, almost vertical showers, 225 m
# from the axis; Schellart et al., JCAP 10 (2014) 014). AERA measures about 14 %.
CE_MEASURED_MAX = 0.203
RHO_MEAN_KG_M3 = 0.65
# Radiation-energy density correction 1 - p0 + p0 exp(p1 (rho - rho_mean)), p1 in m^3/kg.
RAD_P0, RAD_P1 = 0.2505, -2.953
RADIATION_ENERGY_EV = 15.8e6      # at 1 EeV, perpendicular to a 0.24 G field (AERA), ~E^2

LDF_CENTRE = 0.6                  # g(0) / g(r_C): a shallow bump up to the Cherenkov ring
LDF_FALLOFF_M = 60.0              # fall-off length outside the ring: 60 m + D tan(2.5 deg)
LDF_FALLOFF_ANGLE = np.radians(2.5)
WAVEFRONT_CONE = np.radians(1.5)  # far-out opening angle rho_c of the hyperbolic front
PULSE_CARRIER_MHZ = 55.0          # centre of the 30-80 MHz band
PULSE_WIDTH_NS = 5.0              # Gaussian envelope sigma of the band-limited pulse


# ---------------------------------------------------------------- array


def station_positions():
    """Ground positions (East, North) in metres of the 24 stations, centred on (0, 0), (24, 2)."""
    row_step = STATION_SPACING_M * np.sqrt(3.0) / 2.0
    rows = []
    n_rows = len(ROW_LENGTHS)
    for i, n in enumerate(ROW_LENGTHS):
        y = (i - (n_rows - 1) / 2.0) * row_step
        x = (np.arange(n) - (n - 1) / 2.0) * STATION_SPACING_M
        rows.append(np.column_stack([x, np.full(n, y)]))
    return np.concatenate(rows)


# ---------------------------------------------------------------- shower geometry


def height_of_xmax(xmax_g_cm2, zenith):
    """Height in metres of the shower maximum (flat atmosphere, zenith up to ~70 deg)."""
    return atmosphere.height_of_slant_depth(xmax_g_cm2, zenith)


def density_kg_m3(height_m):
    """Air density in kg/m^3."""
    return atmosphere.density(height_m) * 1000.0


def distance_to_xmax(xmax_g_cm2, zenith, ground_m=ARRAY_ALTITUDE_M):
    """Distance in metres along the axis from X_max to the shower core on the ground."""
    return (height_of_xmax(xmax_g_cm2, zenith) - ground_m) / np.cos(zenith)


def cherenkov_angle(height_m):
    """Cherenkov angle in radians, with n - 1 proportional to the air density."""
    n = 1.0 + REFRACTIVITY_SEA_LEVEL * atmosphere.density(height_m) / atmosphere.density(0.0)
    return np.arccos(1.0 / n)


def cherenkov_radius(xmax_g_cm2, zenith, ground_m=ARRAY_ALTITUDE_M):
    """Radius in metres of the Cherenkov ring in the shower plane, D tan(theta_C(h_Xmax))."""
    h = height_of_xmax(xmax_g_cm2, zenith)
    return (h - ground_m) / np.cos(zenith) * np.tan(cherenkov_angle(h))


def charge_excess_fraction(rho_kg_m3):
    """Charge-excess fraction a = sin(alpha) |E_ce| / |E_geo| from the air density at X_max,
    kept at or below the largest measured value."""
    a_rho = CE_A0 + CE_A1 * np.exp(CE_A2 * (np.asarray(rho_kg_m3) - RHO_MEAN_KG_M3))
    return np.minimum(a_rho, CE_MEASURED_MAX)


def radiation_energy_ev(sin_alpha, a, rho_kg_m3, energy_ev=ENERGY_EV):
    """Radiation energy in eV of the whole footprint (30-80 MHz), scaling with E^2."""
    density_term = 1.0 - RAD_P0 + RAD_P0 * np.exp(RAD_P1 * (rho_kg_m3 - RHO_MEAN_KG_M3))
    return (RADIATION_ENERGY_EV * (energy_ev / 1e18) ** 2
            * (a ** 2 + (1.0 - a ** 2) * sin_alpha ** 2) * density_term ** 2)


def lateral_profile(r_m, ring_m, falloff_m):
    """Ring-shaped lateral distribution g(r) in the shower plane, 1 at the ring radius."""
    r = np.asarray(r_m, dtype=float)
    inside = LDF_CENTRE + (1.0 - LDF_CENTRE) * (r / ring_m) ** 2
    outside = np.exp(-(r - ring_m) / falloff_m)
    return np.where(r <= ring_m, inside, outside)


def pulse_energy_ns(width_ns=PULSE_WIDTH_NS, carrier_mhz=PULSE_CARRIER_MHZ):
    """Integral of s(t)^2 dt in ns for the unit-peak pulse s(t) = exp(-t^2/2w^2) cos(2 pi f t)."""
    w = width_ns
    omega = 2.0 * np.pi * carrier_mhz * 1e-3
    return 0.5 * np.sqrt(np.pi) * w * (1.0 + np.exp(-(omega * w) ** 2))


def pulse(t_ns, width_ns=PULSE_WIDTH_NS, carrier_mhz=PULSE_CARRIER_MHZ):
    """Unit-peak band-limited pulse shape s(t)."""
    t = np.asarray(t_ns, dtype=float)
    return np.exp(-0.5 * (t / width_ns) ** 2) * np.cos(2.0 * np.pi * carrier_mhz * 1e-3 * t)


class Shower:
    """One model shower: geometry, emission parameters and the derived amplitude scale.

    zenith_deg, azimuth_deg: arrival direction; xmax: slant depth of the maximum in g/cm^2;
    core: core position (East, North) in metres on the array; charge_excess: overrides a(rho)."""

    def __init__(self, zenith_deg, azimuth_deg, xmax, core=(0.0, 0.0), charge_excess=None,
                 ground_m=ARRAY_ALTITUDE_M, energy_ev=ENERGY_EV):
        self.zenith_deg = float(zenith_deg)
        self.azimuth_deg = float(azimuth_deg)
        self.xmax = float(xmax)
        self.core = np.asarray(core, dtype=float)
        self.ground_m = ground_m
        self.energy_ev = energy_ev
        theta, phi = np.radians(zenith_deg), np.radians(azimuth_deg)
        self.v = shower_velocity(theta, phi)
        self.e1, self.e2, _ = shower_plane_frame(theta, phi)
        self.sin_alpha = float(np.linalg.norm(np.cross(self.v, field_direction())))
        self.height_xmax_m = float(height_of_xmax(xmax, theta))
        self.distance_m = (self.height_xmax_m - ground_m) / np.cos(theta)
        self.rho_xmax = float(density_kg_m3(self.height_xmax_m))
        self.ring_m = float(self.distance_m * np.tan(cherenkov_angle(self.height_xmax_m)))
        self.falloff_m = LDF_FALLOFF_M + self.distance_m * np.tan(LDF_FALLOFF_ANGLE)
        self.a_rho = (float(charge_excess_fraction(self.rho_xmax)) if charge_excess is None
                      else float(charge_excess))
        self.radiation_energy_ev = float(radiation_energy_ev(self.sin_alpha, self.a_rho,
                                                             self.rho_xmax, energy_ev))
        self.amplitude_v_m = self._amplitude_scale()

    def _amplitude_scale(self):
        """A such that the fluence integrated over the shower plane is the radiation energy.
        The interference term 2 a sin(alpha) cos(phi') averages to zero over the azimuth."""
        r = np.linspace(0.0, self.ring_m + 25.0 * self.falloff_m, 20001)
        g = lateral_profile(r, self.ring_m, self.falloff_m)
        integrand = g ** 2 * (self.sin_alpha ** 2 + self.a_rho ** 2) * 2.0 * np.pi * r
        area = np.sum(0.5 * (integrand[1:] + integrand[:-1]) * np.diff(r))  # m^2
        energy_j = self.radiation_energy_ev * EV_J
        return float(np.sqrt(energy_j / (EPSILON0_C * pulse_energy_ns() * 1e-9 * area)))

    def to_shower_plane(self, ground_xy):
        """Shower-plane coordinates (along e1, along e2) in metres of ground points (..., 2),
        projected along the axis; the ground is flat at the array altitude."""
        p = np.asarray(ground_xy, dtype=float) - self.core
        p3 = np.concatenate([p, np.zeros(p.shape[:-1] + (1,))], axis=-1)
        return np.stack([p3 @ self.e1, p3 @ self.e2], axis=-1)

    def field(self, ground_xy, geomagnetic_only=False):
        """Peak field vectors (EW, NS, V) in V/m at ground points (..., 2).
        geomagnetic_only drops the charge excess (the pure v x B model)."""
        xy = self.to_shower_plane(ground_xy)
        r = np.hypot(xy[..., 0], xy[..., 1])
        a = 0.0 if geomagnetic_only else self.a_rho
        along_e1, along_e2 = shower_plane_field(xy[..., 0], xy[..., 1], self.sin_alpha, a)
        g = self.amplitude_v_m * lateral_profile(r, self.ring_m, self.falloff_m)
        return g[..., None] * (along_e1[..., None] * self.e1 + along_e2[..., None] * self.e2)

    def fluence_ev_m2(self, ground_xy, geomagnetic_only=False):
        """Energy fluence in eV/m^2 at ground points, in the shower plane."""
        e = self.field(ground_xy, geomagnetic_only)
        return EPSILON0_C * np.sum(e ** 2, axis=-1) * pulse_energy_ns() * 1e-9 / EV_J

    def arrival_time_ns(self, ground_xy):
        """Pulse arrival time in ns relative to the plane front crossing the core:
        plane-wave term p.v / c plus the hyperbolic delay behind the plane."""
        p = np.asarray(ground_xy, dtype=float) - self.core
        plane = (p[..., 0] * self.v[0] + p[..., 1] * self.v[1]) / C_M_PER_NS
        xy = self.to_shower_plane(ground_xy)
        r = np.hypot(xy[..., 0], xy[..., 1])
        tan_cone = np.tan(WAVEFRONT_CONE)
        b = self.distance_m * tan_cone ** 2  # near-axis curvature radius equals D
        delay = np.sqrt(b ** 2 + (r * tan_cone) ** 2) - b
        return plane + delay / C_M_PER_NS

    def ground_ring(self, n=180):
        """Ground points (n, 2) of the Cherenkov ring, an ellipse stretched by 1/cos(theta)."""
        t = np.linspace(0.0, 2.0 * np.pi, n)
        plane = self.ring_m * (np.outer(np.cos(t), self.e1) + np.outer(np.sin(t), self.e2))
        # Follow each shower-plane point along the axis down to the ground (z = 0).
        s = -plane[:, 2] / self.v[2]
        ground = plane + s[:, None] * self.v
        return ground[:, :2] + self.core


def ns_over_ew(field):
    """Ratio |E_NS| / |E_EW| of peak field vectors (..., 3)."""
    return np.abs(field[..., 1]) / np.abs(field[..., 0])


def channel_percentages(field):
    """Percentage of the fluence in each channel (EW, NS, V), shape (..., 3)."""
    f2 = field ** 2
    return 100.0 * f2 / np.sum(f2, axis=-1, keepdims=True)


def comparison_events(particle, zenith_deg, seed, n_events=8, azimuth_scatter_deg=10.0,
                      core_scatter_m=60.0):
    """Eight events of one zenith angle spread over azimuth: arrival azimuths scattered about
    0, 45, ..., 315 deg, X_max drawn from its shower-to-shower spread (kept above the
    ground) and cores scattered near the array centre. Returns a list of Shower."""
    rng = np.random.default_rng(seed)
    theta = np.radians(zenith_deg)
    ground_depth = float(atmosphere.slant_depth(ARRAY_ALTITUDE_M, theta))
    events = []
    for k in range(n_events):
        azimuth = 360.0 / n_events * k + rng.uniform(-azimuth_scatter_deg, azimuth_scatter_deg)
        xmax = XMAX_G_CM2[particle] + XMAX_SIGMA_G_CM2[particle] * rng.standard_normal()
        xmax = min(xmax, ground_depth - 50.0)
        core = rng.uniform(-core_scatter_m, core_scatter_m, size=2)
        events.append(Shower(zenith_deg, azimuth % 360.0, xmax, core=core))
    return events
