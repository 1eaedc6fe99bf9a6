#include "atmosphere.h"

#include <cmath>

namespace model {
namespace {

// Linsley's US standard atmosphere, CORSIKA ATMOD 1 (also radiotools): layer bottoms and
// X_v = a + b exp(-h/c) in layers 1-4, X_v = a - b h / c in layer 5.
constexpr double kLayerBottom_m[5] = {0.0, 4.0e3, 10.0e3, 40.0e3, 100.0e3};
constexpr double kA_g_cm2[5] = {-186.555305, -94.919, 0.61289, 0.0, 0.01128292};   // Linsley, CORSIKA ATMOD 1
constexpr double kB_g_cm2[5] = {1222.6562, 1144.9069, 1305.5948, 540.1778, 1.0};   // Linsley, CORSIKA ATMOD 1
constexpr double kC_cm[5] = {994186.38, 878153.55, 636143.04, 772170.16, 1.0e9};   // Linsley, CORSIKA ATMOD 1
constexpr double kRefractivitySeaLevel = 2.92e-4;   // n - 1 at sea level, scaled with density (radiotools default)

double top_m() { return kA_g_cm2[4] * kC_cm[4] / kB_g_cm2[4] / 100.0; }   // 112.829 km, X_v = 0

int layer(double height_m)
{
    int i = 0;
    for (int k = 0; k < 5; ++k)
        if (kLayerBottom_m[k] <= height_m)
            i = k;
    return i;
}

double boundaryDepth_g_cm2(int i)
{
    return kA_g_cm2[i] + kB_g_cm2[i] * std::exp(-kLayerBottom_m[i] * 100.0 / kC_cm[i]);
}

} // namespace

double verticalDepth_g_cm2(double height_m)
{
    if (height_m >= top_m())
        return 0.0;
    const int i = layer(height_m);
    const double h_cm = height_m * 100.0;
    if (i < 4)
        return kA_g_cm2[i] + kB_g_cm2[i] * std::exp(-h_cm / kC_cm[i]);
    return kA_g_cm2[4] - kB_g_cm2[4] * h_cm / kC_cm[4];
}

double density_g_cm3(double height_m)
{
    if (height_m >= top_m())
        return 0.0;
    const int i = layer(height_m);
    if (i < 4)
        return kB_g_cm2[i] / kC_cm[i] * std::exp(-height_m * 100.0 / kC_cm[i]);
    return kB_g_cm2[4] / kC_cm[4];
}

double heightOfVerticalDepth_m(double depth_g_cm2)
{
    // Depth at 100 km, where the linear fifth layer begins.
    const double topDepth = kA_g_cm2[3] + kB_g_cm2[3] * std::exp(-kLayerBottom_m[4] * 100.0 / kC_cm[3]);
    if (depth_g_cm2 < topDepth)
        return (kA_g_cm2[4] - depth_g_cm2) * kC_cm[4] / kB_g_cm2[4] / 100.0;
    int i = 0;
    for (int k = 0; k < 4; ++k)
        if (boundaryDepth_g_cm2(k) >= depth_g_cm2)
            i = k;
    return -kC_cm[i] * std::log((depth_g_cm2 - kA_g_cm2[i]) / kB_g_cm2[i]) / 100.0;
}

double slantDepth_g_cm2(double height_m, double zenith_rad)
{
    return verticalDepth_g_cm2(height_m) / std::cos(zenith_rad);
}

double heightOfSlantDepth_m(double slantDepth_g_cm2, double zenith_rad)
{
    return heightOfVerticalDepth_m(slantDepth_g_cm2 * std::cos(zenith_rad));
}

double refractivity(double height_m)
{
    return kRefractivitySeaLevel * density_g_cm3(height_m) / density_g_cm3(0.0);
}

double cherenkovAngle_rad(double height_m)
{
    return std::acos(1.0 / (1.0 + refractivity(height_m)));
}

double cherenkovRingRadius_m(double xmax_g_cm2, double zenith_rad, double groundAltitude_m)
{
    const double h = heightOfSlantDepth_m(xmax_g_cm2, zenith_rad);
    return (h - groundAltitude_m) / std::cos(zenith_rad) * std::tan(cherenkovAngle_rad(h));
}

} // namespace model
