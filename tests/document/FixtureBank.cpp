#include "FixtureBank.h"

#include <fstream>
#include <string>

#include "face/FaceRecord.h"
#include "output/FaceTextExport.h"

namespace mirel::test {
namespace {

constexpr int kSamples = 20;
constexpr int kChinPoint = 154;
constexpr int kFaceTopPoint = 167;
constexpr double kHalfFaceHeight = 105.0;

// Deterministic values in quarter units, so they survive the files' decimals.
double wobble(int index, int sample, int a, int b, int span) {
    return ((index * a + sample * b) % (4 * span)) / 4.0 - span / 2.0;
}

FaceGene fixtureFace(int sample) {
    FaceGene face;
    for (int i = 0; i < kFacePointCount; ++i) {
        face.absPoints[i] = {wobble(i, sample, 7, 3, 120), wobble(i, sample, 13, 5, 160)};
    }
    face.absPoints[kChinPoint] = {0.0, kHalfFaceHeight};
    face.absPoints[kFaceTopPoint] = {0.0, -kHalfFaceHeight};
    for (int k = 0; k < kFaceFlagCount; ++k) face.flags[k] = (k + sample) % 2;
    return face;
}

HairGene fixtureHair(int sample) {
    HairGene hair;
    for (int i = 0; i < kHaegiwaPointCount; ++i) {
        hair.haegiwaAbs[i] = {wobble(i, sample, 11, 7, 120), wobble(i, sample, 5, 3, 120)};
    }
    hair.haegiwaAbs[0] = {-80.0 - sample, -60.0};
    for (int k = 0; k < kHaegiwaFlagCount; ++k) hair.haegiwaFlags[k] = (k * 3 + sample) % 2;
    for (int i = 0; i < kKamiyousoPointCount; ++i) {
        // Small values in [0, 1) suit the fraction and parameter slots too.
        hair.kamiyousoAbs[i] = {0.25 * (i % 4), 0.25 * ((i + sample) % 4)};
    }
    for (int k = 0; k < kKamiyousoFlagCount; ++k) hair.kamiyousoFlags[k] = k % 2;
    return hair;
}

void writeText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

void writeFixtureBank(const std::filesystem::path& root, bool withOutput) {
    for (int sample = 1; sample <= kSamples; ++sample) {
        const auto folder = root / "Data" / ("facebank" + std::to_string(sample));
        const HairGene hair = fixtureHair(sample);
        writeText(folder / "face.txt", formatFaceFile(fixtureFace(sample)));
        writeText(folder / "haegiwa.txt", formatHaegiwaFile(hair));
        if (sample == 1) writeText(folder / "kamiyouso.txt", formatKamiyousoFile(hair));
    }
    if (withOutput) std::filesystem::create_directories(root / "Output");
}

}  // namespace mirel::test
