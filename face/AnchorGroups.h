#pragma once
// The anchor groups of the part-relative form and the hair-element slots that
// hold parameters rather than coordinates. Every layer reads these tables; no
// other copy of these numbers exists.

#include <span>

namespace mirel {

// Inclusive run of point indices.
struct IndexRange {
    int first;
    int last;
};

// In relative form each member is stored as its offset from the anchor; the
// anchor itself stays absolute.
struct AnchorGroup {
    int anchor;
    std::span<const IndexRange> members;
};

namespace anchor_detail {
inline constexpr IndexRange kEyes[] = {{0, 8}, {10, 23}, {25, 27}};
inline constexpr IndexRange kEyebrows[] = {{29, 41}};
inline constexpr IndexRange kNose[] = {{42, 57}, {59, 60}};
inline constexpr IndexRange kMouth[] = {{61, 76}, {78, 90}};
inline constexpr IndexRange kForehead[] = {{91, 91}, {93, 95}, {97, 97}};
inline constexpr IndexRange kBesideNose[] = {{99, 113}};
inline constexpr IndexRange kBelowNose[] = {{114, 121}, {123, 126}};
inline constexpr IndexRange kCheeks[] = {{127, 127}, {129, 146}};
inline constexpr IndexRange kChin[] = {{147, 153}, {155, 157}};
inline constexpr IndexRange kEars[] = {{158, 160}, {162, 165}};

inline constexpr IndexRange kFrontHair[] = {{1, 23}};
inline constexpr IndexRange kSideburns[] = {{25, 39}};
inline constexpr IndexRange kBackHair[] = {{41, 56}};

inline constexpr IndexRange kElement1a[] = {{0, 0}, {2, 4}};
inline constexpr IndexRange kElement1b[] = {{6, 7}, {9, 9}};
inline constexpr IndexRange kElement2[] = {{12, 18}, {21, 30}};
inline constexpr IndexRange kElement3[] = {{32, 38}, {41, 50}};
inline constexpr IndexRange kElement4[] = {{52, 54}, {57, 59}};
inline constexpr IndexRange kElement5[] = {{61, 67}, {70, 79}};
inline constexpr IndexRange kElement6[] = {{81, 87}, {90, 99}};
}  // namespace anchor_detail

// Face parts in order: eyes, eyebrows, nose, mouth, forehead, beside the nose,
// below the nose, cheeks, chin, ears. The outline (166-177) has no anchor.
inline constexpr AnchorGroup kFaceAnchorGroups[] = {
    {9, anchor_detail::kEyes},        {28, anchor_detail::kEyebrows},
    {58, anchor_detail::kNose},       {77, anchor_detail::kMouth},
    {92, anchor_detail::kForehead},   {98, anchor_detail::kBesideNose},
    {122, anchor_detail::kBelowNose}, {128, anchor_detail::kCheeks},
    {154, anchor_detail::kChin},      {161, anchor_detail::kEars},
};

// Front hair, sideburns, back hair.
inline constexpr AnchorGroup kHaegiwaAnchorGroups[] = {
    {0, anchor_detail::kFrontHair},
    {24, anchor_detail::kSideburns},
    {40, anchor_detail::kBackHair},
};

inline constexpr AnchorGroup kKamiyousoAnchorGroups[] = {
    {1, anchor_detail::kElement1a}, {5, anchor_detail::kElement1b},
    {11, anchor_detail::kElement2}, {31, anchor_detail::kElement3},
    {51, anchor_detail::kElement4}, {60, anchor_detail::kElement5},
    {80, anchor_detail::kElement6},
};

// Hair-element points whose y is a fraction in [0, 1]; their x is a coordinate.
inline constexpr int kKamiyousoFractionSlots[] = {8, 19, 39, 55, 68, 88};
// Hair-element points whose x and y are both parameters.
inline constexpr int kKamiyousoParameterSlots[] = {20, 40, 56, 69, 89};

// True when coordinate `axis` (0 = x, 1 = y) of hair-element point `point` is a
// real coordinate, i.e. scaled by normalisation and by the export's 5/3.
constexpr bool isKamiyousoCoordinate(int point, int axis) {
    for (int p : kKamiyousoParameterSlots) {
        if (p == point) return false;
    }
    if (axis == 1) {
        for (int p : kKamiyousoFractionSlots) {
            if (p == point) return false;
        }
    }
    return true;
}

}  // namespace mirel
