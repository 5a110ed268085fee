#include "OutputFixtures.h"

#include <cmath>

#include "face/RecordConverter.h"

namespace mirel::test {

FaceRecord pictureFace() {
    FaceRecord r;
    for (int i = 0; i < kFacePointCount; ++i) {
        r.face.absPoints[i] = {std::sin(i * 1.3) * 90.0, std::cos(i * 0.7) * 90.0};
    }
    r.face.absPoints[154] = {0.0, 105.0};
    r.face.absPoints[167] = {0.0, -105.0};
    r.face.absPoints[24] = {6.0, 0.0};  // pupil radius
    for (int i = 0; i < kHaegiwaPointCount; ++i) {
        r.hair.haegiwaAbs[i] = {std::cos(i * 0.9) * 110.0, std::sin(i * 0.5) * 120.0 - 20.0};
    }
    for (std::int32_t& f : r.face.flags) f = 1;
    for (std::int32_t& f : r.hair.haegiwaFlags) f = 1;
    RecordConverter().toRelative(r);
    return r;
}

}  // namespace mirel::test
