"""One shower as the explorer and the command line show it: the mean shower of a primary, an
energy and a hadronic model, arriving from (zenith, azimuth) at one of the two radio arrays.

It joins the other models (X_max parametrisation, longitudinal profiles, radio emission) and is
what the program's C++ physics core is held to: `reference_rows` makes the table of inputs and
outputs that the core's test reads. Depths in g/cm^2, energies in eV, lengths in metres unless
a name says otherwise; azimuth from East counter-clockwise, naming where the shower comes from.
"""

import numpy as np

from . import atmosphere, cascade, longitudinal, radio

# Names on the command line -> names in the models.
PRIMARIES = {"p": "proton", "He": "helium", "N": "nitrogen", "Fe": "iron"}
HADRONIC_MODELS = {"epos-lhc": "EPOS-LHC", "qgsjet-ii-04": "QGSJetII-04", "sibyll-2.3d": "Sibyll-2.3d"}
SITES = ("south", "north")

# The command line's row, in this order.
SUMMARY_COLUMNS = (
    "xmax_g_cm2", "xmax_sigma_g_cm2", "ground_slant_depth_g_cm2", "height_xmax_km",
    "distance_xmax_km", "n_max", "electrons_ground", "muons_ground", "alpha_deg",
    "charge_excess_fraction", "cherenkov_angle_deg", "cherenkov_radius_m", "radiation_energy_mev",
    "peak_field_uv_m",
)


class ModelShower:
    """The mean shower (or one with its own X_max) of a primary at an energy."""

    def __init__(self, energy_ev, primary, zenith_deg, azimuth_deg, site="south",
                 model="EPOS-LHC", xmax=None):
        self.energy_ev = float(energy_ev)
        self.primary = primary
        a = longitudinal.MASS_NUMBER[primary]
        self.xmax_mean = float(cascade.xmax_mean(energy_ev, a, model))
        self.xmax_sigma = float(cascade.xmax_sigma(energy_ev, a, model))
        self.xmax = self.xmax_mean if xmax is None or xmax <= 0.0 else float(xmax)
        self.zenith_deg = float(zenith_deg)
        self.ground_depth = float(atmosphere.slant_depth(radio.SITES[site]["altitude_m"],
                                                         np.radians(zenith_deg)))
        self.n_max = float(longitudinal.mean_size_at_maximum("electrons", primary, energy_ev))
        self.muons_max = float(longitudinal.mean_size_at_maximum("muons", primary, energy_ev))
        # The mean shower's first interaction: one mean free path.
        self.first_interaction = float(longitudinal.interaction_length(primary, energy_ev))
        self.radio = radio.Shower(zenith_deg, azimuth_deg, self.xmax, energy_ev=energy_ev, site=site)
        b_hat = radio.field_direction(radio.SITES[site]["field_zenith_deg"],
                                      radio.SITES[site]["field_azimuth_deg"])
        n = -self.radio.v
        self.alpha_deg = float(np.degrees(np.arccos(np.clip(n @ b_hat, -1.0, 1.0))))

    def muons(self, depth_g_cm2):
        return longitudinal.muon_profile(depth_g_cm2, self.xmax, self.first_interaction,
                                         self.muons_max)

    def charged_particles(self, depth_g_cm2):
        """Charged electromagnetic particles: the cascade plus the muons' halo."""
        return (longitudinal.cascade_electrons(depth_g_cm2, self.n_max, self.xmax)
                + longitudinal.HALO_ELECTRONS_PER_MUON * self.muons(depth_g_cm2))

    def summary(self):
        """The command line's numbers, keyed by SUMMARY_COLUMNS."""
        r = self.radio
        return {
            "xmax_g_cm2": self.xmax,
            "xmax_sigma_g_cm2": self.xmax_sigma,
            "ground_slant_depth_g_cm2": self.ground_depth,
            "height_xmax_km": r.height_xmax_m / 1000.0,
            "distance_xmax_km": r.distance_m / 1000.0,
            "n_max": self.n_max,
            "electrons_ground": float(self.charged_particles(self.ground_depth)),
            "muons_ground": float(self.muons(self.ground_depth)),
            "alpha_deg": self.alpha_deg,
            "charge_excess_fraction": r.a_rho,
            "cherenkov_angle_deg": float(np.degrees(r.cherenkov_angle)),
            "cherenkov_radius_m": r.ring_m,
            "radiation_energy_mev": r.radiation_energy_ev / 1e6,
            "peak_field_uv_m": r.peak_field_v_m() * 1e6,
        }


# ---------------------------------------------------------------- the cross-check table

# Inputs: energy, primary, zenith, azimuth, site, model, own X_max (0: the mean).
REFERENCE_INPUTS = (
    (1e17, "p", 0.0, 0.0, "south", "epos-lhc", 0.0),
    (1e18, "p", 30.0, 270.0, "south", "epos-lhc", 0.0),
    (1e18, "Fe", 45.0, 90.0, "south", "qgsjet-ii-04", 0.0),
    (1e18, "He", 60.0, 200.0, "north", "sibyll-2.3d", 0.0),
    (1e19, "p", 67.0, 270.0, "south", "epos-lhc", 0.0),
    (1e19, "Fe", 67.0, 270.0, "south", "epos-lhc", 0.0),
    (1e19, "N", 80.0, 10.0, "north", "qgsjet-ii-04", 0.0),
    (1e20, "Fe", 20.0, 135.0, "north", "epos-lhc", 0.0),
    (1e20, "p", 75.0, 315.0, "south", "sibyll-2.3d", 0.0),
    (3e18, "p", 54.4, 87.5, "south", "epos-lhc", 0.0),      # along the field: no geomagnetic emission
    (2e18, "N", 40.0, 160.0, "south", "epos-lhc", 700.0),   # an own X_max
    (1e18, "p", 0.0, 0.0, "south", "epos-lhc", 900.0),      # an own X_max below the ground
)
# Ground points (East, North) in metres where the field, fluence and arrival time are tabulated.
REFERENCE_POINTS = ((100.0, 0.0), (0.0, 150.0), (-200.0, -120.0), (400.0, 300.0))
REFERENCE_DEPTHS = (500.0, 1000.0, 1500.0)
REFERENCE_PULSE_NS = 3.7          # one time after the pulse's arrival, for the band pulse
REFERENCE_ELLIPSE = (24, 7)       # points on the ground ellipse, the one tabulated


def reference_columns():
    names = ["energy_ev", "primary", "zenith_deg", "azimuth_deg", "site", "model", "own_xmax_g_cm2"]
    names += list(SUMMARY_COLUMNS)
    for k in range(len(REFERENCE_POINTS)):
        names += [f"p{k}_field_ew_uv_m", f"p{k}_field_ns_uv_m", f"p{k}_field_v_uv_m",
                  f"p{k}_fluence_ev_m2", f"p{k}_time_ns"]
    for depth in REFERENCE_DEPTHS:
        names += [f"charged_{depth:.0f}", f"muons_{depth:.0f}"]
    names += ["pulse_ew_uv_m", "ellipse_east_m", "ellipse_north_m"]
    return names


def reference_rows():
    """Rows (lists of values) of the cross-check table, in reference_columns() order."""
    rows = []
    for energy, primary, zenith, azimuth, site, model, own in REFERENCE_INPUTS:
        shower = ModelShower(energy, PRIMARIES[primary], zenith, azimuth, site,
                             HADRONIC_MODELS[model], own)
        summary = shower.summary()
        row = [energy, primary, zenith, azimuth, site, model, own]
        row += [summary[c] for c in SUMMARY_COLUMNS]
        points = np.array(REFERENCE_POINTS)
        field = shower.radio.field(points) * 1e6
        fluence = shower.radio.fluence_ev_m2(points)
        times = shower.radio.arrival_time_ns(points)
        for k in range(len(points)):
            row += [*field[k], fluence[k], times[k]]
        for depth in REFERENCE_DEPTHS:
            row += [float(shower.charged_particles(depth)), float(shower.muons(depth))]
        row.append(field[0][0] * float(radio.pulse(REFERENCE_PULSE_NS)))
        n, k = REFERENCE_ELLIPSE
        ring = shower.radio.ground_ring(n)
        row += [ring[k][0], ring[k][1]]
        rows.append([float(v) if isinstance(v, (float, np.floating)) else v for v in row])
    return rows


def format_value(value):
    return value if isinstance(value, str) else f"{value:.17g}"
