#include "tools/bench/timing.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <time.h>

namespace bench {

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

Summary Summarise(std::vector<double>& samples) {
    if (samples.empty())
        return {0.0, 0.0, 0.0};
    std::sort(samples.begin(), samples.end());
    // Nearest rank: the smallest sample with at least p of them at or below it.
    auto rank = [&](double p) {
        const size_t n = samples.size();
        const size_t k = static_cast<size_t>(std::ceil(p * static_cast<double>(n)));
        return samples[std::min(n, std::max<size_t>(k, 1)) - 1];
    };
    const double sum = std::accumulate(samples.begin(), samples.end(), 0.0);
    return {rank(0.5), rank(0.99), sum / static_cast<double>(samples.size())};
}

} // namespace bench
