#include "output/BitmapExport.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>

#include "output/AtomicFile.h"
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
                                        const std::filesystem::path& path, bool* written) {
    if (written != nullptr) *written = false;
    if (bitmapSide(detailSize) == 0) return kBitmapNoSizeFailed;
    const QImage image = renderFaceBitmap(record, detailSize);
    // A failed allocation or save shows no message of its own; only the
    // caller learns of it, through `written`.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP")) {
        return std::nullopt;
    }
    const bool replaced =
        replaceFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))
            .written();
    if (written != nullptr) *written = replaced;
    return std::nullopt;
}

}  // namespace mirel
