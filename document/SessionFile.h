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
// 1: the payload as it is; 2: compressed, the generations in compact form.
inline constexpr std::uint32_t kSessionFormatVersion = 2;
inline constexpr const char* kSessionExtension = ".mirel";
// The magic line, the version (u32), the payload's length (u64) and its checksum (u32).
inline constexpr std::size_t kSessionHeaderBytes = kSessionMagic.size() + 4 + 8 + 4;
// No session comes near this (a version-1 file of 50 generations has 34 MB):
// a length beyond it is refused before anything is allocated for it.
inline constexpr std::size_t kSessionMaxPayloadBytes = std::size_t(64) << 20;
// The time a generation can have taken: ten years, far inside an int's seconds.
inline constexpr double kMaxGenerationSeconds = 10 * 365.25 * 24 * 3600;

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

// A session read back. `records` holds generations 0..generationCount, 60
// records each.
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
    kTooLarge,        // longer than any session can be (detail: its length)
};

struct SessionFailure {
    SessionError error = SessionError::kDamaged;
    std::string detail;
};

// The file in the current version.
std::string encodeSession(const SessionSource& source);
// The file as the first version wrote it, uncompressed; every version reads it.
std::string encodeSessionVersion1(const SessionSource& source);
// The checksum of a payload: CRC-32 as zip and PNG compute it.
std::uint32_t sessionChecksum(std::string_view payload);
// A file of any version up to the current one. Every face must pass the
// checks of a face loaded from data files; lack of memory is a failure
// (kUnreadable), never an exception.
std::variant<Session, SessionFailure> decodeSession(std::string_view bytes);

// The whole file, decoded; a folder or a file that cannot be read is
// kUnreadable. The header is read first: a length beyond the file or beyond
// any session is refused before the rest is read.
std::variant<Session, SessionFailure> readSessionFile(const std::filesystem::path& path);
// Replaces `path` as a whole or not at all, in the current version.
[[nodiscard]] FileWriteResult writeSessionFile(const std::filesystem::path& path,
                                               const SessionSource& source,
                                               FileAccess access = FileAccess::kAsBefore);

}  // namespace mirel
