// mirel-witness: a simulated user steering the breeding toward a target face.
// For each target folder it marks, generation after generation, the K faces
// whose pictures are nearest the target's, and reports how near the nearest
// shown face comes and how much variety the shown faces keep.
//
// `targets OUTDIR` writes target faces made from the sample bank: faces bred
// with random marks, and bank faces with another bank face's hair or mouth.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "face/RecordConverter.h"
#include "face/SampleLoader.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"
#include "output/FaceTextExport.h"
#include "witness/Witness.h"
#include "witness/WitnessTools.h"

namespace {

using mirel::FaceRecord;
using mirel::witness::GenerationFigures;
using mirel::witness::WitnessOptions;

constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;
constexpr int kExitFailure = 255;
constexpr int kMaxMarksPerGeneration = 20;
constexpr int kReportedGenerations[] = {5, 10, 20};

constexpr const char kUsage[] =
    "usage: mirel-witness run TARGETDIR... [--data DIR] [--marks K] [--generations G]\n"
    "                         [--mode page1|pages|locks|all|tools]\n"
    "       mirel-witness targets OUTDIR [--data DIR]\n"
    "\n"
    "run      plays the witness for each target folder (face.txt, haegiwa.txt,\n"
    "         kamiyouso.txt); K faces marked per generation (default 3), G\n"
    "         generations (default 20). Modes: page1 sees faces 0-19 only, pages\n"
    "         all 60, locks all 60 and locks each part to its nearest face;\n"
    "         all (default) runs the three. Prints per generation the nearest\n"
    "         distance as a ratio of generation 0's and the shown faces' variety\n"
    "         (mean pairwise distance), averaged over the targets.\n"
    "         tools (not in all) chooses the nearest face each generation and\n"
    "         by turns runs a part gallery on the part that looks farthest off,\n"
    "         breeds, or takes the best level of an exaggeration range.\n"
    "targets  writes bred and part-swapped faces of the bank into OUTDIR.\n";

struct Mode {
    const char* name;
    bool allPages;
    bool locks;
};
constexpr Mode kModes[] = {{"page1", false, false}, {"pages", true, false}, {"locks", true, true}};

struct Options {
    std::string command;
    std::vector<std::string> paths;
    std::string dataDir = "Data";
    int marks = 3;
    int generations = 20;
    std::string mode = "all";
};

std::optional<int> parseInt(std::string_view text, int low, int high) {
    try {
        std::size_t used = 0;
        const int value = std::stoi(std::string(text), &used);
        if (used != text.size() || value < low || value > high) return std::nullopt;
        return value;
    } catch (...) {
        return std::nullopt;
    }
}

std::variant<Options, std::string> parseArguments(int argc, char** argv) {
    Options options;
    if (argc < 2) return std::string("no command");
    options.command = argv[1];
    if (options.command != "run" && options.command != "targets") {
        return "unknown command " + options.command;
    }
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!arg.starts_with("--")) {
            options.paths.emplace_back(arg);
            continue;
        }
        if (i + 1 >= argc) return std::string(arg) + " needs a value";
        const std::string_view value = argv[++i];
        if (arg == "--data") {
            options.dataDir = value;
        } else if (arg == "--marks") {
            const auto n = parseInt(value, 1, kMaxMarksPerGeneration);
            if (!n) return std::string("--marks takes 1 to 20");
            options.marks = *n;
        } else if (arg == "--generations") {
            const auto n = parseInt(value, 1, mirel::kLastGeneration);
            if (!n) return std::string("--generations takes 1 to 49");
            options.generations = *n;
        } else if (arg == "--mode") {
            options.mode = value;
            if (options.mode != "all" && options.mode != "page1" && options.mode != "pages" &&
                options.mode != "locks" && options.mode != "tools") {
                return std::string("--mode takes page1, pages, locks, all or tools");
            }
        } else {
            return "unknown option " + std::string(arg);
        }
    }
    if (options.paths.empty()) return std::string("no target folder");
    if (options.command == "targets" && options.paths.size() != 1) {
        return std::string("targets takes one output folder");
    }
    return options;
}

std::optional<FaceRecord> loadTarget(const std::string& dir) {
    FaceRecord target;
    if (auto failure = mirel::loadFaceFolder(dir, target)) {
        std::fprintf(stderr, "%s: %s\n", dir.c_str(), failure->text.c_str());
        return std::nullopt;
    }
    return target;
}

void runMode(const Mode& mode, const Options& options, const mirel::PopulationStore& bank,
             const std::vector<FaceRecord>& targets) {
    std::printf("mode %s: K = %d, %zu targets\n", mode.name, options.marks, targets.size());
    WitnessOptions witness;
    witness.marks = options.marks;
    witness.generations = options.generations;
    witness.allPages = mode.allPages;
    witness.locks = mode.locks;
    const auto rows = static_cast<std::size_t>(options.generations + 1);
    std::vector<double> ratio(rows), variety(rows), eyes(rows);
    double sampleVariety = 0;
    for (std::size_t t = 0; t < targets.size(); ++t) {
        const std::vector<GenerationFigures> run =
            playWitness(bank.generation(0), targets[t], witness);
        std::printf("  %-28s", options.paths[t].c_str());
        for (const int g : kReportedGenerations) {
            if (g < static_cast<int>(run.size())) {
                std::printf("  g%d %.2f", g,
                            run[static_cast<std::size_t>(g)].nearest / run[0].nearest);
            }
        }
        std::printf("\n");
        for (std::size_t g = 0; g < run.size() && g < rows; ++g) {
            ratio[g] += run[g].nearest / run[0].nearest / targets.size();
            variety[g] += run[g].variety / targets.size();
            eyes[g] += run[g].eyes / targets.size();
        }
        sampleVariety += run[0].firstPageVariety / targets.size();
    }
    // Variety is measured against that of the twenty samples in every mode:
    // generation 0's pages 2 and 3 repeat one sample.
    std::printf("  gen  nearest/gen0  variety  variety/samples  eyes(units)\n");
    for (std::size_t g = 0; g < rows; ++g) {
        std::printf("  %3zu  %12.3f  %7.4f  %15.2f  %11.2f\n", g, ratio[g], variety[g],
                    variety[g] / sampleVariety, eyes[g]);
    }
    std::printf("  summary %s:", mode.name);
    for (const int g : kReportedGenerations) {
        if (g < static_cast<int>(rows)) {
            std::printf("  g%d %.2f (variety %.2f)", g, ratio[static_cast<std::size_t>(g)],
                        variety[static_cast<std::size_t>(g)] / sampleVariety);
        }
    }
    std::printf("\n\n");
    std::fflush(stdout);
}

int run(const Options& options, const mirel::PopulationStore& bank) {
    std::vector<FaceRecord> targets;
    for (const std::string& dir : options.paths) {
        auto target = loadTarget(dir);
        if (!target) return kExitFailure;
        targets.push_back(*target);
    }
    if (options.mode == "tools") {
        mirel::witness::reportToolWitness(options.paths, targets, bank.generation(0),
                                          options.marks, options.generations);
        return kExitOk;
    }
    for (const Mode& mode : kModes) {
        if (options.mode == "all" || options.mode == mode.name)
            runMode(mode, options, bank, targets);
    }
    return kExitOk;
}

bool writeTarget(const std::filesystem::path& folder, FaceRecord face) {
    const mirel::RecordConverter converter;
    converter.toAbsolute(face);
    converter.applyConstraints(face);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (auto failure = mirel::ExportFaceText(face, folder); failure || error) {
        std::fprintf(stderr, "cannot write %s\n", folder.string().c_str());
        return false;
    }
    std::printf("%s\n", folder.string().c_str());
    return true;
}

// A bank face bred a few generations with random marks, as a user marking
// at random would; the face is taken from the children.
FaceRecord bredFace(const mirel::PopulationStore& bank, int generations) {
    mirel::PopulationStore store(bank.generation(0));
    constexpr int kPageFaces = 20;
    for (int g = 0; g < generations; ++g) {
        mirel::Selection marks;
        const int count = 2 + mirel::randomIndex(3);
        while (marks.count < count) {
            const mirel::GeneRef pick{g, mirel::randomIndex(kPageFaces)};
            bool repeated = false;
            for (int k = 0; k < marks.count; ++k) repeated = repeated || marks.mark(k) == pick;
            if (!repeated) marks.setMark(marks.count++, pick);
        }
        if (store.breedNextGeneration(marks) != mirel::BreedResult::Bred) break;
    }
    const int child = kPageFaces + mirel::randomIndex(mirel::kPopulationSize - kPageFaces);
    return store.at({store.generationCount(), child});
}

int makeTargets(const Options& options, const mirel::PopulationStore& bank) {
    const std::filesystem::path out = options.paths.front();
    constexpr int kBredTargets[] = {4, 7, 10, 13};
    // Pairs of bank records (0-based): the first face with the second's part.
    struct Swap {
        const char* name;
        mirel::FacePart part;
        int face;
        int donor;
    };
    constexpr Swap kSwaps[] = {
        {"hair", mirel::FacePart::Hair, 2, 5},    {"hair", mirel::FacePart::Hair, 9, 0},
        {"hair", mirel::FacePart::Hair, 16, 3},   {"mouth", mirel::FacePart::Mouth, 1, 5},
        {"mouth", mirel::FacePart::Mouth, 7, 12}, {"mouth", mirel::FacePart::Mouth, 18, 10},
    };
    mirel::resetRandomSource();
    for (const int generations : kBredTargets) {
        const std::string name = "bred-" + std::to_string(generations);
        if (!writeTarget(out / name, bredFace(bank, generations))) return kExitFailure;
    }
    for (const Swap& swap : kSwaps) {
        FaceRecord face = bank.at({0, swap.face});
        mirel::copyPartGenes(swap.part, bank.at({0, swap.donor}), face);
        const std::string name = "bank" + std::to_string(swap.face + 1) + "-" + swap.name + "-of-" +
                                 std::to_string(swap.donor + 1);
        if (!writeTarget(out / name, face)) return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--help" || std::string_view(argv[i]) == "-h") {
            std::fputs(kUsage, stdout);
            return kExitOk;
        }
    }
    auto parsed = parseArguments(argc, argv);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "mirel-witness: %s\n%s", error->c_str(), kUsage);
        return kExitUsage;
    }
    const Options& options = std::get<Options>(parsed);
    auto loaded = mirel::PopulationStore::load(options.dataDir);
    if (const auto* failure = std::get_if<mirel::LoadFailure>(&loaded)) {
        std::fprintf(stderr, "%s: %s\n", failure->caption.c_str(), failure->text.c_str());
        return kExitFailure;
    }
    const auto& bank = std::get<mirel::PopulationStore>(loaded);
    return options.command == "run" ? run(options, bank) : makeTargets(options, bank);
}
