#pragma once
// A generation made by a tool from one chosen face instead of by breeding
// from marks: which tool made it, and why a tool may refuse.

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "face/FaceRecord.h"
#include "face/SampleLoader.h"
#include "ga/PartLocks.h"
#include "ga/Selection.h"

namespace mirel {

enum class ToolKind : std::int32_t {
    None = 0,          // the generation was bred from marks
    PartGallery = 1,   // one part of the chosen face varied, the rest kept
    Exaggeration = 2,  // the chosen face moved toward and away from the average face
};

// What made a generation from the one before it.
struct ToolUse {
    ToolKind kind = ToolKind::None;
    FacePart part = FacePart::Eyes;  // the part of a gallery; unused otherwise
    GeneRef source{};                // the chosen face the tool started from

    friend bool operator==(const ToolUse&, const ToolUse&) = default;
};

// Entry g: the tool that made generation g + 1 from generation g, if any.
using ToolsPerGeneration = std::array<ToolUse, kGenerationCount>;

enum class ToolRefusal {
    NoChosenFace,     // no face is chosen
    GenerationLimit,  // the newest generation is the last one
    NothingToVary,    // the tool would make no faces that differ
};

// The 60 records of a tool generation, or why the tool made none.
struct ToolGeneration {
    std::vector<FaceRecord> faces;
    std::optional<ToolRefusal> refusal;
};

// The average face tools measure from: sample 2, the bank's middle face.
inline constexpr int kAverageSample = 1;

}  // namespace mirel
