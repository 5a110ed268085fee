#include "ga/PartLocks.h"

#include <algorithm>

#include "ga/Breeder.h"
#include "ga/PopulationStore.h"

namespace mirel {
namespace {

template <typename Array>
void copyRuns(std::span<const IndexRange> runs, const Array& from, Array& to) {
    for (const IndexRange run : runs) {
        std::copy(from.begin() + run.first, from.begin() + run.last + 1, to.begin() + run.first);
    }
}

}  // namespace

bool PartLocks::any() const {
    return std::any_of(lockedTo.begin(), lockedTo.end(),
                       [](const std::optional<GeneRef>& lock) { return lock.has_value(); });
}

void copyPartGenes(FacePart part, const FaceRecord& source, FaceRecord& child) {
    const PartGenes& genes = partGenes(part);
    copyRuns(genes.facePoints, source.face.relPoints, child.face.relPoints);
    copyRuns(genes.faceFlags, source.face.flags, child.face.flags);
    copyRuns(genes.haegiwaPoints, source.hair.haegiwaRel, child.hair.haegiwaRel);
    copyRuns(genes.haegiwaFlags, source.hair.haegiwaFlags, child.hair.haegiwaFlags);
    copyRuns(genes.kamiyousoPoints, source.hair.kamiyousoRel, child.hair.kamiyousoRel);
    copyRuns(genes.kamiyousoFlags, source.hair.kamiyousoFlags, child.hair.kamiyousoFlags);
}

void applyPartLocks(const PartLocks& locks, const PopulationStore& store, const Selection& marks,
                    std::span<FaceRecord, kPopulationSize> next) {
    // Elites stay exact copies of the marked faces.
    const int firstChild = std::min(marks.count, kMaxElites);
    for (int part = 0; part < kFacePartCount; ++part) {
        const std::optional<GeneRef>& lock = locks.lockedTo[static_cast<std::size_t>(part)];
        if (!lock) continue;
        // A copy: the locked face may lie in the generation being written.
        const FaceRecord source = store.at(*lock);
        for (int i = firstChild; i < kPopulationSize; ++i) {
            copyPartGenes(static_cast<FacePart>(part), source, next[i]);
        }
    }
}

}  // namespace mirel
