#pragma once
// The generations of a session in compact form (section GENC): a gene block
// copied from an earlier face is stored as a reference to it, every other
// point or flag as the earlier face it equals or as its value, and absolute
// points that drawing computes again from the rest are left out.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "face/FaceRecord.h"
#include "render/SelectionMarks.h"

namespace mirel {

inline constexpr std::string_view kCompactGenerationsTag = "GENC";

// `records` are generations 0.. in order, 60 a generation; the marks only
// tell where to look for the faces a record was bred from.
std::string encodeCompactGenerations(std::span<const FaceRecord> records,
                                     const SelectionMarkTable& marks);

// Fills `records` with the `recordCount` records the section holds; the
// failure text, or nothing.
std::optional<std::string> decodeCompactGenerations(std::string_view bytes, std::size_t recordCount,
                                                    std::vector<FaceRecord>& records);

}  // namespace mirel
