// The symmetry and flag rules that make an absolute face drawable: centre-line
// points, left/right mirrors and the flags that are derived from others.

#include <span>

#include "face/RecordConverter.h"

namespace mirel {
namespace {

// Target := source (copy) or target := mirror of source, both coordinates.
struct PointCopy {
    int target;
    int source;
};

constexpr int kCentreLinePoints[] = {81, 77, 72, 65, 58, 57, 167, 154, 150, 148, 122, 95, 92};

constexpr PointCopy kMouthMirrors[] = {{64, 66}, {63, 67}, {62, 68}, {61, 69}, {71, 73},
                                       {70, 74}, {76, 78}, {75, 79}, {80, 82}};
constexpr PointCopy kBesideNoseMirrors[] = {{101, 98},  {102, 99},  {103, 100},
                                            {107, 104}, {108, 105}, {109, 106}};
constexpr PointCopy kBelowNoseMirrors[] = {{117, 114}, {118, 115}, {119, 116}};
constexpr PointCopy kCheekMirrors[] = {{131, 127}, {132, 128}, {133, 129}, {134, 130},
                                       {138, 135}, {139, 136}, {140, 137}};

// Flags 38 and 53 set to this value switch the mirror rules off.
constexpr int kAsymmetric = -1;

class FaceRules {
  public:
    FaceRules(FacePoints& points, FaceFlags& flags) : p_(points), f_(flags) {}

    void copy(int target, int source) { p_[target] = p_[source]; }
    void mirrorAll(std::span<const PointCopy> mirrors) {
        for (const PointCopy& m : mirrors) p_[m.target] = {-p_[m.source].x, p_[m.source].y};
    }
    void centre(std::span<const int> points) {
        for (int n : points) p_[n].x = 0.0;
    }
    void zeroFlags(std::span<const int> flags) {
        for (int n : flags) f_[n] = 0;
    }

    Point2& point(int n) { return p_[n]; }
    std::int32_t& flag(int n) { return f_[n]; }

  private:
    FacePoints& p_;
    FaceFlags& f_;
};

void applyEyeAndNoseRules(FaceRules& r) {
    if (r.flag(2) == 2) {
        r.copy(8, 4);
        r.copy(6, 1);
    }
    if (r.flag(16) == 0) {
        r.copy(34, 31);
        r.copy(32, 28);
    }
    r.flag(22) = 0;
    if (r.flag(29) == 1) r.copy(51, 54);
    if (r.flag(30) == 1) r.copy(52, 55);
    if (r.flag(31) == 1) r.copy(51, 56);
    if (r.flag(32) == 0) {
        r.flag(31) = 1;
        r.copy(51, 56);
    }
    if (r.flag(33) == 1) {
        r.flag(27) = 1;
        r.copy(48, 55);
    }
}

void applyMouthRules(FaceRules& r) {
    if (r.flag(38) != kAsymmetric) r.mirrorAll(kMouthMirrors);

    switch (r.flag(42)) {
        case 0:
            r.copy(68, 79);
            r.copy(62, 75);
            break;
        case 1:
            r.copy(79, 68);
            r.copy(75, 62);
            break;
        case 2:
            r.copy(67, 78);
            r.copy(63, 76);
            break;
        default:
            break;
    }
    if (r.flag(43) == 1 || r.flag(43) == 2) {
        r.copy(74, 79);
        r.copy(70, 75);
    }
    if (r.flag(44) == 0) {
        r.copy(82, 78);
        r.copy(80, 76);
    } else if (r.flag(44) == 1) {
        r.copy(82, 79);
        r.copy(80, 75);
    }

    const std::int32_t f45 = r.flag(45);
    if (f45 == 1) {
        r.flag(42) = 0;
        r.copy(69, 79);
        r.copy(68, 79);
        r.copy(61, 75);
        r.copy(62, 75);
    } else if (f45 == 2) {
        r.flag(42) = 1;
        r.copy(79, 68);
        r.copy(75, 62);
    }
    if (f45 == 1 || f45 == 2) {
        r.copy(82, 78);
        r.copy(80, 76);
        r.flag(44) = 0;
    }
}

void applyCheekRules(FaceRules& r) {
    constexpr int kNoseSideFlags[] = {58, 56, 55, 54};
    r.zeroFlags(kNoseSideFlags);
    const bool symmetric = r.flag(53) != kAsymmetric;
    if (symmetric) r.mirrorAll(kBesideNoseMirrors);
    if (r.flag(57) == 1) {
        r.copy(98, 50);
        r.point(101) = {-r.point(50).x, r.point(50).y};
    }
    r.flag(63) = 0;
    r.flag(60) = r.flag(53);
    if (symmetric) r.mirrorAll(kBelowNoseMirrors);
    if (r.flag(62) == 3) {
        r.point(121).x = 0.0;
        r.point(120).x = 0.0;
    }
    constexpr int kCheekFlags[] = {73, 72, 71, 69, 68};
    r.zeroFlags(kCheekFlags);
    r.flag(67) = r.flag(53);
    if (symmetric) r.mirrorAll(kCheekMirrors);
    r.flag(78) = 0;
}

void applyChinRules(FaceRules& r) {
    const std::int32_t f80 = r.flag(80);
    const std::int32_t f82 = r.flag(82);
    if (f80 == 0) r.copy(173, 152);
    if (f80 == 1 || f82 == 0) r.copy(173, 153);
    if (f82 == 0) {
        r.flag(80) = 1;
        r.flag(81) = 0;
    }
    if (r.flag(83) == 1) r.point(154).y = r.point(153).y;
    if (r.flag(92) == 1) {
        r.flag(82) = 0;
        r.copy(173, 153);
        r.flag(80) = 1;
        r.flag(81) = 0;
    }
}

}  // namespace

void RecordConverter::constrainFace(FaceGene& face) const {
    FacePoints points = face.absPoints;
    FaceFlags flags = face.flags;
    FaceRules rules(points, flags);

    rules.centre(kCentreLinePoints);
    applyEyeAndNoseRules(rules);
    applyMouthRules(rules);
    applyCheekRules(rules);
    applyChinRules(rules);

    face.absPoints = points;
    face.flags = flags;
}

}  // namespace mirel
