#pragma once

// The longitudinal development of a hadron-initiated shower: <X_max> and sigma(X_max) of the
// current hadronic models, the size at maximum from the energy, the Gaisser-Hillas profile of
// the charged particles, the muon profile (production about X_max with attenuation) and the
// electromagnetic halo that muon decay keeps alongside the muons. Depths in g/cm^2 (slant,
// along the axis), energies in eV.
#include <vector>

namespace model {

enum class HadronicModel;

double xmaxMean_g_cm2(double energy_eV, int massNumber, HadronicModel hadronicModel);
double xmaxSigma_g_cm2(double energy_eV, int massNumber, HadronicModel hadronicModel);

double greisenNMax(double energy_eV);
double heitlerMatthewsMuons(double energy_eV, int massNumber);
double heitlerMatthewsEmFraction(double energy_eV, int massNumber);
// Gaisser-Hillas N(X) = N_max [(X-X0)/(X_max-X0)]^((X_max-X0)/lambda) exp[(X_max-X)/lambda], 0 before X0.
double gaisserHillas(double depth_g_cm2, double nMax, double xmax_g_cm2, double start_g_cm2, double lambda_g_cm2);

// Mean free path of the primary before its first interaction.
double interactionLength_g_cm2(int massNumber, double energy_eV);
// Charged particles at the maximum: Greisen N_max times the electromagnetic energy fraction.
double chargedAtMaximum(double energy_eV, int massNumber);
// Muons at the maximum of their profile.
double muonsAtMaximum(double energy_eV, int massNumber);
// The charged-particle profile of the electromagnetic cascade (no halo).
double cascadeElectrons(double depth_g_cm2, double nMax, double xmax_g_cm2);
// Electrons kept alongside the muons by muon decay and muon interactions, per muon.
double haloElectronsPerMuon();

// The muon profile of one shower, tabulated once on a fine grid of depth and read by linear
// interpolation.
class MuonProfile {
public:
    MuonProfile(double xmax_g_cm2, double firstInteraction_g_cm2, double nMax, double lastDepth_g_cm2);
    double operator()(double depth_g_cm2) const;

private:
    std::vector<double> table_;   // muons at depth k * step
};

} // namespace model
