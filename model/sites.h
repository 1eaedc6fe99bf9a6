#pragma once

// The two radio arrays: ground altitude and geomagnetic field. Field directions follow the
// ground frame x = East, y = North, z = Up, as a zenith angle and an azimuth counted from East
// counter-clockwise.
namespace model {

enum class Site;

struct SiteData {
    double altitude_m;
    double fieldZenith_deg;
    double fieldAzimuth_deg;
    double fieldStrength_gauss;
};

SiteData siteData(Site site);

} // namespace model
