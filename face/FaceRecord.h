#pragma once
// One individual of the face model: a plain fixed-size value holding the face,
// hairline (haegiwa) and hair-element (kamiyouso) gene groups, each with its
// points in part-relative and absolute form plus its flags.

#include <array>
#include <cstdint>
#include <cstring>

namespace mirel {

// A point of face space (300 x 300 units, origin at the centre, y downwards).
struct Point2 {
    double x = 0.0;
    double y = 0.0;

    friend bool operator==(const Point2&, const Point2&) = default;
};

inline constexpr int kFacePointCount = 178;
inline constexpr int kFaceFlagCount = 96;
inline constexpr int kHaegiwaPointCount = 57;
inline constexpr int kHaegiwaFlagCount = 35;
inline constexpr int kKamiyousoPointCount = 100;
inline constexpr int kKamiyousoFlagCount = 29;

using FacePoints = std::array<Point2, kFacePointCount>;
using FaceFlags = std::array<std::int32_t, kFaceFlagCount>;
using HaegiwaPoints = std::array<Point2, kHaegiwaPointCount>;
using HaegiwaFlags = std::array<std::int32_t, kHaegiwaFlagCount>;
using KamiyousoPoints = std::array<Point2, kKamiyousoPointCount>;
using KamiyousoFlags = std::array<std::int32_t, kKamiyousoFlagCount>;

// The face group. relPoints is what the genetic operators write; absPoints is
// what face.txt holds and the renderer draws.
struct FaceGene {
    FacePoints relPoints{};
    FacePoints absPoints{};
    FaceFlags flags{};

    friend bool operator==(const FaceGene&, const FaceGene&) = default;
};

// The hairline and hair-element groups, handled as one block by the readers,
// the hair fitting and the breeding's elite copies.
struct HairGene {
    HaegiwaPoints haegiwaRel{};
    HaegiwaPoints haegiwaAbs{};
    HaegiwaFlags haegiwaFlags{};
    KamiyousoPoints kamiyousoRel{};
    KamiyousoPoints kamiyousoAbs{};
    KamiyousoFlags kamiyousoFlags{};

    friend bool operator==(const HairGene&, const HairGene&) = default;
};

struct FaceRecord {
    FaceGene face;
    HairGene hair;

    friend bool operator==(const FaceRecord&, const FaceRecord&) = default;
};

// Bit for bit, array by array (so that padding does not count): unlike ==,
// tells -0.0 from 0.0 and equates a NaN with itself.
inline bool sameRecordBits(const FaceRecord& a, const FaceRecord& b) {
    const auto same = [](const auto& x, const auto& y) {
        return std::memcmp(&x, &y, sizeof(x)) == 0;
    };
    return same(a.face, b.face) && same(a.hair.haegiwaRel, b.hair.haegiwaRel) &&
           same(a.hair.haegiwaAbs, b.hair.haegiwaAbs) &&
           same(a.hair.haegiwaFlags, b.hair.haegiwaFlags) &&
           same(a.hair.kamiyousoRel, b.hair.kamiyousoRel) &&
           same(a.hair.kamiyousoAbs, b.hair.kamiyousoAbs) &&
           same(a.hair.kamiyousoFlags, b.hair.kamiyousoFlags);
}

}  // namespace mirel
