#include "document/SessionBreeding.h"

#include <algorithm>

namespace mirel {
namespace {

// Per generation: the step scale (1, 2 or 4) and the number of new people (0, 6 or 15).
constexpr std::size_t kBreedingBytes = std::size_t(kGenerationCount) * 2 * 4;

}  // namespace

std::size_t breedingSectionBytes(const SettingsPerGeneration& settings) {
    const bool changed = std::any_of(settings.begin(), settings.end(),
                                     [](const BreedingSettings& s) { return !s.isDefault(); });
    return changed ? kBreedingBytes : 0;
}

void writeBreedingSettings(session_bytes::Writer& w, const SettingsPerGeneration& settings) {
    for (const BreedingSettings& s : settings) {
        w.i32(s.stepScale());
        w.i32(s.newPeople());
    }
}

std::optional<std::string> readBreedingSettings(std::string_view bytes,
                                                SettingsPerGeneration& settings) {
    if (bytes.size() != kBreedingBytes) return "BRED length";
    session_bytes::Reader r(bytes);
    for (int g = 0; g < kGenerationCount; ++g) {
        const std::int32_t scale = r.i32();
        const std::int32_t people = r.i32();
        const auto step = stepSizeOf(scale);
        if (!step) {
            return "generation " + std::to_string(g) + " has a step size of x" +
                   std::to_string(scale) + " (Mirel offers x1, x2 and x4)";
        }
        const auto blood = newBloodOf(people);
        if (!blood) {
            return "generation " + std::to_string(g) + " has " + std::to_string(people) +
                   " new faces (Mirel offers 0, 6 and 15)";
        }
        settings[static_cast<std::size_t>(g)] = BreedingSettings{*step, *blood};
    }
    return std::nullopt;
}

}  // namespace mirel
