#pragma once
// The chosen face, the screen's view options and the tools that made
// generations, in a session: sections `chos`, `view` and TOOL, each written
// only when it differs from the default, so a session that used none of them
// is byte for byte what it was before they existed.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "document/SessionBytes.h"
#include "ga/ToolGeneration.h"

namespace mirel {

inline constexpr std::string_view kChosenTag = "chos";
inline constexpr std::string_view kViewTag = "view";
inline constexpr std::string_view kToolsTag = "TOOL";

// Bits of the `view` section.
inline constexpr std::uint32_t kViewInnerFaceFirst = 1;

// Each section's length, or 0 when it is left out.
std::size_t chosenSectionBytes(const std::optional<GeneRef>& chosen);
std::size_t viewSectionBytes(bool innerFaceFirst);
std::size_t toolSectionBytes(const ToolsPerGeneration& tools);

void writeChosen(session_bytes::Writer& w, const GeneRef& chosen);
void writeView(session_bytes::Writer& w, bool innerFaceFirst);
void writeTools(session_bytes::Writer& w, const ToolsPerGeneration& tools);

// Each reads its section of a session whose newest generation is `newest`;
// the failure text, or nothing when every value is in range.
std::optional<std::string> readChosen(std::string_view bytes, int newest,
                                      std::optional<GeneRef>& chosen);
std::optional<std::string> readView(std::string_view bytes, bool& innerFaceFirst);
std::optional<std::string> readTools(std::string_view bytes, int newest, ToolsPerGeneration& tools);

}  // namespace mirel
