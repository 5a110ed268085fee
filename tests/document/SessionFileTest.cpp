#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include "PlausibleFace.h"
#include "TempDir.h"
#include "document/SessionFile.h"

namespace mirel {
namespace {

// Two generations of distinct faces, marks on both, every field non-zero.
struct SmallSession {
    SmallSession() {
        records = test::plausibleGeneration();
        const auto second = test::plausibleGeneration();
        records.insert(records.end(), second.rbegin(), second.rend());
        marks.resetPending = 0;
        marks.hoverGeneration = 1;
        marks.hoverIndex = 47;
        marks.selections[0].count = 2;
        marks.selections[0].setMark(0, {0, 5});
        marks.selections[0].setMark(1, {0, 59});
        marks.selections[1].count = 1;
        marks.selections[1].setMark(0, {0, 3});  // a face of the older generation
        history.logGeneration = 1;
        history.generationSeconds[0] = 75.5;
        history.generationSeconds[1] = 3.0;
        history.clockStart = 1000;
        history.clockNow = 1003;
        detailFace = test::plausibleRecord(17);
    }

    SessionSource source(std::string documentPath = {}) const {
        return {records, marks, history, detailFace, {1, 2, 7}, std::move(documentPath)};
    }

    std::vector<FaceRecord> records;
    SelectionMarkTable marks;
    HistoryRecord history;
    FaceRecord detailFace;
};

// The same bytes with the checksum made right again, so the content is judged.
std::string resealed(std::string bytes) {
    const std::uint32_t crc = sessionChecksum(std::string_view(bytes).substr(kSessionHeaderBytes));
    for (int k = 0; k < 4; ++k)
        bytes[kSessionHeaderBytes - 4 + k] = static_cast<char>(crc >> (8 * k));
    return bytes;
}

std::string withSection(std::string bytes, std::string_view tag, std::string_view body) {
    std::string section(tag);
    for (int k = 0; k < 8; ++k) section += static_cast<char>(body.size() >> (8 * k));
    section += body;
    bytes += section;
    const std::uint64_t length = bytes.size() - kSessionHeaderBytes;
    for (int k = 0; k < 8; ++k)
        bytes[kSessionMagic.size() + 4 + k] = static_cast<char>(length >> (8 * k));
    return resealed(bytes);
}

SessionError errorOf(std::string_view bytes) {
    const auto decoded = decodeSession(bytes);
    return std::holds_alternative<SessionFailure>(decoded) ? std::get<SessionFailure>(decoded).error
                                                           : SessionError{-1};
}

TEST(SessionFileTest, EveryFieldComesBackBitForBit) {
    const SmallSession small;
    const std::string bytes = encodeSession(small.source("/home/u/portrait.mirel"));
    ASSERT_TRUE(bytes.starts_with(kSessionMagic));
    auto decoded = decodeSession(bytes);
    ASSERT_TRUE(std::holds_alternative<Session>(decoded))
        << static_cast<int>(std::get<SessionFailure>(decoded).error);
    const Session& s = std::get<Session>(decoded);
    EXPECT_EQ(s.generationCount, 1);
    ASSERT_EQ(s.records.size(), small.records.size());
    for (std::size_t k = 0; k < small.records.size(); ++k) {
        ASSERT_EQ(std::memcmp(&s.records[k], &small.records[k], sizeof(FaceRecord)), 0) << k;
    }
    EXPECT_EQ(s.marks, small.marks);
    EXPECT_EQ(s.history, small.history);
    EXPECT_EQ(s.detailFace, small.detailFace);
    EXPECT_EQ(s.position, (SessionPosition{1, 2, 7}));
    EXPECT_EQ(s.documentPath, "/home/u/portrait.mirel");
}

// Generation 0 of SmallSession, with its marks, history, window 2's face, a
// document path and a lock, as the first version wrote it.
SessionSource firstVersionSource(const SmallSession& small) {
    SessionSource source = small.source("/home/u/first.mirel");
    source.generations = std::span<const FaceRecord>(small.records).first(kPopulationSize);
    source.locks[0][FacePart::Nose] = GeneRef{0, 3};
    source.position = {0, 2, 7};
    return source;
}

TEST(SessionFileTest, AFileOfTheFirstVersionOpensAsItWasSaved) {
    SmallSession small;
    small.marks.hoverGeneration = 0;
    small.marks.selections[1].count = 0;
    small.history.logGeneration = 0;
    small.history.generationSeconds[1] = 0;
    const SessionSource source = firstVersionSource(small);
    const std::filesystem::path path = MIREL_SESSION_FIXTURES "/version1.mirel";
    const auto read = readSessionFile(path);
    ASSERT_TRUE(std::holds_alternative<Session>(read)) << std::get<SessionFailure>(read).detail;
    const Session& s = std::get<Session>(read);
    ASSERT_EQ(s.records.size(), std::size_t(kPopulationSize));
    for (std::size_t k = 0; k < s.records.size(); ++k) {
        ASSERT_EQ(s.records[k], source.generations[k]) << k;
    }
    EXPECT_EQ(s.generationCount, 0);
    EXPECT_EQ(s.marks, source.marks);
    EXPECT_EQ(s.history, source.history);
    EXPECT_EQ(s.detailFace, source.detailFace);
    EXPECT_EQ(s.documentPath, source.documentPath);
    EXPECT_EQ(s.locks, source.locks);
    // The first version's writer is still that version's, byte for byte.
    std::ifstream in(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    EXPECT_TRUE(encodeSessionVersion1(source) == bytes);
}

TEST(SessionFileTest, EveryCutAndFlippedByteIsRefusedAndAnEmptyFileIsNoSession) {
    const SmallSession small;
    const std::string bytes = encodeSession(small.source());
    EXPECT_EQ(errorOf(""), SessionError::kNotASession);
    EXPECT_EQ(errorOf("## feature points ##\n"), SessionError::kNotASession);
    for (std::size_t length = 1; length < bytes.size(); ++length) {
        ASSERT_EQ(errorOf(std::string_view(bytes).substr(0, length)), SessionError::kTruncated)
            << "cut at " << length;
    }
    // Header fields, section headers and some of everything else.
    for (std::size_t at = 0; at < bytes.size(); at += (at < 200 ? 1 : 49999)) {
        std::string flipped = bytes;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x10);
        ASSERT_TRUE(std::holds_alternative<SessionFailure>(decodeSession(flipped)))
            << "byte " << at;
    }
}

TEST(SessionFileTest, WrongChecksumNewerVersionAndBrokenContentSayWhy) {
    // The standard check value of CRC-32, across the eight-byte steps.
    EXPECT_EQ(sessionChecksum("123456789"), 0xCBF43926u);
    EXPECT_EQ(sessionChecksum("123456789123456789"), 0x4B837AE4u);
    const SmallSession small;
    // The sections as they lie in an uncompressed payload.
    const std::string bytes = encodeSessionVersion1(small.source());
    std::string badSum = bytes;
    badSum[kSessionHeaderBytes - 1] ^= 0x01;
    std::string newer = bytes;
    newer[kSessionMagic.size()] = 3;
    std::string outOfRange = bytes;  // HEAD: generationCount 50
    outOfRange[kSessionHeaderBytes + 12] = 50;

    const struct {
        const char* what;
        std::string bytes;
        SessionError error;
    } cases[] = {
        {"checksum", badSum, SessionError::kChecksum},
        {"version 3", newer, SessionError::kNewerVersion},
        {"generation 50", resealed(outOfRange), SessionError::kDamaged},
        {"trailing bytes", resealed(bytes + "x"), SessionError::kDamaged},
        {"unknown required section", withSection(bytes, "ZOOM", "abc"),
         SessionError::kUnknownSection},
        {"LOCK of the wrong length", withSection(bytes, "LOCK", "abc"), SessionError::kDamaged},
        {"HEAD twice", withSection(bytes, "HEAD", std::string(28, '\0')), SessionError::kDamaged},
    };
    for (const auto& c : cases) EXPECT_EQ(errorOf(c.bytes), c.error) << c.what;

    // A section that only adds to the document is passed over.
    EXPECT_TRUE(std::holds_alternative<Session>(decodeSession(withSection(bytes, "note", "hi"))));
}

TEST(SessionFileTest, FoldersFifosAndUnreadableFilesAreRefusedWithoutBlocking) {
    test::TempDir dir;
    const auto fifo = dir.path() / "pipe.mirel";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const auto locked = dir.write("locked.mirel", "MIREL");
    ::chmod(locked.c_str(), 0);
    ::alarm(20);  // a FIFO opened for reading would wait for a writer for ever
    for (const auto& path : {dir.path(), fifo, locked, dir.path() / "missing.mirel"}) {
        if (path == locked && ::geteuid() == 0) continue;  // root reads it anyway
        const auto read = readSessionFile(path);
        ASSERT_TRUE(std::holds_alternative<SessionFailure>(read)) << path;
        EXPECT_EQ(std::get<SessionFailure>(read).error, SessionError::kUnreadable) << path;
        EXPECT_FALSE(std::get<SessionFailure>(read).detail.empty()) << path;
    }
    ::alarm(0);
}

TEST(SessionFileTest, PartLocksComeBackAndASessionWithoutThemHasNoLockSection) {
    const SmallSession small;
    SessionSource locked = small.source();
    locked.locks[0][FacePart::Eyes] = GeneRef{0, 5};
    locked.locks[1][FacePart::Hair] = GeneRef{1, 40};
    const std::string plain = encodeSessionVersion1(small.source());
    const std::string bytes = encodeSessionVersion1(locked);
    EXPECT_EQ(bytes.size(), plain.size() + 12 + kGenerationCount * kFacePartCount * 8)
        << "the lock section is written only with a lock";
    const auto decoded = decodeSession(bytes);
    ASSERT_TRUE(std::holds_alternative<Session>(decoded));
    EXPECT_EQ(std::get<Session>(decoded).locks, locked.locks);
    const auto unlocked = decodeSession(plain);
    ASSERT_TRUE(std::holds_alternative<Session>(unlocked));
    EXPECT_EQ(std::get<Session>(unlocked).locks, (std::array<PartLocks, kGenerationCount>{}));

    // Generation 0 cannot have been bred with a face of generation 1.
    SessionSource impossible = small.source();
    impossible.locks[0][FacePart::Mouth] = GeneRef{1, 0};
    EXPECT_EQ(errorOf(encodeSession(impossible)), SessionError::kDamaged);
}

TEST(SessionFileTest, BreedingSettingsComeBackAndOutOfRangeOnesAreRefusedWithTheReason) {
    const SmallSession small;
    SessionSource changed = small.source();
    changed.breeding[0] = BreedingSettings{StepSize::ExtraLarge, NewBlood::Few};
    changed.breeding[1] = BreedingSettings{StepSize::Standard, NewBlood::Many};
    const std::string plain = encodeSessionVersion1(small.source());
    const std::string bytes = encodeSessionVersion1(changed);
    EXPECT_EQ(bytes.size(), plain.size() + 12 + kGenerationCount * 8)
        << "the section is written only with settings other than the default";
    const auto decoded = decodeSession(bytes);
    ASSERT_TRUE(std::holds_alternative<Session>(decoded));
    EXPECT_EQ(std::get<Session>(decoded).breeding, changed.breeding);
    const auto old = decodeSession(plain);
    ASSERT_TRUE(std::holds_alternative<Session>(old));
    EXPECT_EQ(std::get<Session>(old).breeding, (std::array<BreedingSettings, kGenerationCount>{}));

    struct Case {
        std::int32_t scale, people;
        const char* reason;
    };
    for (const Case& c : {Case{3, 0, "step size of x3"}, Case{1, 7, "7 new faces"},
                          Case{-1, 0, "step size of x-1"}}) {
        std::string body;
        for (int g = 0; g < kGenerationCount; ++g) {
            for (const std::int32_t v : {g == 2 ? c.scale : 1, g == 2 ? c.people : 0}) {
                for (int k = 0; k < 4; ++k) body += static_cast<char>(std::uint32_t(v) >> (8 * k));
            }
        }
        const auto refused = decodeSession(withSection(plain, "BRED", body));
        ASSERT_TRUE(std::holds_alternative<SessionFailure>(refused)) << c.reason;
        EXPECT_EQ(std::get<SessionFailure>(refused).error, SessionError::kDamaged);
        EXPECT_NE(std::get<SessionFailure>(refused).detail.find(c.reason), std::string::npos)
            << std::get<SessionFailure>(refused).detail;
    }
}

}  // namespace
}  // namespace mirel

namespace mirel {
namespace {

TEST(SessionFileTest, ChoiceViewAndToolsComeBackAndAreLeftOutUnused) {
    const SmallSession small;
    SessionSource used = small.source();
    used.chosenFace = GeneRef{1, 17};
    used.innerFaceFirst = true;
    used.tools[0] = ToolUse{ToolKind::PartGallery, FacePart::Mouth, GeneRef{0, 4}};
    const std::string plain = encodeSessionVersion1(small.source());
    const std::string bytes = encodeSessionVersion1(used);
    EXPECT_EQ(bytes.size(), plain.size() + 3 * 12 + 8 + 4 + kGenerationCount * 16)
        << "each section only when used";
    const auto decoded = decodeSession(bytes);
    ASSERT_TRUE(std::holds_alternative<Session>(decoded));
    const Session& back = std::get<Session>(decoded);
    EXPECT_EQ(back.chosenFace, used.chosenFace);
    EXPECT_TRUE(back.innerFaceFirst);
    EXPECT_EQ(back.tools, used.tools);

    struct Bad {
        const char* what;
        void (*spoil)(SessionSource&);
    };
    const Bad bad[] = {
        {"a chosen face of a generation not bred", [](SessionSource& s) { s.chosenFace = GeneRef{2, 0}; }},
        {"a tool that made a generation not bred", [](SessionSource& s) { s.tools[1].kind = ToolKind::Exaggeration; }},
        {"a tool from a later generation's face", [](SessionSource& s) { s.tools[0].source = GeneRef{1, 0}; }},
        {"an unknown tool", [](SessionSource& s) { s.tools[0].kind = static_cast<ToolKind>(7); }},
    };
    for (const Bad& b : bad) {
        SessionSource spoilt = used;
        b.spoil(spoilt);
        EXPECT_EQ(errorOf(encodeSession(spoilt)), SessionError::kDamaged) << b.what;
    }
}

}  // namespace
}  // namespace mirel
