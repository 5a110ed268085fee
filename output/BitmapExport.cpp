#include "output/BitmapExport.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include "render/DrawFace.h"
#include "render/QPainterCanvas.h"

namespace mirel {

QImage renderFaceBitmap(FaceRecord record, int detailSize) {
    const int n = bitmapSide(detailSize);
    if (n == 0) return {};
    QImage image(n, n, QImage::Format_RGB888);
    if (image.isNull()) return {};
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        const double h = n / 2;
        DrawFace(record, canvas, h, h, n, facePenWidth(n));
    }
    return image;
}

std::optional<std::string> ExportBitmap(const FaceRecord& record, int detailSize,
                                        const std::filesystem::path& path) {
    if (bitmapSide(detailSize) == 0) return kBitmapNoSizeFailed;
    const QImage image = renderFaceBitmap(record, detailSize);
    // A failed allocation or save goes unreported, like the save itself.
    if (!image.isNull()) (void)image.save(QString::fromStdString(path.string()), "BMP");
    return std::nullopt;
}

}  // namespace mirel
