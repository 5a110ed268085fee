#pragma once
// Records and data-file texts for the face tests: deterministic values that
// survive the files' six decimals exactly, written in the export's layout.

#include <ostream>
#include <string>
#include <string_view>

#include "face/FaceRecord.h"

namespace mirel::test {

// A distinct, valid face: points 154 and 167 at different y, values in
// quarter units, flags in 0-3.
FaceGene makeFace(int seed);
// A distinct, valid hairline and hair-element block (hairline point 0 off
// the centre line).
HairGene makeHair(int seed);

// The file texts of a block, in the layout the face export writes.
std::string faceFileText(const FaceGene& face);
std::string haegiwaFileText(const HairGene& hair);
std::string kamiyousoFileText(const HairGene& hair);

// `text` with the first "4321.500000" (the file form of kMarker) replaced.
inline constexpr double kMarker = 4321.5;
std::string withMarkerAs(std::string text, std::string_view replacement);

// Converts every "\n" to "\r\n".
std::string withCrLf(const std::string& text);

}  // namespace mirel::test

namespace mirel {
// Lets test failures show points as (x, y).
void PrintTo(const Point2& point, std::ostream* out);
}  // namespace mirel
