// mirel-breed-grid: breeds from the sample bank with the same marks in every
// generation, as a user pressing Enter would, and draws the first 20 faces of
// the last generation as the population window does. Shows that bred faces
// stay faces.
//
//   mirel-breed-grid OUT.png [--data DIR] [--generations N] [--marks I,J,...] [--cell N]
//
// Defaults: Data, 10 generations, marks 0,3,7, cells of 218.

#include <QImage>
#include <QPainter>
#include <QString>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "face/FaceRecord.h"
#include "ga/PopulationStore.h"
#include "ga/Selection.h"
#include "render/DrawFace.h"
#include "render/QPainterCanvas.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;
constexpr int kExitFailure = 255;
constexpr int kGridColumns = 5;
constexpr int kGridRows = 4;
constexpr int kDefaultCell = 218;
constexpr int kMaxCell = 1024;
constexpr int kDefaultGenerations = 10;
constexpr int kDefaultMarks[] = {0, 3, 7};

constexpr const char kUsage[] =
    "usage: mirel-breed-grid OUT.png [--data DIR] [--generations N] [--marks I,J,...]"
    " [--cell N]\n";

struct Options {
    std::string out;
    std::string dataDir = "Data";
    int generations = kDefaultGenerations;
    std::vector<int> marks{std::begin(kDefaultMarks), std::end(kDefaultMarks)};
    int cell = kDefaultCell;
};

std::optional<int> parseInt(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<int>> parseMarks(std::string_view text) {
    std::vector<int> marks;
    while (!text.empty()) {
        const auto comma = text.find(',');
        const auto mark = parseInt(text.substr(0, comma), 0, mirel::kPopulationSize - 1);
        if (!mark) return std::nullopt;
        marks.push_back(*mark);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
    if (marks.empty() || marks.size() > static_cast<std::size_t>(mirel::kMaxMarks)) {
        return std::nullopt;
    }
    return marks;
}

std::variant<Options, std::string> parseArguments(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("--")) {
            if (i + 1 >= argc) return std::string(arg) + " needs a value";
            const std::string_view value = argv[++i];
            if (arg == "--data") {
                options.dataDir = value;
            } else if (arg == "--generations") {
                const auto n = parseInt(value, 0, mirel::kLastGeneration);
                if (!n) return std::string("--generations takes 0 to 49");
                options.generations = *n;
            } else if (arg == "--marks") {
                auto marks = parseMarks(value);
                if (!marks) return std::string("--marks takes indices 0 to 59, comma-separated");
                options.marks = std::move(*marks);
            } else if (arg == "--cell") {
                const auto n = parseInt(value, 2, kMaxCell);
                if (!n) return std::string("--cell takes 2 to 1024");
                options.cell = *n / 2 * 2;
            } else {
                return "unknown option " + std::string(arg);
            }
        } else if (options.out.empty()) {
            options.out = arg;
        } else {
            return std::string("one output file only");
        }
    }
    if (options.out.empty()) return std::string("no output file");
    return options;
}

// The marks of one generation, in the given order, as window 1 records them.
mirel::Selection marksOf(int generation, const std::vector<int>& indices) {
    mirel::Selection selection;
    for (const int index : indices) {
        selection.setMark(selection.count++, {generation, index});
    }
    return selection;
}

void drawGeneration(mirel::PopulationStore& store, int generation, int cell, QImage& image) {
    const int half = cell / 2;
    QPainter painter(&image);
    mirel::QPainterCanvas canvas(painter);
    for (int k = 0; k < kGridColumns * kGridRows; ++k) {
        // Drawing rewrites a record's absolute points; draw a copy.
        mirel::FaceRecord face = store.at({generation, k});
        mirel::DrawFace(face, canvas, half + 2 * half * (k % kGridColumns),
                        half + 2 * half * (k / kGridColumns), cell, mirel::facePenWidth(cell));
    }
}

int run(const Options& options) {
    auto loaded = mirel::PopulationStore::load(options.dataDir);
    if (const auto* failure = std::get_if<mirel::LoadFailure>(&loaded)) {
        std::fprintf(stderr, "%s: %s\n", failure->caption.c_str(), failure->text.c_str());
        return kExitFailure;
    }
    auto& store = std::get<mirel::PopulationStore>(loaded);
    for (int g = 0; g < options.generations; ++g) {
        if (store.breedNextGeneration(marksOf(g, options.marks)) != mirel::BreedResult::Bred) {
            std::fprintf(stderr, "breeding generation %d was refused\n", g + 1);
            return kExitFailure;
        }
    }
    QImage image(kGridColumns * options.cell, kGridRows * options.cell, QImage::Format_RGB888);
    image.fill(Qt::white);
    drawGeneration(store, store.generationCount(), options.cell, image);
    if (!image.save(QString::fromStdString(options.out), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", options.out.c_str());
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
    auto parsed = parseArguments(argc, argv);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "mirel-breed-grid: %s\n%s", error->c_str(), kUsage);
        return kExitUsage;
    }
    return run(std::get<Options>(parsed));
}
