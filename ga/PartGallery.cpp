#include "ga/PartGallery.h"

#include <algorithm>
#include <cmath>

#include "face/RecordConverter.h"
#include "ga/FaceOperators.h"
#include "ga/HairElementOperators.h"
#include "ga/HairlineOperators.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

constexpr int kSampleSlots = 20;
constexpr int kCurrentSlots = 20;
// Gallery mutations walk 3 to 8 breeding steps of the part at once, and a
// redraw after a look-alike walks 4 steps further each time.
constexpr int kFewestSteps = 3;
constexpr int kStepSpread = 6;
constexpr int kRedrawExtraSteps = 4;
constexpr int kRedraws = 6;
constexpr double kStepRate = 0.5;
constexpr double kFlagRate = 0.2;
// A gallery with fewer distinct parts than this offers no real choice.
constexpr int kFewestDistinct = 20;

template <typename Points>
void addDistances(std::span<const IndexRange> runs, const Points& a, const Points& b, double& sum,
                  int& count) {
    for (const IndexRange run : runs) {
        for (int k = run.first; k <= run.last; ++k) {
            sum += std::hypot(a[k].x - b[k].x, a[k].y - b[k].y);
            ++count;
        }
    }
}

template <typename Flags>
bool sameFlags(std::span<const IndexRange> runs, const Flags& a, const Flags& b) {
    for (const IndexRange run : runs) {
        if (!std::equal(a.begin() + run.first, a.begin() + run.last + 1, b.begin() + run.first))
            return false;
    }
    return true;
}

// partsLookAlike of two faces already drawn.
bool alikeDrawn(FacePart part, const FaceRecord& a, const FaceRecord& b) {
    const PartGenes& genes = partGenes(part);
    if (!sameFlags(genes.faceFlags, a.face.flags, b.face.flags) ||
        !sameFlags(genes.haegiwaFlags, a.hair.haegiwaFlags, b.hair.haegiwaFlags)) {
        return false;
    }
    double sum = 0;
    int count = 0;
    addDistances(genes.facePoints, a.face.absPoints, b.face.absPoints, sum, count);
    addDistances(genes.haegiwaPoints, a.hair.haegiwaAbs, b.hair.haegiwaAbs, sum, count);
    return count == 0 || sum / count < kAlikePartDistance;
}

// The part of `base` walked `steps` breeding steps away, into `face`.
FaceRecord mutatedPart(FacePart part, const FaceRecord& base, const FaceRecord& face, int steps) {
    FaceRecord walked = base;
    for (int s = 0; s < steps; ++s) {
        if (part == FacePart::Hair) {
            mutateHairlinePoints(walked, kStepRate);
            mutateHairElementPoints(walked, kStepRate);
        } else {
            mutateFacePoints(walked, kStepRate);
        }
    }
    if (part == FacePart::Hair) {
        mutateHairlineFlags(walked, kFlagRate);
        mutateHairElementFlags(walked, kFlagRate);
    } else {
        mutateFaceFlags(walked, kFlagRate);
    }
    FaceRecord result = face;
    copyPartGenes(part, walked, result);
    return result;
}

class Gallery {
  public:
    Gallery(FacePart part, const FaceRecord& chosen) : part_(part), chosen_(chosen) {}

    bool isNew(const FaceRecord& candidate) const {
        const FaceRecord shown = drawnForm(candidate);
        return std::none_of(shown_.begin(), shown_.end(), [&](const FaceRecord& taken) {
            return alikeDrawn(part_, taken, shown);
        });
    }
    void take(const FaceRecord& face) {
        faces_.push_back(face);
        shown_.push_back(drawnForm(face));
    }
    // A mutation of `base`'s part, redrawn wider while it looks like one
    // taken; the last draw is taken when every redraw does.
    void takeMutation(const FaceRecord& base) {
        int steps = kFewestSteps + randomIndex(kStepSpread);
        FaceRecord candidate = mutatedPart(part_, base, chosen_, steps);
        for (int redraw = 0; redraw < kRedraws && !isNew(candidate); ++redraw) {
            steps += kRedrawExtraSteps;
            candidate = mutatedPart(part_, base, chosen_, steps);
        }
        take(candidate);
    }
    // The chosen face with `donor`'s part, when that part is a new one.
    bool offer(const FaceRecord& donor) {
        FaceRecord candidate = chosen_;
        copyPartGenes(part_, donor, candidate);
        if (!isNew(candidate)) return false;
        take(candidate);
        return true;
    }

    int size() const { return static_cast<int>(faces_.size()); }
    int distinct() const {
        int count = 0;
        for (std::size_t i = 0; i < shown_.size(); ++i) {
            bool alone = true;
            for (std::size_t j = 0; j < i && alone; ++j) {
                alone = !alikeDrawn(part_, shown_[j], shown_[i]);
            }
            count += alone ? 1 : 0;
        }
        return count;
    }
    std::vector<FaceRecord> release() { return std::move(faces_); }

  private:
    FacePart part_;
    const FaceRecord& chosen_;
    std::vector<FaceRecord> faces_;
    std::vector<FaceRecord> shown_;  // the same faces as drawn
};

}  // namespace

bool partsLookAlike(FacePart part, const FaceRecord& a, const FaceRecord& b) {
    return alikeDrawn(part, drawnForm(a), drawnForm(b));
}

ToolGeneration makePartGallery(FacePart part, const FaceRecord& chosen,
                               std::span<const FaceRecord, kSampleCount> samples,
                               std::span<const FaceRecord, kPopulationSize> current) {
    Gallery gallery(part, chosen);
    // A sample whose part repeats one already shown gives a mutation of its own part.
    for (int s = 0; s < kSampleSlots; ++s) {
        if (!gallery.offer(samples[s])) gallery.takeMutation(samples[s]);
    }
    for (int i = 0; i < kPopulationSize && gallery.size() < kSampleSlots + kCurrentSlots; ++i) {
        gallery.offer(current[i]);
    }
    while (gallery.size() < kPopulationSize) gallery.takeMutation(chosen);
    if (gallery.distinct() < kFewestDistinct) return {{}, ToolRefusal::NothingToVary};
    return {gallery.release(), std::nullopt};
}

}  // namespace mirel
