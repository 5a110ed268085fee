// Window 1's screen pages: drawn on several threads they are the page one
// thread draws on one canvas; the cache keeps them by page, cell size and
// pixel ratio within its budget, and draws ahead what it is told to.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include <unistd.h>

#include "RecordingCanvas.h"
#include "ShippedBank.h"
#include "document/CMirelDoc.h"
#include "render/DrawFace.h"
#include "render/QPainterCanvas.h"
#include "views/PageCache.h"
#include "views/PageJob.h"

namespace mirel {
namespace {

constexpr int kCell = 112;
constexpr int kPenWidth = 1;

class PageCacheTest : public testing::Test {
  protected:
    // The cache hands finished pages to its own thread through the event queue.
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "mirel_page_cache_test";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }

    void SetUp() override {
        ASSERT_EQ(test::shippedBank().loadError, "");
        PopulationStore store(
            PopulationStore::Generation(test::shippedBank().records.data(), kPopulationSize));
        doc_ = std::make_unique<CMirelDoc>(std::move(store), [] { return 0; });
        // A bred generation beside the samples.
        test::RecordingCanvas frames;
        doc_->ToggleMark(frames, 3);
        doc_->ToggleMark(frames, 11);
        doc_->AdvanceGeneration();
        ASSERT_EQ(doc_->generationCount(), 1);
    }

    // The page drawn on one canvas, one thread, in cell order, as the printer
    // draws it. The faces are drawn away from the picture's edges and the
    // page cut out after, as the tiles are: Qt's raster engine puts the
    // pixels of a thin line a little differently when it clips it.
    static QImage singleThreaded(const PageCache::Faces& faces, int cell, int penWidth,
                                 qreal ratio) {
        const int room = spillMargin(cell);
        const int half = cell / 2;
        QImage page((pagePictureSize(cell) + QSize(room, room)) * ratio, QImage::Format_RGB32);
        page.fill(Qt::white);
        page.setDevicePixelRatio(ratio);
        {
            QPainter painter(&page);
            QPainterCanvas canvas(painter);
            for (int k = 0; k < kCellsPerPage; ++k) {
                DrawPreparedFace(faces[k], canvas, room + half + cell * (k % kGridColumns),
                                 room + half + cell * (k / kGridColumns), cell, penWidth);
            }
        }
        QImage cut = page.copy(QRect(QPoint(room, room) * ratio, pagePictureSize(cell) * ratio));
        cut.setDevicePixelRatio(ratio);
        return cut;
    }

    PageCache::Faces faces(int generation, int page = 0) const {
        return doc_->PreparedPageCopies(generation, page);
    }

    std::unique_ptr<CMirelDoc> doc_;
};

TEST_F(PageCacheTest, APageDrawnOnThreadsIsTheSingleThreadedPage) {
    QThreadPool pool;
    struct Case {
        int generation;
        int cell;
        qreal ratio;
    };
    for (const Case c : {Case{0, 218, 1.0}, Case{1, 112, 1.0}, Case{1, 112, 2.0}}) {
        const int penWidth = facePenWidth(c.cell);
        const PageCache::Faces drawnFrom = faces(c.generation);
        auto job =
            std::make_shared<PageJob>(drawnFrom, PageStyle{c.cell, penWidth, c.ratio, false});
        PageJob::start(job, pool, 0);
        EXPECT_EQ(job->finish(), singleThreaded(drawnFrom, c.cell, penWidth, c.ratio))
            << "generation " << c.generation << ", cell " << c.cell << ", ratio " << c.ratio;
    }
}

TEST_F(PageCacheTest, KeepsPagesForEqualRecordsUntilTheCellSizeOrRatioChanges) {
    PageCache cache;
    const PageKey first{0, 0, kCell, 1.0};
    const QImage drawn = cache.page(first, kPenWidth, faces(0));
    EXPECT_EQ(cache.page(first, kPenWidth, faces(0)).cacheKey(), drawn.cacheKey())
        << "shown again from the cache";

    PageCache::Faces changed = faces(0);
    changed[4].face.flags[24] = changed[4].face.flags[24] == 1 ? 2 : 1;
    const QImage redrawn = cache.page(first, kPenWidth, changed);
    EXPECT_NE(redrawn, drawn) << "other records, another picture";
    EXPECT_EQ(cache.cached(first).cacheKey(), redrawn.cacheKey());

    cache.page({1, 0, kCell, 1.0}, kPenWidth, faces(1));
    EXPECT_FALSE(cache.cached(first).isNull()) << "another generation keeps the first";
    cache.page({0, 0, kCell, 2.0}, kPenWidth, faces(0));
    EXPECT_TRUE(cache.cached(first).isNull()) << "another pixel ratio drops it";
    cache.page({0, 0, kCell + 2, 2.0}, kPenWidth, faces(0));
    EXPECT_TRUE(cache.cached({0, 0, kCell, 2.0}).isNull()) << "another cell size drops it";
}

TEST_F(PageCacheTest, StaysWithinItsBudgetDroppingTheLeastRecentlyShown) {
    const std::size_t budget =
        PageCache().page({0, 0, kCell, 1.0}, kPenWidth, faces(0)).sizeInBytes() * 3;
    PageCache cache(budget);
    const PageKey keys[] = {
        {0, 0, kCell, 1.0}, {0, 1, kCell, 1.0}, {0, 2, kCell, 1.0}, {1, 0, kCell, 1.0}};
    cache.page(keys[0], kPenWidth, faces(0, 0));
    cache.page(keys[1], kPenWidth, faces(0, 1));
    cache.page(keys[0], kPenWidth, faces(0, 0));
    cache.page(keys[2], kPenWidth, faces(0, 2));
    cache.page(keys[3], kPenWidth, faces(1, 0));
    EXPECT_LE(cache.bytes(), budget);
    EXPECT_TRUE(cache.cached(keys[1]).isNull()) << "shown longest ago";
    EXPECT_FALSE(cache.cached(keys[2]).isNull());
    EXPECT_FALSE(cache.cached(keys[3]).isNull());
}

TEST_F(PageCacheTest, PagesDrawnAheadAreShownWithoutDrawingAgain) {
    PageCache cache;
    const PageKey next{1, 0, kCell, 1.0};
    cache.page({0, 0, kCell, 1.0}, kPenWidth, faces(0));
    const auto source = [this](const PageKey& key) { return faces(key.generation, key.page); };
    cache.prefetch({{0, 1, kCell, 1.0}}, kPenWidth, source);
    cache.prefetch({next}, kPenWidth, source);
    cache.waitForPrefetch();
    EXPECT_TRUE(cache.cached({0, 1, kCell, 1.0}).isNull()) << "given up when no longer wanted";
    const QImage ahead = cache.cached(next);
    ASSERT_FALSE(ahead.isNull());

    EXPECT_EQ(cache.page(next, kPenWidth, faces(1)).cacheKey(), ahead.cacheKey());
    EXPECT_EQ(ahead, PageCache().page(next, kPenWidth, faces(1)));
}

TEST_F(PageCacheTest, APageAskedForWhileItIsDrawnAheadJoinsThatDrawing) {
    PageCache cache;
    const PageKey next{1, 0, kCell, 1.0};
    cache.page({0, 0, kCell, 1.0}, kPenWidth, faces(0));
    cache.prefetch({next}, kPenWidth,
                   [this](const PageKey& key) { return faces(key.generation, key.page); });
    ::alarm(60);  // a join that waits for a given-up drawing would never return
    const QImage shown = cache.page(next, kPenWidth, faces(1));
    ::alarm(0);
    EXPECT_EQ(shown, PageCache().page(next, kPenWidth, faces(1)));
}

}  // namespace
}  // namespace mirel
