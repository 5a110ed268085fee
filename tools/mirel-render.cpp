// mirel-render: draws generation 0 as window 1 shows it, a page of a saved
// session, or one face from a folder, into an image file. For looking at
// faces without the application.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/AppFolders.h"
#include "document/CMirelDoc.h"
#include "document/SessionFile.h"
#include "face/FaceRecord.h"
#include "face/LoadFailure.h"
#include "face/Normalisation.h"
#include "face/SampleLoader.h"
#include "output/MetafileExport.h"
#include "output/PictureExport.h"
#include "render/DrawFace.h"
#include "render/FaceFrame.h"
#include "render/QPainterCanvas.h"
#include "views/PageJob.h"

namespace {

using mirel::FaceRecord;

constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;
constexpr int kExitFileError = 255;

constexpr int kGridColumns = 5;
constexpr int kGridRows = 4;
constexpr int kPages = mirel::kPopulationSize / (kGridColumns * kGridRows);
constexpr int kDefaultCell = 218;
constexpr int kMaxCell = 1024;
constexpr int kDefaultSize = 600;
constexpr int kMaxSize = 4096;

constexpr const char kUsage[] =
    "usage: mirel-render grid OUT [--data DIR] [--cell N]\n"
    "       mirel-render grid OUT --session FILE [--generation G] [--page P] [--cell N]\n"
    "       mirel-render face DIR OUT [--size N]\n"
    "\n"
    "grid  generation 0 as the population window draws it: the sample bank under\n"
    "      DIR (default: Data in the working folder, else the installed bank, as\n"
    "      mirel finds it), 5 x 4 cells of side N (default 218, made even);\n"
    "      with --session, page P (0-2, default 0) of generation G (default the\n"
    "      one the session was viewing) of a saved session, exactly as window 1\n"
    "      shows it on screen: smoothed lines and the frames of the marks\n"
    "face  the face in folder DIR (face.txt, haegiwa.txt, kamiyouso.txt),\n"
    "      framed whole, hair and ears included, with an even margin on an N x N\n"
    "      image (default 600), as the application's export draws it\n"
    "OUT   ends in .png or .bmp (24-bit), or for face in .svg or .pdf (N points\n"
    "      wide, as the application's export writes them) or .wmf (a Windows\n"
    "      metafile, always 600 units wide, as the application saves it)\n";

// Image formats by the output file's extension.
struct ImageFormat {
    std::string_view extension;
    const char* qtFormat;
    QImage::Format pixels;
};
constexpr ImageFormat kImageFormats[] = {
    {".png", "PNG", QImage::Format_RGB888},
    {".bmp", "BMP", QImage::Format_RGB888},
};

enum class Command { Grid, Face };

struct Options {
    Command command = Command::Grid;
    std::string faceDir;
    std::string out;
    std::string dataDir;  // empty: the application's rule
    std::string session;
    std::optional<int> generation;
    int page = 0;
    int cell = kDefaultCell;
    int size = kDefaultSize;
};

struct UsageError {
    std::string text;
};

int usageError(const std::string& text) {
    std::fprintf(stderr, "mirel-render: %s\n%s", text.c_str(), kUsage);
    return kExitUsage;
}

int fileError(std::string_view caption, std::string_view text) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
    return kExitFileError;
}

std::optional<int> parseCount(std::string_view text, int minimum, int maximum) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < minimum || value > maximum) return std::nullopt;
    return value;
}

constexpr std::string_view kMetafileExtension = ".wmf";

bool isMetafile(std::string_view path) {
    return path.size() > kMetafileExtension.size() && path.ends_with(kMetafileExtension);
}

// SVG and PDF: one face, written by the application's picture export.
bool isVectorPicture(std::string_view path) {
    const auto format = mirel::pictureFormatOf(std::string(path));
    return format == mirel::PictureFormat::Svg || format == mirel::PictureFormat::Pdf;
}

const ImageFormat* formatOf(std::string_view path) {
    for (const ImageFormat& format : kImageFormats) {
        if (path.size() > format.extension.size() && path.ends_with(format.extension)) {
            return &format;
        }
    }
    return nullptr;
}

// Options from the arguments after the program name, or the usage error.
std::variant<Options, UsageError> parseArguments(const std::vector<std::string_view>& args) {
    Options options;
    std::vector<std::string_view> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool takesValue = arg == "--data" || arg == "--cell" || arg == "--size" ||
                                arg == "--session" || arg == "--generation" || arg == "--page";
        if (!takesValue) {
            if (arg.starts_with("--")) return UsageError{"unknown option " + std::string(arg)};
            positional.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size()) return UsageError{std::string(arg) + " needs a value"};
        const std::string_view value = args[++i];
        if (arg == "--data") {
            options.dataDir = std::string(value);
        } else if (arg == "--session") {
            options.session = std::string(value);
        } else if (arg == "--generation") {
            options.generation = parseCount(value, 0, mirel::kGenerationCount - 1);
            if (!options.generation) return UsageError{"--generation takes a whole number from 0 to 49"};
        } else if (arg == "--page") {
            const auto page = parseCount(value, 0, kPages - 1);
            if (!page) return UsageError{"--page takes 0, 1 or 2"};
            options.page = *page;
        } else if (arg == "--cell") {
            const auto cell = parseCount(value, 2, kMaxCell);
            if (!cell) return UsageError{"--cell takes a whole number from 2 to 1024"};
            options.cell = *cell;
        } else {
            const auto size = parseCount(value, 1, kMaxSize);
            if (!size) return UsageError{"--size takes a whole number from 1 to 4096"};
            options.size = *size;
        }
    }
    if (positional.empty()) return UsageError{"no command"};
    if (positional[0] == "grid") {
        if (positional.size() != 2) return UsageError{"grid takes one output file"};
        options.command = Command::Grid;
        options.out = std::string(positional[1]);
    } else if (positional[0] == "face") {
        if (positional.size() != 3) return UsageError{"face takes a folder and an output file"};
        options.command = Command::Face;
        options.faceDir = std::string(positional[1]);
        options.out = std::string(positional[2]);
    } else {
        return UsageError{"unknown command " + std::string(positional[0])};
    }
    const bool gridOnly = std::find(args.begin(), args.end(), "--data") != args.end() ||
                          std::find(args.begin(), args.end(), "--cell") != args.end();
    const bool faceOnly = std::find(args.begin(), args.end(), "--size") != args.end();
    const bool sessionOnly = std::find(args.begin(), args.end(), "--generation") != args.end() ||
                             std::find(args.begin(), args.end(), "--page") != args.end();
    if ((options.command == Command::Face && (gridOnly || !options.session.empty())) ||
        (options.command == Command::Grid && faceOnly)) {
        return UsageError{"option not valid for this command"};
    }
    if (sessionOnly && options.session.empty()) {
        return UsageError{"--generation and --page need --session"};
    }
    if (!options.session.empty() && std::find(args.begin(), args.end(), "--data") != args.end()) {
        return UsageError{"a session holds its own generation 0: --data is not for --session"};
    }
    if (isMetafile(options.out)) {
        if (options.command == Command::Grid) {
            return UsageError{"a metafile holds one face: use face DIR OUT.wmf"};
        }
        if (faceOnly) return UsageError{"a metafile is always 600 units wide: --size is not for .wmf"};
    } else if (isVectorPicture(options.out)) {
        if (options.command == Command::Grid) {
            return UsageError{"SVG and PDF hold one face: use face DIR OUT"};
        }
    } else if (formatOf(options.out) == nullptr) {
        return UsageError{"unknown output format for " + options.out};
    }
    return options;
}

QImage whiteImage(int width, int height, const ImageFormat& format) {
    QImage image(width, height, format.pixels);
    if (!image.isNull()) image.fill(Qt::white);
    return image;
}

// Generation 0, cells of side `cell` (even), as the population view draws it.
std::optional<mirel::LoadFailure> drawGrid(const Options& options, QImage& image) {
    std::vector<FaceRecord> population(mirel::kLoadedRecordCount);
    const std::string dataDir =
        options.dataDir.empty() ? mirel::appFolders().data.toStdString() : options.dataDir;
    const mirel::SampleLoader loader(dataDir);
    if (auto failure =
            loader.tryLoadSamplePopulation(std::span<FaceRecord, mirel::kLoadedRecordCount>(
                population.data(), mirel::kLoadedRecordCount))) {
        return failure;
    }
    const int cell = options.cell / 2 * 2;
    const int half = cell / 2;
    QPainter painter(&image);
    mirel::QPainterCanvas canvas(painter);
    for (int k = 0; k < kGridColumns * kGridRows; ++k) {
        const int column = k % kGridColumns;
        const int row = k / kGridColumns;
        FaceRecord face = population[static_cast<std::size_t>(k)];
        mirel::DrawFace(face, canvas, half + 2 * half * column, half + 2 * half * row, cell,
                        mirel::facePenWidth(cell));
    }
    return std::nullopt;
}

std::string_view sessionFailureText(mirel::SessionError error) {
    switch (error) {
        case mirel::SessionError::kNotASession:
            return "not a Mirel session";
        case mirel::SessionError::kUnreadable:
            return "cannot be read";
        case mirel::SessionError::kTruncated:
            return "cut short";
        case mirel::SessionError::kChecksum:
            return "damaged (checksum mismatch)";
        case mirel::SessionError::kNewerVersion:
            return "written by a newer Mirel, format";
        case mirel::SessionError::kUnknownSection:
            return "holds a section this Mirel does not know:";
        case mirel::SessionError::kTooLarge:
            return "too large for a session, bytes:";
        case mirel::SessionError::kDamaged:
            break;
    }
    return "damaged:";
}

// Page `page` of a generation of a saved session, drawn by the document as
// window 1 paints it on screen.
std::optional<mirel::LoadFailure> drawSessionGrid(const Options& options, QImage& image) {
    auto read = mirel::readSessionFile(options.session);
    if (const auto* failure = std::get_if<mirel::SessionFailure>(&read)) {
        std::string text = options.session + ": " + std::string(sessionFailureText(failure->error));
        if (!failure->detail.empty()) text += " " + failure->detail;
        return mirel::LoadFailure{mirel::kLoadErrorCaption, text};
    }
    mirel::CMirelDoc document(std::move(std::get<mirel::Session>(read)), [] { return 0; });
    if (options.generation) {
        if (*options.generation > document.generationCount()) {
            return mirel::LoadFailure{mirel::kLoadErrorCaption,
                                      options.session + " holds generations 0 to " +
                                          std::to_string(document.generationCount())};
        }
        document.viewedGeneration = *options.generation;
    }
    document.page = options.page;
    document.LayoutGrid(image.width(), image.height());
    // The faces as window 1 draws them (one tile each, strokes joined), then the marks.
    mirel::PageJob faces(document.PreparePageFaces(document.viewedGeneration, document.page),
                         {document.cellSize, document.faceLineWidth, 1.0, true,
                          mirel::FaceStyle{document.innerFaceFirst()}});
    QPainter painter(&image);
    painter.drawImage(QPoint(0, 0), faces.finish());
    mirel::QPainterCanvas canvas(painter, true);
    document.RedrawMarks(canvas);
    return std::nullopt;
}

std::optional<mirel::LoadFailure> drawOneFace(const Options& options, QImage& image) {
    FaceRecord face;
    if (auto failure = mirel::loadFaceFolder(options.faceDir, face)) return failure;
    QPainter painter(&image);
    mirel::QPainterCanvas canvas(painter);
    mirel::DrawFramedFace(face, canvas, options.size, options.size);
    return std::nullopt;
}

int writeImage(const Options& options, const ImageFormat& format) {
    const int cell = options.cell / 2 * 2;
    QImage image = options.command == Command::Grid
                       ? whiteImage(kGridColumns * cell, kGridRows * cell, format)
                       : whiteImage(options.size, options.size, format);
    if (image.isNull()) return fileError(mirel::kLoadErrorCaption, "out of memory for the image");

    std::optional<mirel::LoadFailure> failure;
    try {
        failure = options.command == Command::Face ? drawOneFace(options, image)
                  : options.session.empty()        ? drawGrid(options, image)
                                                   : drawSessionGrid(options, image);
    } catch (const std::bad_alloc&) {
        // A document of 50 generations takes 34 MB: a limit below that ends here, not in abort.
        return fileError(mirel::kLoadErrorCaption, "out of memory");
    }
    if (failure) return fileError(failure->caption, failure->text);

    if (!image.save(QString::fromStdString(options.out), format.qtFormat)) {
        return fileError(mirel::kLoadErrorCaption, "cannot write " + options.out);
    }
    return kExitOk;
}

// The same writer as the application's save, so the tool's metafile is the saved one.
int writeMetafile(const Options& options) {
    FaceRecord face;
    if (auto failure = mirel::loadFaceFolder(options.faceDir, face)) {
        return fileError(failure->caption, failure->text);
    }
    if (!mirel::writeFaceMetafile(face, options.out)) {
        return fileError(mirel::kLoadErrorCaption, "cannot write " + options.out);
    }
    return kExitOk;
}

int writeVectorPicture(const Options& options) {
    FaceRecord face;
    if (auto failure = mirel::loadFaceFolder(options.faceDir, face)) {
        return fileError(failure->caption, failure->text);
    }
    const auto format = mirel::pictureFormatOf(options.out);
    if (mirel::ExportPicture(face, options.size, *format, options.out)) {
        return fileError(mirel::kLoadErrorCaption, "cannot write " + options.out);
    }
    return kExitOk;
}

int run(const Options& options) {
    if (isMetafile(options.out)) return writeMetafile(options);
    if (isVectorPicture(options.out)) return writeVectorPicture(options);
    return writeImage(options, *formatOf(options.out));
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    if (std::find(args.begin(), args.end(), "--help") != args.end() ||
        std::find(args.begin(), args.end(), "-h") != args.end()) {
        std::fputs(kUsage, stdout);
        return kExitOk;
    }
    auto parsed = parseArguments(args);
    if (const auto* error = std::get_if<UsageError>(&parsed)) return usageError(error->text);
    // The installed sample bank is found from the executable's own folder.
    const QCoreApplication application(argc, argv);
    return run(std::get<Options>(parsed));
}
