#pragma once
// The one random source of the program run: a 15-bit linear congruential
// generator that starts at state 1 and is never reseeded, so the same marks in
// the same order breed the same faces. The operations below say exactly how
// many draws each consumes; breeding results depend on that count.

#include <cstdint>
#include <span>

namespace mirel {

inline constexpr int kRandomRange = 32768;  // draws lie in [0, kRandomRange)

// One draw, 0 to 32767.
int nextRandom();

// r / 32768 for one draw r: a real in [0, 1).
double randomUnit();

// trunc(r * n / 32768) for one draw r: an integer in [0, n) for n >= 1.
int randomIndex(int n);

// One draw u; when u < p, one more draw gives a uniform integer in
// [-amplitude, amplitude]; otherwise 0 (one draw consumed).
int randomStep(int amplitude, double p);

// One draw u; the first index i with u < w0 + ... + wi, or 0 when there is none.
int weightedChoice(std::span<const double> weights);

// Puts the generator back to its start state. For tests only: the program
// itself never reseeds.
void resetRandomSource();

}  // namespace mirel
