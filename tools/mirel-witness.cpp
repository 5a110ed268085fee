// mirel-witness: a simulated user steering the breeding toward a target face.
// For each target folder and each row of its table (a strategy: marks,
// pages, locks, breeding settings, the chosen-face tools, the witness's
// noise) it plays the witness
// generation after generation and reports how near the nearest shown face
// comes, by pictures and by points, how much variety the shown faces keep,
// and whether the final face picks the target out of a crowd.
//
// `targets OUTDIR` writes target faces made from the sample bank: faces bred
// with random marks, and bank faces with another bank face's hair or mouth.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <variant>
#include <vector>

#include "face/RecordConverter.h"
#include "face/SampleLoader.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"
#include "output/FaceTextExport.h"
#include "witness/ChildRuns.h"
#include "witness/FacePicture.h"
#include "witness/Witness.h"
#include "witness/ToolStrategy.h"

namespace {

using mirel::BreedingSettings;
using mirel::FaceRecord;
using mirel::NewBlood;
using mirel::StepSize;
using mirel::witness::GenerationFigures;
using mirel::witness::WitnessOptions;

constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;
constexpr int kExitFailure = 255;
constexpr int kMaxMarksPerGeneration = 20;
constexpr int kDistractors = 100;
constexpr int kTopRanks = 5;
// A witness who mixes up faces whose distances lie within about half a
// standard deviation of the shown faces' distances: a person, not a ruler.
constexpr double kRealisticNoise = 0.5;
// An inner part counts as reached at this share of its generation-0 distance.
constexpr double kHalf = 0.5;
constexpr mirel::FacePart kInnerParts[] = {mirel::FacePart::Eyebrows, mirel::FacePart::Eyes,
                                           mirel::FacePart::Nose, mirel::FacePart::Mouth};

constexpr const char kUsage[] =
    "usage: mirel-witness run TARGETDIR... [--data DIR] [--marks K] [--generations G]\n"
    "                         [--rows LIST] [--noise 0|realistic|both] [--jobs J]\n"
    "       mirel-witness targets OUTDIR [--data DIR]\n"
    "       mirel-witness --help\n"
    "\n"
    "run      plays the witness for each target folder (face.txt, haegiwa.txt,\n"
    "         kamiyouso.txt) and each row of the table: K faces marked per\n"
    "         generation (default 3), G generations (default 10). Rows: a comma-\n"
    "         separated list of row numbers (default all; see the table). The\n"
    "         witness judges exactly (noise 0), with a realistic noise, or both\n"
    "         (default). Runs J targets at once (default: the processors).\n"
    "         Prints per row the nearest shown face by pictures and by points as\n"
    "         a ratio of generation 0's, the shown faces' variety by pictures and\n"
    "         by points as a share of the twenty samples' (the least over\n"
    "         generations 1 to G), the same for the new-* targets, how many\n"
    "         targets improved, and how often the final face names its target\n"
    "         among the samples and 100 new people; then per part the point\n"
    "         distances of the nearest face and on how many targets each inner\n"
    "         part came to half its generation-0 distance. The tools rows choose\n"
    "         the nearest face seen so far and by turns run a part gallery on the\n"
    "         part that looks farthest off, take the best level of an\n"
    "         exaggeration range, or breed from the chosen face.\n"
    "targets  writes bred and part-swapped faces of the bank into OUTDIR.\n";

// One row of the table: a strategy the witness plays.
struct Row {
    const char* name;
    int marks;  // 0: the --marks value
    bool allPages;
    bool locks;
    BreedingSettings settings;
    bool tools = false;  // the chosen-face tools between breedings
};
constexpr Row kRows[] = {
    {"page 1, standard", 0, false, false, {}},
    {"standard", 0, true, false, {}},
    {"step x2", 0, true, false, {StepSize::Large, NewBlood::None}},
    {"step x4", 0, true, false, {StepSize::ExtraLarge, NewBlood::None}},
    {"new 6", 0, true, false, {StepSize::Standard, NewBlood::Few}},
    {"new 15", 0, true, false, {StepSize::Standard, NewBlood::Many}},
    {"x2 + new 6", 0, true, false, {StepSize::Large, NewBlood::Few}},
    {"x2 + new 15", 0, true, false, {StepSize::Large, NewBlood::Many}},
    {"x4 + new 15", 0, true, false, {StepSize::ExtraLarge, NewBlood::Many}},
    {"locks", 0, true, true, {}},
    {"locks, x2 + new 6", 0, true, true, {StepSize::Large, NewBlood::Few}},
    {"recommended", 0, true, false, mirel::kRecommendedSettings},
    {"recommended, 20 marks", 20, true, false, mirel::kRecommendedSettings},
    {"tools", 0, true, false, {}, true},
    {"tools, recommended", 0, true, false, mirel::kRecommendedSettings, true},
    {"tools, locks", 0, true, true, {}, true},
};
constexpr int kRowCount = static_cast<int>(std::size(kRows));

struct Options {
    std::string command;
    std::vector<std::string> paths;
    std::string dataDir = "Data";
    int marks = 3;
    int generations = 10;
    std::vector<int> rows;
    std::vector<double> noises{0.0, kRealisticNoise};
    int jobs = 0;
    int worker = -1;                 // plays this target alone and writes its numbers
    std::vector<std::string> given;  // the arguments after the program name
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

std::optional<std::vector<int>> parseRows(std::string_view text) {
    std::vector<int> rows;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const auto row = parseInt(text.substr(0, comma), 1, kRowCount);
        if (!row) return std::nullopt;
        rows.push_back(*row - 1);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    if (rows.empty()) return std::nullopt;
    return rows;
}

std::variant<Options, std::string> parseArguments(int argc, char** argv) {
    Options options;
    if (argc < 2) return std::string("no command");
    options.command = argv[1];
    for (int i = 1; i < argc; ++i) options.given.emplace_back(argv[i]);
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
        } else if (arg == "--rows") {
            const auto rows = parseRows(value);
            if (!rows) return "--rows takes row numbers 1 to " + std::to_string(kRowCount);
            options.rows = *rows;
        } else if (arg == "--noise") {
            if (value == "0") {
                options.noises = {0.0};
            } else if (value == "realistic") {
                options.noises = {kRealisticNoise};
            } else if (value != "both") {
                return std::string("--noise takes 0, realistic or both");
            }
        } else if (arg == "--worker") {
            const auto n = parseInt(value, 0, 100000);
            if (!n) return std::string("--worker takes a target number");
            options.worker = *n;
        } else if (arg == "--jobs") {
            const auto n = parseInt(value, 1, 256);
            if (!n) return std::string("--jobs takes 1 to 256");
            options.jobs = *n;
        } else {
            return "unknown option " + std::string(arg);
        }
    }
    if (options.paths.empty()) return std::string("no target folder");
    if (options.command == "targets" && options.paths.size() != 1) {
        return std::string("targets takes one output folder");
    }
    if (options.rows.empty()) {
        for (int r = 0; r < kRowCount; ++r) options.rows.push_back(r);
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

bool isNewPerson(const std::string& path) {
    return std::filesystem::path(path).filename().string().starts_with("new-");
}

// People the witness might have meant instead: the twenty samples and 100 new
// people bred from them, the same in every run.
std::vector<mirel::witness::FacePicture> crowd(const mirel::PopulationStore& bank) {
    std::vector<mirel::witness::FacePicture> pictures;
    for (int i = 0; i < mirel::kSampleCount; ++i) {
        pictures.push_back(mirel::witness::picture(bank.at({0, i})));
    }
    mirel::resetRandomSource();
    mirel::PopulationStore store(bank.generation(0));
    const BreedingSettings settings{StepSize::Standard, NewBlood::Many};
    int made = 0;
    for (int g = 0; made < kDistractors; ++g) {
        mirel::Selection one;
        one.count = 1;
        one.setMark(0, {g, 0});
        if (store.breedNextGeneration(one, mirel::PartLocks{}, settings) !=
            mirel::BreedResult::Bred) {
            break;
        }
        for (int i = mirel::kPopulationSize - settings.newPeople();
             i < mirel::kPopulationSize && made < kDistractors; ++i, ++made) {
            pictures.push_back(mirel::witness::picture(store.at({g + 1, i})));
        }
    }
    return pictures;
}

// Per generation: nearest, nearest by points, variety, variety by points, the
// seven parts; then the naming rank.
constexpr std::size_t kFiguresPerGeneration = 4 + mirel::kFacePartCount;

std::vector<double> flatten(const mirel::witness::WitnessRun& run, double rank) {
    std::vector<double> out;
    for (const GenerationFigures& f : run.generations) {
        out.insert(out.end(), {f.nearest, f.nearestPoints, f.variety, f.varietyPoints});
        out.insert(out.end(), f.parts.begin(), f.parts.end());
    }
    out.push_back(rank);
    return out;
}

GenerationFigures figuresAt(const std::vector<double>& v, int g) {
    const double* p = v.data() + static_cast<std::size_t>(g) * kFiguresPerGeneration;
    GenerationFigures f{p[0], p[1], p[2], p[3], {}};
    std::copy(p + 4, p + kFiguresPerGeneration, f.parts.begin());
    return f;
}

struct Sums {
    double nearest = 0, nearestPoints = 0, newNearest = 0, newNearestPoints = 0;
    std::vector<double> variety, varietyPoints;
    std::array<double, mirel::kFacePartCount> parts0{}, partsG{};
    // Targets, and new people, whose part came to half its generation-0 distance.
    std::array<int, mirel::kFacePartCount> halved{}, halvedNew{};
    int targets = 0, newPeople = 0, improved = 0, first = 0, top = 0;
};

// Every run of the table on target t, one after the other, in table order.
std::vector<double> playTarget(const Options& options, const mirel::PopulationStore& bank,
                               const FaceRecord& target, int t) {
    const std::vector<mirel::witness::FacePicture> people = crowd(bank);
    const auto targetPicture = mirel::witness::picture(target);
    std::vector<double> out;
    for (const int r : options.rows) {
        for (const double noise : options.noises) {
            const Row& row = kRows[r];
            WitnessOptions witness;
            witness.generations = options.generations;
            witness.allPages = row.allPages;
            witness.noise = noise;
            witness.seed = 1000u + static_cast<unsigned>(t);
            const int marks = row.marks > 0 ? row.marks : options.marks;
            std::unique_ptr<mirel::witness::Strategy> strategy;
            if (row.tools) {
                strategy = std::make_unique<mirel::witness::UseChosenFaceTools>(marks, row.locks,
                                                                               row.settings);
            } else {
                strategy = std::make_unique<mirel::witness::BreedFromMarks>(marks, row.locks,
                                                                           row.settings);
            }
            const auto played = playWitness(bank.generation(0), target, witness, *strategy);
            // The naming check: how many of the crowd the final face is nearer than the target.
            const auto finalPicture = mirel::witness::picture(played.finalFace);
            const double toTarget = mirel::witness::pictureDistance(finalPicture, targetPicture);
            int rank = 1;
            for (const auto& other : people) {
                if (mirel::witness::pictureDistance(finalPicture, other) < toTarget) ++rank;
            }
            const std::vector<double> numbers = flatten(played, rank);
            out.insert(out.end(), numbers.begin(), numbers.end());
        }
    }
    return out;
}

int run(const Options& options, const mirel::PopulationStore& bank) {
    std::vector<FaceRecord> targets;
    for (const std::string& dir : options.paths) {
        auto target = loadTarget(dir);
        if (!target) return kExitFailure;
        targets.push_back(*target);
    }
    if (options.worker >= 0) {
        if (options.worker >= static_cast<int>(targets.size())) return kExitUsage;
        mirel::witness::writeNumbers(playTarget(options, bank, targets[options.worker],
                                                options.worker));
        return kExitOk;
    }
    // Variety is measured against that of the twenty samples: generation 0's
    // pages 2 and 3 repeat one sample.
    std::vector<mirel::witness::FacePicture> samplePictures;
    std::vector<FaceRecord> sampleDrawn(mirel::kSampleCount);
    for (int i = 0; i < mirel::kSampleCount; ++i) {
        samplePictures.push_back(mirel::witness::picture(bank.at({0, i}), &sampleDrawn[i]));
    }
    const double sampleVariety = mirel::witness::variety(samplePictures);
    double sampleVarietyPoints = 0;
    int pairs = 0;
    for (int i = 0; i < mirel::kSampleCount; ++i) {
        for (int j = i + 1; j < mirel::kSampleCount; ++j, ++pairs) {
            sampleVarietyPoints += mirel::witness::pointDistance(sampleDrawn[i], sampleDrawn[j]);
        }
    }
    sampleVarietyPoints /= pairs;
    const int parallel = options.jobs > 0
                             ? options.jobs
                             : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    const std::size_t runs = options.rows.size() * options.noises.size();
    std::printf("%zu targets, %zu runs of %d generations, %d targets at once\n", targets.size(),
                runs * targets.size(), options.generations, parallel);
    std::vector<std::vector<std::string>> children;
    for (std::size_t t = 0; t < targets.size(); ++t) {
        children.push_back(options.given);
        children.back().insert(children.back().end(), {"--worker", std::to_string(t)});
    }
    const auto perTarget = mirel::witness::runChildren(children, parallel);
    const std::size_t perRun =
        static_cast<std::size_t>(options.generations + 1) * kFiguresPerGeneration + 1;

    const int G = options.generations;
    std::printf("\n| # | strategy | noise | nearest px | nearest pts | variety px | variety pts |"
                " new people: px / pts | improved | named first | top %d |\n",
                kTopRanks);
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
    std::vector<std::tuple<std::string, double, Sums>> partRows;
    std::size_t k = 0;  // the run's place among a target's runs
    for (const int r : options.rows) {
        for (const double noise : options.noises) {
            Sums s;
            s.variety.assign(static_cast<std::size_t>(G + 1), 0.0);
            s.varietyPoints.assign(static_cast<std::size_t>(G + 1), 0.0);
            for (std::size_t t = 0; t < targets.size(); ++t) {
                if (!perTarget[t] || perTarget[t]->size() != runs * perRun) {
                    std::fprintf(stderr, "run of %s on %s failed\n", kRows[r].name,
                                 options.paths[t].c_str());
                    continue;
                }
                const auto from = perTarget[t]->begin() + static_cast<long>(k * perRun);
                const std::optional<std::vector<double>> result(
                    std::in_place, from, from + static_cast<long>(perRun));
                const GenerationFigures f0 = figuresAt(*result, 0);
                const GenerationFigures fG = figuresAt(*result, G);
                const double px = fG.nearest / f0.nearest;
                const double pts = fG.nearestPoints / f0.nearestPoints;
                s.nearest += px;
                s.nearestPoints += pts;
                if (isNewPerson(options.paths[t])) {
                    s.newNearest += px;
                    s.newNearestPoints += pts;
                    ++s.newPeople;
                }
                s.improved += (px < 1.0 && pts < 1.0) ? 1 : 0;
                const double rank = result->back();
                s.first += rank <= 1 ? 1 : 0;
                s.top += rank <= kTopRanks ? 1 : 0;
                for (int g = 0; g <= G; ++g) {
                    const GenerationFigures f = figuresAt(*result, g);
                    s.variety[g] += f.variety / sampleVariety;
                    s.varietyPoints[g] += f.varietyPoints / sampleVarietyPoints;
                }
                for (int p = 0; p < mirel::kFacePartCount; ++p) {
                    s.parts0[p] += f0.parts[p];
                    s.partsG[p] += fG.parts[p];
                    const int half = fG.parts[p] <= kHalf * f0.parts[p] ? 1 : 0;
                    s.halved[p] += half;
                    s.halvedNew[p] += isNewPerson(options.paths[t]) ? half : 0;
                }
                ++s.targets;
            }
            ++k;
            if (s.targets == 0) continue;
            const double n = s.targets;
            double leastVariety = 1e9, leastVarietyPoints = 1e9;
            for (int g = 1; g <= G; ++g) {
                leastVariety = std::min(leastVariety, s.variety[g] / n);
                leastVarietyPoints = std::min(leastVarietyPoints, s.varietyPoints[g] / n);
            }
            const double newN = std::max(1, s.newPeople);
            std::printf("| %d | %s%s | %.1f | %.2f | %.2f | %.2f | %.2f | %.2f / %.2f | %d/%d |"
                        " %.0f %% | %.0f %% |\n",
                        r + 1, kRows[r].name,
                        kRows[r].marks > 0 ? "" : (" (K=" + std::to_string(options.marks) + ")").c_str(),
                        noise, s.nearest / n, s.nearestPoints / n, leastVariety,
                        leastVarietyPoints, s.newNearest / newN, s.newNearestPoints / newN,
                        s.improved, s.targets, 100.0 * s.first / n, 100.0 * s.top / n);
            partRows.emplace_back(kRows[r].name, noise, s);
        }
    }
    std::printf("\nNearest face by pictures, its parts' point distance to the target's (face units),"
                " generation 0 -> %d:\n\n",
                G);
    std::printf("| strategy | noise | eyes | brows | nose | mouth | outline | ears | hair |"
                " at half: brows / eyes / nose / mouth | the same, new people |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const auto& [name, noise, s] : partRows) {
        std::printf("| %s | %.1f |", name.c_str(), noise);
        for (int p = 0; p < mirel::kFacePartCount; ++p) {
            std::printf(" %.1f → %.1f |", s.parts0[p] / s.targets, s.partsG[p] / s.targets);
        }
        for (const auto* counts : {&s.halved, &s.halvedNew}) {
            for (const mirel::FacePart part : kInnerParts) {
                std::printf(" %d%s", (*counts)[static_cast<std::size_t>(part)],
                            part == mirel::FacePart::Mouth ? "" : " /");
            }
            std::printf(" of %d |", counts == &s.halved ? s.targets : s.newPeople);
        }
        std::printf("\n");
    }
    std::printf("\nnearest: mean over the targets of the nearest shown face's distance at"
                " generation %d as a ratio of generation 0's; variety: the least over"
                " generations 1-%d of the shown faces' mean pairwise distance as a share of"
                " the twenty samples'; improved: targets nearer at generation %d by pictures"
                " and by points; at half: targets whose part is at most half as far as at"
                " generation 0.\n",
                G, G, G);
    return kExitOk;
}

bool writeTarget(const std::filesystem::path& folder, FaceRecord face) {
    mirel::toDrawnForm(face);
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
    return options.command == "targets" ? makeTargets(options, bank) : run(options, bank);
}
