#pragma once
// A tiny side-by-side benchmark runner: each benchmark times our operation and a baseline in
// alternation, so that both see the same machine load, and reports the ratio of the medians.
#include <functional>
#include <string>
#include <vector>

namespace velmado::bench {

struct Comparison {
    std::string name;
    std::string ours;
    std::string baseline;
    std::function<double()> measureOurs;     // one run, in milliseconds
    std::function<double()> measureBaseline; // one run, in milliseconds
    int rounds = 0;                          // 0: the runner's default
};

// --quick: shorter runs, for the test command.
bool Quick();

// Benchmarks register themselves at start-up.
std::vector<Comparison>& Registry();
struct Register {
    explicit Register(Comparison comparison);
};

} // namespace velmado::bench
