// Saving and opening a session at generations 1, 10 and 49: the current
// format's encoding (with compression) and decoding in memory and its
// recovery write (atomic, flushed to the disk), each beside the first
// version's writer and reader and a copy of the current format's bytes, all
// in the same run. bench/session_ratios.py turns the figures into ratios.

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <variant>

#include "PlausibleFace.h"
#include "document/SessionFile.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"
#include "render/DrawFace.h"

namespace mirel {
namespace {

// A store bred to the last generation with three marks a generation, one of
// them on an older generation, its marks and history. As in the program,
// the first page of every generation has been drawn (its absolute points
// and derived flags rewritten), the rest not.
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
        for (int g = 0; g < kGenerationCount; ++g) {
            for (int i = 0; i < kCellsPerPage; ++i) PrepareFace(store.at({g, i}));
        }
    }
    // The session as it stood at generation `newest`.
    SessionSource source(int newest) const {
        const std::size_t records = std::size_t(newest + 1) * kPopulationSize;
        SessionSource s{std::span<const FaceRecord>(&store.at({0, 0}), records),
                        marksUpTo(newest),
                        history,
                        store.at({newest, 3}),
                        {newest, 0, 3},
                        {}};
        return s;
    }
    const SelectionMarkTable& marksUpTo(int newest) const {
        auto& table = trimmed[newest];
        if (!table) {
            table = std::make_unique<SelectionMarkTable>(marks);
            for (int g = newest; g < kGenerationCount; ++g) table->selections[g].count = 0;
            table->hoverGeneration = newest;
        }
        return *table;
    }

    PopulationStore store;
    SelectionMarkTable marks;
    HistoryRecord history;
    mutable std::map<int, std::unique_ptr<SelectionMarkTable>> trimmed;
};

const LastGeneration& lastGeneration() {
    static const LastGeneration made;
    return made;
}

// The history as the session at generation `newest` holds it.
struct Source {
    explicit Source(int newest) : history(lastGeneration().history) {
        history.logGeneration = newest;
        for (int g = newest + 1; g < kGenerationCount; ++g) history.generationSeconds[g] = 0;
        SessionSource s = lastGeneration().source(newest);
        view = std::make_unique<SessionSource>(
            SessionSource{s.generations, s.marks, history, s.detailFace, s.position, {}});
    }
    HistoryRecord history;
    std::unique_ptr<SessionSource> view;
};

const std::filesystem::path kBenchFile = "mirel-bench-session.mirel";

int newestOf(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

void report(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

using Encoder = std::string (*)(const SessionSource&);

// The reference: a copy of the current format's bytes.
void BM_CopyReference(benchmark::State& state) {
    const Source source(newestOf(state));
    const std::string bytes = encodeSession(*source.view);
    std::string copy(bytes.size(), '\0');
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
    }
    report(state, bytes.size());
}

void encode(benchmark::State& state, Encoder encoder) {
    const Source source(newestOf(state));
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string bytes = encoder(*source.view);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    report(state, size);
}
void BM_EncodeVersion1(benchmark::State& state) {
    encode(state, encodeSessionVersion1);
}
void BM_Encode(benchmark::State& state) {
    encode(state, encodeSession);
}

void decode(benchmark::State& state, Encoder encoder) {
    const Source source(newestOf(state));
    const std::string bytes = encoder(*source.view);
    for (auto _ : state) {
        auto decoded = decodeSession(bytes);
        if (!std::holds_alternative<Session>(decoded)) state.SkipWithError("refused");
        benchmark::DoNotOptimize(&decoded);
    }
    report(state, bytes.size());
}
void BM_DecodeVersion1(benchmark::State& state) {
    decode(state, encodeSessionVersion1);
}
void BM_Decode(benchmark::State& state) {
    decode(state, encodeSession);
}

// What a breeding step costs the user: encoding, then the atomic write with
// its flushes, as the recovery file is written.
void recoveryWrite(benchmark::State& state, Encoder encoder) {
    const Source source(newestOf(state));
    for (auto _ : state) {
        if (!replaceFile(kBenchFile, encoder(*source.view)).written()) {
            state.SkipWithError("not written");
        }
    }
    report(state, std::filesystem::file_size(kBenchFile));
    std::filesystem::remove(kBenchFile);
}
void BM_RecoveryWriteVersion1(benchmark::State& state) {
    recoveryWrite(state, encodeSessionVersion1);
}
void BM_RecoveryWrite(benchmark::State& state) {
    recoveryWrite(state, encodeSession);
}

// CPU time is the whole process's, so that work handed to other threads counts.
void generations(benchmark::internal::Benchmark* b) {
    b->Arg(1)->Arg(10)->Arg(kGenerationCount - 1)->Unit(benchmark::kMillisecond);
    b->MeasureProcessCPUTime();
}

BENCHMARK(BM_CopyReference)->Apply(generations);
BENCHMARK(BM_EncodeVersion1)->Apply(generations);
BENCHMARK(BM_Encode)->Apply(generations);
BENCHMARK(BM_DecodeVersion1)->Apply(generations);
BENCHMARK(BM_Decode)->Apply(generations);
BENCHMARK(BM_RecoveryWriteVersion1)->Apply(generations)->UseRealTime();
BENCHMARK(BM_RecoveryWrite)->Apply(generations)->UseRealTime();

}  // namespace
}  // namespace mirel
