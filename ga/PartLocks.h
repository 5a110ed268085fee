#pragma once
// Locks on parts of the face: while a part is locked to a stored face, every
// child bred takes that part's relative points and flags from it. Which
// points and flags make a part is the one table below.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "face/AnchorGroups.h"
#include "face/FaceRecord.h"
#include "ga/Selection.h"

namespace mirel {

class PopulationStore;

enum class FacePart { Eyes, Eyebrows, Nose, Mouth, Outline, Ears, Hair };
inline constexpr int kFacePartCount = 7;

// The genes of one part, as inclusive runs of each array of a FaceRecord.
struct PartGenes {
    const char* name;  // Japanese, as the history log writes it
    std::span<const IndexRange> facePoints;
    std::span<const IndexRange> faceFlags;
    std::span<const IndexRange> haegiwaPoints;
    std::span<const IndexRange> haegiwaFlags;
    std::span<const IndexRange> kamiyousoPoints;
    std::span<const IndexRange> kamiyousoFlags;
};

namespace part_detail {
inline constexpr IndexRange kEyePoints[] = {{0, 27}};
inline constexpr IndexRange kEyeFlags[] = {{0, 14}};
inline constexpr IndexRange kBrowPoints[] = {{28, 41}};
inline constexpr IndexRange kBrowFlags[] = {{15, 21}};
inline constexpr IndexRange kNosePoints[] = {{42, 60}};
inline constexpr IndexRange kNoseFlags[] = {{22, 37}};
inline constexpr IndexRange kMouthPoints[] = {{61, 90}};
inline constexpr IndexRange kMouthFlags[] = {{38, 49}};
// The outline with the cheeks and the chin, whose curves meet it.
inline constexpr IndexRange kOutlinePoints[] = {{127, 157}, {166, 177}};
inline constexpr IndexRange kOutlineFlags[] = {{67, 86}, {90, 95}};
inline constexpr IndexRange kEarPoints[] = {{158, 165}};
inline constexpr IndexRange kEarFlags[] = {{87, 89}};
// The hairline and the hair elements together.
inline constexpr IndexRange kHaegiwaPoints[] = {{0, kHaegiwaPointCount - 1}};
inline constexpr IndexRange kHaegiwaFlags[] = {{0, kHaegiwaFlagCount - 1}};
inline constexpr IndexRange kKamiyousoPoints[] = {{0, kKamiyousoPointCount - 1}};
inline constexpr IndexRange kKamiyousoFlags[] = {{0, kKamiyousoFlagCount - 1}};
}  // namespace part_detail

inline constexpr std::array<PartGenes, kFacePartCount> kPartGenes{{
    {"目", part_detail::kEyePoints, part_detail::kEyeFlags, {}, {}, {}, {}},
    {"眉", part_detail::kBrowPoints, part_detail::kBrowFlags, {}, {}, {}, {}},
    {"鼻", part_detail::kNosePoints, part_detail::kNoseFlags, {}, {}, {}, {}},
    {"口", part_detail::kMouthPoints, part_detail::kMouthFlags, {}, {}, {}, {}},
    {"輪郭", part_detail::kOutlinePoints, part_detail::kOutlineFlags, {}, {}, {}, {}},
    {"耳", part_detail::kEarPoints, part_detail::kEarFlags, {}, {}, {}, {}},
    {"髪",
     {},
     {},
     part_detail::kHaegiwaPoints,
     part_detail::kHaegiwaFlags,
     part_detail::kKamiyousoPoints,
     part_detail::kKamiyousoFlags},
}};

constexpr const PartGenes& partGenes(FacePart part) {
    return kPartGenes[static_cast<std::size_t>(part)];
}

// Which face, if any, each part is locked to.
struct PartLocks {
    std::array<std::optional<GeneRef>, kFacePartCount> lockedTo{};

    bool any() const;
    const std::optional<GeneRef>& operator[](FacePart part) const {
        return lockedTo[static_cast<std::size_t>(part)];
    }
    std::optional<GeneRef>& operator[](FacePart part) {
        return lockedTo[static_cast<std::size_t>(part)];
    }

    friend bool operator==(const PartLocks&, const PartLocks&) = default;
};

// Copies the relative points and flags of `part` from `source` into `child`;
// nothing else of `child` changes.
void copyPartGenes(FacePart part, const FaceRecord& source, FaceRecord& child);

// Gives every child slot (those after the elites of `marks`) the locked
// parts of their faces. Draws no random number.
void applyPartLocks(const PartLocks& locks, const PopulationStore& store, const Selection& marks,
                    std::span<FaceRecord, kPopulationSize> next);

}  // namespace mirel
