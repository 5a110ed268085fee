#include "views/PageJob.h"

#include <QPainter>
#include <QThreadPool>
#include <QtMath>

#include "render/SelectionMarks.h"

namespace mirel {
namespace {

constexpr int kGridRowCount = kCellsPerPage / kGridColumns;
// A face reaching out of its cell by more than this is cut off; the sample
// faces and their offspring stay inside.
constexpr int kSpillDivisor = 4;
constexpr int kMinSpill = 4;

int devicePixels(int logical, qreal ratio) {
    return qCeil(logical * ratio);
}

}  // namespace

int spillMargin(int cellSize) {
    return std::max(kMinSpill, cellSize / kSpillDivisor);
}

QSize pagePictureSize(int cellSize) {
    const int spill = spillMargin(cellSize);
    return {kGridColumns * cellSize + spill, kGridRowCount * cellSize + spill};
}

PageJob::PageJob(std::vector<FaceRecord> faces, PageStyle style)
    : faces_(std::move(faces)), style_(style), tiles_(faces_.size()) {}

void PageJob::start(const std::shared_ptr<PageJob>& job, QThreadPool& pool, int priority) {
    for (std::size_t k = 0; k < job->faces_.size(); ++k) {
        pool.start([job] { job->drawNextFace(); }, priority);
    }
}

bool PageJob::drawNextFace() {
    if (cancelled_.load()) return false;
    const int count = static_cast<int>(faces_.size());
    const int face = nextFace_.fetch_add(1);
    if (face >= count) return false;
    const FaceTileStyle tileStyle{style_.cellSize, style_.penWidth, spillMargin(style_.cellSize),
                                  style_.devicePixelRatio, style_.antialiased, style_.face};
    tiles_[face] = DrawFaceTile(faces_[face], tileStyle);
    // The thread that draws the last face lays out the page; acq_rel makes
    // every other thread's tile visible to it.
    if (facesDrawn_.fetch_add(1, std::memory_order_acq_rel) + 1 == count) compose();
    return true;
}

void PageJob::compose() {
    const qreal ratio = style_.devicePixelRatio;
    const QSize logical = pagePictureSize(style_.cellSize);
    QImage page(devicePixels(logical.width(), ratio), devicePixels(logical.height(), ratio),
                QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        // Laid out in device pixels, so every tile lands whole on the pixel grid.
        QPainter painter(&page);
        const int spill = spillMargin(style_.cellSize);
        for (std::size_t k = 0; k < tiles_.size(); ++k) {
            FaceTile& tile = tiles_[k];
            if (tile.content.isEmpty()) continue;
            const int column = static_cast<int>(k) % kGridColumns;
            const int row = static_cast<int>(k) / kGridColumns;
            const QPoint corner(qRound((style_.cellSize * column - spill) * ratio),
                                qRound((style_.cellSize * row - spill) * ratio));
            tile.image.setDevicePixelRatio(1.0);
            painter.drawImage(corner + tile.content.topLeft(), tile.image, tile.content);
        }
    }
    page.setDevicePixelRatio(ratio);
    tiles_.clear();
    {
        const std::lock_guard lock(mutex_);
        page_ = std::move(page);
        done_ = true;
    }
    composed_.notify_all();
    if (onDone_) onDone_();
}

QImage PageJob::finish() {
    while (drawNextFace()) {
    }
    std::unique_lock lock(mutex_);
    composed_.wait(lock, [this] { return done_; });
    return page_;
}

}  // namespace mirel
