#pragma once
// A canvas that hands every call on to another and, while pale, draws in
// pale grey instead of each pen's, brush's and fill's own colour: the hair
// and outline of a face drawn for the screen behind its inner features.

#include <map>

#include "render/Canvas.h"

namespace mirel {

// `colour` as a pale grey of the same lightness order (black becomes mid-light grey).
Rgb paleGrey(Rgb colour);

class PaleCanvas final : public Canvas {
  public:
    explicit PaleCanvas(Canvas& target);
    // The pale twins made of the stock objects are deleted: switch pale off
    // and restore the selections before the canvas goes.
    ~PaleCanvas() override;
    PaleCanvas(const PaleCanvas&) = delete;
    PaleCanvas& operator=(const PaleCanvas&) = delete;

    // What is drawn pale from now on: nothing, only what has the colour
    // `skin` (so the inner features' skin patches match a pale face), or
    // everything. The objects selected now change with it.
    enum class Paleness { None, Skin, All };
    void setPale(Paleness paleness, Rgb skin = {});

    ObjectHandle createPen(int width, Rgb colour) override;
    ObjectHandle createBrush(Rgb colour) override;
    ObjectHandle select(ObjectHandle object) override;
    void deleteObject(ObjectHandle object) override;
    void moveTo(int x, int y) override { target_.moveTo(x, y); }
    void lineTo(int x, int y) override { target_.lineTo(x, y); }
    void polyline(std::span<const IntPoint> points) override { target_.polyline(points); }
    void polygon(std::span<const IntPoint> points) override { target_.polygon(points); }
    void ellipse(int left, int top, int right, int bottom) override {
        target_.ellipse(left, top, right, bottom);
    }
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override {
        target_.fillRect(left, top, right, bottom, isPale(colour) ? paleGrey(colour) : colour);
    }

  private:
    struct Object {
        bool pen = true;
        int width = 1;
        Rgb colour;
        ObjectHandle twin = 0;  // the pale one, made when first needed
        bool hasTwin = false;
    };

    // The object the target draws with for `object`, pale or not.
    ObjectHandle actual(ObjectHandle object);
    bool isPale(Rgb colour) const {
        return paleness_ == Paleness::All || (paleness_ == Paleness::Skin && colour == skin_);
    }

    Canvas& target_;
    std::map<ObjectHandle, Object> objects_;
    ObjectHandle pen_ = kStockPen;  // the selections as the caller sees them
    ObjectHandle brush_ = kStockBrush;
    Paleness paleness_ = Paleness::None;
    Rgb skin_;
};

}  // namespace mirel
