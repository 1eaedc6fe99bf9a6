"""Radio emission of a 10^18 eV air shower on a 24-station antenna array (30-80 MHz).

A parametrised model, not a microscopic simulation. Per station the peak electric field is

    E = A * g(r) * [-sin(alpha) e1 - a(r) r_hat]

in the shower plane (e1 along v x B, r_hat pointing from the axis to the station): geomagnetic
emission polarised along -v x B plus charge-excess emission polarised radially, pointing towards
the axis. The pieces:

- a(r): the charge-excess fraction. At the Cherenkov ring it follows the air density at X_max
  (Glaser et al. 2016, as in radiotools), kept inside the range LOFAR measured, 3.3 % to 20.3 %
  (Schellart et al. 2014): the density law alone gives 0.30-0.36 for near-vertical showers,
  above every measurement. It rises with the distance from the axis, as LOFAR measures: half
  the ring value on the axis, linear in r, at most twice the ring value (a model choice);
- g(r): an illustrative ring-shaped lateral distribution (not a published parametrisation) in
  the shower plane, rising from 0.6 on the axis to 1 at the Cherenkov radius
  r_C = D tan(theta_C(h_Xmax)), then falling off exponentially with a length that grows with
  the distance D to X_max;
- A: chosen so that the fluence integrated over the shower plane equals the radiation energy,
  15.8 MeV at 1 EeV for a shower at right angles to the 0.24 G field (AERA), ~E^2 B^2, with the
  charge-excess, air-density and clipping terms of Glaser et al.;
- the pulse: the response of a flat 30-80 MHz band, s(t) = [sin(2 pi f2 t) - sin(2 pi f1 t)] /
  [2 pi (f2 - f1) t], whose energy integral is 1 / (2 (f2 - f1)) = 10 ns;
- arrival times: a plane wave along the axis plus a hyperbolic delay behind it,
  c dt = sqrt(b^2 + (r tan rho_c)^2) - b, spherical (radius D) near the axis and conical
  (opening angle rho_c) far out.

Frames and angles follow `geomagnetic` (x = East, y = North, z = Up; azimuth from East,
counter-clockwise, naming where the shower comes from). Lengths in metres, times in
nanoseconds, depths in g/cm^2, fields in V/m, angles in radians unless a name says _deg.
"""

import numpy as np

from . import atmosphere
from .geomagnetic import (FIELD_AZIMUTH_DEG, FIELD_STRENGTH_GAUSS, FIELD_ZENITH_DEG,
                          field_direction, shower_plane_frame, shower_velocity)
from .vxb import shower_plane_field

C_M_PER_NS = 0.299792458          # speed of light, m/ns
EPSILON0_C = 8.8541878128e-12 * 299792458.0  # eps0 c = 1 / Z0, in siemens
EV_J = 1.602176634e-19

ARRAY_ALTITUDE_M = 1550.0         # the radio array lies about 150 m above the observatory mean
# The two radio arrays: altitude (m) and geomagnetic field (zenith and azimuth of B, from East
# counter-clockwise, and |B| in gauss).
# South: the first radio array of the southern observatory, the field of `geomagnetic`.
# North: LOFAR's core near Exloo (52.9 N, 6.9 E), within a few metres of sea level; IGRF field
# at the core in 2015, (E, N, Up) = (0.004675, 0.186270, -0.456412) G as in radiotools' "lofar"
# vector: |B| = 49.30 uT, inclination +67.79 deg (pointing down), declination +1.44 deg E.
SITES = {
    "south": dict(altitude_m=ARRAY_ALTITUDE_M, field_zenith_deg=FIELD_ZENITH_DEG,
                  field_azimuth_deg=FIELD_AZIMUTH_DEG, field_gauss=FIELD_STRENGTH_GAUSS),
    "north": dict(altitude_m=0.0, field_zenith_deg=157.79, field_azimuth_deg=88.56,
                  field_gauss=0.4930),
}
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
# Measured range of the charge-excess fraction: 3.3 +- 1.0 % (very inclined showers, 25 m from the
# axis) to 20.3 +- 1.3 % (almost vertical showers, 225 m; LOFAR, Schellart et al., JCAP 10 (2014)
# 014). AERA measures about 14 %.
CE_MEASURED_MIN = 0.033
CE_MEASURED_MAX = 0.203
CE_AXIS_SHARE = 0.5               # a on the axis / a at the ring; linear in r (model choice)
CE_RADIAL_CAP = 2.0               # largest a(r) / a(ring), reached at 3 ring radii (model choice)
RHO_MEAN_KG_M3 = 0.65
# Radiation-energy density correction 1 - p0 + p0 exp(p1 (rho - rho_mean)), p1 in m^3/kg.
RAD_P0, RAD_P1 = 0.2505, -2.953
RADIATION_ENERGY_EV = 15.8e6      # at 1 EeV, perpendicular to a 0.24 G field (AERA), ~E^2
REFERENCE_FIELD_GAUSS = 0.24      # the field of that measurement; the energy scales as B^2
# Clipping of the emission by the ground: 1 - exp(-8.7 (dX/1000 + 0.29)^1.89), dX the depth
# from X_max to the ground in g/cm^2 (Glaser et al. 2016).
CLIP_SCALE, CLIP_OFFSET, CLIP_POWER = 8.7, 0.29, 1.89
RADIO_XMAX_MARGIN_G_CM2 = 20.0    # the radio geometry keeps X_max this far above the ground

LDF_CENTRE = 0.6                  # g(0) / g(r_C): a shallow bump up to the Cherenkov ring
LDF_FALLOFF_M = 60.0              # fall-off length outside the ring: 60 m + D tan(2.5 deg)
LDF_FALLOFF_ANGLE = np.radians(2.5)
WAVEFRONT_CONE = np.radians(1.5)  # far-out opening angle rho_c of the hyperbolic front
BAND_LOW_MHZ, BAND_HIGH_MHZ = 30.0, 80.0   # the band of AERA and LOFAR
# The explorer's summary: radial scans of the shower plane for the normalisation and the largest
# field (steps, reach in fall-off lengths beyond the ring).
NORMALISATION_STEPS, NORMALISATION_REACH = 20000, 25.0
PEAK_STEPS, PEAK_REACH = 2000, 10.0


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
    """Charge-excess fraction a = sin(alpha) |E_ce| / |E_geo| at the Cherenkov ring, from the air
    density at X_max, kept inside the measured range."""
    a_rho = CE_A0 + CE_A1 * np.exp(CE_A2 * (np.asarray(rho_kg_m3) - RHO_MEAN_KG_M3))
    return np.clip(a_rho, CE_MEASURED_MIN, CE_MEASURED_MAX)


def charge_excess_at(rho_kg_m3, r_m, ring_m):
    """Charge-excess fraction at distance r from the axis: it rises with r, from half the ring
    value on the axis, as LOFAR measures; kept inside the measured range."""
    rise = np.minimum(CE_AXIS_SHARE + (1.0 - CE_AXIS_SHARE) * np.asarray(r_m, dtype=float) / ring_m,
                      CE_RADIAL_CAP)
    return np.clip(charge_excess_fraction(rho_kg_m3) * rise, CE_MEASURED_MIN, CE_MEASURED_MAX)


def clipping_factor(depth_to_ground_g_cm2):
    """Share of the radiation energy a shower emits before the ground cuts it off."""
    d = np.asarray(depth_to_ground_g_cm2, dtype=float)
    with np.errstate(over="ignore", invalid="ignore"):
        base = np.maximum(d / 1000.0 + CLIP_OFFSET, 0.0)
        clip = 1.0 - np.exp(-CLIP_SCALE * base ** CLIP_POWER)
    return np.where(np.isfinite(d), clip, 1.0)


def radiation_energy_ev(sin_alpha, a, rho_kg_m3, energy_ev=ENERGY_EV, depth_to_ground_g_cm2=np.inf,
                        field_gauss=REFERENCE_FIELD_GAUSS):
    """Radiation energy in eV of the whole footprint (30-80 MHz), scaling with E^2 and B^2."""
    density_term = 1.0 - RAD_P0 + RAD_P0 * np.exp(RAD_P1 * (rho_kg_m3 - RHO_MEAN_KG_M3))
    return (RADIATION_ENERGY_EV * (energy_ev / 1e18) ** 2 * (field_gauss / REFERENCE_FIELD_GAUSS) ** 2
            * (a ** 2 + (1.0 - a ** 2) * sin_alpha ** 2) * density_term ** 2
            * clipping_factor(depth_to_ground_g_cm2))


def lateral_profile(r_m, ring_m, falloff_m):
    """Ring-shaped lateral distribution g(r) in the shower plane, 1 at the ring radius."""
    r = np.asarray(r_m, dtype=float)
    inside = LDF_CENTRE + (1.0 - LDF_CENTRE) * (r / ring_m) ** 2
    outside = np.exp(-(r - ring_m) / falloff_m)
    return np.where(r <= ring_m, inside, outside)


def pulse_energy_ns():
    """Integral of s(t)^2 dt in ns of the unit-peak band pulse: 1 / (2 bandwidth) (Parseval)."""
    return 1.0 / (2.0 * (BAND_HIGH_MHZ - BAND_LOW_MHZ) * 1e-3)


def pulse(t_ns):
    """Unit-peak pulse of a flat 30-80 MHz band, s(t) = [sin(2 pi f2 t) - sin(2 pi f1 t)] /
    [2 pi (f2 - f1) t], s(0) = 1; t in ns."""
    t = np.asarray(t_ns, dtype=float)
    f1, f2 = BAND_LOW_MHZ * 1e-3, BAND_HIGH_MHZ * 1e-3
    small = np.abs(t) < 1e-9
    safe = np.where(small, 1.0, t)
    s = (np.sin(2.0 * np.pi * f2 * safe) - np.sin(2.0 * np.pi * f1 * safe)) / (2.0 * np.pi * (f2 - f1) * safe)
    return np.where(small, 1.0, s)


class Shower:
    """One model shower: geometry, emission parameters and the derived amplitude scale.

    zenith_deg, azimuth_deg: arrival direction; xmax: slant depth of the maximum in g/cm^2
    (kept RADIO_XMAX_MARGIN_G_CM2 above the ground); core: core position (East, North) in metres
    on the array; charge_excess: a constant that overrides a(r); site: "south" or "north"
    (altitude and field); ground_m: overrides the site's altitude."""

    def __init__(self, zenith_deg, azimuth_deg, xmax, core=(0.0, 0.0), charge_excess=None,
                 ground_m=None, energy_ev=ENERGY_EV, site="south"):
        place = SITES[site]
        self.site = site
        self.zenith_deg = float(zenith_deg)
        self.azimuth_deg = float(azimuth_deg)
        self.core = np.asarray(core, dtype=float)
        self.ground_m = place["altitude_m"] if ground_m is None else float(ground_m)
        self.energy_ev = energy_ev
        self.field_gauss = place["field_gauss"]
        theta, phi = np.radians(zenith_deg), np.radians(azimuth_deg)
        b_hat = field_direction(place["field_zenith_deg"], place["field_azimuth_deg"])
        self.v = shower_velocity(theta, phi)
        self.e1, self.e2, _ = shower_plane_frame(theta, phi, b_hat)
        self.sin_alpha = float(np.linalg.norm(np.cross(self.v, b_hat)))
        if self.sin_alpha < 1e-9:  # along the field: any axis at right angles to v serves
            e1 = np.cross(self.v, [1.0, 0.0, 0.0])
            self.e1 = e1 / np.linalg.norm(e1)
            self.e2 = np.cross(self.v, self.e1)
        self.ground_depth = float(atmosphere.slant_depth(self.ground_m, theta))
        self.xmax = min(float(xmax), self.ground_depth - RADIO_XMAX_MARGIN_G_CM2)
        self.height_xmax_m = float(height_of_xmax(self.xmax, theta))
        self.distance_m = (self.height_xmax_m - self.ground_m) / np.cos(theta)
        self.rho_xmax = float(density_kg_m3(self.height_xmax_m))
        self.cherenkov_angle = float(cherenkov_angle(self.height_xmax_m))
        self.ring_m = float(self.distance_m * np.tan(self.cherenkov_angle))
        self.falloff_m = LDF_FALLOFF_M + self.distance_m * np.tan(LDF_FALLOFF_ANGLE)
        self.constant_charge_excess = charge_excess
        self.a_rho = (float(charge_excess_fraction(self.rho_xmax)) if charge_excess is None
                      else float(charge_excess))
        self.radiation_energy_ev = float(radiation_energy_ev(
            self.sin_alpha, self.a_rho, self.rho_xmax, energy_ev,
            self.ground_depth - self.xmax, self.field_gauss))
        self.amplitude_v_m = self._amplitude_scale()

    def charge_excess(self, r_m):
        """Charge-excess fraction a(r) at distance r (m) from the axis in the shower plane."""
        if self.constant_charge_excess is not None:
            return np.full_like(np.asarray(r_m, dtype=float), self.a_rho)
        return charge_excess_at(self.rho_xmax, r_m, self.ring_m)

    def _amplitude_scale(self):
        """A such that the fluence integrated over the shower plane is the radiation energy.
        The interference term 2 a sin(alpha) cos(phi') averages to zero over the azimuth."""
        r = np.linspace(0.0, self.ring_m + NORMALISATION_REACH * self.falloff_m, NORMALISATION_STEPS + 1)
        g = lateral_profile(r, self.ring_m, self.falloff_m)
        integrand = g ** 2 * (self.sin_alpha ** 2 + self.charge_excess(r) ** 2) * 2.0 * np.pi * r
        area = np.sum(0.5 * (integrand[1:] + integrand[:-1]) * np.diff(r))  # m^2
        energy_j = self.radiation_energy_ev * EV_J
        return float(np.sqrt(energy_j / (EPSILON0_C * pulse_energy_ns() * 1e-9 * area)))

    def peak_field_v_m(self):
        """Largest peak field on the ground (V/m): on the +v x B side, where the two mechanisms
        add, A g(r) (sin(alpha) + a(r)), scanned along r."""
        r = np.linspace(0.0, self.ring_m + PEAK_REACH * self.falloff_m, PEAK_STEPS + 1)
        values = self.amplitude_v_m * lateral_profile(r, self.ring_m, self.falloff_m) * (
            self.sin_alpha + self.charge_excess(r))
        return float(values.max())

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
        a = 0.0 if geomagnetic_only else self.charge_excess(r)
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
