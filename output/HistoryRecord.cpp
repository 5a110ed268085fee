#include "output/HistoryRecord.h"

namespace mirel {

void stepGenerationClock(HistoryRecord& history, std::int32_t now) {
    history.clockNow = now;
    if (history.logGeneration >= 0 && history.logGeneration < kGenerationCount) {
        history.generationSeconds[history.logGeneration] +=
            static_cast<double>(history.clockNow - history.clockStart);
    }
    history.clockStart = history.clockNow;
}

}  // namespace mirel
