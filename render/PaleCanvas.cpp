#include "render/PaleCanvas.h"

namespace mirel {
namespace {

// A pale colour keeps this share of the original's darkness.
constexpr int kDarknessKeptPerMille = 300;

}  // namespace

Rgb paleGrey(Rgb colour) {
    const int lightness = (colour.r * 299 + colour.g * 587 + colour.b * 114) / 1000;
    const auto grey =
        static_cast<std::uint8_t>(255 - (255 - lightness) * kDarknessKeptPerMille / 1000);
    return {grey, grey, grey};
}

PaleCanvas::PaleCanvas(Canvas& target) : target_(target) {
    objects_[kStockPen] = Object{true, 1, kBlack};
    objects_[kStockBrush] = Object{false, 0, kWhite};
}

PaleCanvas::~PaleCanvas() {
    for (const auto& [handle, object] : objects_) {
        if (object.hasTwin) target_.deleteObject(object.twin);
    }
}

void PaleCanvas::setPale(Paleness paleness, Rgb skin) {
    paleness_ = paleness;
    skin_ = skin;
    target_.select(actual(pen_));
    target_.select(actual(brush_));
}

ObjectHandle PaleCanvas::createPen(int width, Rgb colour) {
    const ObjectHandle pen = target_.createPen(width, colour);
    objects_[pen] = Object{true, width, colour};
    return pen;
}

ObjectHandle PaleCanvas::createBrush(Rgb colour) {
    const ObjectHandle brush = target_.createBrush(colour);
    objects_[brush] = Object{false, 0, colour};
    return brush;
}

ObjectHandle PaleCanvas::select(ObjectHandle object) {
    ObjectHandle& selected = objects_[object].pen ? pen_ : brush_;
    const ObjectHandle previous = selected;
    selected = object;
    target_.select(actual(object));
    return previous;
}

void PaleCanvas::deleteObject(ObjectHandle object) {
    const auto found = objects_.find(object);
    if (found == objects_.end()) return;
    target_.deleteObject(object);
    if (found->second.hasTwin) target_.deleteObject(found->second.twin);
    objects_.erase(found);
}

ObjectHandle PaleCanvas::actual(ObjectHandle object) {
    Object& o = objects_[object];
    if (!isPale(o.colour) || paleGrey(o.colour) == o.colour) return object;
    if (!o.hasTwin) {
        o.twin = o.pen ? target_.createPen(o.width, paleGrey(o.colour))
                       : target_.createBrush(paleGrey(o.colour));
        o.hasTwin = true;
    }
    return o.twin;
}

}  // namespace mirel
