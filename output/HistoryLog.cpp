#include "output/HistoryLog.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "output/ShiftJis.h"
#include "output/TextFile.h"

namespace mirel {
namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;

// printf-style append; every format here is a literal of this file.
[[gnu::format(printf, 2, 3)]] void appendf(std::string& out, const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length > 0) {
        const std::size_t start = out.size();
        out.resize(start + static_cast<std::size_t>(length) + 1);
        std::vsnprintf(out.data() + start, static_cast<std::size_t>(length) + 1, format, args);
        out.resize(start + static_cast<std::size_t>(length));
    }
    va_end(args);
}

// The last generation the log lists; -1 lists none.
int lastLoggedGeneration(const HistoryRecord& history) {
    return std::clamp(history.logGeneration, -1, kGenerationCount - 1);
}

void appendLocks(std::string& out, const PartLocks& locks) {
    if (!locks.any()) return;
    appendf(out, "\u3000\u3000固定した部品：");
    const char* separator = "";
    for (int part = 0; part < kFacePartCount; ++part) {
        const std::optional<GeneRef>& lock = locks.lockedTo[static_cast<std::size_t>(part)];
        if (!lock) continue;
        appendf(out, "%s%s No.%2d(gene %2d)", separator, kPartGenes[part].name, lock->index,
                lock->generation);
        separator = "，";
    }
    appendf(out, "\n");
}

void appendTool(std::string& out, const ToolUse& tool) {
    if (tool.kind == ToolKind::None) return;
    if (tool.kind == ToolKind::PartGallery) {
        appendf(out, "\u3000\u3000道具：部品ギャラリー（%s）", partGenes(tool.part).name);
    } else {
        appendf(out, "\u3000\u3000道具：誇張");
    }
    appendf(out, " No.%2d(gene %2d)から\n", tool.source.index, tool.source.generation);
}

const char* stepSizeName(StepSize step) {
    switch (step) {
        case StepSize::Standard: return "標準";
        case StepSize::Large: return "大";
        case StepSize::ExtraLarge: return "特大";
    }
    return "";
}

void appendBreedingSettings(std::string& out, const BreedingSettings& settings) {
    if (settings.isDefault()) return;
    appendf(out, "\u3000\u3000変化の大きさ：%s（×%d），新しい顔：%d個\n",
            stepSizeName(settings.stepSize), settings.stepScale(), settings.newPeople());
}

void appendGeneration(std::string& out, int g, int seconds, const Selection* selection,
                      const PartLocks* locks, const ToolUse* tool,
                      const BreedingSettings* breeding) {
    appendf(out, "----------------");
    appendf(out, "Generation %d---------------------------------\n\n\n", g);
    appendf(out, "・対話型GAによるモード\n");
    appendf(out, "\u3000（%d分%d秒）\n\n", seconds / kSecondsPerMinute,
            seconds % kSecondsPerMinute);
    const int count = selection == nullptr ? 0 : std::min<int>(selection->count, kMaxMarks);
    if (count <= 0) {
        appendf(out, "\u3000\u3000選択した個体なし\n");
    } else {
        appendf(out, "\u3000\u3000選択した個体(%d個)\n", count);
        for (int i = 0; i < count; ++i) {
            appendf(out, "\u3000\u3000\u3000No.%2d(gene %2d)\n", selection->index[i],
                    selection->generation[i]);
        }
    }
    if (locks != nullptr) appendLocks(out, *locks);
    if (breeding != nullptr) appendBreedingSettings(out, *breeding);
    if (tool != nullptr) appendTool(out, *tool);
    appendf(out, "\n\n");
}

}  // namespace

std::string formatHistoryLog(const HistoryRecord& history, std::span<const Selection> selections,
                             std::span<const PartLocks> locks, std::span<const ToolUse> tools,
                             std::span<const BreedingSettings> breeding) {
    const int last = lastLoggedGeneration(history);
    int total = 0;
    for (int g = 0; g <= last; ++g) total += static_cast<int>(history.generationSeconds[g]);

    std::string out;
    appendf(out, "完成までにかかった世代数 : %3d世代\n", history.logGeneration);
    appendf(out, "完成までにかかった時間 : %d時間%2d分%2d秒\n\n\n", total / kSecondsPerHour,
            (total % kSecondsPerHour) / kSecondsPerMinute, total % kSecondsPerMinute);
    for (int g = 0; g <= last; ++g) {
        const Selection* selection =
            static_cast<std::size_t>(g) < selections.size() ? &selections[g] : nullptr;
        const PartLocks* generationLocks =
            static_cast<std::size_t>(g) < locks.size() ? &locks[g] : nullptr;
        const ToolUse* tool = static_cast<std::size_t>(g) < tools.size() ? &tools[g] : nullptr;
        const BreedingSettings* generationSettings =
            static_cast<std::size_t>(g) < breeding.size() ? &breeding[g] : nullptr;
        appendGeneration(out, g, static_cast<int>(history.generationSeconds[g]), selection,
                         generationLocks, tool, generationSettings);
    }
    appendf(out, "最終的なモード：%sモード，", "対話型GAによる似顔絵進化");
    appendf(out, "%sの進化モード\n\n", "全体（顔と髪）");
    return out;
}

std::string encodeHistoryLog(const std::string& text) {
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return toShiftJis(crlf);
}

std::optional<std::string> WriteHistoryLog(HistoryRecord& history,
                                           std::span<const Selection> selections, std::int32_t now,
                                           const std::filesystem::path& path,
                                           std::span<const PartLocks> locks,
                                           std::span<const ToolUse> tools,
                                           std::span<const BreedingSettings> breeding) {
    stepGenerationClock(history, now);
    const std::string bytes =
        encodeHistoryLog(formatHistoryLog(history, selections, locks, tools, breeding));
    return writeTextFileReporting(path, bytes);
}

}  // namespace mirel
