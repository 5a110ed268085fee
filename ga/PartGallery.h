#pragma once
// The part gallery: sixty faces that are the chosen face with one part
// replaced, so the user compares alternatives for that part alone.

#include <span>

#include "face/FaceRecord.h"
#include "ga/PartLocks.h"
#include "ga/ToolGeneration.h"

namespace mirel {

// Below this mean distance (face units) between the drawn points of a part,
// with equal flags, two faces show that part alike.
inline constexpr double kAlikePartDistance = 1.5;

// Whether `part` of the two faces would be drawn alike: equal part flags and
// drawn points of the part less than kAlikePartDistance apart on average
// (the hair is judged by its hairline, which is what is drawn).
bool partsLookAlike(FacePart part, const FaceRecord& a, const FaceRecord& b);

// The chosen face sixty times, each with another `part`: faces 0-19 take it
// from the twenty samples in order, then from the faces of `current` (the
// newest generation) in index order, the rest from mutations of the chosen
// face's part several breeding steps wide. A candidate that looks alike to
// one taken already is drawn again (a wider mutation), a bounded number of
// times. Refuses when fewer than twenty distinct parts come of it. Draws its
// random numbers from the one random source.
ToolGeneration makePartGallery(FacePart part, const FaceRecord& chosen,
                               std::span<const FaceRecord, kSampleCount> samples,
                               std::span<const FaceRecord, kPopulationSize> current);

}  // namespace mirel
