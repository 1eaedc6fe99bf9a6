#pragma once

// Radio emission of an air shower at 30-80 MHz: the superposition of geomagnetic emission
// (polarised along -v x B) and charge-excess emission (radial in the shower plane, pointing
// towards the axis), E = A g(r) [-sin(alpha) e1 - a(r) r_hat], with A set so that the fluence
// integrated over the shower plane equals the radiation energy. Lengths in metres, densities
// in kg/m^3, energies in eV unless a name says otherwise.
namespace model {

// Charge-excess fraction from the air density at X_max (at the Cherenkov ring), kept inside
// the measured range.
double chargeExcessFractionAtRing(double densityXmax_kg_m3);
// The same at distance r from the axis: it rises with the distance, as LOFAR measures.
double chargeExcessFraction(double densityXmax_kg_m3, double r_m, double ringRadius_m);
// Radiation energy in eV: 15.8 MeV at 1 EeV for a shower at right angles to a 0.24 G field,
// ~E^2 B^2, with the charge-excess, air-density and clipping terms.
double radiationEnergy_eV(double energy_eV, double sinAlpha, double chargeExcessFraction,
                          double densityXmax_kg_m3, double distanceToGround_g_cm2, double field_gauss);
double clippingFactor(double distanceToGround_g_cm2);
// Lateral distribution g(r) in the shower plane, 1 at the ring radius.
double lateralProfile(double r_m, double ringRadius_m, double falloff_m);
double lateralFalloff_m(double distanceXmax_m);
// The unit-peak band-limited pulse s(t) (flat 30-80 MHz band) and its energy integral of s^2.
double bandPulse(double time_ns);
double bandPulseEnergy_ns();
// Hyperbolic wavefront: delay behind the plane front at distance r from the axis.
double wavefrontDelay_ns(double r_m, double distanceXmax_m);
// Energy fluence in eV/m^2 of a pulse of the given peak field (V/m).
double fluencePerField2_eV_m2(double peakField2_V2_m2);

} // namespace model
