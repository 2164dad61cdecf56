#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace talvex::bench {

// Median and 99th percentile of repeated timings, in milliseconds.
struct Figures
{
    double median = 0;
    double p99 = 0;
};

inline Figures measure(int runs, const std::function<void()> &step)
{
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        step();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    Figures figures;
    figures.median = times[times.size() / 2];
    figures.p99 = times[std::min(times.size() - 1, times.size() * 99 / 100)];
    return figures;
}

// One result line: the figure, its target and how much of the target it uses.
inline bool report(const char *name, double value, double target, const char *unit)
{
    const bool met = value <= target;
    std::printf("%-44s %10.3f %-3s target %8.3f %-3s ratio %5.2f  %s\n", name, value, unit, target,
                unit, value / target, met ? "ok" : "MISSED");
    return met;
}

} // namespace talvex::bench
