#include "face/DataFileReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <span>

#include "face/RegularFile.h"

namespace mirel {
namespace {

// A sample file is a few kilobytes; reading stops here so that a wrong path
// to a huge file cannot exhaust memory. Values beyond it count as missing.
constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;

constexpr std::string_view kGroupNames[] = {"face", "haegiwa", "kamiyouso"};

constexpr std::string_view kNotFinite = "holds a number that is not finite";

std::string shortest(double value, std::chars_format format = std::chars_format::general) {
    std::array<char, 32> number{};
    const auto end = std::to_chars(number.data(), number.data() + number.size(), value, format).ptr;
    return {number.data(), end};
}

// The first value that is not finite, or else the first beyond the range.
template <std::size_t N>
ParseStatus checkValues(const std::array<double, N>& values, DataGroup group,
                        std::string_view fileName) {
    const auto notFinite = [](double v) { return !std::isfinite(v); };
    if (std::any_of(values.begin(), values.end(), notFinite)) {
        return refusalText(group, fileName, kNotFinite);
    }
    const auto outside = [](double v) { return std::abs(v) > kMaxFileValue; };
    const auto found = std::find_if(values.begin(), values.end(), outside);
    if (found == values.end()) return std::nullopt;
    std::string problem = "holds the value ";
    const std::string limit = shortest(kMaxFileValue, std::chars_format::fixed);
    problem.append(shortest(*found)).append(", outside -").append(limit);
    problem.append(" to ").append(limit);
    return refusalText(group, fileName, problem);
}

template <std::size_t N>
void storePoints(const std::array<double, 2 * N>& reals, std::array<Point2, N>& points) {
    for (std::size_t n = 0; n < N; ++n) points[n] = {reals[2 * n], reals[2 * n + 1]};
}

// The group's values, stored only when all of them were read, finite and in range.
template <std::size_t PointCount, std::size_t FlagCount>
ParseStatus parseGroup(std::string_view bytes, DataGroup group, std::string_view fileName,
                       std::array<Point2, PointCount>& points,
                       std::array<std::int32_t, FlagCount>& flags) {
    points = {};
    flags = {};
    std::array<double, 2 * PointCount> reals{};
    std::array<std::int32_t, FlagCount> integers{};
    if (ParseStatus failure = parseValues(bytes, group, reals, integers)) return failure;
    if (ParseStatus failure = checkValues(reals, group, fileName)) return failure;
    storePoints(reals, points);
    flags = integers;
    return std::nullopt;
}

template <typename Block, typename ParseFn>
std::optional<LoadFailure> tryRead(const std::string& path, DataGroup group, Block& block,
                                   ParseFn parse) {
    std::string bytes;
    switch (readRegularFile(path, kMaxFileBytes, bytes)) {
        case FileRead::CannotOpen:
            return LoadFailure{.text = std::string(openFailureText(group))};
        case FileRead::NotRegular:
            return LoadFailure{.text = refusalText(group, path, "is not a regular file")};
        case FileRead::Read:
            break;
    }
    if (ParseStatus failure = parse(bytes, path, block)) return LoadFailure{.text = *failure};
    return std::nullopt;
}

}  // namespace

std::string refusalText(DataGroup group, std::string_view fileName, std::string_view problem) {
    std::string text(kGroupNames[static_cast<std::size_t>(group)]);
    text.append(" data file ").append(fileName).append(" ").append(problem);
    return text;
}

ParseStatus parseFaceData(std::string_view bytes, std::string_view fileName, FaceGene& face) {
    ParseStatus failure = parseGroup(bytes, DataGroup::Face, fileName, face.absPoints, face.flags);
    if (failure) return failure;
    // Normalisation divides by the height between the chin and the face top,
    // and scales the hairline by the x of point 166.
    std::string_view problem;
    if (face.absPoints[154].y == face.absPoints[167].y) {
        problem = "has points 154 and 167 at the same height";
    } else if (face.absPoints[166].x == 0.0) {
        problem = "has point 166 at x = 0";
    } else {
        return std::nullopt;
    }
    face.absPoints = {};
    face.flags = {};
    return refusalText(DataGroup::Face, fileName, problem);
}

ParseStatus parseHaegiwaData(std::string_view bytes, std::string_view fileName, HairGene& hair) {
    ParseStatus failure =
        parseGroup(bytes, DataGroup::Haegiwa, fileName, hair.haegiwaAbs, hair.haegiwaFlags);
    if (failure) return failure;
    // Normalisation divides by the x of point 0.
    if (hair.haegiwaAbs[0].x == 0.0) {
        hair.haegiwaAbs = {};
        hair.haegiwaFlags = {};
        return refusalText(DataGroup::Haegiwa, fileName, "has point 0 at x = 0");
    }
    return std::nullopt;
}

ParseStatus parseKamiyousoData(std::string_view bytes, std::string_view fileName, HairGene& hair) {
    return parseGroup(bytes, DataGroup::Kamiyouso, fileName, hair.kamiyousoAbs,
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
