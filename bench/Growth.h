#pragma once
// The medians of commands timed at sizes tenfold apart, and how they grow.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace orvane::bench {

inline double median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

// Each size's median, and the growth from each size to the next.
inline void reportGrowth(benchmark::State& state, const std::vector<std::string>& sizes,
                         const std::vector<std::vector<double>>& times)
{
    for (size_t i = 0; i < sizes.size(); ++i) {
        state.counters[sizes[i] + "_ms"] = median(times[i]);
        if (i > 0)
            state.counters["growth_" + sizes[i - 1] + "_to_" + sizes[i]] = median(times[i]) / median(times[i - 1]);
    }
}

} // namespace orvane::bench
