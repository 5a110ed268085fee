#pragma once
// The working object of one breeding step: the marks it breeds from, the
// elites and parents it draws from them, and the crossover operators and
// group drivers that fill the new generation's slots. Built for one step and
// discarded after it.

#include <array>
#include <cstdint>
#include <span>

#include "face/FaceRecord.h"
#include "ga/BreedingSettings.h"
#include "ga/Selection.h"

namespace mirel {

class PopulationStore;

inline constexpr int kMaxElites = 20;  // marked faces copied unchanged
inline constexpr int kParentsPerChild = 3;
inline constexpr int kUnmutatedChildren = 7;  // children after the elites left unmutated (2+ marks)

// The slots of the generation being bred.
using GenerationSlots = std::span<FaceRecord, kPopulationSize>;

// Up to 60 (generation, index) pairs, kept as two parallel arrays.
struct GeneRefList {
    std::array<std::int32_t, kMaxMarks> generation{};
    std::array<std::int32_t, kMaxMarks> index{};

    GeneRef at(int k) const { return {generation[k], index[k]}; }
    void set(int k, GeneRef ref) {
        generation[k] = ref.generation;
        index[k] = ref.index;
    }
};

class Breeder {
  public:
    // The selection must hold 1 to 60 distinct marks of generations already bred.
    explicit Breeder(const Selection& marks);

    // Elites: all marks in order when there are at most 20, else 20 distinct random ones.
    void chooseElites();
    // Parents 0-2: distinct random marks, or with fewer than 3 marks all of them
    // in order topped up by random repeats.
    void chooseParents();

    // The group drivers, run in this order over the same slots. Each reads
    // earlier generations through `store` and writes only `next`.
    void breedFaceGenes(const PopulationStore& store, GenerationSlots next);
    void breedHairlineGenes(const PopulationStore& store, GenerationSlots next);
    void breedHairElementGenes(const PopulationStore& store, GenerationSlots next);
    // The last settings.newPeople() slots, which the group drivers leave
    // alone: each a new person, the parts of three random samples of
    // generation 0 crossed as a child's are, then moved by large steps under
    // the same shape rules. Runs after the group drivers.
    void breedNewPeople(const PopulationStore& store, GenerationSlots next);

    // Crossover from the current parents into one child. crossFacePoints records
    // the child's main parent, which crossHairlinePoints then copies whole.
    void crossFacePoints(const PopulationStore& store, FaceRecord& child);
    void crossFaceFlags(const PopulationStore& store, FaceRecord& child);
    void crossHairlinePoints(const PopulationStore& store, FaceRecord& child) const;
    void crossHairlineFlags(const PopulationStore& store, FaceRecord& child) const;
    void crossHairElementPoints(const PopulationStore& store, FaceRecord& child) const;
    void crossHairElementFlags(const PopulationStore& store, FaceRecord& child) const;

    Selection selection;
    std::int32_t eliteCount = 0;
    GeneRefList elites;
    std::int32_t parentCount = kParentsPerChild;
    GeneRefList parents;
    std::int32_t currentChild = 0;  // slot of the child being bred
    GeneRefList mainParent;         // per slot: the parent of its chin and outline
    BreedingSettings settings;      // the default breeds as without settings

  private:
    // The parent named by parents entry randomIndex(3) (one draw).
    GeneRef drawParent() const;
};

}  // namespace mirel
