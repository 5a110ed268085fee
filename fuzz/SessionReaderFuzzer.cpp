// libFuzzer target: the session reader refuses, without crashing or taking
// more memory than the limit, whatever is not a session; and every session
// it accepts, written again in the current version, opens to the same
// document.
//
// The first byte of an input says what the rest is: 0 a file as it is; 1 a
// payload, sealed here into a version-1 file; 2 a payload, compressed and
// sealed here into a version-2 file. Sealing supplies the checksums, which
// random changes would otherwise almost never get right, so that the
// sections behind them are explored too.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <variant>

#include "document/SessionCompression.h"
#include "document/SessionFile.h"

namespace mirel::fuzz {
namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "session round trip failed: %s\n", what);
    std::abort();
}

void checkSame(const Session& a, const Session& b) {
    if (a.generationCount != b.generationCount) fail("generation count");
    if (a.records.size() != b.records.size()) fail("number of faces");
    for (std::size_t k = 0; k < a.records.size(); ++k) {
        if (!sameRecordBits(a.records[k], b.records[k])) fail("a face");
    }
    if (!sameRecordBits(a.detailFace, b.detailFace)) fail("window 2's face");
    if (!(a.marks == b.marks)) fail("marks");
    if (std::memcmp(a.history.generationSeconds.data(), b.history.generationSeconds.data(),
                    sizeof(a.history.generationSeconds)) != 0 ||
        a.history.logGeneration != b.history.logGeneration ||
        a.history.clockStart != b.history.clockStart || a.history.clockNow != b.history.clockNow) {
        fail("history");
    }
    if (!(a.position == b.position)) fail("position");
    if (a.documentPath != b.documentPath) fail("document path");
    if (a.locks != b.locks) fail("locks");
    if (a.chosenFace != b.chosenFace) fail("chosen face");
    if (a.innerFaceFirst != b.innerFaceFirst) fail("view option");
    if (a.tools != b.tools) fail("tools");
    if (a.breeding != b.breeding) fail("breeding settings");
}

std::string sealed(std::uint32_t version, std::string_view payload) {
    std::string file(kSessionMagic);
    const auto put = [&file](std::uint64_t v, int bytes) {
        for (int k = 0; k < bytes; ++k) file += static_cast<char>((v >> (8 * k)) & 0xFFu);
    };
    put(version, 4);
    put(payload.size(), 8);
    put(sessionChecksum(payload), 4);
    file += payload;
    return file;
}

}  // namespace
}  // namespace mirel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace mirel;
    if (size == 0) return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::string bytes;
    switch (data[0]) {
        case 0:
            bytes = rest;
            break;
        case 1:
            bytes = fuzz::sealed(1, rest);
            break;
        case 2:
            bytes = fuzz::sealed(2, compressPayload(rest));
            break;
        default:
            return -1;  // not an input of this target; kept out of the corpus
    }
    const auto decoded = decodeSession(bytes);
    const auto* session = std::get_if<Session>(&decoded);
    if (session == nullptr) return 0;
    const SessionSource source{session->records,    session->marks,      session->history,
                               session->detailFace, session->position,   session->documentPath,
                               session->locks,      session->chosenFace, session->innerFaceFirst,
                               session->tools,      session->breeding};
    const auto again = decodeSession(encodeSession(source));
    const auto* reread = std::get_if<Session>(&again);
    if (reread == nullptr) fuzz::fail("the written session is refused");
    fuzz::checkSame(*session, *reread);
    return 0;
}
