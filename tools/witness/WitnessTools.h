#pragma once
// The simulated witness with the chosen-face tools: each generation it
// chooses the face nearest the target, and by turns runs a part gallery on
// the part that looks farthest off, breeds from its nearest faces, or picks
// the best level of an exaggeration range.

#include <array>
#include <span>
#include <string>
#include <vector>

#include "face/FaceRecord.h"
#include "ga/Selection.h"

namespace mirel::witness {

// Brows, eyes, nose and mouth, in this order.
inline constexpr int kInnerPartCount = 4;

// What the tool witness sees in one generation.
struct ToolFigures {
    double pixels = 0;  // picture distance of the nearest face by pixels
    double points = 0;  // face units of the nearest face by points (mean of the parts' means)
    // Face units between each inner part of the face nearest by pixels and the target's.
    std::array<double, kInnerPartCount> inner{};
    char action =
        '-';  // what made this generation: b(red), x (exaggeration), a gallery's part letter
};

// Plays from `generation0` toward `target` with the random source restarted;
// one entry per generation 0..generations.
std::vector<ToolFigures> playToolWitness(std::span<const FaceRecord, kPopulationSize> generation0,
                                         const FaceRecord& target, int marks, int generations);

// Runs every target and prints per target kind (the folder name up to its
// first '-' or digit) the ratios to generation 0 at generations 5, 10 and 20.
void reportToolWitness(const std::vector<std::string>& names,
                       const std::vector<FaceRecord>& targets,
                       std::span<const FaceRecord, kPopulationSize> generation0, int marks,
                       int generations);

}  // namespace mirel::witness
