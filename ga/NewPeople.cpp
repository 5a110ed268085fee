// New people for the last slots of a generation: faces no mark led to, so
// that a user whose marks have narrowed the choice still sees other features.

#include "face/LoadChecks.h"
#include "face/RecordConverter.h"
#include "face/SampleLoader.h"
#include "ga/Breeder.h"
#include "ga/FaceOperators.h"
#include "ga/HairElementOperators.h"
#include "ga/HairlineOperators.h"
#include "ga/RandomSource.h"

namespace mirel {

namespace {

// A new person's points move further than a child's: every coordinate is
// stepped, three times the amplitude of a child's step. The shape rules keep
// each part a face part; the flags change as with a single mark.
constexpr double kNewPersonPointRate = 1.0;
constexpr int kNewPersonStepScale = 3;
constexpr double kFaceFlagRate = 0.3;
constexpr double kHairlineFlagRate = 0.3;
constexpr double kHairElementFlagRate = 0.3;
// Tries at a new person before settling for a plain cross of samples.
constexpr int kNewPersonAttempts = 8;

// Three distinct samples (generation 0, faces 0-19) as the parents.
void chooseSampleParents(GeneRefList& parents) {
    for (int p = 0; p < kParentsPerChild; ++p) {
        GeneRef sample{};
        bool repeated = true;
        while (repeated) {
            sample = GeneRef{0, randomIndex(kSampleCount)};
            repeated = false;
            for (int q = 0; q < p; ++q) repeated = repeated || parents.at(q) == sample;
        }
        parents.set(p, sample);
    }
}

// Whether `person` draws as a face the files can hold: steps this large can
// leave the hair fitting with nothing sane to fit to.
bool drawsSanely(const FaceRecord& person) {
    return !findFaceProblem(person, drawnForm(person)).has_value();
}

}  // namespace

void Breeder::breedNewPeople(const PopulationStore& store, GenerationSlots next) {
    for (int i = kPopulationSize - settings.newPeople(); i < kPopulationSize; ++i) {
        FaceRecord& person = next[i];
        currentChild = i;
        const FaceRecord slot = person;
        for (int attempt = 0; attempt < kNewPersonAttempts; ++attempt) {
            person = slot;
            chooseSampleParents(parents);
            crossFacePoints(store, person);
            crossFaceFlags(store, person);
            crossHairlinePoints(store, person);
            crossHairlineFlags(store, person);
            crossHairElementPoints(store, person);
            crossHairElementFlags(store, person);
            // The last attempt keeps the plain cross of three samples, which draws as they do.
            if (attempt + 1 == kNewPersonAttempts) break;
            mutateFacePoints(person, kNewPersonPointRate, kNewPersonStepScale);
            mutateFaceFlags(person, kFaceFlagRate);
            mutateHairlinePoints(person, kNewPersonPointRate, kNewPersonStepScale);
            mutateHairlineFlags(person, kHairlineFlagRate);
            mutateHairElementPoints(person, kNewPersonPointRate, kNewPersonStepScale);
            mutateHairElementFlags(person, kHairElementFlagRate);
            if (drawsSanely(person)) break;
        }
    }
}

}  // namespace mirel
