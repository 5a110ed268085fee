#include "views/PageCache.h"

#include <QThread>
#include <algorithm>

namespace mirel {
namespace {

// Faces of a page on screen go ahead of faces drawn in advance.
constexpr int kShownPagePriority = 1;
constexpr int kPrefetchPriority = 0;

bool sameRaster(const PageKey& a, const PageKey& b) {
    return a.cellSize == b.cellSize && a.devicePixelRatio == b.devicePixelRatio &&
           a.innerFaceFirst == b.innerFaceFirst;
}

PageStyle screenStyle(const PageKey& key, int penWidth) {
    return {key.cellSize, penWidth, key.devicePixelRatio, true, FaceStyle{key.innerFaceFirst}};
}

}  // namespace

PageCache::PageCache(std::size_t budgetBytes, QObject* parent)
    : QObject(parent), budget_(budgetBytes) {
    // The thread that asks for a page draws faces too, so together they use
    // every core.
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
}

PageCache::~PageCache() {
    for (const Pending& pending : pending_) pending.job->cancel();
    pool_.waitForDone();
}

QImage PageCache::page(const PageKey& key, int penWidth, Faces faces) {
    keepOnly(key);
    if (Entry* entry = find(key); entry != nullptr && entry->faces == faces) {
        entry->lastUse = ++clock_;
        return entry->picture;
    }
    std::shared_ptr<PageJob> job;
    const auto drawing = std::find_if(pending_.begin(), pending_.end(),
                                      [&key](const Pending& p) { return p.key == key; });
    if (drawing != pending_.end()) {
        // Join a drawing of the same faces; a cancelled job would never finish.
        if (drawing->job->faces() == faces) {
            job = drawing->job;
        } else {
            drawing->job->cancel();
        }
        pending_.erase(drawing);
    }
    if (job == nullptr) {
        job = std::make_shared<PageJob>(std::move(faces), screenStyle(key, penWidth));
        PageJob::start(job, pool_, kShownPagePriority);
    }
    QImage picture = job->finish();
    store(key, picture, job->faces());
    return picture;
}

void PageCache::prefetch(const std::vector<PageKey>& keys, int penWidth,
                         const std::function<Faces(const PageKey&)>& faces) {
    const auto wanted = [&keys](const PageKey& key) {
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    };
    std::erase_if(pending_, [&wanted](const Pending& p) {
        if (wanted(p.key)) return false;
        p.job->cancel();
        return true;
    });
    for (const PageKey& key : keys) {
        if (!sameRaster(key, raster_)) continue;
        const bool drawing = std::any_of(pending_.begin(), pending_.end(),
                                         [&key](const Pending& p) { return p.key == key; });
        if (drawing || !cached(key).isNull()) continue;
        // The job only names itself to the view's thread, which finds it
        // among the pending drawings (or not, when it was given up).
        auto job = std::make_shared<PageJob>(faces(key), screenStyle(key, penWidth));
        const PageJob* identity = job.get();
        job->setOnDone([this, key, identity] {
            QMetaObject::invokeMethod(
                this, [this, key, identity] { adopt(key, identity); }, Qt::QueuedConnection);
        });
        pending_.push_back({key, job});
        PageJob::start(job, pool_, kPrefetchPriority);
    }
}

QImage PageCache::cached(const PageKey& key) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&key](const Entry& e) { return e.key == key; });
    return found == entries_.end() ? QImage() : found->picture;
}

void PageCache::clear() {
    for (const Pending& pending : pending_) pending.job->cancel();
    pending_.clear();
    entries_.clear();
    bytes_ = 0;
}

void PageCache::waitForPrefetch() {
    const std::vector<Pending> drawing = std::move(pending_);
    pending_.clear();
    for (const Pending& pending : drawing) {
        store(pending.key, pending.job->finish(), pending.job->faces());
    }
}

void PageCache::keepOnly(const PageKey& key) {
    if (!sameRaster(key, raster_)) clear();
    raster_ = key;
}

void PageCache::adopt(const PageKey& key, const PageJob* identity) {
    const auto done = std::find_if(pending_.begin(), pending_.end(), [&](const Pending& p) {
        return p.key == key && p.job.get() == identity;
    });
    if (done == pending_.end()) return;
    const std::shared_ptr<PageJob> job = done->job;
    pending_.erase(done);
    store(key, job->finish(), job->faces());
}

std::size_t PageCache::sizeOf(const Entry& entry) {
    return static_cast<std::size_t>(entry.picture.sizeInBytes()) +
           entry.faces.size() * sizeof(FaceRecord);
}

void PageCache::store(const PageKey& key, QImage picture, Faces faces) {
    // A page drawn again replaces its picture.
    if (Entry* old = find(key)) {
        bytes_ -= sizeOf(*old);
        entries_.erase(entries_.begin() + (old - entries_.data()));
    }
    entries_.push_back({key, std::move(picture), std::move(faces), ++clock_});
    bytes_ += sizeOf(entries_.back());
    trimTo(key);
}

void PageCache::trimTo(const PageKey& keep) {
    while (bytes_ > budget_ && entries_.size() > 1) {
        auto oldest = entries_.end();
        for (auto e = entries_.begin(); e != entries_.end(); ++e) {
            if (e->key == keep) continue;
            if (oldest == entries_.end() || e->lastUse < oldest->lastUse) oldest = e;
        }
        if (oldest == entries_.end()) return;
        bytes_ -= sizeOf(*oldest);
        entries_.erase(oldest);
    }
}

PageCache::Entry* PageCache::find(const PageKey& key) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&key](const Entry& e) { return e.key == key; });
    return found == entries_.end() ? nullptr : &*found;
}

}  // namespace mirel
