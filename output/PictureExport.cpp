#include "output/PictureExport.h"

#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "render/FaceFrame.h"
#include "render/QPainterCanvas.h"

namespace mirel {
namespace {

// SVG and PDF are laid out in points: one face unit of the drawing is one
// point, so a reader at 72 dpi shows the same pixels as the PNG.
constexpr int kPointsPerInch = 72;

struct FormatName {
    std::string_view extension;
    PictureFormat format;
};
constexpr FormatName kFormatNames[] = {
    {".png", PictureFormat::Png},
    {".svg", PictureFormat::Svg},
    {".pdf", PictureFormat::Pdf},
};

void drawFramed(QPainter& painter, FaceRecord& record, int size) {
    QPainterCanvas canvas(painter);
    canvas.fillRect(0, 0, size, size, kWhite);
    DrawFramedFace(record, canvas, size, size);
}

bool writePng(FaceRecord& record, int size, const QString& path) {
    QImage image(size, size, QImage::Format_RGB888);
    if (image.isNull()) return false;
    {
        QPainter painter(&image);
        drawFramed(painter, record, size);
    }
    // Written beside the target and renamed, so a failed write keeps the old file.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

bool writeSvg(FaceRecord& record, int size, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QSvgGenerator generator;
    generator.setOutputDevice(&file);
    generator.setSize(QSize(size, size));
    generator.setViewBox(QRect(0, 0, size, size));
    generator.setResolution(kPointsPerInch);
    generator.setTitle(QStringLiteral("Mirel"));
    {
        QPainter painter;
        if (!painter.begin(&generator)) return false;
        drawFramed(painter, record, size);
        if (!painter.end()) return false;
    }
    return file.commit();
}

bool writePdf(FaceRecord& record, int size, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Mirel"));
        writer.setTitle(QStringLiteral("Mirel"));
        writer.setResolution(kPointsPerInch);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(size, size), QPageSize::Point),
                                         QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer)) return false;
        drawFramed(painter, record, size);
        if (!painter.end()) return false;
    }
    return file.commit();
}

}  // namespace

std::optional<PictureFormat> pictureFormatOf(const std::filesystem::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const FormatName& name : kFormatNames) {
        if (extension == name.extension) return name.format;
    }
    return std::nullopt;
}

std::optional<std::string> ExportPicture(FaceRecord record, int size, PictureFormat format,
                                         const std::filesystem::path& path) {
    if (size < 1 || size > kMaxPictureSize) return kPictureSaveFailed;
    const QString name = QString::fromStdString(path.string());
    bool written = false;
    switch (format) {
        case PictureFormat::Png:
            written = writePng(record, size, name);
            break;
        case PictureFormat::Svg:
            written = writeSvg(record, size, name);
            break;
        case PictureFormat::Pdf:
            written = writePdf(record, size, name);
            break;
    }
    if (!written) return kPictureSaveFailed;
    return std::nullopt;
}

}  // namespace mirel
