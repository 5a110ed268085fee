// libFuzzer target: every face that loads can be drawn, saved and read back.
// An input is a face folder joined into one byte string: face.txt, a zero
// byte, haegiwa.txt, and optionally a zero byte and kamiyouso.txt.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "BoundedCanvas.h"
#include "face/AnchorGroups.h"
#include "face/DataFileReader.h"
#include "face/LoadChecks.h"
#include "face/SampleLoader.h"
#include "output/FaceTextExport.h"
#include "render/DrawFace.h"

namespace mirel::fuzz {
namespace {

constexpr char kFileSeparator = '\0';
// 300 face units to 300 device units, centred: device = face + 150.
constexpr int kDrawSize = 300;
constexpr double kDrawOrigin = 150.0;
// Curves may swing well beyond their points (a spline through one far point
// overshoots several times its distance), so the limit is not the files'
// range: it only keeps every coordinate far from the clamped ends of int.
constexpr int kDeviceLimit = 1 << 30;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "round trip failed: %s\n", what.c_str());
    std::abort();
}

std::vector<std::string_view> splitFiles(std::string_view input) {
    std::vector<std::string_view> files;
    while (files.size() < 2) {
        const std::size_t end = input.find(kFileSeparator);
        if (end == std::string_view::npos) break;
        files.push_back(input.substr(0, end));
        input.remove_prefix(end + 1);
    }
    files.push_back(input);
    return files;
}

void expectSame(double saved, double readBack, const char* group, std::size_t index) {
    if (asWritten(saved) == readBack) return;
    fail(std::string(group) + " value " + std::to_string(index) + " saved as " +
         std::to_string(saved) + " read back as " + std::to_string(readBack));
}

template <std::size_t N>
void expectSamePoints(const std::array<Point2, N>& saved, const std::array<Point2, N>& readBack,
                      const char* group) {
    for (std::size_t n = 0; n < N; ++n) {
        expectSame(saved[n].x, readBack[n].x, group, 2 * n);
        expectSame(saved[n].y, readBack[n].y, group, 2 * n + 1);
    }
}

template <typename Flags>
void expectSameFlags(const Flags& saved, const Flags& readBack, const char* group) {
    if (saved != readBack) fail(std::string(group) + " flags differ after reading back");
}

void expectReadable(const ParseStatus& status) {
    if (status) fail("saved file refused: " + *status);
}

// What the export writes of the hair elements: coordinates in the files' unit.
KamiyousoPoints kamiyousoInFileUnit(const KamiyousoPoints& points) {
    KamiyousoPoints out = points;
    for (int n = 0; n < kKamiyousoPointCount; ++n) {
        if (isKamiyousoCoordinate(n, 0)) out[n].x *= kKamiyousoFileScale;
        if (isKamiyousoCoordinate(n, 1)) out[n].y *= kKamiyousoFileScale;
    }
    return out;
}

void roundTrip(std::string_view input) {
    const std::vector<std::string_view> files = splitFiles(input);
    if (files.size() < 2) return;
    const FaceFilePaths paths{"face.txt", "haegiwa.txt", "kamiyouso.txt"};
    FaceRecord record;
    if (parseFaceData(files[0], paths.face, record.face)) return;
    if (parseHaegiwaData(files[1], paths.haegiwa, record.hair)) return;
    if (files.size() > 2 && parseKamiyousoData(files[2], paths.kamiyouso, record.hair)) return;
    if (prepareLoadedFace(record, paths)) return;

    BoundedCanvas canvas(kDeviceLimit);
    DrawFace(record, canvas, kDrawOrigin, kDrawOrigin, kDrawSize, facePenWidth(kDrawSize));

    FaceRecord back;
    expectReadable(parseFaceData(formatFaceFile(record.face), paths.face, back.face));
    expectReadable(parseHaegiwaData(formatHaegiwaFile(record.hair), paths.haegiwa, back.hair));
    expectReadable(
        parseKamiyousoData(formatKamiyousoFile(record.hair), paths.kamiyouso, back.hair));
    expectSamePoints(record.face.absPoints, back.face.absPoints, "face");
    expectSameFlags(record.face.flags, back.face.flags, "face");
    expectSamePoints(record.hair.haegiwaAbs, back.hair.haegiwaAbs, "haegiwa");
    expectSameFlags(record.hair.haegiwaFlags, back.hair.haegiwaFlags, "haegiwa");
    expectSamePoints(kamiyousoInFileUnit(record.hair.kamiyousoAbs), back.hair.kamiyousoAbs,
                     "kamiyouso");
    expectSameFlags(record.hair.kamiyousoFlags, back.hair.kamiyousoFlags, "kamiyouso");
}

}  // namespace
}  // namespace mirel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mirel::fuzz::roundTrip(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
