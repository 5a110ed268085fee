#include "ga/BreedingSettings.h"

namespace mirel {

std::optional<StepSize> stepSizeOf(std::int32_t scale) {
    for (const StepSize s : kStepSizes) {
        if (static_cast<std::int32_t>(s) == scale) return s;
    }
    return std::nullopt;
}

std::optional<NewBlood> newBloodOf(std::int32_t people) {
    for (const NewBlood n : kNewBloodLevels) {
        if (static_cast<std::int32_t>(n) == people) return n;
    }
    return std::nullopt;
}

}  // namespace mirel
