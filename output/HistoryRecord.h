#pragma once
// Time spent on each generation and the clock of the generation in progress;
// a plain value owned by the document and read by the history log.

#include <array>
#include <cstdint>

#include "ga/Selection.h"

namespace mirel {

struct HistoryRecord {
    // The generation whose time is being counted (equals the newest generation).
    std::int32_t logGeneration = 0;
    // Seconds spent on each generation.
    std::array<double, kGenerationCount> generationSeconds{};
    // Wall-clock seconds when the current generation's clock was started, and
    // the last reading.
    std::int32_t clockStart = 0;
    std::int32_t clockNow = 0;

    friend bool operator==(const HistoryRecord&, const HistoryRecord&) = default;
};

// Reads the clock at `now` (whole seconds), books the time since clockStart
// to the current generation and restarts the clock. A logGeneration outside
// 0..49 books nothing, but the clock is still read and restarted.
void stepGenerationClock(HistoryRecord& history, std::int32_t now);

}  // namespace mirel
