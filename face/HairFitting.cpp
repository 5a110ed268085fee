#include "face/HairFitting.h"

#include <cmath>
#include <optional>
#include <span>

namespace mirel {
namespace {

// Gap kept between points that must not cross (steps 4, 5, 7, 8, 19-21).
constexpr double kGap = 2.0;
// Offset of H1/H2 below the face top and of H40 beside H13.
constexpr double kNudge = 1.0;

constexpr int kFrontHairLast = 23;
constexpr int kSideburnsFirst = 24;
constexpr int kSideburnsLast = 39;
constexpr int kBackHairFirst = 40;
constexpr int kBackHairLast = 56;

// Target := mirror of source.
struct Mirror {
    int target;
    int source;
};

constexpr Mirror kHaegiwaMirrors[] = {
    {3, 1},   {4, 0},   {8, 6},   {9, 5},   {14, 10}, {15, 11}, {16, 12}, {17, 13}, {30, 24},
    {31, 25}, {32, 26}, {33, 27}, {34, 28}, {35, 29}, {43, 40}, {44, 41}, {45, 42}, {48, 46},
};
constexpr Mirror kKamiyousoMirrors[] = {
    {2, 0},   {15, 11}, {16, 12}, {17, 13}, {18, 14}, {35, 31}, {36, 32}, {37, 33}, {38, 34},
    {64, 60}, {65, 61}, {66, 62}, {67, 63}, {84, 80}, {85, 81}, {86, 82}, {87, 83},
};
constexpr int kCentreHaegiwaPoints[] = {47, 7, 2};

// numerator / denominator, or nothing where that would not be a finite number.
std::optional<double> safeRatio(double numerator, double denominator) {
    if (denominator == 0.0) return std::nullopt;
    const double ratio = numerator / denominator;
    if (!std::isfinite(ratio)) return std::nullopt;
    return ratio;
}

template <std::size_t N>
void mirrorAll(std::array<Point2, N>& points, std::span<const Mirror> mirrors) {
    for (const Mirror& m : mirrors) points[m.target] = {-points[m.source].x, points[m.source].y};
}

void moveRange(HaegiwaPoints& h, int first, int last, double dx, double dy) {
    for (int n = first; n <= last; ++n) {
        h[n].x += dx;
        h[n].y += dy;
    }
}

void centreHairline(HaegiwaPoints& h) {
    for (int n : kCentreHaegiwaPoints) h[n].x = 0.0;
}

// Steps 1-3: scale the hairline to the head width and pin the front hair.
void scaleAndPinFront(HaegiwaPoints& h, const FacePoints& f) {
    centreHairline(h);
    if (const auto k = safeRatio(f[166].x, h[0].x)) {
        for (Point2& p : h) p = {*k * p.x, *k * p.y};
    }
    moveRange(h, 0, kFrontHairLast, f[166].x - h[0].x, f[166].y - h[0].y);
}

// Steps 4-8: keep the front hair below the face top and stretch its side onto
// point 169.
void fitFrontHair(HaegiwaPoints& h, const FacePoints& f, const HaegiwaFlags& hf) {
    if (!(f[167].y > h[7].y) && hf[4] == 0) {
        for (int n = 5; n <= 9; ++n) h[n].y += f[167].y - h[7].y - kGap;
    }
    if (!(f[167].y < h[2].y)) {
        h[1] = {f[174].x, f[174].y + kNudge};
        h[2] = {f[167].x, f[167].y + kNudge};
    }

    h[13].y = h[11].y;
    const double a = f[169].x - h[11].x;
    const double b = f[169].y - h[11].y;
    const double d = h[11].y - f[166].y;
    if (const auto t = safeRatio(h[10].y - f[166].y, d)) {
        h[10].x += a * *t;
        h[10].y += b * *t;
    }
    h[11].x += a;
    h[11].y += b;
    h[10].y = f[168].y;
    const double e = h[13].y - h[5].y;
    if (const auto t = safeRatio(h[12].y - h[5].y, e)) {
        h[12].x += a * *t;
        h[12].y += b * *t;
    }
    h[13].x += a;
    h[13].y += b;

    if (!(h[10].x > f[168].x)) h[10].x = f[168].x + kGap;
    if (!(h[11].x > h[13].x)) h[13].x = h[11].x + kGap;
}

// Steps 9-12: pin the sideburns to point 169 and bring the back hair level.
void fitSideAndBackHair(HaegiwaPoints& h, const FacePoints& f, const HaegiwaFlags& hf) {
    h[27].y = h[24].y;
    const double dx = f[169].x - h[24].x;
    const double dy = f[169].y - h[24].y;
    moveRange(h, kSideburnsFirst, kSideburnsLast, dx, dy);
    if (h[27].x < h[13].x) h[27].x = h[13].x;

    double shift = dy;
    if (hf[13] == 0) {
        shift = h[13].y - h[40].y;
    } else if (hf[13] == 1) {
        shift = f[169].y - h[40].y;
    }
    moveRange(h, kBackHairFirst, kBackHairLast, 0.0, shift);
    if (h[40].x < h[13].x) h[40].x = h[13].x + kNudge;
}

// Steps 13-16: the derived flags and the pins chosen by flags 3 and 13.
void applyHairlineFlags(HaegiwaPoints& h, const FacePoints& f, HaegiwaFlags& hf) {
    if (hf[0] != hf[10]) hf[20] = 1;
    if (hf[10] == 0 || hf[13] == 1) hf[25] = 0;
    if (hf[3] == 1) {
        h[5] = f[166];
        h[6] = f[174];
        h[7] = f[167];
    }
    if (hf[13] == 1) {
        h[5] = f[166];
        h[12] = f[168];
        h[13] = f[169];
    }
}

// Steps 18-23: hair elements against the hairline, then their mirror images.
void fitHairElements(KamiyousoPoints& k, const HaegiwaPoints& h) {
    k[1].x = 0.0;
    if (k[1].y < h[2].y) k[1].y = h[2].y + kGap;
    if (k[0].y < h[0].y) k[0].y = h[0].y + kGap;
    if (k[0].y > h[11].y) k[0].y = h[11].y - kGap;
    mirrorAll(k, kKamiyousoMirrors);
    k[1].x = 0.0;
}

}  // namespace

void fitHair(HairGene& hair, FaceGene faceCopy) {
    HaegiwaPoints& h = hair.haegiwaAbs;
    const FacePoints& f = faceCopy.absPoints;

    scaleAndPinFront(h, f);
    fitFrontHair(h, f, hair.haegiwaFlags);
    fitSideAndBackHair(h, f, hair.haegiwaFlags);
    applyHairlineFlags(h, f, hair.haegiwaFlags);
    mirrorAll(h, kHaegiwaMirrors);
    centreHairline(h);
    fitHairElements(hair.kamiyousoAbs, h);
}

}  // namespace mirel
