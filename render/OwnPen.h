#pragma once
// The pen of a part drawer that has its own: a solid 1-unit pen in the
// drawer's colour, selected for its fills; the face pen comes back for the
// drawer's strokes, and the pen is deleted when the drawer ends.

#include "render/Canvas.h"

namespace mirel {

class OwnPen {
  public:
    OwnPen(Canvas& canvas, Rgb colour)
        : canvas_(canvas),
          pen_(canvas.createPen(kOwnPenWidth, colour)),
          facePen_(canvas.select(pen_)) {}
    OwnPen(const OwnPen&) = delete;
    OwnPen& operator=(const OwnPen&) = delete;
    ~OwnPen() {
        restoreFacePen();
        canvas_.deleteObject(pen_);
    }

    void restoreFacePen() {
        if (!selected_) return;
        canvas_.select(facePen_);
        selected_ = false;
    }

  private:
    static constexpr int kOwnPenWidth = 1;

    Canvas& canvas_;
    ObjectHandle pen_;
    ObjectHandle facePen_;
    bool selected_ = true;
};

}  // namespace mirel
