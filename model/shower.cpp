#include "shower.h"

#include "atmosphere.h"
#include "cascade.h"
#include "radio.h"
#include "sites.h"

#include <algorithm>
#include <cmath>

namespace model {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;
constexpr double kRadioXmaxMargin_g_cm2 = 20.0;   // radio geometry keeps X_max this far above the ground
constexpr int kNormalisationSteps = 20000;         // trapezoid steps of the fluence integral
constexpr double kNormalisationReach = 25.0;       // ... out to r_C + 25 fall-off lengths
constexpr int kPeakSteps = 2000;                   // radial scan for the largest field
constexpr double kPeakReach = 10.0;                // ... out to r_C + 10 fall-off lengths
constexpr int kFootprintRadii = 300;               // shower-plane grid of the footprint area
constexpr int kFootprintAngles = 120;
constexpr double kFootprintThreshold_uV_m = 100.0; // a field a radio array detects above its noise (model choice)

std::array<double, 3> cross(const std::array<double, 3> &a, const std::array<double, 3> &b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double dot(const std::array<double, 3> &a, const std::array<double, 3> &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

std::array<double, 3> direction(double zenith_rad, double azimuth_rad)
{
    return {std::sin(zenith_rad) * std::cos(azimuth_rad), std::sin(zenith_rad) * std::sin(azimuth_rad),
            std::cos(zenith_rad)};
}

} // namespace

int massNumber(Primary primary)
{
    switch (primary) {
    case Primary::Helium: return 4;
    case Primary::Nitrogen: return 14;
    case Primary::Iron: return 56;
    case Primary::Proton: break;
    }
    return 1;
}

struct ShowerModel::Derived {
    ShowerInput input;
    SiteData site;
    int massNumber = 1;
    double zenith_rad = 0.0;
    double xmaxMean_g_cm2 = 0.0, xmaxSigma_g_cm2 = 0.0, xmax_g_cm2 = 0.0;
    double groundDepth_g_cm2 = 0.0;
    double nMax = 0.0, muonsMax = 0.0;
    std::unique_ptr<MuonProfile> muonProfile;
    std::array<double, 3> v{}, e1{}, e2{};
    double sinAlpha = 0.0, alpha_deg = 0.0;
    double heightXmax_m = 0.0, distanceXmax_m = 0.0, densityXmax_kg_m3 = 0.0;
    double cherenkovAngle_rad = 0.0, ring_m = 0.0, falloff_m = 0.0;
    double aRing = 0.0, radiationEnergy_eV = 0.0, amplitude_V_m = 0.0;

    double a(double r_m) const { return chargeExcessFraction(densityXmax_kg_m3, r_m, ring_m); }
    double g(double r_m) const { return lateralProfile(r_m, ring_m, falloff_m); }
    // Peak field (V/m) in the shower plane at (x along e1, y along e2).
    std::array<double, 2> planeField(double x, double y) const
    {
        const double r = std::hypot(x, y);
        const double ar = a(r);
        const double rx = r > 0.0 ? x / r : 0.0, ry = r > 0.0 ? y / r : 0.0;
        const double scale = amplitude_V_m * g(r);
        return {scale * (-sinAlpha - ar * rx), scale * (-ar * ry)};
    }
};

ShowerModel::ShowerModel(const ShowerInput &input)
{
    auto s = std::make_unique<Derived>();
    s->input = input;
    s->site = siteData(input.site);
    s->massNumber = massNumber(input.primary);
    s->zenith_rad = input.zenith_deg * kDegree;
    const double azimuth_rad = input.azimuth_deg * kDegree;
    s->xmaxMean_g_cm2 = xmaxMean_g_cm2(input.energy_eV, s->massNumber, input.hadronicModel);
    s->xmaxSigma_g_cm2 = xmaxSigma_g_cm2(input.energy_eV, s->massNumber, input.hadronicModel);
    s->xmax_g_cm2 = input.xmax_g_cm2 > 0.0 ? input.xmax_g_cm2 : s->xmaxMean_g_cm2;
    s->groundDepth_g_cm2 = slantDepth_g_cm2(s->site.altitude_m, s->zenith_rad);

    // Longitudinal profile.
    s->nMax = chargedAtMaximum(input.energy_eV, s->massNumber);
    s->muonsMax = muonsAtMaximum(input.energy_eV, s->massNumber);
    s->muonProfile = std::make_unique<MuonProfile>(
        s->xmax_g_cm2, interactionLength_g_cm2(s->massNumber, input.energy_eV), s->muonsMax,
        s->groundDepth_g_cm2 + 10.0);

    // Geometry: arrival direction n, propagation v = -n, shower-plane basis (v x B, v x (v x B)).
    const std::array<double, 3> n = direction(s->zenith_rad, azimuth_rad);
    const std::array<double, 3> b = direction(s->site.fieldZenith_deg * kDegree, s->site.fieldAzimuth_deg * kDegree);
    s->v = {-n[0], -n[1], -n[2]};
    std::array<double, 3> vxb = cross(s->v, b);
    s->sinAlpha = std::sqrt(dot(vxb, vxb));
    s->alpha_deg = std::acos(std::clamp(dot(n, b), -1.0, 1.0)) / kDegree;
    if (s->sinAlpha < 1e-9)   // along the field: any axis at right angles to v serves
        vxb = cross(s->v, std::array<double, 3>{1.0, 0.0, 0.0});
    const double norm = std::sqrt(dot(vxb, vxb));
    s->e1 = {vxb[0] / norm, vxb[1] / norm, vxb[2] / norm};
    s->e2 = cross(s->v, s->e1);

    // Radio: emission region at X_max, kept above the ground.
    const double xmaxRadio = std::min(s->xmax_g_cm2, s->groundDepth_g_cm2 - kRadioXmaxMargin_g_cm2);
    s->heightXmax_m = heightOfSlantDepth_m(xmaxRadio, s->zenith_rad);
    s->distanceXmax_m = (s->heightXmax_m - s->site.altitude_m) / std::cos(s->zenith_rad);
    s->densityXmax_kg_m3 = density_g_cm3(s->heightXmax_m) * 1000.0;
    s->cherenkovAngle_rad = model::cherenkovAngle_rad(s->heightXmax_m);
    s->ring_m = s->distanceXmax_m * std::tan(s->cherenkovAngle_rad);
    s->falloff_m = lateralFalloff_m(s->distanceXmax_m);
    s->aRing = chargeExcessFractionAtRing(s->densityXmax_kg_m3);
    s->radiationEnergy_eV = model::radiationEnergy_eV(input.energy_eV, s->sinAlpha, s->aRing, s->densityXmax_kg_m3,
                                                      s->groundDepth_g_cm2 - xmaxRadio, s->site.fieldStrength_gauss);
    // A such that the fluence integrated over the shower plane is the radiation energy; the
    // interference term 2 a sin(alpha) cos(phi') averages to zero over the azimuth.
    const double reach = s->ring_m + kNormalisationReach * s->falloff_m;
    double area = 0.0, previous = 0.0;
    for (int k = 0; k <= kNormalisationSteps; ++k) {
        const double r = reach * k / kNormalisationSteps;
        const double g = s->g(r), a = s->a(r);
        const double value = g * g * (s->sinAlpha * s->sinAlpha + a * a) * 2.0 * kPi * r;
        if (k > 0)
            area += 0.5 * (value + previous) * (reach / kNormalisationSteps);
        previous = value;
    }
    s->amplitude_V_m = std::sqrt(s->radiationEnergy_eV / (fluencePerField2_eV_m2(1.0) * area));
    d = std::move(s);
}

ShowerModel::~ShowerModel() = default;

const ShowerInput &ShowerModel::input() const { return d->input; }

ShowerSummary ShowerModel::summary() const
{
    ShowerSummary s{};
    s.xmax_g_cm2 = d->xmax_g_cm2;
    s.xmaxMean_g_cm2 = d->xmaxMean_g_cm2;
    s.xmaxSigma_g_cm2 = d->xmaxSigma_g_cm2;
    s.groundSlantDepth_g_cm2 = d->groundDepth_g_cm2;
    s.heightXmax_km = d->heightXmax_m / 1000.0;
    s.distanceXmax_km = d->distanceXmax_m / 1000.0;
    s.nMax = d->nMax;
    s.electronsGround = chargedParticles(d->groundDepth_g_cm2);
    s.muonsGround = muons(d->groundDepth_g_cm2);
    s.alpha_deg = d->alpha_deg;
    s.chargeExcessFraction = d->aRing;
    s.cherenkovAngle_deg = d->cherenkovAngle_rad / kDegree;
    s.cherenkovRadius_m = d->ring_m;
    s.radiationEnergy_MeV = d->radiationEnergy_eV / 1e6;

    // The largest field lies on the +v x B side, where both mechanisms add: A g(r) (sin(alpha) + a(r)).
    const double peakReach = d->ring_m + kPeakReach * d->falloff_m;
    double peak = 0.0;
    for (int k = 0; k <= kPeakSteps; ++k) {
        const double r = peakReach * k / kPeakSteps;
        peak = std::max(peak, d->amplitude_V_m * d->g(r) * (d->sinAlpha + d->a(r)));
    }
    s.peakField_uV_m = peak * 1e6;

    // Footprint: shower-plane area above the threshold, stretched by 1/cos(zenith) on the ground.
    const double threshold_V_m = kFootprintThreshold_uV_m * 1e-6;
    const double reach = d->ring_m + kNormalisationReach * d->falloff_m;
    const double dr = reach / kFootprintRadii, dphi = 2.0 * kPi / kFootprintAngles;
    double area_m2 = 0.0;
    for (int i = 0; i < kFootprintRadii; ++i) {
        const double r = (i + 0.5) * dr;
        const double g = d->amplitude_V_m * d->g(r), a = d->a(r);
        if (g * (d->sinAlpha + a) <= threshold_V_m)
            continue;
        for (int j = 0; j < kFootprintAngles; ++j) {
            const double c = std::cos((j + 0.5) * dphi);
            const double field2 = g * g * (d->sinAlpha * d->sinAlpha + a * a + 2.0 * a * d->sinAlpha * c);
            if (field2 > threshold_V_m * threshold_V_m)
                area_m2 += r * dr * dphi;
        }
    }
    s.footprintArea_km2 = area_m2 / std::cos(d->zenith_rad) * 1e-6;
    s.footprintThreshold_uV_m = kFootprintThreshold_uV_m;
    return s;
}

double ShowerModel::chargedParticles(double slantDepth_g_cm2) const
{
    return cascadeElectrons(slantDepth_g_cm2, d->nMax, d->xmax_g_cm2) + haloElectronsPerMuon() * muons(slantDepth_g_cm2);
}

double ShowerModel::muons(double slantDepth_g_cm2) const
{
    return (*d->muonProfile)(slantDepth_g_cm2);
}

Vec3 ShowerModel::peakField_uV_m(double east_m, double north_m) const
{
    const double x = east_m * d->e1[0] + north_m * d->e1[1];
    const double y = east_m * d->e2[0] + north_m * d->e2[1];
    const std::array<double, 2> f = d->planeField(x, y);
    return {1e6 * (f[0] * d->e1[0] + f[1] * d->e2[0]), 1e6 * (f[0] * d->e1[1] + f[1] * d->e2[1]),
            1e6 * (f[0] * d->e1[2] + f[1] * d->e2[2])};
}

double ShowerModel::fluence_eV_m2(double east_m, double north_m) const
{
    const double x = east_m * d->e1[0] + north_m * d->e1[1];
    const double y = east_m * d->e2[0] + north_m * d->e2[1];
    const std::array<double, 2> f = d->planeField(x, y);
    return fluencePerField2_eV_m2(f[0] * f[0] + f[1] * f[1]);
}

double ShowerModel::arrivalTime_ns(double east_m, double north_m) const
{
    constexpr double kSpeedOfLight_m_ns = 0.299792458;   // c, SI definition
    const double plane = (east_m * d->v[0] + north_m * d->v[1]) / kSpeedOfLight_m_ns;
    const double x = east_m * d->e1[0] + north_m * d->e1[1];
    const double y = east_m * d->e2[0] + north_m * d->e2[1];
    return plane + wavefrontDelay_ns(std::hypot(x, y), d->distanceXmax_m);
}

std::vector<Vec3> ShowerModel::pulse_uV_m(double east_m, double north_m, const std::vector<double> &time_ns) const
{
    const Vec3 peak = peakField_uV_m(east_m, north_m);
    std::vector<Vec3> out;
    out.reserve(time_ns.size());
    for (double t : time_ns) {
        const double s = bandPulse(t);
        out.push_back({peak.east * s, peak.north * s, peak.up * s});
    }
    return out;
}

std::vector<std::array<double, 2>> ShowerModel::cherenkovEllipse_m(int n) const
{
    std::vector<std::array<double, 2>> out;
    if (n < 2)
        return out;
    out.reserve(std::size_t(n));
    for (int k = 0; k < n; ++k) {
        const double t = 2.0 * kPi * k / (n - 1);
        std::array<double, 3> p;
        for (int i = 0; i < 3; ++i)
            p[i] = d->ring_m * (std::cos(t) * d->e1[i] + std::sin(t) * d->e2[i]);
        // Follow the shower-plane point along the axis down to the ground plane.
        const double s = -p[2] / d->v[2];
        out.push_back({p[0] + s * d->v[0], p[1] + s * d->v[1]});
    }
    return out;
}

} // namespace model
