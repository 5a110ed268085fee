#pragma once
// How the simulated witness sees a face: the face drawn as window 1 draws a
// cell, in grey, blurred so that a line a few pixels off still counts as
// close, and the distances it judges faces by.

#include <vector>

#include "face/FaceRecord.h"

namespace mirel::witness {

// A blurred grey picture, values 0 (black) to 1 (white), row by row.
struct FacePicture {
    int side = 0;
    std::vector<float> grey;
};

// The window's cell side of the benchmark (a 1091 x 904 window 1).
inline constexpr int kWitnessCell = 218;

// Draws a copy of `face` into a cell of side `cell` and blurs it.
// `drawn` receives the face's absolute points and flags as drawn.
FacePicture picture(const FaceRecord& face, FaceRecord* drawn = nullptr, int cell = kWitnessCell);

// Mean absolute difference of two pictures of the same side.
double pictureDistance(const FacePicture& a, const FacePicture& b);

// Mean pairwise picture distance of a set of faces: how much choice they offer.
double variety(const std::vector<FacePicture>& pictures);

}  // namespace mirel::witness
