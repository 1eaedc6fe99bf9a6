// Compute times of the shower model, as the explorer uses it, printed as a table:
//   showerscope_model_bench
// One shower built (atmosphere, profile tables, amplitude), its summary (peak field and
// footprint scans), a 100 x 100 ground map of the peak field, a depth profile of 200 points and
// a 256-sample pulse; median of repeated runs over a spread of showers.
#include "shower.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMilliseconds(const std::function<void()> &work, int repeats)
{
    std::vector<double> times;
    for (int k = 0; k < repeats; ++k) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main()
{
    using namespace model;
    volatile double sink = 0.0;
    std::printf("%-44s %10s %10s %10s %10s %10s\n", "shower", "build ms", "summary ms", "map ms", "profile ms", "pulse ms");
    const struct { const char *name; double energy, zenith, azimuth; Primary primary; Site site; } cases[] = {
        {"1e17 eV p, 0 deg, south", 1e17, 0.0, 0.0, Primary::Proton, Site::South},
        {"1e18 eV p, 30 deg from South, south", 1e18, 30.0, 270.0, Primary::Proton, Site::South},
        {"1e19 eV Fe, 67 deg, south", 1e19, 67.0, 270.0, Primary::Iron, Site::South},
        {"1e20 eV N, 80 deg, north", 1e20, 80.0, 45.0, Primary::Nitrogen, Site::North},
    };
    for (const auto &c : cases) {
        ShowerInput input;
        input.energy_eV = c.energy;
        input.zenith_deg = c.zenith;
        input.azimuth_deg = c.azimuth;
        input.primary = c.primary;
        input.site = c.site;
        const double build = medianMilliseconds([&] { ShowerModel m(input); sink = sink + m.muons(1000.0); }, 31);
        const ShowerModel shower(input);
        const double summary = medianMilliseconds([&] { sink = sink + shower.summary().peakField_uV_m; }, 31);
        const double half = 4.0 * shower.summary().cherenkovRadius_m + 500.0;
        const double map = medianMilliseconds([&] {
            for (int i = 0; i < 100; ++i)
                for (int j = 0; j < 100; ++j)
                    sink = sink + shower.peakField_uV_m(-half + 2.0 * half * i / 99.0, -half + 2.0 * half * j / 99.0).east;
        }, 31);
        const double profile = medianMilliseconds([&] {
            for (int k = 0; k < 200; ++k)
                sink = sink + shower.chargedParticles(15.0 * k) + shower.muons(15.0 * k);
        }, 31);
        std::vector<double> times(256);
        for (int k = 0; k < 256; ++k)
            times[k] = -40.0 + 0.5 * k;
        const double pulse = medianMilliseconds([&] { sink = sink + shower.pulse_uV_m(100.0, 50.0, times)[10].east; }, 31);
        std::printf("%-44s %10.3f %10.3f %10.3f %10.3f %10.3f\n", c.name, build, summary, map, profile, pulse);
    }
    return 0;
}
