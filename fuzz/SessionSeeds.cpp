// Writes the session reader's seeds into the folder given: real sessions
// bred from the sample bank under Data/, in both versions, with marks on
// older generations, part locks and a document path, so that every section
// is there to be mutated.

#include <cstdio>
#include <filesystem>
#include <string>
#include <variant>

#include "document/SessionCompression.h"
#include "document/SessionFile.h"
#include "ga/PartLocks.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"
#include "render/DrawFace.h"

int main(int argc, char** argv) {
    using namespace mirel;
    if (argc != 2) {
        std::fprintf(stderr, "usage: session_seeds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    auto loaded = PopulationStore::load("Data");
    if (auto* failure = std::get_if<LoadFailure>(&loaded)) {
        std::fprintf(stderr, "%s\n", failure->text.c_str());
        return 1;
    }
    PopulationStore& store = std::get<PopulationStore>(loaded);
    resetRandomSource();
    SelectionMarkTable marks;
    HistoryRecord history;
    std::array<PartLocks, kGenerationCount> locks{};
    const auto write = [&](const std::string& name, bool locked, bool withPath) {
        const int newest = store.generationCount();
        const std::size_t records = std::size_t(newest + 1) * kPopulationSize;
        std::array<PartLocks, kGenerationCount> shown{};
        if (locked) shown = locks;
        marks.hoverGeneration = newest;
        history.logGeneration = newest;
        const SessionSource source{std::span<const FaceRecord>(&store.at({0, 0}), records),
                                   marks,
                                   history,
                                   store.at({newest, 5}),
                                   {newest, 1, 5},
                                   withPath ? "/home/user/portrait.mirel" : "",
                                   shown};
        // Each as the file (first byte 0) and as the payload to be sealed
        // (1: version 1, 2: version 2).
        const std::string version1 = encodeSessionVersion1(source);
        const std::string version2 = encodeSession(source);
        std::string payload2;
        if (decompressPayload(std::string_view(version2).substr(kSessionHeaderBytes),
                              kSessionMaxPayloadBytes, payload2)) {
            return false;
        }
        const std::pair<const char*, std::string> seeds[] = {
            {"-v1.file", '\0' + version1},
            {"-v2.file", '\0' + version2},
            {"-v1.payload", '\1' + version1.substr(kSessionHeaderBytes)},
            {"-v2.payload", '\2' + payload2},
        };
        for (const auto& [suffix, bytes] : seeds) {
            if (!replaceFile(folder / (name + suffix), bytes).written()) return false;
        }
        return true;
    };
    bool ok = write("generation0", false, false);
    for (int g = 0; g < 3 && ok; ++g) {
        Selection& s = marks.selections[g];
        s.count = 3;
        s.setMark(0, {g, 2});
        s.setMark(1, {g, 11});
        s.setMark(2, {0, 4});
        locks[g][FacePart::Nose] = GeneRef{0, 4};
        if (store.breedNextGeneration(s, locks[g]) != BreedResult::Bred) return 1;
        history.generationSeconds[g] = 12.5 + g;
        // What window 1 does to the faces it shows: the first page is drawn.
        for (int i = 0; i < kCellsPerPage; ++i) PrepareFace(store.at({g + 1, i}));
    }
    ok = ok && write("generation3", true, true);
    return ok ? 0 : 1;
}
