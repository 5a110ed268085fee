#include "FaceFixtures.h"

#include <cstdio>
#include <span>

namespace mirel::test {
namespace {

// Quarter units in [-150, 150): exact in binary and in "%12f".
double quarterValue(int seed, int index) {
    const int step = (seed * 7919 + index * 104729 + 13) % 1200;
    return (step - 600) / 4.0;
}

template <std::size_t N>
void fillPoints(std::array<Point2, N>& points, int seed) {
    for (std::size_t n = 0; n < N; ++n) {
        points[n] = {quarterValue(seed, static_cast<int>(2 * n)),
                     quarterValue(seed, static_cast<int>(2 * n + 1))};
    }
}

template <std::size_t N>
void fillFlags(std::array<std::int32_t, N>& flags, int seed) {
    for (std::size_t n = 0; n < N; ++n) flags[n] = static_cast<std::int32_t>((seed + n) % 4);
}

std::string fileText(std::span<const Point2> points, std::span<const std::int32_t> flags) {
    std::string text = "## feature points ##\n";
    char line[96];
    for (std::size_t n = 0; n < points.size(); ++n) {
        std::snprintf(line, sizeof line, " %3d :  %12f, %12f,\n", static_cast<int>(n), points[n].x,
                      points[n].y);
        text += line;
    }
    text += "## feature flag ##\n";
    for (std::size_t n = 0; n < flags.size(); ++n) {
        std::snprintf(line, sizeof line, " %3d : %2d,\n", static_cast<int>(n),
                      static_cast<int>(flags[n]));
        text += line;
    }
    return text;
}

}  // namespace

FaceGene makeFace(int seed) {
    FaceGene face;
    fillPoints(face.absPoints, seed);
    fillFlags(face.flags, seed);
    face.absPoints[167].y = -100.0 - seed;
    face.absPoints[154].y = 120.0 + seed;
    return face;
}

HairGene makeHair(int seed) {
    HairGene hair;
    fillPoints(hair.haegiwaAbs, seed + 1000);
    fillFlags(hair.haegiwaFlags, seed);
    fillPoints(hair.kamiyousoAbs, seed + 2000);
    fillFlags(hair.kamiyousoFlags, seed + 1);
    hair.haegiwaAbs[0].x = -80.0 - seed;
    return hair;
}

std::string faceFileText(const FaceGene& face) {
    return fileText(face.absPoints, face.flags);
}

std::string haegiwaFileText(const HairGene& hair) {
    return fileText(hair.haegiwaAbs, hair.haegiwaFlags);
}

std::string kamiyousoFileText(const HairGene& hair) {
    return fileText(hair.kamiyousoAbs, hair.kamiyousoFlags);
}

std::string withMarkerAs(std::string text, std::string_view replacement) {
    constexpr std::string_view kMarkerText = "4321.500000";
    return text.replace(text.find(kMarkerText), kMarkerText.size(), replacement);
}

std::string withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace mirel::test

namespace mirel {
void PrintTo(const Point2& point, std::ostream* out) {
    *out << "(" << point.x << ", " << point.y << ")";
}
}  // namespace mirel
