#include "document/SessionFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

#include "document/SessionBytes.h"
#include "document/SessionBreeding.h"
#include "document/SessionLocks.h"
#include "document/SessionTools.h"

namespace mirel {
namespace {

using session_bytes::Reader;
using session_bytes::Writer;

// ---- The fixed layout: magic line, then version, payload length, checksum.

constexpr std::size_t kHeaderBytes = kSessionHeaderBytes;
constexpr std::size_t kSectionHeaderBytes = 4 + 8;

constexpr std::string_view kHeadTag = "HEAD";
constexpr std::string_view kGenerationsTag = "GENS";
constexpr std::string_view kMarksTag = "MARK";
constexpr std::string_view kHistoryTag = "HIST";
constexpr std::string_view kDetailTag = "DETL";
constexpr std::string_view kPathTag = "path";  // ancillary: lower-case first letter

constexpr int kPages = kPopulationSize / kCellsPerPage;

// A record: each point group's relative and absolute points (x then y), then
// its flags, group by group: face, hairline, hair elements.
constexpr std::size_t kPointValues =
    2 * 2 * (kFacePointCount + kHaegiwaPointCount + kKamiyousoPointCount);
constexpr std::size_t kFlagValues = kFaceFlagCount + kHaegiwaFlagCount + kKamiyousoFlagCount;
constexpr std::size_t kRecordBytes = 8 * kPointValues + 4 * kFlagValues;
constexpr std::size_t kHeadBytes = 7 * 4;
constexpr std::size_t kSelectionBytes = 4 * (1 + 2 * kMaxMarks);
constexpr std::size_t kMarksBytes = kGenerationCount * kSelectionBytes;
constexpr std::size_t kHistoryBytes = 4 + 8 * kGenerationCount + 4 + 4;

SessionFailure damaged(std::string detail) {
    return {SessionError::kDamaged, std::move(detail)};
}

bool inRange(std::int32_t v, int low, int high) {
    return v >= low && v <= high;
}

// The sections of a payload by tag; each known one at most once.
struct Sections {
    std::optional<std::string_view> head, generations, marks, history, detail, path, locks;
    std::optional<std::string_view> chosen, view, tools, breeding;
};

std::optional<SessionFailure> splitSections(std::string_view payload, Sections& out) {
    Reader reader(payload);
    while (!reader.atEnd()) {
        const std::string_view tag = reader.take(4);
        const std::uint64_t length = reader.u64();
        if (!reader.ok() || length > reader.left()) return damaged("section header");
        const std::string_view body = reader.take(static_cast<std::size_t>(length));
        std::optional<std::string_view>* slot = tag == kHeadTag          ? &out.head
                                                : tag == kGenerationsTag ? &out.generations
                                                : tag == kMarksTag       ? &out.marks
                                                : tag == kHistoryTag     ? &out.history
                                                : tag == kDetailTag      ? &out.detail
                                                : tag == kPathTag        ? &out.path
                                                : tag == kLocksTag       ? &out.locks
                                                : tag == kChosenTag      ? &out.chosen
                                                : tag == kViewTag        ? &out.view
                                                : tag == kToolsTag       ? &out.tools
                                                : tag == kBreedingTag    ? &out.breeding
                                                                         : nullptr;
        if (slot == nullptr) {
            // A section this reader does not know: one whose tag starts with
            // a capital letter carries what the document needs, any other
            // only adds to it and may be passed over.
            if (tag[0] >= 'A' && tag[0] <= 'Z') {
                return SessionFailure{SessionError::kUnknownSection, std::string(tag)};
            }
            continue;
        }
        if (slot->has_value()) return damaged("section " + std::string(tag) + " twice");
        *slot = body;
    }
    for (const auto* required :
         {&out.head, &out.generations, &out.marks, &out.history, &out.detail}) {
        if (!required->has_value()) return damaged("a required section is missing");
    }
    return std::nullopt;
}

std::optional<SessionFailure> decodeHead(std::string_view bytes, Session& s) {
    if (bytes.size() != kHeadBytes) return damaged("HEAD length");
    Reader r(bytes);
    s.generationCount = r.i32();
    s.position.viewedGeneration = r.i32();
    s.position.page = r.i32();
    s.position.hoverCell = r.i32();
    s.marks.resetPending = r.i32();
    s.marks.hoverGeneration = r.i32();
    s.marks.hoverIndex = r.i32();
    const int last = s.generationCount;
    if (!inRange(last, 0, kGenerationCount - 1) || !inRange(s.position.viewedGeneration, 0, last) ||
        !inRange(s.position.page, 0, kPages - 1) ||
        !inRange(s.position.hoverCell, 0, kCellsPerPage - 1) ||
        !inRange(s.marks.resetPending, 0, 1) || !inRange(s.marks.hoverGeneration, 0, last) ||
        !inRange(s.marks.hoverIndex, 0, kPopulationSize - 1)) {
        return damaged("HEAD values out of range");
    }
    return std::nullopt;
}

std::optional<SessionFailure> decodeGenerations(std::string_view bytes, Session& s) {
    const std::size_t count = std::size_t(s.generationCount + 1) * kPopulationSize;
    if (bytes.size() != count * kRecordBytes) return damaged("GENS length");
    s.records.assign(std::size_t(kGenerationCount) * kPopulationSize, FaceRecord{});
    Reader r(bytes);
    for (std::size_t k = 0; k < count; ++k) r.record(s.records[k]);
    if (!r.ok()) return damaged("a face holds a value that is not a finite number");
    return std::nullopt;
}

std::optional<SessionFailure> decodeMarks(std::string_view bytes, Session& s) {
    if (bytes.size() != kMarksBytes) return damaged("MARK length");
    Reader r(bytes);
    for (Selection& selection : s.marks.selections) {
        selection.count = r.i32();
        for (auto& g : selection.generation) g = r.i32();
        for (auto& i : selection.index) i = r.i32();
        if (!inRange(selection.count, 0, kMaxMarks)) return damaged("MARK count");
        for (int k = 0; k < selection.count; ++k) {
            if (!inRange(selection.generation[k], 0, s.generationCount) ||
                !inRange(selection.index[k], 0, kPopulationSize - 1)) {
                return damaged("MARK names a face that does not exist");
            }
        }
    }
    return std::nullopt;
}

std::optional<SessionFailure> decodeHistory(std::string_view bytes, Session& s) {
    if (bytes.size() != kHistoryBytes) return damaged("HIST length");
    Reader r(bytes);
    s.history.logGeneration = r.i32();
    for (double& seconds : s.history.generationSeconds) seconds = r.f64();
    s.history.clockStart = r.i32();
    s.history.clockNow = r.i32();
    if (!r.ok() || s.history.logGeneration != s.generationCount) return damaged("HIST values");
    return std::nullopt;
}

// The chosen face, the view options and the tools, with their section headers.
std::size_t optionalSectionsBytes(const SessionSource& source) {
    std::size_t bytes = 0;
    for (const std::size_t body :
         {chosenSectionBytes(source.chosenFace), viewSectionBytes(source.innerFaceFirst),
          toolSectionBytes(source.tools), breedingSectionBytes(source.breeding)}) {
        if (body != 0) bytes += kSectionHeaderBytes + body;
    }
    return bytes;
}

std::optional<SessionFailure> decodeOptionalSections(const Sections& sections, Session& s) {
    std::optional<std::string> failure;
    if (sections.chosen) failure = readChosen(*sections.chosen, s.generationCount, s.chosenFace);
    if (!failure && sections.view) failure = readView(*sections.view, s.innerFaceFirst);
    if (!failure && sections.tools) failure = readTools(*sections.tools, s.generationCount, s.tools);
    if (!failure && sections.breeding) failure = readBreedingSettings(*sections.breeding, s.breeding);
    if (failure) return damaged(*failure);
    return std::nullopt;
}

}  // namespace

std::string encodeSession(const SessionSource& source) {
    const std::size_t recordCount = source.generations.size();
    const std::size_t payloadBytes =
        5 * kSectionHeaderBytes + kHeadBytes + recordCount * kRecordBytes + kMarksBytes +
        kHistoryBytes + kRecordBytes +
        (source.documentPath.empty() ? 0 : kSectionHeaderBytes + source.documentPath.size()) +
        (lockSectionBytes(source.locks) == 0 ? 0
                                             : kSectionHeaderBytes + lockSectionBytes(source.locks)) +
        optionalSectionsBytes(source);
    std::string out(kHeaderBytes + payloadBytes, '\0');
    const std::int32_t generationCount =
        static_cast<std::int32_t>(recordCount / kPopulationSize) - 1;

    Writer w(out.data() + kHeaderBytes);
    w.section(kHeadTag, kHeadBytes);
    w.i32(generationCount);
    w.i32(source.position.viewedGeneration);
    w.i32(source.position.page);
    w.i32(source.position.hoverCell);
    w.i32(source.marks.resetPending);
    w.i32(source.marks.hoverGeneration);
    w.i32(source.marks.hoverIndex);

    w.section(kGenerationsTag, recordCount * kRecordBytes);
    for (const FaceRecord& record : source.generations) w.record(record);

    w.section(kMarksTag, kMarksBytes);
    for (const Selection& selection : source.marks.selections) {
        w.i32(selection.count);
        for (const auto g : selection.generation) w.i32(g);
        for (const auto i : selection.index) w.i32(i);
    }

    w.section(kHistoryTag, kHistoryBytes);
    w.i32(source.history.logGeneration);
    for (const double seconds : source.history.generationSeconds) w.f64(seconds);
    w.i32(source.history.clockStart);
    w.i32(source.history.clockNow);

    w.section(kDetailTag, kRecordBytes);
    w.record(source.detailFace);

    if (!source.documentPath.empty()) {
        w.section(kPathTag, source.documentPath.size());
        w.text(source.documentPath);
    }
    if (const std::size_t lockBytes = lockSectionBytes(source.locks); lockBytes != 0) {
        w.section(kLocksTag, lockBytes);
        writeLocks(w, source.locks);
    }
    if (source.chosenFace) {
        w.section(kChosenTag, chosenSectionBytes(source.chosenFace));
        writeChosen(w, *source.chosenFace);
    }
    if (source.innerFaceFirst) {
        w.section(kViewTag, viewSectionBytes(true));
        writeView(w, true);
    }
    if (const std::size_t toolBytes = toolSectionBytes(source.tools); toolBytes != 0) {
        w.section(kToolsTag, toolBytes);
        writeTools(w, source.tools);
    }
    if (const std::size_t breedingBytes = breedingSectionBytes(source.breeding);
        breedingBytes != 0) {
        w.section(kBreedingTag, breedingBytes);
        writeBreedingSettings(w, source.breeding);
    }

    const std::string_view payload(out.data() + kHeaderBytes, payloadBytes);
    Writer header(out.data());
    header.text(kSessionMagic);
    header.u32(kSessionFormatVersion);
    header.u64(payloadBytes);
    header.u32(sessionChecksum(payload));
    return out;
}

std::variant<Session, SessionFailure> decodeSession(std::string_view bytes) {
    if (!bytes.starts_with(kSessionMagic)) {
        // A cut session still begins with a piece of the magic line.
        const bool cutMagic = !bytes.empty() && kSessionMagic.starts_with(bytes);
        return SessionFailure{cutMagic ? SessionError::kTruncated : SessionError::kNotASession, {}};
    }
    Reader header(bytes.substr(kSessionMagic.size()));
    const std::uint32_t version = header.u32();
    const std::uint64_t payloadBytes = header.u64();
    const std::uint32_t checksum = header.u32();
    if (!header.ok()) return SessionFailure{SessionError::kTruncated, {}};
    if (version > kSessionFormatVersion) {
        return SessionFailure{SessionError::kNewerVersion, std::to_string(version)};
    }
    if (version == 0) return damaged("version 0");
    if (payloadBytes > header.left()) return SessionFailure{SessionError::kTruncated, {}};
    if (payloadBytes < header.left()) return damaged("data after the end");
    const std::string_view payload = bytes.substr(kHeaderBytes);
    if (sessionChecksum(payload) != checksum) return SessionFailure{SessionError::kChecksum, {}};

    Sections sections;
    if (auto failure = splitSections(payload, sections)) return *failure;
    Session session;
    if (auto failure = decodeHead(*sections.head, session)) return *failure;
    if (auto failure = decodeGenerations(*sections.generations, session)) return *failure;
    if (auto failure = decodeMarks(*sections.marks, session)) return *failure;
    if (auto failure = decodeHistory(*sections.history, session)) return *failure;
    if (sections.detail->size() != kRecordBytes) return damaged("DETL length");
    Reader detail(*sections.detail);
    detail.record(session.detailFace);
    if (!detail.ok()) return damaged("window 2's face holds a value that is not a finite number");
    session.documentPath = std::string(sections.path.value_or(std::string_view()));
    if (sections.locks) {
        if (auto failure = readLocks(*sections.locks, session.generationCount, session.locks)) {
            return damaged(*failure);
        }
    }
    if (auto failure = decodeOptionalSections(sections, session)) return *failure;
    return session;
}

std::variant<Session, SessionFailure> readSessionFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return SessionFailure{SessionError::kUnreadable, std::strerror(EISDIR)};
    }
    // A FIFO or a device would block or never end: only regular files are read.
    if (std::filesystem::exists(path, ec) && !std::filesystem::is_regular_file(path, ec)) {
        return SessionFailure{SessionError::kUnreadable, std::strerror(EINVAL)};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return SessionFailure{SessionError::kUnreadable, std::strerror(errno)};
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return SessionFailure{SessionError::kUnreadable, ec.message()};
    // The magic line first: any other file, however large, is not read on.
    std::string bytes(std::min<std::size_t>(static_cast<std::size_t>(size), kSessionMagic.size()),
                      '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (bytes == kSessionMagic) {
        bytes.resize(static_cast<std::size_t>(size));
        in.read(bytes.data() + kSessionMagic.size(),
                static_cast<std::streamsize>(bytes.size() - kSessionMagic.size()));
        // A file that shrank while being read decodes as cut short.
        bytes.resize(kSessionMagic.size() + static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return SessionFailure{SessionError::kUnreadable, std::strerror(EIO)};
    return decodeSession(bytes);
}

FileWriteResult writeSessionFile(const std::filesystem::path& path, const SessionSource& source) {
    return replaceFile(path, encodeSession(source));
}

}  // namespace mirel
