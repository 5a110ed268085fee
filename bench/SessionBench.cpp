// Saving and opening a session at the last generation (49 bred generations,
// 3000 records): encoding and decoding in memory, and the whole file written
// atomically (flushed to the disk) and read back. A copy of the same bytes is
// the reference the figures compare with.

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <variant>

#include "PlausibleFace.h"
#include "document/SessionFile.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

// A store bred to generation 49 with three marks a generation, one of them
// on an older generation, and its marks and history.
struct LastGeneration {
    LastGeneration() : store(test::plausibleStore()) {
        resetRandomSource();
        for (int g = 0; g < kGenerationCount - 1; ++g) {
            Selection& s = marks.selections[g];
            s.count = 3;
            s.setMark(0, {g, 1});
            s.setMark(1, {g, 7});
            s.setMark(2, {g / 2, 12});
            (void)store.breedNextGeneration(s);
            history.generationSeconds[g] = 30.0 + g;
        }
        history.logGeneration = store.generationCount();
    }
    SessionSource source() const {
        const std::size_t records = std::size_t(kGenerationCount) * kPopulationSize;
        return {std::span<const FaceRecord>(&store.at({0, 0}), records),
                marks,
                history,
                store.at({49, 3}),
                {49, 0, 3},
                {}};
    }

    PopulationStore store;
    SelectionMarkTable marks;
    HistoryRecord history;
};

const LastGeneration& lastGeneration() {
    static const LastGeneration made;
    return made;
}

const std::filesystem::path kBenchFile = "mirel-bench-session.mirel";

void setBytes(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

void BM_CopyReference(benchmark::State& state) {
    const std::string bytes = encodeSession(lastGeneration().source());
    std::string copy(bytes.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    setBytes(state, bytes.size());
}
BENCHMARK(BM_CopyReference)->Unit(benchmark::kMillisecond);

void BM_EncodeSession(benchmark::State& state) {
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = encodeSession(lastGeneration().source());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    setBytes(state, size);
}
BENCHMARK(BM_EncodeSession)->Unit(benchmark::kMillisecond);

void BM_DecodeSession(benchmark::State& state) {
    const std::string bytes = encodeSession(lastGeneration().source());
    for (auto _ : state) {
        auto decoded = decodeSession(bytes);
        if (!std::holds_alternative<Session>(decoded)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(&decoded);
    }
    setBytes(state, bytes.size());
}
BENCHMARK(BM_DecodeSession)->Unit(benchmark::kMillisecond);

void BM_SaveSessionFile(benchmark::State& state) {
    for (auto _ : state) {
        if (!writeSessionFile(kBenchFile, lastGeneration().source()).written()) {
            state.SkipWithError("not written");
        }
    }
    setBytes(state, std::filesystem::file_size(kBenchFile));
}
BENCHMARK(BM_SaveSessionFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenSessionFile(benchmark::State& state) {
    (void)writeSessionFile(kBenchFile, lastGeneration().source());
    for (auto _ : state) {
        auto read = readSessionFile(kBenchFile);
        if (!std::holds_alternative<Session>(read)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(&read);
    }
    setBytes(state, std::filesystem::file_size(kBenchFile));
    std::filesystem::remove(kBenchFile);
}
BENCHMARK(BM_OpenSessionFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace mirel
