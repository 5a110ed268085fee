#include "ga/RandomSource.h"

namespace mirel {

namespace {

constexpr std::uint32_t kStartState = 1;
constexpr std::uint32_t kMultiplier = 214013;
constexpr std::uint32_t kIncrement = 2531011;

// The only mutable global of the program (see the header).
std::uint32_t state = kStartState;

}  // namespace

int nextRandom() {
    state = state * kMultiplier + kIncrement;  // modulo 2^32 by unsigned wrap-around
    return static_cast<int>((state >> 16) & 0x7fffu);
}

double randomUnit() {
    return nextRandom() / static_cast<double>(kRandomRange);
}

int randomIndex(int n) {
    const double r = nextRandom();
    return static_cast<int>(r * n / kRandomRange);
}

int randomStep(int amplitude, double p) {
    if (!(randomUnit() < p)) return 0;
    const double r = nextRandom();
    return static_cast<int>(r * (2 * amplitude + 1) / kRandomRange) - amplitude;
}

int weightedChoice(std::span<const double> weights) {
    const double u = randomUnit();
    double sum = 0.0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        sum += weights[i];
        if (u < sum) return static_cast<int>(i);
    }
    return 0;
}

void resetRandomSource() {
    state = kStartState;
}

}  // namespace mirel
