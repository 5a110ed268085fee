// A page of window 1 drawn for the screen (antialiased) at three cell sizes:
// the single-threaded drawing the screen used before (the reference), the
// same with joined strokes, the threaded tile drawing, and a page shown again
// from the cache. Compare each with the reference of the same run
// (bench/page_ratios.py does the sums), and Enter to the new generation's page.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QThread>
#include <QThreadPool>
#include <memory>
#include <string>

#include "document/CMirelDoc.h"
#include "render/QPainterCanvas.h"
#include "render/StrokeJoiner.h"
#include "views/DamageCanvas.h"
#include "views/PageCache.h"
#include "views/PageJob.h"

namespace mirel {
namespace {

constexpr int kBredGenerations = 5;
// The window is a little larger than the grid, as on a real screen.
constexpr int kExtraWidth = 1;
constexpr int kExtraHeight = 32;

// The shipped samples as generation 0.
std::unique_ptr<CMirelDoc> newDocument() {
    auto made = CMirelDoc::create([] { return 0; }, std::string(MIREL_SOURCE_DIR) + "/Data");
    return std::move(std::get<std::unique_ptr<CMirelDoc>>(made));
}

// Marks three faces of the viewed generation, as a user does before Enter.
void markFixedFaces(CMirelDoc& doc) {
    DamageCanvas frames;
    for (const int cell : {2, 7, 13}) doc.ToggleMark(frames, cell);
}

// The samples and a few generations bred from fixed marks, viewing the newest.
CMirelDoc& document() {
    static const std::unique_ptr<CMirelDoc> doc = [] {
        auto doc = newDocument();
        doc->LayoutGrid(1090, 872);
        for (int g = 0; g < kBredGenerations; ++g) {
            markFixedFaces(*doc);
            doc->AdvanceGeneration();
        }
        return doc;
    }();
    return *doc;
}

CMirelDoc& laidOut(int cell) {
    CMirelDoc& doc = document();
    doc.LayoutGrid(5 * cell + kExtraWidth, 4 * cell + kExtraHeight);
    return doc;
}

QImage whitePage(int cell) {
    QImage page(pagePictureSize(cell), QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

// One thread, in cell order, antialiased; the strokes as they come or joined.
void drawSingleThreaded(benchmark::State& state, bool joinStrokes) {
    CMirelDoc& doc = laidOut(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QImage page = whitePage(doc.cellSize);
        QPainter painter(&page);
        QPainterCanvas canvas(painter, true, joinStrokes ? LineJoins::Bevel : LineJoins::Round);
        StrokeJoiner joined(canvas);
        doc.DrawPopulationPage(joinStrokes ? static_cast<Canvas&>(joined) : canvas);
        joined.flush();
        benchmark::DoNotOptimize(page.constBits());
    }
}

// The screen's drawing before the tiles: the reference.
void BM_PageReference(benchmark::State& state) {
    drawSingleThreaded(state, false);
}

void BM_PageJoinedStrokes(benchmark::State& state) {
    drawSingleThreaded(state, true);
}

// What a page not shown before costs the window: the records brought up to
// date, the faces drawn on the pool and this thread, the tiles laid out.
void BM_PageThreaded(benchmark::State& state) {
    CMirelDoc& doc = laidOut(static_cast<int>(state.range(0)));
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
    for (auto _ : state) {
        auto job = std::make_shared<PageJob>(doc.PreparePageFaces(doc.viewedGeneration, 0),
                                             PageStyle{doc.cellSize, doc.faceLineWidth, 1.0, true});
        PageJob::start(job, pool, 0);
        const QImage page = job->finish();
        benchmark::DoNotOptimize(page.constBits());
    }
    state.counters["threads"] = pool.maxThreadCount() + 1;
}

// A page shown before: its records brought up to date and found equal to
// those of the cached picture, which goes onto the window's backing store.
void BM_PageCached(benchmark::State& state) {
    CMirelDoc& doc = laidOut(static_cast<int>(state.range(0)));
    PageCache cache;
    const PageKey key{doc.viewedGeneration, 0, doc.cellSize, 1.0};
    const PageCache::Faces faces = doc.PreparedPageCopies(doc.viewedGeneration, 0);
    cache.page(key, doc.faceLineWidth, faces);
    QImage window(doc.gridWidth, doc.gridHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        const QImage page =
            cache.page(key, doc.faceLineWidth, doc.PreparedPageCopies(doc.viewedGeneration, 0));
        QPainter painter(&window);
        painter.drawImage(QPoint(0, 0), page);
        benchmark::DoNotOptimize(window.constBits());
    }
}

// Enter: the next generation bred from three marks and its page drawn as a
// page never shown before.
void BM_EnterToNewPage(benchmark::State& state) {
    const int cell = static_cast<int>(state.range(0));
    std::unique_ptr<CMirelDoc> doc = newDocument();
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
    for (auto _ : state) {
        state.PauseTiming();
        if (doc->generationCount() == kLastGeneration) doc = newDocument();
        doc->LayoutGrid(5 * cell + kExtraWidth, 4 * cell + kExtraHeight);
        markFixedFaces(*doc);
        state.ResumeTiming();
        doc->AdvanceGeneration();
        auto job =
            std::make_shared<PageJob>(doc->PreparePageFaces(doc->viewedGeneration, 0),
                                      PageStyle{doc->cellSize, doc->faceLineWidth, 1.0, true});
        PageJob::start(job, pool, 0);
        const QImage page = job->finish();
        benchmark::DoNotOptimize(page.constBits());
    }
}

constexpr int kCells[] = {112, 218, 372};

void cellSizes(benchmark::internal::Benchmark* b) {
    for (const int cell : kCells) b->Arg(cell);
    b->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_PageReference)->Apply(cellSizes);
BENCHMARK(BM_PageJoinedStrokes)->Apply(cellSizes);
BENCHMARK(BM_PageThreaded)->Apply(cellSizes);
BENCHMARK(BM_PageCached)->Apply(cellSizes);
BENCHMARK(BM_EnterToNewPage)->Arg(218)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace mirel

BENCHMARK_MAIN();
