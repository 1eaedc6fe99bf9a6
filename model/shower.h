#pragma once

// The explorer's view of one air shower: what a learner sets (energy, primary, hadronic model,
// zenith, arrival azimuth, site, and optionally this shower's own X_max) and everything the
// screen and the command line show of it. Pure functions of their arguments, no widget code;
// units are in the names. Azimuths follow one convention throughout: the arrival direction,
// counted from East counter-clockwise (North 90, West 180, South 270); ground frame x = East,
// y = North, z = Up, positions in metres relative to the shower core.
#include <array>
#include <memory>
#include <vector>

namespace model {

enum class Primary { Proton, Helium, Nitrogen, Iron };   // A = 1, 4, 14, 56
enum class HadronicModel { EposLhc, QgsjetII04, Sibyll23d };
enum class Site { South, North };                        // southern radio array, northern array at sea level

int massNumber(Primary primary);

struct ShowerInput {
    double energy_eV = 1e18;
    Primary primary = Primary::Proton;
    HadronicModel hadronicModel = HadronicModel::EposLhc;
    double zenith_deg = 30.0;
    double azimuth_deg = 270.0;      // arrival direction from East, counter-clockwise
    Site site = Site::South;
    // This shower's depth of maximum; a value <= 0 means the mean of the model, <X_max>.
    double xmax_g_cm2 = 0.0;
};

// Everything that the panel of numbers and the command line's one row show.
struct ShowerSummary {
    double xmax_g_cm2;               // this shower's (the mean unless the input sets one)
    double xmaxMean_g_cm2;
    double xmaxSigma_g_cm2;
    double groundSlantDepth_g_cm2;
    double heightXmax_km;            // above sea level
    double distanceXmax_km;          // from X_max to the core along the axis
    double nMax;                     // charged particles at the maximum
    double electronsGround;          // charged electromagnetic particles at the ground, halo included
    double muonsGround;
    double alpha_deg;                // geomagnetic angle
    double chargeExcessFraction;     // at the Cherenkov ring
    double cherenkovAngle_deg;       // at the height of X_max
    double cherenkovRadius_m;        // ring radius in the shower plane
    double radiationEnergy_MeV;
    double peakField_uV_m;           // largest peak field on the ground
    double footprintArea_km2;        // ground area where the peak field exceeds footprintThreshold_uV_m
    double footprintThreshold_uV_m;
};

struct Vec3 { double east, north, up; };

// One shower: its derived geometry is computed once, on construction, and read by every const
// function below, so that a repaint of a 100 x 100 ground map does not recompute the atmosphere.
class ShowerModel {
public:
    explicit ShowerModel(const ShowerInput &input);
    ~ShowerModel();
    ShowerModel(const ShowerModel &) = delete;
    ShowerModel &operator=(const ShowerModel &) = delete;

    const ShowerInput &input() const;
    ShowerSummary summary() const;

    // Longitudinal profile at slant depth X (g/cm^2 along the axis).
    double chargedParticles(double slantDepth_g_cm2) const;
    double muons(double slantDepth_g_cm2) const;

    // Radio at a ground position (metres East, North of the core, on the site's ground plane).
    Vec3 peakField_uV_m(double east_m, double north_m) const;      // signed peak field vector
    double fluence_eV_m2(double east_m, double north_m) const;
    double arrivalTime_ns(double east_m, double north_m) const;     // after the core's arrival
    // The three field components (EW, NS, vertical) in uV/m of the 30-80 MHz pulse at the
    // given times (ns, relative to the pulse's arrival at that position).
    std::vector<Vec3> pulse_uV_m(double east_m, double north_m, const std::vector<double> &time_ns) const;
    // The Cherenkov ring projected onto the ground: n points (east, north) in metres.
    std::vector<std::array<double, 2>> cherenkovEllipse_m(int n) const;

private:
    struct Derived;                  // defined in shower.cpp
    std::unique_ptr<const Derived> d;
};

} // namespace model
