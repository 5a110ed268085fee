#include "document/SessionFile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <new>
#include <optional>

#include "document/SessionBreeding.h"
#include "document/SessionBytes.h"
#include "document/SessionCompression.h"
#include "document/SessionGenerations.h"
#include "document/SessionLocks.h"
#include "document/SessionTools.h"
#include "document/SideBySide.h"
#include "face/LoadChecks.h"
#include "render/DrawFace.h"

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
    std::optional<std::string_view> head, generations, compactGenerations, marks, history, detail,
        path, locks;
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
                                                : tag == kCompactGenerationsTag
                                                    ? &out.compactGenerations
                                                : tag == kMarksTag    ? &out.marks
                                                : tag == kHistoryTag  ? &out.history
                                                : tag == kDetailTag   ? &out.detail
                                                : tag == kPathTag     ? &out.path
                                                : tag == kLocksTag    ? &out.locks
                                                : tag == kChosenTag   ? &out.chosen
                                                : tag == kViewTag     ? &out.view
                                                : tag == kToolsTag    ? &out.tools
                                                : tag == kBreedingTag ? &out.breeding
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
    for (const auto* required : {&out.head, &out.marks, &out.history, &out.detail}) {
        if (!required->has_value()) return damaged("a required section is missing");
    }
    // The generations, whole or compact, exactly once.
    if (out.generations.has_value() == out.compactGenerations.has_value()) {
        return damaged("GENS or GENC");
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

std::optional<SessionFailure> decodeGenerations(const Sections& sections, Session& s) {
    const std::size_t count = std::size_t(s.generationCount + 1) * kPopulationSize;
    if (sections.compactGenerations) {
        if (auto failure =
                decodeCompactGenerations(*sections.compactGenerations, count, s.records)) {
            return damaged(*failure);
        }
        return std::nullopt;
    }
    const std::string_view bytes = *sections.generations;
    if (bytes.size() != count * kRecordBytes) return damaged("GENS length");
    reserveRecords(s.records, count);
    Reader r(bytes);
    for (std::size_t k = 0; k < count; ++k) r.record(s.records.emplace_back());
    if (!r.ok()) return damaged("a face holds a value that is not a finite number");
    return std::nullopt;
}

// A face from a session is held to the rules of a face from data files, so
// that drawing and saving it cannot go wrong. `which` names it in the refusal.
template <typename Which>
std::optional<SessionFailure> checkFace(const FaceRecord& record, Which which) {
    FaceRecord drawn = record;
    PrepareFace(drawn);
    const auto problem = findFaceProblem(record, drawn);
    if (!problem) return std::nullopt;
    constexpr const char* kGroupNames[] = {"face", "hairline", "hair element"};
    std::string text = which() + ": " + kGroupNames[static_cast<int>(problem->group)] + " ";
    if (problem->value) {
        char number[32];
        std::snprintf(number, sizeof number, "%g", *problem->value);
        text += std::string("holds the value ") + number + ", which ";
    }
    return damaged(text + problem->problem);
}

// The faces of records [begin, end), the first refused in order.
std::optional<SessionFailure> checkRecords(const Session& s, std::size_t begin, std::size_t end) {
    for (std::size_t k = begin; k < end; ++k) {
        const auto which = [k] {
            return "generation " + std::to_string(k / kPopulationSize) + ", face " +
                   std::to_string(k % kPopulationSize + 1);
        };
        if (auto failure = checkFace(s.records[k], which)) return failure;
    }
    return std::nullopt;
}

// Drawing every face is most of the checks' time: the later generations are
// checked on a second thread. The refusal is still the first face's in order.
std::optional<SessionFailure> checkFaces(const Session& s) {
    const std::size_t half = s.records.size() / kPopulationSize / 2 * kPopulationSize;
    std::optional<SessionFailure> failure;
    std::optional<SessionFailure> later;
    if (half > 0) {
        runSideBySide([&] { failure = checkRecords(s, 0, half); },
                      [&] { later = checkRecords(s, half, s.records.size()); });
    } else {
        failure = checkRecords(s, 0, s.records.size());
    }
    if (!failure) failure = std::move(later);
    if (failure) return failure;
    return checkFace(s.detailFace, [] { return std::string("window 2's face"); });
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
    // The history log turns the seconds into hours, minutes and seconds as ints.
    for (const double seconds : s.history.generationSeconds) {
        if (!(seconds >= 0.0 && seconds <= kMaxGenerationSeconds)) {
            char number[32];
            std::snprintf(number, sizeof number, "%g", seconds);
            return damaged(std::string("HIST holds a time of ") + number + " seconds");
        }
    }
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
    if (!failure && sections.tools)
        failure = readTools(*sections.tools, s.generationCount, s.tools);
    if (!failure && sections.breeding)
        failure = readBreedingSettings(*sections.breeding, s.breeding);
    if (failure) return damaged(*failure);
    return std::nullopt;
}

}  // namespace

namespace {

// The sections, after a header of kHeaderBytes left for the caller: the
// generations whole (version 1) or compact (version 2).
std::string encodePayload(const SessionSource& source, bool compact) {
    const std::size_t recordCount = source.generations.size();
    std::optional<CompactGenerations> compactGenerations;
    if (compact) compactGenerations.emplace(source.generations, source.marks);
    const std::size_t generationBytes =
        compact ? compactGenerations->size() : recordCount * kRecordBytes;
    const std::size_t payloadBytes =
        5 * kSectionHeaderBytes + kHeadBytes + generationBytes + kMarksBytes + kHistoryBytes +
        kRecordBytes +
        (source.documentPath.empty() ? 0 : kSectionHeaderBytes + source.documentPath.size()) +
        (lockSectionBytes(source.locks) == 0
             ? 0
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

    if (compact) {
        w.section(kCompactGenerationsTag, generationBytes);
        compactGenerations->writeTo(w.skip(generationBytes));
    } else {
        w.section(kGenerationsTag, generationBytes);
        for (const FaceRecord& record : source.generations) w.record(record);
    }

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
    return out;
}

// Fills in the header of `file`, whose payload follows it.
void writeHeader(std::string& file, std::uint32_t version) {
    const std::string_view payload = std::string_view(file).substr(kHeaderBytes);
    Writer header(file.data());
    header.text(kSessionMagic);
    header.u32(version);
    header.u64(payload.size());
    header.u32(sessionChecksum(payload));
}

std::variant<Session, SessionFailure> decodePayload(std::string_view payload) {
    Sections sections;
    if (auto failure = splitSections(payload, sections)) return *failure;
    Session session;
    if (auto failure = decodeHead(*sections.head, session)) return *failure;
    if (auto failure = decodeGenerations(sections, session)) return *failure;
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
    if (auto failure = checkFaces(session)) return *failure;
    return session;
}

struct Header {
    std::uint32_t version = 0;
    std::uint64_t payloadBytes = 0;
    std::uint32_t checksum = 0;
};

// The header of a file that begins with the magic line and is at least
// kHeaderBytes long; a failure when no reader of this version can go on.
std::variant<Header, SessionFailure> readHeader(std::string_view bytes) {
    Reader reader(bytes.substr(kSessionMagic.size()));
    Header header;
    header.version = reader.u32();
    header.payloadBytes = reader.u64();
    header.checksum = reader.u32();
    if (!reader.ok()) return SessionFailure{SessionError::kTruncated, {}};
    if (header.version > kSessionFormatVersion) {
        return SessionFailure{SessionError::kNewerVersion, std::to_string(header.version)};
    }
    if (header.version == 0) return damaged("version 0");
    if (header.payloadBytes > kSessionMaxPayloadBytes) {
        return SessionFailure{SessionError::kTooLarge, std::to_string(header.payloadBytes)};
    }
    return header;
}

SessionFailure outOfMemory() {
    return {SessionError::kUnreadable, std::strerror(ENOMEM)};
}

}  // namespace

std::string encodeSession(const SessionSource& source) {
    const std::string raw = encodePayload(source, true);
    std::string file = compressPayload(std::string_view(raw).substr(kHeaderBytes), kHeaderBytes);
    writeHeader(file, kSessionFormatVersion);
    return file;
}

std::string encodeSessionVersion1(const SessionSource& source) {
    std::string file = encodePayload(source, false);
    writeHeader(file, 1);
    return file;
}

std::variant<Session, SessionFailure> decodeSession(std::string_view bytes) {
    if (!bytes.starts_with(kSessionMagic)) {
        // A cut session still begins with a piece of the magic line.
        const bool cutMagic = !bytes.empty() && kSessionMagic.starts_with(bytes);
        return SessionFailure{cutMagic ? SessionError::kTruncated : SessionError::kNotASession, {}};
    }
    const auto read = readHeader(bytes);
    if (const auto* failure = std::get_if<SessionFailure>(&read)) return *failure;
    const Header& header = std::get<Header>(read);
    const std::size_t stored = bytes.size() - std::min(bytes.size(), kHeaderBytes);
    if (bytes.size() < kHeaderBytes || header.payloadBytes > stored) {
        return SessionFailure{SessionError::kTruncated, {}};
    }
    if (header.payloadBytes < stored) return damaged("data after the end");
    const std::string_view payload = bytes.substr(kHeaderBytes);
    if (sessionChecksum(payload) != header.checksum) {
        return SessionFailure{SessionError::kChecksum, {}};
    }
    try {
        if (header.version == 1) return decodePayload(payload);
        std::string raw;
        if (auto failure = decompressPayload(payload, kSessionMaxPayloadBytes, raw)) {
            return damaged(*failure);
        }
        return decodePayload(raw);
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
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
    // The header first: any other file, however large, is not read on, nor
    // a session whose length is not the file's or beyond any session's.
    std::string bytes(std::min<std::size_t>(static_cast<std::size_t>(size), kHeaderBytes), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return SessionFailure{SessionError::kUnreadable, std::strerror(EIO)};
    if (bytes.size() < kHeaderBytes || !bytes.starts_with(kSessionMagic)) {
        return decodeSession(bytes);
    }
    const auto header = readHeader(bytes);
    if (const auto* failure = std::get_if<SessionFailure>(&header)) return *failure;
    const std::uint64_t payloadBytes = std::get<Header>(header).payloadBytes;
    if (size - kHeaderBytes > kSessionMaxPayloadBytes) {
        return SessionFailure{SessionError::kTooLarge, std::to_string(size)};
    }
    if (payloadBytes > size - kHeaderBytes) return SessionFailure{SessionError::kTruncated, {}};
    if (payloadBytes < size - kHeaderBytes) return damaged("data after the end");
    try {
        bytes.resize(kHeaderBytes + static_cast<std::size_t>(payloadBytes));
    } catch (const std::bad_alloc&) {
        return outOfMemory();
    }
    in.read(bytes.data() + kHeaderBytes, static_cast<std::streamsize>(payloadBytes));
    // A file that shrank while being read decodes as cut short.
    bytes.resize(kHeaderBytes + static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return SessionFailure{SessionError::kUnreadable, std::strerror(EIO)};
    return decodeSession(bytes);
}

FileWriteResult writeSessionFile(const std::filesystem::path& path, const SessionSource& source,
                                 FileAccess access) {
    try {
        return replaceFile(path, encodeSession(source), access);
    } catch (const std::bad_alloc&) {
        // Nothing was written: the file there stays as it was.
        return {FileWriteStatus::kWriteFailed, ENOMEM};
    }
}

}  // namespace mirel
