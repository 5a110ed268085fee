#pragma once
// One page of window 1 drawn for the screen: every face into a tile of its
// own on a thread pool (a thread that waits for the page draws faces too),
// then the tiles laid over a white page in cell order, as the single-threaded
// drawing lays the faces over each other.

#include <QImage>
#include <QSize>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "face/FaceRecord.h"
#include "render/FaceTile.h"

class QThreadPool;

namespace mirel {

struct PageStyle {
    int cellSize = 0;
    int penWidth = 1;
    qreal devicePixelRatio = 1.0;
    bool antialiased = true;
    FaceStyle face{};
};

// Room around a cell for what a face draws outside it.
int spillMargin(int cellSize);
// Logical size of a page picture: the grid and the spill room right of and
// below it (above and left of it is outside the window).
QSize pagePictureSize(int cellSize);

class PageJob {
  public:
    // `faces`: the page's records in cell order, brought up to date by
    // PrepareFace.
    PageJob(std::vector<FaceRecord> faces, PageStyle style);
    PageJob(const PageJob&) = delete;
    PageJob& operator=(const PageJob&) = delete;

    const std::vector<FaceRecord>& faces() const { return faces_; }

    // Runs on whichever thread completes the page; set it before start().
    void setOnDone(std::function<void()> onDone) { onDone_ = std::move(onDone); }
    // Queues one task per face on the pool; each keeps the job alive.
    static void start(const std::shared_ptr<PageJob>& job, QThreadPool& pool, int priority);
    // Draws the faces no task has begun on this thread, waits for the rest,
    // and gives the page (RGB32, with the style's device pixel ratio). Not
    // after cancel().
    QImage finish();
    // Faces not begun yet are never drawn, so the page never completes.
    void cancel() { cancelled_.store(true); }

  private:
    // Claims and draws one face; false when none is left to claim.
    bool drawNextFace();
    void compose();

    const std::vector<FaceRecord> faces_;
    const PageStyle style_;
    std::function<void()> onDone_;
    std::vector<FaceTile> tiles_;
    std::atomic<int> nextFace_{0};
    std::atomic<int> facesDrawn_{0};
    std::atomic<bool> cancelled_{false};
    std::mutex mutex_;
    std::condition_variable composed_;
    bool done_ = false;
    QImage page_;
};

}  // namespace mirel
