#include "face/DataFileReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <span>

namespace mirel {
namespace {

// A sample file is a few kilobytes; reading stops here so that a wrong path
// to a huge file cannot exhaust memory. Values beyond it count as missing.
constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;

std::string rejection(std::string_view group, std::string_view fileName, std::string_view problem) {
    std::string text(group);
    text.append(" data file ").append(fileName).append(" ").append(problem);
    return text;
}

constexpr std::string_view kNotFinite = "holds a number that is not finite";

template <std::size_t N>
bool allFinite(const std::array<double, N>& values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

template <std::size_t N>
void storePoints(const std::array<double, 2 * N>& reals, std::array<Point2, N>& points) {
    for (std::size_t n = 0; n < N; ++n) points[n] = {reals[2 * n], reals[2 * n + 1]};
}

// The group's values, stored only when all of them were read and are finite.
template <std::size_t PointCount, std::size_t FlagCount>
ParseStatus parseGroup(std::string_view bytes, DataGroup group, std::string_view groupName,
                       std::string_view fileName, std::array<Point2, PointCount>& points,
                       std::array<std::int32_t, FlagCount>& flags) {
    points = {};
    flags = {};
    std::array<double, 2 * PointCount> reals{};
    std::array<std::int32_t, FlagCount> integers{};
    if (ParseStatus failure = parseValues(bytes, group, reals, integers)) return failure;
    if (!allFinite(reals)) return rejection(groupName, fileName, kNotFinite);
    storePoints(reals, points);
    flags = integers;
    return std::nullopt;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The file's bytes, or nothing when it cannot be opened. A read error ends
// the content early, which the parser reports as a short file.
std::optional<std::string> readFileBytes(const std::string& path) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string bytes;
    std::array<char, 4096> chunk{};
    while (bytes.size() < kMaxFileBytes) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
        bytes.append(chunk.data(), got);
        if (got < chunk.size()) break;
    }
    return bytes;
}

template <typename Block, typename ParseFn>
std::optional<LoadFailure> tryRead(const std::string& path, DataGroup group, Block& block,
                                   ParseFn parse) {
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) return LoadFailure{.text = std::string(openFailureText(group))};
    if (ParseStatus failure = parse(*bytes, path, block)) return LoadFailure{.text = *failure};
    return std::nullopt;
}

}  // namespace

ParseStatus parseFaceData(std::string_view bytes, std::string_view fileName, FaceGene& face) {
    ParseStatus failure =
        parseGroup(bytes, DataGroup::Face, "face", fileName, face.absPoints, face.flags);
    if (failure) return failure;
    // Normalisation divides by the height between the chin and the face top.
    if (face.absPoints[154].y == face.absPoints[167].y) {
        face.absPoints = {};
        face.flags = {};
        return rejection("face", fileName, "has points 154 and 167 at the same height");
    }
    return std::nullopt;
}

ParseStatus parseHaegiwaData(std::string_view bytes, std::string_view fileName, HairGene& hair) {
    ParseStatus failure = parseGroup(bytes, DataGroup::Haegiwa, "haegiwa", fileName,
                                     hair.haegiwaAbs, hair.haegiwaFlags);
    if (failure) return failure;
    // Normalisation divides by the x of point 0.
    if (hair.haegiwaAbs[0].x == 0.0) {
        hair.haegiwaAbs = {};
        hair.haegiwaFlags = {};
        return rejection("haegiwa", fileName, "has point 0 at x = 0");
    }
    return std::nullopt;
}

ParseStatus parseKamiyousoData(std::string_view bytes, std::string_view fileName, HairGene& hair) {
    return parseGroup(bytes, DataGroup::Kamiyouso, "kamiyouso", fileName, hair.kamiyousoAbs,
                      hair.kamiyousoFlags);
}

std::optional<LoadFailure> tryReadFaceData(const std::string& path, FaceGene& face) {
    return tryRead(path, DataGroup::Face, face, &parseFaceData);
}

std::optional<LoadFailure> tryReadHaegiwaData(const std::string& path, HairGene& hair) {
    return tryRead(path, DataGroup::Haegiwa, hair, &parseHaegiwaData);
}

std::optional<LoadFailure> tryReadKamiyousoData(const std::string& path, HairGene& hair) {
    return tryRead(path, DataGroup::Kamiyouso, hair, &parseKamiyousoData);
}

}  // namespace mirel
