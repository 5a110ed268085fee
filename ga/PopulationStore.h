#pragma once
// Every generation of one document: 50 generations of 60 face records,
// allocated once, addressed by (generation, index). Generation 0 comes from the
// sample faces; breeding only reads earlier generations and writes the next.

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "face/FaceRecord.h"
#include "face/LoadFailure.h"
#include "ga/BreedingSettings.h"
#include "ga/Selection.h"

namespace mirel {

struct PartLocks;

inline constexpr int kLastGeneration = kGenerationCount - 1;

// Shown by the application when breeding is refused at the last generation.
inline constexpr std::string_view kGenerationLimitText = "Over the SEDAI_MAX!";
inline constexpr std::string_view kGenerationLimitCaption = "error";

enum class BreedResult {
    Bred,              // the next generation exists and is the newest
    GenerationLimit,   // the newest generation is the last one; nothing changed
    InvalidSelection,  // no marks, too many, a repeated mark or one of a generation not
                       // bred yet; nothing changed
};

class PopulationStore {
  public:
    using Generation = std::span<const FaceRecord, kPopulationSize>;

    // Generation 0 from the twenty samples under dataDir; an unreadable sample
    // ends the process (the loader's fatal path).
    explicit PopulationStore(const std::string& dataDir = "Data");
    // Generation 0 as given.
    explicit PopulationStore(Generation generation0);
    // Generation 0 from the samples, or the loader's failure without ending the process.
    static std::variant<PopulationStore, LoadFailure> load(const std::string& dataDir = "Data");
    // A store as it was saved: `records` holds all 50 generations' slots (the
    // ones after generationCount are not read), 0 <= generationCount <= 49.
    static PopulationStore restore(std::vector<FaceRecord> records, int generationCount);

    PopulationStore(const PopulationStore&) = delete;
    PopulationStore& operator=(const PopulationStore&) = delete;
    PopulationStore(PopulationStore&&) = default;
    PopulationStore& operator=(PopulationStore&&) = default;

    // Index of the newest generation; generations 0..generationCount() exist.
    int generationCount() const { return generationCount_; }

    // `ref` must name an existing generation and an index below 60. Drawing a
    // record rewrites its absolute points, hence the mutable access.
    const FaceRecord& at(GeneRef ref) const { return records_[slot(ref)]; }
    FaceRecord& at(GeneRef ref) { return records_[slot(ref)]; }
    Generation generation(int g) const {
        return Generation(&records_[slot({g, 0})], kPopulationSize);
    }

    // Breeds generation generationCount() + 1 from the marks and makes it the
    // newest. Refuses, changing nothing and drawing no random number, at the
    // last generation or with an unusable selection or lock. The locked parts of the
    // children are then taken from their faces; the random draws stay those
    // of breeding without locks.
    [[nodiscard]] BreedResult breedNextGeneration(Selection selection);
    [[nodiscard]] BreedResult breedNextGeneration(Selection selection, const PartLocks& locks);
    // As above, with the step size and new people of `settings`; the default
    // settings breed exactly as the calls above.
    [[nodiscard]] BreedResult breedNextGeneration(Selection selection, const PartLocks& locks,
                                                  const BreedingSettings& settings);

    // Stores `faces` as generation generationCount() + 1 and makes it the
    // newest, as breeding would; refuses, changing nothing, at the last generation.
    [[nodiscard]] BreedResult addGeneration(Generation faces);

    // Makes generation `generationCount` (0-49) the newest: the generations
    // above it are no longer stored, and `following` (whole generations, in
    // order) fills the slots after generation generationCount() first.
    // Draws no random number.
    void setNewest(int generationCount, std::span<const FaceRecord> following = {});

  private:
    PopulationStore(std::vector<FaceRecord> records);
    static std::size_t slot(GeneRef ref) {
        return static_cast<std::size_t>(ref.generation) * kPopulationSize +
               static_cast<std::size_t>(ref.index);
    }

    std::vector<FaceRecord> records_;
    int generationCount_ = 0;
};

// True when `ref` names an individual of generations 0..newest.
bool isStored(GeneRef ref, int newest);
// True when `selection` can be bred from while `newest` is the newest
// generation: 1 to 60 distinct marks, each of generation 0..newest and index 0..59.
bool isBreedable(const Selection& selection, int newest);

}  // namespace mirel
