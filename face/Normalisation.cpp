#include "face/Normalisation.h"

#include "face/AnchorGroups.h"

namespace mirel {
namespace {

void normaliseFace(FacePoints& face) {
    const double a = face[167].y;
    const double b = face[154].y;
    const double s = kReferenceHeight / (b - a);
    const double d = (a + b) / 2.0;
    for (Point2& p : face) p = {s * p.x, s * (p.y - d)};
}

// Scaled about the origin, so that point 0 meets face point 166 in x.
void normaliseHaegiwa(HaegiwaPoints& hairline, const FacePoints& face) {
    const double k = face[166].x / hairline[0].x;
    for (Point2& p : hairline) p = {k * p.x, k * p.y};
}

void normaliseKamiyouso(KamiyousoPoints& elements) {
    for (int n = 0; n < kKamiyousoPointCount; ++n) {
        Point2& p = elements[n];
        if (isKamiyousoCoordinate(n, 0)) p.x *= kKamiyousoScale;
        if (isKamiyousoCoordinate(n, 1)) p.y *= kKamiyousoScale;
    }
}

}  // namespace

void normaliseRecord(FaceRecord& record) {
    normaliseFace(record.face.absPoints);
    normaliseHaegiwa(record.hair.haegiwaAbs, record.face.absPoints);
    normaliseKamiyouso(record.hair.kamiyousoAbs);
}

// The hairline of a record depends only on that record's face, so normalising
// record by record equals doing all faces first and all hairlines after.
void normalisePopulation(std::span<FaceRecord, kLoadedRecordCount> records) {
    for (FaceRecord& record : records) normaliseRecord(record);
}

}  // namespace mirel
