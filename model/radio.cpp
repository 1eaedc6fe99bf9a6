#include "radio.h"

#include <algorithm>
#include <cmath>

namespace model {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSpeedOfLight_m_ns = 0.299792458;      // c, SI definition
constexpr double kEpsilon0C_S = 8.8541878128e-12 * 299792458.0;   // eps0 c = 1/Z0, CODATA 2018
constexpr double kElementaryCharge_J_eV = 1.602176634e-19;   // J per eV, SI definition
constexpr double kCeA0 = -0.23605;        // a(rho) = A0 + A1 exp(A2 (rho - rho_mean)), Glaser et al., JCAP 09 (2016) 024
constexpr double kCeA1 = 0.43426;         // Glaser et al., JCAP 09 (2016) 024
constexpr double kCeA2_m3_kg = 1.11141;   // Glaser et al., JCAP 09 (2016) 024
constexpr double kCeMeasuredMin = 0.033;  // LOFAR, inclined showers at 25 m: 3.3 +- 1.0 % (Schellart et al., JCAP 10 (2014) 014)
constexpr double kCeMeasuredMax = 0.203;  // LOFAR, near-vertical showers at 225 m: 20.3 +- 1.3 % (Schellart et al., JCAP 10 (2014) 014)
constexpr double kCeAxisShare = 0.5;      // a on the axis / a at the ring, rising linearly with r (model choice after LOFAR's trend)
constexpr double kCeRadialCap = 2.0;      // largest a(r) / a(ring), reached at 3 ring radii (model choice)
constexpr double kRhoMean_kg_m3 = 0.65;   // density at X_max = 669 g/cm^2, 45 deg (Glaser et al. 2016)
constexpr double kRadP0 = 0.2505;         // density correction 1 - p0 + p0 exp(p1 (rho - rho_mean)), Glaser et al. 2016
constexpr double kRadP1_m3_kg = -2.953;   // Glaser et al. 2016
constexpr double kClipScale = 8.7;        // clipping 1 - exp(-8.7 (dX/1000 + 0.29)^1.89), Glaser et al. 2016
constexpr double kClipOffset = 0.29;      // Glaser et al. 2016
constexpr double kClipPower = 1.89;       // Glaser et al. 2016
constexpr double kRadiationEnergy1EeV_eV = 15.8e6;   // AERA, PRL 116 (2016) 241101: 1 EeV, perpendicular to 0.24 G
constexpr double kReferenceField_gauss = 0.24;       // the field of the AERA measurement
constexpr double kLdfCentre = 0.6;        // g(0)/g(r_C): illustrative ring-shaped profile, not a published parametrisation
constexpr double kLdfFalloff_m = 60.0;    // illustrative: fall-off length outside the ring 60 m + D tan(2.5 deg)
constexpr double kLdfFalloffAngle_deg = 2.5;   // illustrative, see above
constexpr double kWavefrontCone_deg = 1.5;     // far-out opening angle of the hyperbolic front (LOPES, JCAP 09 (2014) 025: 1-2 deg)
constexpr double kBandLow_MHz = 30.0;     // AERA and LOFAR band
constexpr double kBandHigh_MHz = 80.0;    // AERA and LOFAR band

} // namespace

double chargeExcessFractionAtRing(double densityXmax_kg_m3)
{
    const double a = kCeA0 + kCeA1 * std::exp(kCeA2_m3_kg * (densityXmax_kg_m3 - kRhoMean_kg_m3));
    return std::clamp(a, kCeMeasuredMin, kCeMeasuredMax);
}

double chargeExcessFraction(double densityXmax_kg_m3, double r_m, double ringRadius_m)
{
    const double rise = std::min(kCeAxisShare + (1.0 - kCeAxisShare) * r_m / ringRadius_m, kCeRadialCap);
    return std::clamp(chargeExcessFractionAtRing(densityXmax_kg_m3) * rise, kCeMeasuredMin, kCeMeasuredMax);
}

double clippingFactor(double distanceToGround_g_cm2)
{
    if (!(distanceToGround_g_cm2 < 1e9))
        return 1.0;
    const double base = std::max(distanceToGround_g_cm2 / 1000.0 + kClipOffset, 0.0);
    return 1.0 - std::exp(-kClipScale * std::pow(base, kClipPower));
}

double radiationEnergy_eV(double energy_eV, double sinAlpha, double a, double densityXmax_kg_m3,
                          double distanceToGround_g_cm2, double field_gauss)
{
    const double density = 1.0 - kRadP0 + kRadP0 * std::exp(kRadP1_m3_kg * (densityXmax_kg_m3 - kRhoMean_kg_m3));
    const double e = energy_eV / 1e18;
    const double b = field_gauss / kReferenceField_gauss;
    return kRadiationEnergy1EeV_eV * e * e * b * b * (a * a + (1.0 - a * a) * sinAlpha * sinAlpha)
        * density * density * clippingFactor(distanceToGround_g_cm2);
}

double lateralProfile(double r_m, double ringRadius_m, double falloff_m)
{
    if (r_m <= ringRadius_m) {
        const double x = r_m / ringRadius_m;
        return kLdfCentre + (1.0 - kLdfCentre) * x * x;
    }
    return std::exp(-(r_m - ringRadius_m) / falloff_m);
}

double lateralFalloff_m(double distanceXmax_m)
{
    return kLdfFalloff_m + distanceXmax_m * std::tan(kLdfFalloffAngle_deg * kPi / 180.0);
}

double bandPulse(double time_ns)
{
    const double f1 = kBandLow_MHz * 1e-3, f2 = kBandHigh_MHz * 1e-3;   // GHz
    if (std::abs(time_ns) < 1e-9)
        return 1.0;
    return (std::sin(2.0 * kPi * f2 * time_ns) - std::sin(2.0 * kPi * f1 * time_ns))
        / (2.0 * kPi * (f2 - f1) * time_ns);
}

double bandPulseEnergy_ns()
{
    return 1.0 / (2.0 * (kBandHigh_MHz - kBandLow_MHz) * 1e-3);   // Parseval: 1 / (2 bandwidth)
}

double wavefrontDelay_ns(double r_m, double distanceXmax_m)
{
    const double tanCone = std::tan(kWavefrontCone_deg * kPi / 180.0);
    const double b = distanceXmax_m * tanCone * tanCone;   // near-axis curvature radius equals D
    return (std::sqrt(b * b + r_m * r_m * tanCone * tanCone) - b) / kSpeedOfLight_m_ns;
}

double fluencePerField2_eV_m2(double peakField2_V2_m2)
{
    return kEpsilon0C_S * peakField2_V2_m2 * bandPulseEnergy_ns() * 1e-9 / kElementaryCharge_J_eV;
}

} // namespace model
