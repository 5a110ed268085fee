#pragma once
// The history of a run ("Output/Rireki.txt"): generations taken, time spent in
// total and per generation, and the faces marked in each generation. Written
// in Shift_JIS with CR LF line ends; nothing reads it back.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "ga/BreedingSettings.h"
#include "ga/PartLocks.h"
#include "ga/Selection.h"
#include "ga/ToolGeneration.h"
#include "output/HistoryRecord.h"

namespace mirel {

inline constexpr const char* kHistoryLogPath = "Output/Rireki.txt";

// The log's text in UTF-8 with "\n" line ends, for generations
// 0..logGeneration. `selections` holds Selection g at index g; generations
// without an entry, and counts outside 0..60, are read as no marks. `locks`
// holds the part locks bred with from generation g at index g; a generation
// with a lock gets one more line after its marks, one without none. `tools`
// holds the tool that made generation g + 1 at index g; a generation a tool
// worked on gets one more line naming it. `breeding` holds the breeding settings
// bred with from generation g at index g; a generation bred with other than the
// default settings gets one line more.
std::string formatHistoryLog(const HistoryRecord& history, std::span<const Selection> selections,
                             std::span<const PartLocks> locks = {},
                             std::span<const ToolUse> tools = {},
                             std::span<const BreedingSettings> breeding = {});

// `text` with every "\n" turned into CR LF and encoded in Shift_JIS.
std::string encodeHistoryLog(const std::string& text);

// Steps the generation clock to `now` (whole seconds; this happens even when
// the file cannot be written), then replaces the file at `path`. Returns the
// failure text to show, or nothing when the log was written.
[[nodiscard]] std::optional<std::string> WriteHistoryLog(
    HistoryRecord& history, std::span<const Selection> selections, std::int32_t now,
    const std::filesystem::path& path = kHistoryLogPath, std::span<const PartLocks> locks = {},
    std::span<const ToolUse> tools = {},
    std::span<const BreedingSettings> breeding = {});

}  // namespace mirel
