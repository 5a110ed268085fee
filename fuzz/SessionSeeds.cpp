// Writes the session reader's seeds into the folder given: real sessions
// bred from the sample bank under Data/, in both versions, with marks on
// older generations, part locks, a document path, a chosen face, the view
// option, generations made by both tools and bred with other than the
// default settings, so that every section is there to be mutated.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>

#include "document/SessionCompression.h"
#include "document/SessionFile.h"
#include "ga/Exaggeration.h"
#include "ga/PartGallery.h"
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
    std::optional<GeneRef> chosen;
    bool innerFaceFirst = false;
    ToolsPerGeneration tools{};
    std::array<BreedingSettings, kGenerationCount> breeding{};
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
                                   shown,
                                   chosen,
                                   innerFaceFirst,
                                   tools,
                                   breeding};
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

    // Then every optional section: a generation bred with larger steps and
    // new people, one from each tool, a chosen face and the view option.
    breeding[3] = BreedingSettings{StepSize::Large, NewBlood::Few};
    Selection& s = marks.selections[3];
    s.count = 2;
    s.setMark(0, {3, 7});
    s.setMark(1, {2, 2});
    if (store.breedNextGeneration(s, locks[3], breeding[3]) != BreedResult::Bred) return 1;
    history.generationSeconds[3] = 40.25;
    const auto addTool = [&](ToolKind kind, FacePart part, GeneRef from) {
        const int g = store.generationCount();
        const FaceRecord face = store.at(from);
        const PopulationStore::Generation bank = store.generation(0);
        const ToolGeneration made =
            kind == ToolKind::PartGallery
                ? makePartGallery(part, face, bank.first<kSampleCount>(), store.generation(g))
                : makeExaggerationRange(face, bank[kAverageSample]);
        if (made.refusal ||
            store.addGeneration(PopulationStore::Generation(made.faces.data(), kPopulationSize)) !=
                BreedResult::Bred) {
            return false;
        }
        tools[g] = ToolUse{kind, part, from};
        history.generationSeconds[g] = 3.0 + g;
        return true;
    };
    if (!addTool(ToolKind::PartGallery, FacePart::Mouth, {4, 9})) return 1;
    if (!addTool(ToolKind::Exaggeration, FacePart::Eyes, {5, 21})) return 1;
    // Those in force for the next generation.
    breeding[6] = BreedingSettings{StepSize::ExtraLarge, NewBlood::Many};
    chosen = GeneRef{6, 30};
    innerFaceFirst = true;
    ok = ok && write("generation6-every-section", true, true);
    return ok ? 0 : 1;
}
