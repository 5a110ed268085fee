#pragma once
// Window 1's pictures of drawn pages for the screen, bounded in bytes and
// dropped least recently used first, with a thread pool that draws pages the
// view will likely show next while the window is idle. One per view: a
// second window on the same document keeps its own pictures at its own size.

#include <QImage>
#include <QObject>
#include <QThreadPool>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "face/FaceRecord.h"
#include "views/PageJob.h"

namespace mirel {

// Where a page's picture belongs. What it shows is the drawing of the records
// it was drawn from, kept with it: drawing a record rewrites it, not always
// to the same values twice, so a picture is only used for equal records.
struct PageKey {
    int generation = 0;
    int page = 0;
    int cellSize = 0;
    qreal devicePixelRatio = 1.0;
    // The hair and outline pale behind the inner face.
    bool innerFaceFirst = false;

    friend bool operator==(const PageKey&, const PageKey&) = default;
};

// Enough for the viewed page, its neighbours and a few more at the usual cell
// sizes; two windows of one document together stay under 100 MB.
inline constexpr std::size_t kPageCacheBudget = std::size_t{40} << 20;

class PageCache final : public QObject {
    Q_OBJECT
  public:
    // Records of a page in cell order, brought up to date by PrepareFace.
    using Faces = std::vector<FaceRecord>;

    explicit PageCache(std::size_t budgetBytes = kPageCacheBudget, QObject* parent = nullptr);
    ~PageCache() override;

    // The picture of the page drawn from `faces`: from the cache, or by
    // joining its drawing in the background, when either was drawn from
    // equal records; else drawn now. Pictures of another cell size or pixel
    // ratio than the last asked for are dropped first.
    QImage page(const PageKey& key, int penWidth, Faces faces);
    // Starts drawing these pages in the background unless the cache has them
    // or is drawing them; background drawings of pages not among them are
    // given up. `faces` gives a page's records as they would be drawn now.
    void prefetch(const std::vector<PageKey>& keys, int penWidth,
                  const std::function<Faces(const PageKey&)>& faces);

    // The cached picture of the page, or a null image.
    QImage cached(const PageKey& key) const;
    std::size_t bytes() const { return bytes_; }
    // Drops every picture and gives up every background drawing.
    void clear();
    // Waits until the background drawings started so far are in the cache.
    void waitForPrefetch();

  private:
    struct Entry {
        PageKey key;
        QImage picture;
        Faces faces;  // drawn from
        std::uint64_t lastUse = 0;
    };
    struct Pending {
        PageKey key;
        std::shared_ptr<PageJob> job;
    };

    void keepOnly(const PageKey& key);
    void store(const PageKey& key, QImage picture, Faces faces);
    static std::size_t sizeOf(const Entry& entry);
    void adopt(const PageKey& key, const PageJob* identity);
    void trimTo(const PageKey& keep);
    Entry* find(const PageKey& key);

    const std::size_t budget_;
    std::vector<Entry> entries_;
    std::vector<Pending> pending_;
    // Cell size and pixel ratio of the last page asked for.
    PageKey raster_;
    std::size_t bytes_ = 0;
    std::uint64_t clock_ = 0;
    QThreadPool pool_;
};

}  // namespace mirel
