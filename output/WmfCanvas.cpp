#include "output/WmfCanvas.h"

#include <uwmf.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace mirel {
namespace {

// Initial size and growth step of the in-memory metafile, and of the object table.
constexpr std::uint32_t kBufferBytes = 1 << 16;
constexpr std::uint32_t kHandleSlots = 32;
constexpr std::uint16_t kStockPenWidth = 1;
// Solid, round caps, round joins: all three are the zero style bits.
constexpr std::uint16_t kSolidRoundPen = U_PS_SOLID | U_PS_ENDCAP_ROUND | U_PS_JOIN_ROUND;
constexpr std::size_t kMaxPoints = std::numeric_limits<std::uint16_t>::max();

enum class Kind { kFree, kPen, kBrush };

std::int16_t toWord(int v) {
    return static_cast<std::int16_t>(std::clamp<int>(v, std::numeric_limits<std::int16_t>::min(),
                                                     std::numeric_limits<std::int16_t>::max()));
}

U_POINT16 toPoint(int x, int y) {
    return point16_set(toWord(x), toWord(y));
}

U_RECT16 toRect(int left, int top, int right, int bottom) {
    return U_RECT16_set(toPoint(left, top), toPoint(right, bottom));
}

U_COLORREF toColour(Rgb c) {
    return U_RGB(c.r, c.g, c.b);
}

int oneMore(int v) {
    return v < std::numeric_limits<int>::max() ? v + 1 : v;
}

}  // namespace

struct WmfCanvas::Impl {
    WMFTRACK* track = nullptr;
    WMFHANDLES* handles = nullptr;
    std::vector<Kind> kinds;  // by metafile object index
    ObjectHandle stockPen = 0;
    ObjectHandle stockBrush = 0;
    ObjectHandle pen = 0;  // selected, as a metafile object index
    ObjectHandle brush = 0;
    std::filesystem::path path;
    bool failed = false;
    bool finished = false;

    ~Impl() {
        if (track != nullptr) {
            if (track->fp != nullptr) std::fclose(track->fp);
            track->fp = nullptr;
            wmf_free(&track);
        }
        if (handles != nullptr) wmf_htable_free(&handles);
    }

    // Takes ownership of `record`; a null record is a failure to build it.
    void append(char* record) {
        if (record == nullptr ||
            wmf_append(reinterpret_cast<U_METARECORD*>(record), track, 1) != 0) {
            if (record != nullptr) std::free(record);
            failed = true;
        }
    }

    Kind kindOf(ObjectHandle index) const {
        return index >= 0 && static_cast<std::size_t>(index) < kinds.size() ? kinds[index]
                                                                            : Kind::kFree;
    }

    // The metafile index behind a canvas handle.
    ObjectHandle indexOf(ObjectHandle handle) const {
        if (handle == kStockPen) return stockPen;
        if (handle == kStockBrush) return stockBrush;
        return handle;
    }

    ObjectHandle handleOf(ObjectHandle index) const {
        if (index == stockPen) return kStockPen;
        if (index == stockBrush) return kStockBrush;
        return index;
    }

    // The new object's index, or -1 when it could not be made.
    ObjectHandle created(std::uint32_t index, char* record, Kind kind) {
        if (record == nullptr) {
            failed = true;
            return -1;
        }
        append(record);
        if (kinds.size() <= index) kinds.resize(index + 1, Kind::kFree);
        kinds[index] = kind;
        return static_cast<ObjectHandle>(index);
    }

    ObjectHandle createPen(int width, Rgb colour) {
        std::uint32_t index = 0;
        const auto w = static_cast<std::uint16_t>(std::clamp(width, 0, 0x7fff));
        char* record =
            wcreatepenindirect_set(&index, handles, U_PEN_set(kSolidRoundPen, w, toColour(colour)));
        return created(index, record, Kind::kPen);
    }

    ObjectHandle createNullPen() {
        std::uint32_t index = 0;
        char* record =
            wcreatepenindirect_set(&index, handles, U_PEN_set(U_PS_NULL, 1, toColour(kBlack)));
        return created(index, record, Kind::kPen);
    }

    ObjectHandle createBrush(Rgb colour) {
        std::uint32_t index = 0;
        char* record = wcreatebrushindirect_set(&index, handles,
                                                U_WLOGBRUSH_set(U_BS_SOLID, toColour(colour), 0));
        return created(index, record, Kind::kBrush);
    }

    // Returns the previous object of the same kind as a metafile index, or
    // -1 when `index` names no live object (nothing is recorded then).
    ObjectHandle select(ObjectHandle index) {
        const Kind kind = kindOf(index);
        if (kind == Kind::kFree) return -1;
        ObjectHandle& current = kind == Kind::kPen ? pen : brush;
        const ObjectHandle previous = current;
        append(wselectobject_set(static_cast<std::uint32_t>(index), handles));
        current = index;
        return previous;
    }

    void remove(ObjectHandle index) {
        if (kindOf(index) == Kind::kFree) return;
        auto slot = static_cast<std::uint32_t>(index);
        append(wdeleteobject_set(&slot, handles));
        kinds[index] = Kind::kFree;
    }

    void points(std::span<const IntPoint> in, bool closed) {
        if (in.empty()) return;
        if (in.size() > kMaxPoints) {
            failed = true;
            return;
        }
        std::vector<U_POINT16> out;
        out.reserve(in.size());
        for (const IntPoint& p : in) out.push_back(toPoint(p.x, p.y));
        const auto count = static_cast<std::uint16_t>(out.size());
        append(closed ? U_WMRPOLYGON_set(count, out.data()) : U_WMRPOLYLINE_set(count, out.data()));
    }
};

std::unique_ptr<WmfCanvas> WmfCanvas::create(const std::filesystem::path& path) {
    auto impl = std::make_unique<Impl>();
    impl->path = path;
    if (wmf_start(path.c_str(), kBufferBytes, kBufferBytes, &impl->track) != 0) return nullptr;
    // The library writes the file in one fwrite and ignores its result and
    // fclose's; finish() compares the file's size with what was recorded.
    std::setvbuf(impl->track->fp, nullptr, _IONBF, 0);
    if (wmf_htable_create(kHandleSlots, kHandleSlots, &impl->handles) != 0) return nullptr;

    // No size: the header goes without the placeable prefix.
    char* header = U_WMRHEADER_set(nullptr, 0);
    if (header == nullptr ||
        wmf_header_append(reinterpret_cast<U_METARECORD*>(header), impl->track, 1) != 0) {
        return nullptr;
    }
    impl->append(U_WMRSETWINDOWORG_set(point16_set(0, 0)));
    impl->append(U_WMRSETMAPMODE_set(U_MM_TEXT));
    impl->append(U_WMRSETPOLYFILLMODE_set(U_ALTERNATE));
    // A metafile has no stock objects, so the canvas's stock pen and brush
    // are real objects made and selected first, and deleted at the end.
    impl->stockPen = impl->createPen(kStockPenWidth, kBlack);
    impl->select(impl->stockPen);
    impl->stockBrush = impl->createBrush(kWhite);
    impl->select(impl->stockBrush);
    if (impl->failed) return nullptr;
    return std::unique_ptr<WmfCanvas>(new WmfCanvas(std::move(impl)));
}

WmfCanvas::WmfCanvas(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

WmfCanvas::~WmfCanvas() = default;

bool WmfCanvas::finish() {
    Impl& m = *impl_;
    if (m.finished) return !m.failed;
    m.finished = true;
    // Objects the drawing left behind, then the stock objects: every object
    // made is deleted once.
    for (ObjectHandle index = 0; static_cast<std::size_t>(index) < m.kinds.size(); ++index) {
        if (index != m.stockPen && index != m.stockBrush) m.remove(index);
    }
    m.remove(m.stockPen);
    m.remove(m.stockBrush);
    m.append(U_WMREOF_set());
    const std::size_t recorded = m.track->used;
    if (wmf_finish(m.track) != 0) return false;
    std::error_code ec;
    const auto written = std::filesystem::file_size(m.path, ec);
    return !m.failed && !ec && written == recorded;
}

ObjectHandle WmfCanvas::createPen(int width, Rgb colour) {
    return impl_->createPen(width, colour);
}

ObjectHandle WmfCanvas::createBrush(Rgb colour) {
    return impl_->createBrush(colour);
}

// A handle that names no live object records nothing and comes back as given.
ObjectHandle WmfCanvas::select(ObjectHandle object) {
    const ObjectHandle previous = impl_->select(impl_->indexOf(object));
    return previous < 0 ? object : impl_->handleOf(previous);
}

void WmfCanvas::deleteObject(ObjectHandle object) {
    Impl& m = *impl_;
    // Stock objects are not deleted by the drawing; a selected object is
    // deleted by finish() instead, so players never draw with a dead object.
    if (object == kStockPen || object == kStockBrush) return;
    if (object == m.pen || object == m.brush) return;
    m.remove(object);
}

void WmfCanvas::moveTo(int x, int y) {
    impl_->append(U_WMRMOVETO_set(toPoint(x, y)));
}

void WmfCanvas::lineTo(int x, int y) {
    impl_->append(U_WMRLINETO_set(toPoint(x, y)));
}

void WmfCanvas::polyline(std::span<const IntPoint> points) {
    impl_->points(points, false);
}

void WmfCanvas::polygon(std::span<const IntPoint> points) {
    impl_->points(points, true);
}

void WmfCanvas::ellipse(int left, int top, int right, int bottom) {
    impl_->append(U_WMRELLIPSE_set(toRect(left, top, right, bottom)));
}

void WmfCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    // There is no fill-rectangle record: a rectangle with an invisible pen
    // fills one pixel less on the right and bottom, hence the +1.
    Impl& m = *impl_;
    const ObjectHandle brush = m.createBrush(colour);
    const ObjectHandle pen = m.createNullPen();
    const ObjectHandle oldBrush = m.select(brush);
    const ObjectHandle oldPen = m.select(pen);
    m.append(U_WMRRECTANGLE_set(toRect(left, top, oneMore(right), oneMore(bottom))));
    m.select(oldPen);
    m.select(oldBrush);
    m.remove(pen);
    m.remove(brush);
}

}  // namespace mirel
