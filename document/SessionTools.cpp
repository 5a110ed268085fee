#include "document/SessionTools.h"

#include <algorithm>

namespace mirel {
namespace {

constexpr std::size_t kChosenBytes = 2 * 4;
constexpr std::size_t kViewBytes = 4;
// Per generation: the tool, the gallery's part, the chosen face's generation and index.
constexpr std::size_t kToolBytes = std::size_t(kGenerationCount) * 4 * 4;

bool names(GeneRef face, int newest) {
    return face.generation >= 0 && face.generation <= newest && face.index >= 0 &&
           face.index < kPopulationSize;
}

}  // namespace

std::size_t chosenSectionBytes(const std::optional<GeneRef>& chosen) {
    return chosen ? kChosenBytes : 0;
}

std::size_t viewSectionBytes(bool innerFaceFirst) {
    return innerFaceFirst ? kViewBytes : 0;
}

std::size_t toolSectionBytes(const ToolsPerGeneration& tools) {
    const bool anyTool = std::any_of(tools.begin(), tools.end(),
                                     [](const ToolUse& use) { return use.kind != ToolKind::None; });
    return anyTool ? kToolBytes : 0;
}

void writeChosen(session_bytes::Writer& w, const GeneRef& chosen) {
    w.i32(chosen.generation);
    w.i32(chosen.index);
}

void writeView(session_bytes::Writer& w, bool innerFaceFirst) {
    w.u32(innerFaceFirst ? kViewInnerFaceFirst : 0);
}

void writeTools(session_bytes::Writer& w, const ToolsPerGeneration& tools) {
    for (const ToolUse& use : tools) {
        w.i32(static_cast<std::int32_t>(use.kind));
        w.i32(static_cast<std::int32_t>(use.part));
        w.i32(use.source.generation);
        w.i32(use.source.index);
    }
}

std::optional<std::string> readChosen(std::string_view bytes, int newest,
                                      std::optional<GeneRef>& chosen) {
    if (bytes.size() != kChosenBytes) return "chos length";
    session_bytes::Reader r(bytes);
    const GeneRef face{r.i32(), r.i32()};
    if (!names(face, newest)) return "the chosen face does not exist";
    chosen = face;
    return std::nullopt;
}

std::optional<std::string> readView(std::string_view bytes, bool& innerFaceFirst) {
    if (bytes.size() != kViewBytes) return "view length";
    session_bytes::Reader r(bytes);
    const std::uint32_t options = r.u32();
    if ((options & ~kViewInnerFaceFirst) != 0) return "view options unknown";
    innerFaceFirst = (options & kViewInnerFaceFirst) != 0;
    return std::nullopt;
}

std::optional<std::string> readTools(std::string_view bytes, int newest,
                                     ToolsPerGeneration& tools) {
    if (bytes.size() != kToolBytes) return "TOOL length";
    session_bytes::Reader r(bytes);
    for (int g = 0; g < kGenerationCount; ++g) {
        const std::int32_t kind = r.i32();
        const std::int32_t part = r.i32();
        const GeneRef source{r.i32(), r.i32()};
        ToolUse& use = tools[static_cast<std::size_t>(g)];
        if (kind == static_cast<std::int32_t>(ToolKind::None) && part == 0 && source == GeneRef{}) {
            use = ToolUse{};
            continue;
        }
        // A tool made generation g + 1 from a face bred by generation g.
        const bool known = kind == static_cast<std::int32_t>(ToolKind::PartGallery) ||
                           kind == static_cast<std::int32_t>(ToolKind::Exaggeration);
        if (!known || part < 0 || part >= kFacePartCount || g >= newest || !names(source, g)) {
            return "TOOL names a tool or face that does not exist";
        }
        use = ToolUse{static_cast<ToolKind>(kind), static_cast<FacePart>(part), source};
    }
    return std::nullopt;
}

}  // namespace mirel
