#pragma once
// The session file: everything needed to restore a document exactly (every
// generation's records bit for bit, every Selection, the history, window 2's
// face and where window 1 stands), versioned and checksummed. The format is
// described in docs/session-format.md. Standard library only.

#include <cstdint>
#include <optional>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "face/FaceRecord.h"
#include "ga/BreedingSettings.h"
#include "ga/PartLocks.h"
#include "ga/ToolGeneration.h"
#include "output/AtomicFile.h"
#include "output/HistoryRecord.h"
#include "render/SelectionMarks.h"

namespace mirel {

inline constexpr std::string_view kSessionMagic = "MIREL SESSION\n";
inline constexpr std::uint32_t kSessionFormatVersion = 1;
inline constexpr const char* kSessionExtension = ".mirel";
// The magic line, the version (u32), the payload's length (u64) and its checksum (u32).
inline constexpr std::size_t kSessionHeaderBytes = kSessionMagic.size() + 4 + 8 + 4;

// Where window 1 stands and what window 2 shows, beside the population.
struct SessionPosition {
    std::int32_t viewedGeneration = 0;
    std::int32_t page = 0;
    std::int32_t hoverCell = 0;

    friend bool operator==(const SessionPosition&, const SessionPosition&) = default;
};

// What a session is written from, borrowed from the document for the call.
struct SessionSource {
    // Generations 0..generationCount, 60 records each, in order.
    std::span<const FaceRecord> generations;
    const SelectionMarkTable& marks;
    const HistoryRecord& history;
    const FaceRecord& detailFace;
    SessionPosition position;
    // The document file the session belongs to (recovery files only); may be empty.
    std::string documentPath;
    // Entry g: the part locks generation g was bred with; the newest's, those in force.
    std::array<PartLocks, kGenerationCount> locks{};
    std::optional<GeneRef> chosenFace{};
    bool innerFaceFirst = false;
    // Entry g: the tool that made generation g + 1, if one did.
    ToolsPerGeneration tools{};
    // Entry g: the breeding settings generation g was bred with; the newest's, those in force.
    std::array<BreedingSettings, kGenerationCount> breeding{};
};

// A session read back. `records` holds all 50 generations' slots; generations
// 0..generationCount are the stored ones, the rest are zero.
struct Session {
    std::vector<FaceRecord> records;
    std::int32_t generationCount = 0;
    SelectionMarkTable marks;
    HistoryRecord history;
    FaceRecord detailFace;
    SessionPosition position;
    std::string documentPath;
    std::array<PartLocks, kGenerationCount> locks{};
    std::optional<GeneRef> chosenFace{};
    bool innerFaceFirst = false;
    ToolsPerGeneration tools{};
    std::array<BreedingSettings, kGenerationCount> breeding{};
};

enum class SessionError {
    kNotASession,     // does not begin with the magic line: some other file
    kUnreadable,      // the file could not be read (detail: the system's reason)
    kTruncated,       // shorter than its header says
    kChecksum,        // the content does not match its checksum
    kNewerVersion,    // written by a newer Mirel (detail: the version number)
    kUnknownSection,  // a section this Mirel must understand but does not (detail: its tag)
    kDamaged,         // checksum right but the content breaks the format (detail: what)
};

struct SessionFailure {
    SessionError error = SessionError::kDamaged;
    std::string detail;
};

std::string encodeSession(const SessionSource& source);
// The checksum of a payload: CRC-32 as zip and PNG compute it.
std::uint32_t sessionChecksum(std::string_view payload);
std::variant<Session, SessionFailure> decodeSession(std::string_view bytes);

// The whole file, decoded; a folder or a file that cannot be read is kUnreadable.
std::variant<Session, SessionFailure> readSessionFile(const std::filesystem::path& path);
// Replaces `path` as a whole or not at all.
[[nodiscard]] FileWriteResult writeSessionFile(const std::filesystem::path& path,
                                               const SessionSource& source);

}  // namespace mirel
