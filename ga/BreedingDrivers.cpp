// The three group drivers of the Breeder: elites first, then children by
// crossover and, by the rate table, mutation.

#include "ga/Breeder.h"
#include "ga/FaceOperators.h"
#include "ga/HairElementOperators.h"
#include "ga/HairlineOperators.h"
#include "ga/PopulationStore.h"

namespace mirel {

namespace {

struct Rates {
    double points;
    double flags;
};

// What distinguishes one group's driver from another's.
struct GroupDriver {
    void (*copyElite)(const FaceRecord& elite, FaceRecord& slot);
    void (*cross)(Breeder& breeder, const PopulationStore& store, FaceRecord& child);
    void (*mutatePoints)(FaceRecord& child, double p, int stepScale);
    void (*mutateFlags)(FaceRecord& child, double p);
    Rates oneMark;    // with a single marked face every child is mutated at these
    Rates manyMarks;  // with more, all but the first unmutated children
    bool setsCurrentChild;
};

constexpr GroupDriver kFaceDriver{
    [](const FaceRecord& elite, FaceRecord& slot) { slot.face = elite.face; },
    [](Breeder& b, const PopulationStore& store, FaceRecord& child) {
        b.crossFacePoints(store, child);
        b.crossFaceFlags(store, child);
    },
    mutateFacePoints,
    mutateFaceFlags,
    {0.5, 0.3},
    {0.3, 0.05},
    true,
};

constexpr GroupDriver kHairlineDriver{
    [](const FaceRecord& elite, FaceRecord& slot) { slot.hair = elite.hair; },
    [](Breeder& b, const PopulationStore& store, FaceRecord& child) {
        b.crossHairlinePoints(store, child);
        b.crossHairlineFlags(store, child);
    },
    mutateHairlinePoints,
    mutateHairlineFlags,
    {0.5, 0.3},
    {1.0, 0.01},
    true,
};

// An elite's hair block is copied again here; with more than 20 marks this
// driver's elites are the ones whose hair survives.
constexpr GroupDriver kHairElementDriver{
    [](const FaceRecord& elite, FaceRecord& slot) { slot.hair = elite.hair; },
    [](Breeder& b, const PopulationStore& store, FaceRecord& child) {
        b.crossHairElementPoints(store, child);
        b.crossHairElementFlags(store, child);
    },
    mutateHairElementPoints,
    mutateHairElementFlags,
    {0.5, 0.3},
    {1.0, 0.1},
    false,
};

void breedGroup(Breeder& breeder, const GroupDriver& driver, const PopulationStore& store,
                GenerationSlots next) {
    breeder.chooseElites();
    for (int e = 0; e < breeder.eliteCount; ++e) {
        driver.copyElite(store.at(breeder.elites.at(e)), next[e]);
    }
    const BreedingSettings& settings = breeder.settings;
    for (int i = breeder.eliteCount; i < kPopulationSize - settings.newPeople(); ++i) {
        breeder.chooseParents();
        if (driver.setsCurrentChild) breeder.currentChild = i;
        FaceRecord& child = next[i];
        driver.cross(breeder, store, child);
        const Rates* rates = nullptr;
        if (breeder.selection.count == 1) {
            rates = &driver.oneMark;
        } else if (i >= breeder.eliteCount + kUnmutatedChildren || settings.mutatesEveryChild()) {
            rates = &driver.manyMarks;
        }
        if (rates != nullptr) {
            driver.mutatePoints(child, rates->points, settings.stepScale());
            driver.mutateFlags(child, rates->flags);
        }
    }
}

}  // namespace

void Breeder::breedFaceGenes(const PopulationStore& store, GenerationSlots next) {
    breedGroup(*this, kFaceDriver, store, next);
}

void Breeder::breedHairlineGenes(const PopulationStore& store, GenerationSlots next) {
    breedGroup(*this, kHairlineDriver, store, next);
}

void Breeder::breedHairElementGenes(const PopulationStore& store, GenerationSlots next) {
    breedGroup(*this, kHairElementDriver, store, next);
}

}  // namespace mirel
