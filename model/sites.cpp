#include "sites.h"

#include "shower.h"

namespace model {
namespace {

// Southern radio array (AERA, Malargue): IGRF at the array, as in the CoREAS input MAGNET 19.71 -14.18 uT
// and the radiotools "auger" vector: B points upwards (inclination -35.6 deg), 2.5 deg east of north.
constexpr SiteData kSouth{
    1550.0,   // m above sea level, the radio array
    54.4,     // deg, field zenith angle (90 + inclination -35.6)
    87.5,     // deg, from East counter-clockwise: declination +2.5 deg E
    0.24,     // G, |B| = 24.3 uT (IGRF 2011 at AERA)
};

// Northern array (LOFAR core near Exloo, 52.9 N, 6.9 E): sea level; IGRF field at the core in
// 2015, (E, N, Up) = (0.004675, 0.186270, -0.456412) G as in radiotools' "lofar" vector:
// |B| = 49.30 uT, inclination +67.79 deg (pointing down), declination +1.44 deg E.
constexpr SiteData kNorth{
    0.0,      // m, the core lies within a few metres of sea level
    157.79,   // deg, field zenith angle (90 + inclination 67.79)
    88.56,    // deg, from East counter-clockwise: declination +1.44 deg E
    0.4930,   // G, |B| = 49.30 uT
};

} // namespace

SiteData siteData(Site site)
{
    return site == Site::North ? kNorth : kSouth;
}

} // namespace model
