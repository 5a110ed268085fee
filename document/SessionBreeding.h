#pragma once
// The breeding settings in a session: section BRED, written only when some
// generation was bred with other than the default settings or other settings
// are in force, so a session that never changed them is what it was before.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "document/SessionBytes.h"
#include "ga/BreedingSettings.h"
#include "ga/Selection.h"

namespace mirel {

inline constexpr std::string_view kBreedingTag = "BRED";

// Entry g: the settings generation g was bred with; the newest's, those in force.
using SettingsPerGeneration = std::array<BreedingSettings, kGenerationCount>;

// The section's length, or 0 when it is left out.
std::size_t breedingSectionBytes(const SettingsPerGeneration& settings);
void writeBreedingSettings(session_bytes::Writer& w, const SettingsPerGeneration& settings);
// The failure text, or nothing when every entry is a setting Mirel offers.
std::optional<std::string> readBreedingSettings(std::string_view bytes,
                                                SettingsPerGeneration& settings);

}  // namespace mirel
