#pragma once
// What undoing a step of the user's gives back: everything a document holds
// apart from its stored face records, which a breeding step only adds whole
// generations to. A plain value, compared and copied whole.

#include <array>
#include <cstdint>
#include <optional>

#include "document/SessionFile.h"
#include "face/FaceRecord.h"
#include "ga/BreedingSettings.h"
#include "ga/PartLocks.h"
#include "ga/Selection.h"
#include "ga/ToolGeneration.h"
#include "output/HistoryRecord.h"
#include "render/SelectionMarks.h"

namespace mirel {

struct DocumentState {
    // The newest generation; those above it are not part of the document.
    std::int32_t generationCount = 0;
    SelectionMarkTable marks;
    HistoryRecord history;
    // The locks in force, and those each earlier generation was bred with.
    PartLocks locks;
    std::array<PartLocks, kGenerationCount> bredLocks{};
    FaceRecord detailFace;
    // Where window 1 stood, so that undoing shows the user what came back.
    SessionPosition position;
    // The chosen face, the tool each generation was made with and the view option.
    std::optional<GeneRef> chosenFace;
    ToolsPerGeneration toolsUsed{};
    bool innerFaceFirst = false;
    // The breeding settings in force, and those each earlier generation was bred with.
    BreedingSettings breeding;
    std::array<BreedingSettings, kGenerationCount> bredSettings{};

    friend bool operator==(const DocumentState&, const DocumentState&) = default;
};

}  // namespace mirel
