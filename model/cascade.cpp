#include "cascade.h"

#include "shower.h"

#include <algorithm>
#include <cmath>

namespace model {
namespace {

constexpr double kCriticalEnergy_eV = 87.92e6;        // E_c of electrons in air, PDG (Rossi definition)
constexpr double kGreisenNorm = 0.31;                 // Greisen (1960): N_max = 0.31 (E/E_c) / sqrt(ln(E/E_c))
constexpr double kPionCriticalEnergy_eV = 20.0e9;     // xi_c^pi, Matthews, Astropart. Phys. 22 (2005) 387
constexpr int kChargedMultiplicity = 10;              // N_ch per interaction, Matthews (2005)
constexpr double kMuonEnergyExponent = 0.92;          // beta of full simulations, Gora et al., arXiv:2308.16525
constexpr double kProtonInteractionLength1e19_g_cm2 = 45.0;    // sigma_p-air ~ 530 mb at 1e19 eV (Auger PRL 109 (2012) 062002: 505 mb)
constexpr double kProtonInteractionLengthPerDecade_g_cm2 = -3.0; // cross-section +7 % per decade, model choice
constexpr double kHeliumInteractionLength_g_cm2 = 28.0;   // lambda_p A^(-1/3), model choice
constexpr double kNitrogenInteractionLength_g_cm2 = 19.0; // lambda_p A^(-1/3), model choice
constexpr double kIronInteractionLength_g_cm2 = 11.0;     // sigma_Fe-air ~ 2200 mb, Glauber-type estimates
constexpr double kElectronShapeL_g_cm2 = 226.0;       // Gaisser-Hillas (L, R) shape, Auger, JCAP 03 (2019) 018
constexpr double kElectronShapeR = 0.26;              // Gaisser-Hillas (L, R) shape, Auger, JCAP 03 (2019) 018
constexpr double kMuonProductionOffset_g_cm2 = 150.0; // muon production peaks before the EM maximum, model choice
constexpr double kMuonProductionLambda_g_cm2 = 100.0; // width of the production profile, model choice
constexpr double kMuonAttenuation_g_cm2 = 1500.0;     // decay + ionisation, model choice tuned to Auger PRD 91 (2015) 032003
constexpr double kHaloElectronsPerMuon = 0.1;         // halo from muon decay (Valino et al., Astropart. Phys. 32 (2010) 304), size a model choice
constexpr double kMuonStep_g_cm2 = 2.0;               // grid of the muon production integral

struct XmaxCoefficients { double x0, d, xi, delta, p0, p1, p2, a0, a1, b; };

// <X_max>, sigma(X_max) parametrisation of Auger, JCAP 02 (2013) 026 (arXiv:1301.6637).
constexpr XmaxCoefficients kEposLhc{806.1, 55.6, 0.15, 0.83, 3284.0, -260.0, 132.0, -0.462, -0.0008, 0.059};     // ICRC 2013 set
constexpr XmaxCoefficients kQgsjetII04{790.4, 54.4, -0.31, 0.24, 3738.0, -375.0, -21.0, -0.397, 0.0008, 0.046};  // ICRC 2013 set
constexpr XmaxCoefficients kSibyll23d{815.87, 57.87, -0.3035, 0.7963, 3726.7, -483.8, 132.5, -0.4055, -0.00025, 0.0475}; // 2018 set

const XmaxCoefficients &coefficients(HadronicModel hadronicModel)
{
    switch (hadronicModel) {
    case HadronicModel::QgsjetII04: return kQgsjetII04;
    case HadronicModel::Sibyll23d: return kSibyll23d;
    case HadronicModel::EposLhc: break;
    }
    return kEposLhc;
}

double heitlerMatthewsBeta()
{
    return std::log(double(kChargedMultiplicity)) / std::log(1.5 * kChargedMultiplicity);   // 0.850
}

} // namespace

double xmaxMean_g_cm2(double energy_eV, int massNumber, HadronicModel hadronicModel)
{
    const XmaxCoefficients &c = coefficients(hadronicModel);
    const double ell = std::log10(energy_eV / 1e19);
    const double fE = c.xi - c.d / std::log(10.0) + c.delta * ell;
    return c.x0 + c.d * ell + fE * std::log(double(massNumber));
}

double xmaxSigma_g_cm2(double energy_eV, int massNumber, HadronicModel hadronicModel)
{
    const XmaxCoefficients &c = coefficients(hadronicModel);
    const double ell = std::log10(energy_eV / 1e19);
    const double lnA = std::log(double(massNumber));
    const double sigmaP2 = c.p0 + c.p1 * ell + c.p2 * ell * ell;
    const double a = c.a0 + c.a1 * ell;
    return std::sqrt(sigmaP2 * (1.0 + a * lnA + c.b * lnA * lnA));
}

double greisenNMax(double energy_eV)
{
    return kGreisenNorm * (energy_eV / kCriticalEnergy_eV) / std::sqrt(std::log(energy_eV / kCriticalEnergy_eV));
}

double heitlerMatthewsMuons(double energy_eV, int massNumber)
{
    return massNumber * std::pow(energy_eV / (massNumber * kPionCriticalEnergy_eV), heitlerMatthewsBeta());
}

double heitlerMatthewsEmFraction(double energy_eV, int massNumber)
{
    return 1.0 - std::pow(energy_eV / (massNumber * kPionCriticalEnergy_eV), heitlerMatthewsBeta() - 1.0);
}

double gaisserHillas(double depth_g_cm2, double nMax, double xmax_g_cm2, double start_g_cm2, double lambda_g_cm2)
{
    if (!(depth_g_cm2 > start_g_cm2))
        return 0.0;
    const double width = xmax_g_cm2 - start_g_cm2;
    const double ratio = std::max((depth_g_cm2 - start_g_cm2) / width, 1e-300);
    return nMax * std::exp(width / lambda_g_cm2 * std::log(ratio) + (xmax_g_cm2 - depth_g_cm2) / lambda_g_cm2);
}

double interactionLength_g_cm2(int massNumber, double energy_eV)
{
    if (massNumber >= 56)
        return kIronInteractionLength_g_cm2;
    if (massNumber >= 14)
        return kNitrogenInteractionLength_g_cm2;
    if (massNumber >= 4)
        return kHeliumInteractionLength_g_cm2;
    return kProtonInteractionLength1e19_g_cm2 + kProtonInteractionLengthPerDecade_g_cm2 * std::log10(energy_eV / 1e19);
}

double chargedAtMaximum(double energy_eV, int massNumber)
{
    return greisenNMax(energy_eV) * heitlerMatthewsEmFraction(energy_eV, massNumber);
}

double muonsAtMaximum(double energy_eV, int massNumber)
{
    return heitlerMatthewsMuons(1e19, 1) * std::pow(energy_eV / 1e19, kMuonEnergyExponent)
        * std::pow(double(massNumber), 1.0 - kMuonEnergyExponent);
}

double cascadeElectrons(double depth_g_cm2, double nMax, double xmax_g_cm2)
{
    return gaisserHillas(depth_g_cm2, nMax, xmax_g_cm2, xmax_g_cm2 - kElectronShapeL_g_cm2 / kElectronShapeR,
                         kElectronShapeL_g_cm2 * kElectronShapeR);
}

double haloElectronsPerMuon() { return kHaloElectronsPerMuon; }

MuonProfile::MuonProfile(double xmax_g_cm2, double firstInteraction_g_cm2, double nMax, double lastDepth_g_cm2)
{
    // N(X) = integral of the production P(X') exp(-(X - X')/Lambda) over X' < X, as a running sum
    // on the grid, scaled so that its largest value is the shower's N_mu,max.
    const double peak = xmax_g_cm2 - kMuonProductionOffset_g_cm2;
    const double start = std::min(firstInteraction_g_cm2, peak - 100.0);
    const int n = int(std::ceil(std::max(lastDepth_g_cm2, 3000.0) / kMuonStep_g_cm2)) + 1;
    table_.resize(n);
    double sum = 0.0, largest = 0.0;
    for (int k = 0; k < n; ++k) {
        const double x = k * kMuonStep_g_cm2;
        const double weight = std::exp(x / kMuonAttenuation_g_cm2);
        sum += gaisserHillas(x, 1.0, peak, start, kMuonProductionLambda_g_cm2) * weight;
        table_[k] = sum * kMuonStep_g_cm2 / weight;
        largest = std::max(largest, table_[k]);
    }
    for (double &v : table_)
        v *= nMax / largest;
}

double MuonProfile::operator()(double depth_g_cm2) const
{
    if (!(depth_g_cm2 > 0.0))
        return table_.front();
    const double position = depth_g_cm2 / kMuonStep_g_cm2;
    if (!(position < double(table_.size() - 1)))
        return table_.back();
    const std::size_t k = std::size_t(position);
    const double f = position - double(k);
    return table_[k] + f * (table_[k + 1] - table_[k]);
}

} // namespace model
