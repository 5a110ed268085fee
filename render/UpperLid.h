#pragma once
// The upper-lid curve of both eyes, chosen by F10 (curve or segments), F0
// and F1 (the lid runs on past the inner / outer corner). The eye whites and
// the lid skin fill it; the feature lines stroke it.

#include <array>

#include "face/FaceRecord.h"
#include "render/CurveScript.h"

namespace mirel {

struct UpperLidVariant {
    CurveScript stored;    // entries 0-5
    CurveScript mirrored;  // entries 178-183
    CurveScript strokes;   // the lid line of both eyes, each stroke with its mirror
};

namespace upper_lid_detail {
inline constexpr CurveStep kS000[] = {onX(4, 3, 2, 1)};
inline constexpr CurveStep kM000[] = {onX(179, 180, 181, 182)};
inline constexpr CurveStep kS001[] = {onX(5, 4, 3, 2, 1)};
inline constexpr CurveStep kM001[] = {onX(179, 180, 181, 182, 183)};
inline constexpr CurveStep kS010[] = {onX(4, 3, 2, 1, 0)};
inline constexpr CurveStep kM010[] = {onX(178, 179, 180, 181, 182)};
inline constexpr CurveStep kS011[] = {onX(5, 4, 3, 2, 1, 0)};
inline constexpr CurveStep kM011[] = {onX(178, 179, 180, 181, 182, 183)};
inline constexpr CurveStep kS100[] = {onX(4, 3), onX(3, 2), onX(2, 1)};
inline constexpr CurveStep kM100[] = {onX(179, 180), onX(180, 181), onX(181, 182)};
inline constexpr CurveStep kS101[] = {onX(5, 4, 3), onX(3, 2), onX(2, 1)};
inline constexpr CurveStep kM101[] = {onX(179, 180), onX(180, 181), onX(181, 182, 183)};
inline constexpr CurveStep kS110[] = {onX(4, 3), onX(3, 2), onX(2, 1, 0)};
inline constexpr CurveStep kM110[] = {onX(178, 179, 180), onX(180, 181), onX(181, 182)};
inline constexpr CurveStep kS111[] = {onX(5, 4, 3), onX(3, 2), onX(2, 1, 0)};
inline constexpr CurveStep kM111[] = {onX(178, 179, 180), onX(180, 181), onX(181, 182, 183)};

inline constexpr CurveStep kL000[] = {onX(4, 3, 2, 1), onX(179, 180, 181, 182)};
inline constexpr CurveStep kL001[] = {onX(5, 4, 3, 2, 1), onX(179, 180, 181, 182, 183)};
inline constexpr CurveStep kL010[] = {onX(4, 3, 2, 1, 0), onX(178, 179, 180, 181, 182)};
inline constexpr CurveStep kL011[] = {onX(5, 4, 3, 2, 1, 0), onX(178, 179, 180, 181, 182, 183)};
inline constexpr CurveStep kL100[] = {onX(2, 1),     onX(179, 180), onX(3, 2),
                                      onX(180, 181), onX(4, 3),     onX(181, 182)};
inline constexpr CurveStep kL101[] = {onX(2, 1),     onX(179, 180), onX(3, 2),
                                      onX(180, 181), onX(5, 4, 3),  onX(181, 182, 183)};
inline constexpr CurveStep kL110[] = {onX(2, 1, 0),  onX(178, 179, 180), onX(3, 2),
                                      onX(180, 181), onX(4, 3),          onX(181, 182)};
inline constexpr CurveStep kL111[] = {onX(2, 1, 0),  onX(178, 179, 180), onX(3, 2),
                                      onX(180, 181), onX(5, 4, 3),       onX(181, 182, 183)};
}  // namespace upper_lid_detail

// Row F10 * 4 + F0 * 2 + F1.
inline constexpr std::array<UpperLidVariant, 8> kUpperLidTable = {{
    {upper_lid_detail::kS000, upper_lid_detail::kM000, upper_lid_detail::kL000},
    {upper_lid_detail::kS001, upper_lid_detail::kM001, upper_lid_detail::kL001},
    {upper_lid_detail::kS010, upper_lid_detail::kM010, upper_lid_detail::kL010},
    {upper_lid_detail::kS011, upper_lid_detail::kM011, upper_lid_detail::kL011},
    {upper_lid_detail::kS100, upper_lid_detail::kM100, upper_lid_detail::kL100},
    {upper_lid_detail::kS101, upper_lid_detail::kM101, upper_lid_detail::kL101},
    {upper_lid_detail::kS110, upper_lid_detail::kM110, upper_lid_detail::kL110},
    {upper_lid_detail::kS111, upper_lid_detail::kM111, upper_lid_detail::kL111},
}};

// The variant of the face's lid flags; empty scripts when a flag is not 0 or 1.
constexpr UpperLidVariant upperLidVariant(const FaceFlags& flags) {
    constexpr int kInnerRunOn = 0;  // F0
    constexpr int kOuterRunOn = 1;  // F1
    constexpr int kSegments = 10;   // F10
    const auto binary = [](int v) { return v == 0 || v == 1; };
    const int f0 = flags[kInnerRunOn];
    const int f1 = flags[kOuterRunOn];
    const int f10 = flags[kSegments];
    if (!binary(f0) || !binary(f1) || !binary(f10)) return {};
    return kUpperLidTable[static_cast<std::size_t>(f10 * 4 + f0 * 2 + f1)];
}

}  // namespace mirel
