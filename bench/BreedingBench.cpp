// One breeding step: the three group drivers filling 60 slots, for the
// selections that cost most (one mark: every child mutated at the high rates)
// and typical ones.

#include <benchmark/benchmark.h>

#include <vector>

#include "PlausibleFace.h"
#include "ga/Breeder.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

void BM_BreedingStep(benchmark::State& state) {
    const int marks = static_cast<int>(state.range(0));
    const PopulationStore store = test::plausibleStore();
    Selection selection;
    selection.count = marks;
    for (int k = 0; k < marks; ++k) selection.setMark(k, {0, k});
    std::vector<FaceRecord> slots(kPopulationSize);
    const GenerationSlots next(slots.data(), kPopulationSize);
    resetRandomSource();
    for (auto _ : state) {
        Breeder breeder(selection);
        breeder.breedFaceGenes(store, next);
        breeder.breedHairlineGenes(store, next);
        breeder.breedHairElementGenes(store, next);
        benchmark::DoNotOptimize(slots.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPopulationSize);
}
BENCHMARK(BM_BreedingStep)->Arg(1)->Arg(2)->Arg(20)->Arg(60)->Unit(benchmark::kMicrosecond);

// Allocating a document's store with generation 0 (the 3000 records).
void BM_StoreConstruction(benchmark::State& state) {
    const std::vector<FaceRecord> generation0 = test::plausibleGeneration();
    for (auto _ : state) {
        PopulationStore store(PopulationStore::Generation(generation0.data(), kPopulationSize));
        benchmark::DoNotOptimize(&store.at({0, 0}));
    }
}
BENCHMARK(BM_StoreConstruction)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirel

BENCHMARK_MAIN();
