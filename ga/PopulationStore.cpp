#include "ga/PopulationStore.h"

#include <algorithm>

#include "face/SampleLoader.h"
#include "ga/Breeder.h"
#include "ga/PartLocks.h"

namespace mirel {

namespace {

constexpr std::size_t kRecordCount = std::size_t(kGenerationCount) * kPopulationSize;

std::vector<FaceRecord> allocateRecords() {
    return std::vector<FaceRecord>(kRecordCount);
}

std::span<FaceRecord, kPopulationSize> firstGeneration(std::vector<FaceRecord>& records) {
    return std::span<FaceRecord, kPopulationSize>(records.data(), kPopulationSize);
}

}  // namespace

PopulationStore::PopulationStore(std::vector<FaceRecord> records) : records_(std::move(records)) {}

PopulationStore::PopulationStore(const std::string& dataDir) : records_(allocateRecords()) {
    SampleLoader(dataDir).loadSamplePopulation(firstGeneration(records_));
}

PopulationStore::PopulationStore(Generation generation0) : records_(allocateRecords()) {
    std::copy(generation0.begin(), generation0.end(), records_.begin());
}

std::variant<PopulationStore, LoadFailure> PopulationStore::load(const std::string& dataDir) {
    std::vector<FaceRecord> records = allocateRecords();
    if (auto failure = SampleLoader(dataDir).tryLoadSamplePopulation(firstGeneration(records))) {
        return *failure;
    }
    return PopulationStore(std::move(records));
}

PopulationStore PopulationStore::restore(std::vector<FaceRecord> records, int generationCount) {
    records.resize(kRecordCount);
    PopulationStore store(std::move(records));
    store.generationCount_ = std::clamp(generationCount, 0, kLastGeneration);
    return store;
}

BreedResult PopulationStore::breedNextGeneration(Selection selection) {
    return breedNextGeneration(selection, PartLocks{});
}

BreedResult PopulationStore::breedNextGeneration(Selection selection, const PartLocks& locks) {
    return breedNextGeneration(selection, locks, BreedingSettings{});
}

BreedResult PopulationStore::breedNextGeneration(Selection selection, const PartLocks& locks,
                                                 const BreedingSettings& settings) {
    const int g = generationCount_;
    if (g >= kLastGeneration) return BreedResult::GenerationLimit;
    if (!isBreedable(selection, g)) return BreedResult::InvalidSelection;
    for (const std::optional<GeneRef>& lock : locks.lockedTo) {
        if (lock && !isStored(*lock, g)) return BreedResult::InvalidSelection;
    }

    const std::span<FaceRecord, kPopulationSize> next(&records_[slot({g + 1, 0})], kPopulationSize);
    Breeder breeder(selection);
    breeder.settings = settings;
    const PopulationStore& earlier = *this;
    breeder.breedFaceGenes(earlier, next);
    breeder.breedHairlineGenes(earlier, next);
    breeder.breedHairElementGenes(earlier, next);
    breeder.breedNewPeople(earlier, next);
    applyPartLocks(locks, earlier, selection, next);
    generationCount_ = g + 1;
    return BreedResult::Bred;
}

BreedResult PopulationStore::addGeneration(Generation faces) {
    const int g = generationCount_;
    if (g >= kLastGeneration) return BreedResult::GenerationLimit;
    std::copy(faces.begin(), faces.end(),
              records_.begin() + static_cast<std::ptrdiff_t>(slot({g + 1, 0})));
    generationCount_ = g + 1;
    return BreedResult::Bred;
}

void PopulationStore::setNewest(int generationCount, std::span<const FaceRecord> following) {
    const std::size_t first = slot({generationCount_ + 1, 0});
    const std::size_t room = records_.size() - std::min(first, records_.size());
    std::copy_n(following.begin(), std::min(following.size(), room), records_.begin() + first);
    generationCount_ = std::clamp(generationCount, 0, kLastGeneration);
}

bool isStored(GeneRef ref, int newest) {
    return ref.generation >= 0 && ref.generation <= newest && ref.index >= 0 &&
           ref.index < kPopulationSize;
}

bool isBreedable(const Selection& selection, int newest) {
    if (selection.count < 1 || selection.count > kMaxMarks) return false;
    for (int k = 0; k < selection.count; ++k) {
        const GeneRef ref = selection.mark(k);
        if (!isStored(ref, newest)) return false;
        // Repeated marks would leave the distinct-parent draws without an end.
        for (int j = 0; j < k; ++j) {
            if (selection.mark(j) == ref) return false;
        }
    }
    return true;
}

}  // namespace mirel
