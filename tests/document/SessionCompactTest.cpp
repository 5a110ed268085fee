// Sessions of the current, compressed version: bred from the shipped sample
// bank and drawn as window 1 draws them, they come back bit for bit; what
// breaks them, or breaks the faces' rules, is refused with the reason.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "ShippedBank.h"
#include "TempDir.h"
#include "document/SessionFile.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"
#include "render/DrawFace.h"

namespace mirel {
namespace {

// 49 generations bred from the shipped bank with three marks each (one on
// an older generation) and a lock now and then; the first page of every
// generation drawn as window 1 draws it, one face of each generation drawn
// twice and one face of each second page drawn once more.
struct BredSession {
    BredSession() : store(PopulationStore::Generation(bank().records.data(), kPopulationSize)) {
        resetRandomSource();
        for (int g = 0; g < kLastGeneration; ++g) {
            Selection& s = marks.selections[g];
            s.count = 3;
            s.setMark(0, {g, 2});
            s.setMark(1, {g, 9});
            s.setMark(2, {g / 3, 33});
            if (g % 7 == 3) locks[g][FacePart::Mouth] = GeneRef{g / 2, 40};
            (void)store.breedNextGeneration(s, locks[g]);
            history.generationSeconds[g] = 20.25 + g;
        }
        for (int g = 0; g <= kLastGeneration; ++g) {
            for (int i = 0; i < kCellsPerPage; ++i) PrepareFace(store.at({g, i}));
            PrepareFace(store.at({g, 5}));
            PrepareFace(store.at({g, kCellsPerPage + g % kCellsPerPage}));
        }
    }
    static const test::ShippedBank& bank() { return test::shippedBank(); }

    SessionSource source(int newest) {
        history.logGeneration = newest;
        trimmed = marks;
        for (int g = newest; g < kGenerationCount; ++g) trimmed.selections[g].count = 0;
        trimmed.hoverGeneration = newest;
        trimmed.hoverIndex = 7;
        std::array<PartLocks, kGenerationCount> shown{};
        std::copy(locks.begin(), locks.begin() + newest, shown.begin());
        shown[newest][FacePart::Eyes] = GeneRef{0, 1};
        return {std::span<const FaceRecord>(&store.at({0, 0}),
                                            std::size_t(newest + 1) * kPopulationSize),
                trimmed,
                history,
                store.at({newest, 7}),
                {newest, 2, 7},
                "/tmp/portrait.mirel",
                shown};
    }

    PopulationStore store;
    SelectionMarkTable marks;
    SelectionMarkTable trimmed;
    HistoryRecord history;
    std::array<PartLocks, kGenerationCount> locks{};
};

BredSession& bred() {
    static BredSession session;
    return session;
}

SessionFailure failureOf(std::string_view bytes) {
    const auto decoded = decodeSession(bytes);
    if (const auto* failure = std::get_if<SessionFailure>(&decoded)) return *failure;
    return {SessionError{-1}, "opened"};
}

// The same bytes with the header's length and checksum made right again, so
// the content is judged.
std::string resealed(std::string bytes) {
    const std::string_view payload = std::string_view(bytes).substr(kSessionHeaderBytes);
    const std::uint64_t length = payload.size();
    const std::uint32_t crc = sessionChecksum(payload);
    for (int k = 0; k < 8; ++k)
        bytes[kSessionMagic.size() + 4 + k] = static_cast<char>(length >> (8 * k));
    for (int k = 0; k < 4; ++k)
        bytes[kSessionHeaderBytes - 4 + k] = static_cast<char>(crc >> (8 * k));
    return bytes;
}

// A version-2 file whose compressed payload says it decompresses to `length`.
std::string claimingLength(std::string bytes, std::uint64_t length) {
    for (int k = 0; k < 8; ++k)
        bytes[kSessionHeaderBytes + k] = static_cast<char>(length >> (8 * k));
    return resealed(bytes);
}

TEST(SessionCompactTest, BredAndDrawnSessionsComeBackBitForBit) {
    ASSERT_EQ(BredSession::bank().loadError, "");
    for (const int newest : {0, 1, kLastGeneration}) {
        const SessionSource source = bred().source(newest);
        const std::string bytes = encodeSession(source);
        const auto decoded = decodeSession(bytes);
        ASSERT_TRUE(std::holds_alternative<Session>(decoded))
            << newest << ": " << std::get<SessionFailure>(decoded).detail;
        const Session& s = std::get<Session>(decoded);
        ASSERT_EQ(s.records.size(), source.generations.size());
        for (std::size_t k = 0; k < s.records.size(); ++k) {
            ASSERT_TRUE(sameRecordBits(s.records[k], source.generations[k]))
                << newest << " face " << k;
        }
        EXPECT_TRUE(sameRecordBits(s.detailFace, source.detailFace));
        EXPECT_EQ(s.marks, source.marks);
        EXPECT_EQ(s.history, source.history);
        EXPECT_EQ(s.position, source.position);
        EXPECT_EQ(s.documentPath, source.documentPath);
        EXPECT_EQ(s.locks, source.locks);
        // The same document written in the first version.
        EXPECT_GT(encodeSessionVersion1(source).size(), 8 * bytes.size()) << newest;
    }
}

// Drawing computes a face's absolute points from its relative points and
// flags alone; a stored face drawn again gets the same bits, so the compact
// form leaves them out, but for the one rule where a first drawing and a
// second differ (such faces, drawn once, are stored with their points).
TEST(SessionCompactTest, DrawingADrawnFaceAgainGivesTheSameAbsolutePoints) {
    std::vector<FaceRecord> faces(BredSession::bank().records.begin(),
                                  BredSession::bank().records.end());
    for (int g = 1; g <= kLastGeneration; ++g) {
        const auto generation = bred().store.generation(g);
        faces.insert(faces.end(), generation.begin(), generation.end());
    }
    int differing = 0;
    for (std::size_t k = 0; k < faces.size(); ++k) {
        FaceRecord drawn = faces[k];
        PrepareFace(drawn);
        FaceRecord again = drawn;
        again.face.absPoints = {};
        again.hair.haegiwaAbs = {};
        again.hair.kamiyousoAbs = {};
        PrepareFace(again);
        if (sameRecordBits(again, drawn)) continue;
        // The one exception: a mouth whose flag 45 resets flag 42, which
        // chose how the mouth's corners were copied on the first drawing.
        ++differing;
        again.face.absPoints = drawn.face.absPoints;
        EXPECT_TRUE(sameRecordBits(again, drawn))
            << "face " << k << ": more than the face's points";
        EXPECT_NE(faces[k].face.flags[42], drawn.face.flags[42]) << "face " << k;
    }
    // Few enough that storing their points costs nothing worth a note.
    EXPECT_LT(differing, 20);
}

TEST(SessionCompactTest, DamageAndFacesOutOfRangeAreRefusedWithTheReason) {
    const std::string good = encodeSession(bred().source(1));
    std::string flipped = good;
    flipped[flipped.size() / 2] ^= 0x04;

    SessionSource farSource = bred().source(1);
    std::vector<FaceRecord> far(farSource.generations.begin(), farSource.generations.end());
    far[75].face.relPoints[12].x = 1e13;
    farSource.generations = far;
    bred().source(1);
    HistoryRecord negative = bred().history;
    negative.generationSeconds[0] = -1.0;
    HistoryRecord huge = negative;
    huge.generationSeconds[0] = 1e12;
    const auto withHistory = [](const SessionSource& s, const HistoryRecord& h) {
        return SessionSource{s.generations, s.marks,        h,      s.detailFace,
                             s.position,    s.documentPath, s.locks};
    };
    const SessionSource negativeSource = withHistory(bred().source(1), negative);
    const SessionSource hugeSource = withHistory(bred().source(1), huge);

    // A frame header claiming 8 GiB of content, then one tiny block.
    std::string bomb = good.substr(0, kSessionHeaderBytes + 8);
    const unsigned char frame[] = {0x28, 0xB5, 0x2F, 0xFD, 0xE0, 0, 0, 0, 0,
                                   2,    0,    0,    0,    0x09, 0, 0, 0};
    bomb.append(reinterpret_cast<const char*>(frame), sizeof frame);
    std::string newer = good;
    newer[kSessionMagic.size()] = 3;

    const struct {
        const char* what;
        std::string bytes;
        SessionError error;
        const char* reason;
    } cases[] = {
        {"cut short", good.substr(0, good.size() - 100), SessionError::kTruncated, ""},
        {"a flipped bit", flipped, SessionError::kChecksum, ""},
        {"a flipped bit, checksum made right", resealed(flipped), SessionError::kDamaged,
         "compressed payload damaged"},
        {"decompresses to more than it says", claimingLength(good, 1000), SessionError::kDamaged,
         "does not decompress to its length"},
        {"decompresses to less than it says", claimingLength(good, 40 << 20),
         SessionError::kDamaged, "does not decompress to its length"},
        {"a bomb", claimingLength(bomb, std::uint64_t(1) << 33), SessionError::kDamaged,
         "payload claims 8589934592 bytes"},
        {"a bomb claiming less", claimingLength(bomb, 4096), SessionError::kDamaged,
         "does not decompress to its length"},
        {"a coordinate of 1e13", encodeSession(farSource), SessionError::kDamaged,
         "generation 1, face 16: face holds the value 1e+13"},
        {"negative seconds", encodeSession(negativeSource), SessionError::kDamaged,
         "HIST holds a time of -1 seconds"},
        {"seconds beyond int", encodeSession(hugeSource), SessionError::kDamaged,
         "HIST holds a time of 1e+12 seconds"},
        {"version 3", newer, SessionError::kNewerVersion, "3"},
    };
    for (const auto& c : cases) {
        const SessionFailure failure = failureOf(c.bytes);
        EXPECT_EQ(failure.error, c.error) << c.what << ": " << failure.detail;
        EXPECT_NE(failure.detail.find(c.reason), std::string::npos)
            << c.what << ": " << failure.detail;
    }
}

// A huge file is refused from its header, before its length is allocated.
TEST(SessionCompactTest, AHugeFileIsRefusedBeforeItIsRead) {
    const test::TempDir dir;
    std::string header = encodeSession(bred().source(0)).substr(0, kSessionHeaderBytes);
    const std::uint64_t length = std::uint64_t(1) << 30;
    for (int k = 0; k < 8; ++k)
        header[kSessionMagic.size() + 4 + k] = static_cast<char>(length >> (8 * k));
    const auto path = dir.write("huge.mirel", header);
    std::filesystem::resize_file(path, kSessionHeaderBytes + length);
    const auto read = readSessionFile(path);
    ASSERT_TRUE(std::holds_alternative<SessionFailure>(read));
    EXPECT_EQ(std::get<SessionFailure>(read).error, SessionError::kTooLarge);
}

}  // namespace
}  // namespace mirel
