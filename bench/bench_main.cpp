// Runs every registered comparison: velmado_bench [--quick] [name-filter]
#include <algorithm>
#include <cstdio>
#include <string>

#include "bench/bench.h"

namespace velmado::bench {

std::vector<Comparison>& Registry() {
    static std::vector<Comparison> registry;
    return registry;
}

Register::Register(Comparison comparison) {
    Registry().push_back(std::move(comparison));
}

namespace {

bool quick = false;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

bool Quick() {
    return quick;
}

} // namespace velmado::bench

int main(int argc, char** argv) {
    using namespace velmado::bench;
    int rounds = 15;
    std::string filter;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--quick") {
            rounds = 5;
            quick = true;
        } else {
            filter = arg;
        }
    }
    for (const Comparison& c : Registry()) {
        if (!filter.empty() && c.name.find(filter) == std::string::npos) {
            continue;
        }
        std::vector<double> ours;
        std::vector<double> baseline;
        const int n = c.rounds > 0 ? c.rounds : rounds;
        for (int round = 0; round < n; ++round) {
            ours.push_back(c.measureOurs());
            baseline.push_back(c.measureBaseline());
        }
        const double a = Median(ours);
        const double b = Median(baseline);
        std::printf("%-32s %s %.1f ms, %s %.1f ms: ratio %.2f (median of %d)\n", c.name.c_str(),
                    c.ours.c_str(), a, c.baseline.c_str(), b, b > 0 ? a / b : 0.0, n);
    }
    return 0;
}
