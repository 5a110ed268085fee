#pragma once
// Brings freshly loaded faces to the common face space: points 154 and 167
// 210 units apart about y = 0, the hairline scaled to the face's width, the
// hair elements scaled by 0.6. Works on the absolute arrays only.

#include <cstddef>
#include <span>

#include "face/FaceRecord.h"

namespace mirel {

// Records of a freshly loaded population (one generation).
inline constexpr std::size_t kLoadedRecordCount = 60;

inline constexpr double kReferenceHeight = 210.0;  // distance from point 167 to point 154
inline constexpr double kKamiyousoScale = 0.6;

// One record: face, then hairline against the scaled face, then hair
// elements. Expects face points 154 and 167 at different y, and face point
// 166 and hairline point 0 off the centre line (the readers reject other files).
void normaliseRecord(FaceRecord& record);

void normalisePopulation(std::span<FaceRecord, kLoadedRecordCount> records);

}  // namespace mirel
