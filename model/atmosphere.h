#pragma once

// US standard atmosphere in Linsley's five-layer parametrisation (CORSIKA atmosphere 1), and the
// refractivity and Cherenkov angle that follow from its density. Heights in metres above sea
// level, depths in g/cm^2, densities in g/cm^3; a flat atmosphere (slant = vertical / cos zenith),
// adequate to about 70-75 degrees and 3.5 % high at 80 degrees.
namespace model {

double verticalDepth_g_cm2(double height_m);
double density_g_cm3(double height_m);
double heightOfVerticalDepth_m(double depth_g_cm2);
double slantDepth_g_cm2(double height_m, double zenith_rad);
double heightOfSlantDepth_m(double slantDepth_g_cm2, double zenith_rad);
// n - 1, proportional to the density.
double refractivity(double height_m);
double cherenkovAngle_rad(double height_m);
// Radius of the Cherenkov ring in the shower plane, D tan(theta_C(h_Xmax)), D the distance from
// X_max to the ground along the axis.
double cherenkovRingRadius_m(double xmax_g_cm2, double zenith_rad, double groundAltitude_m);

} // namespace model
