// The curve maths of CFaceRenderer: ordering the control points, choosing the
// sample count, and the natural cubic spline.
#include "render/FaceRenderer.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "render/DeviceInt.h"

namespace mirel {
namespace {

constexpr int kMaxSegments = kMaxCurveSamples - 1;
// Knot spacings closer to zero than this are widened to it, so that
// coincident knots cannot divide by zero.
constexpr double kMinKnotWidth = 1e-10;

double clampedWidth(double h) {
    return std::fabs(h) < kMinKnotWidth ? kMinKnotWidth : h;
}

}  // namespace

void CFaceRenderer::NaturalCubicSpline(int n, std::span<const double> t, std::span<const double> v,
                                       std::span<double> outT, std::span<double> outV, int m) {
    const auto available = static_cast<int>(std::min(t.size(), v.size()));
    const auto capacity = static_cast<int>(std::min(outT.size(), outV.size()));
    if (n < 2 || n > available || m < 1 || m + 1 > capacity) return;

    const auto count = static_cast<std::size_t>(n);
    std::vector<double> mu(count), lambda(count), rhs(count), diag(count), M(count);
    std::vector<double> b(count), c(count), d(count);

    for (int i = 1; i <= n - 2; ++i) {
        double h0 = t[i] - t[i - 1];
        double h1 = t[i + 1] - t[i];
        // The weights come from the widths as they are; only the divisions
        // below use the widened ones.
        mu[i] = h0 / (h0 + h1);
        lambda[i] = 1.0 - mu[i];
        h0 = clampedWidth(h0);
        h1 = clampedWidth(h1);
        rhs[i] = 6.0 * ((v[i + 1] - v[i]) / h1 - (v[i] - v[i - 1]) / h0) / (h0 + h1);
        diag[i] = 2.0;
    }
    for (int i = 1; i <= n - 3; ++i) {
        lambda[i] /= diag[i];
        rhs[i] /= diag[i];
        diag[i + 1] -= lambda[i] * mu[i + 1];
        rhs[i + 1] -= rhs[i] * mu[i + 1];
    }
    if (n >= 3) {
        M[n - 2] = rhs[n - 2] / diag[n - 2];
        for (int i = n - 3; i >= 1; --i) M[i] = rhs[i] - lambda[i] * M[i + 1];
    }
    M[0] = 0.0;
    M[n - 1] = 0.0;

    for (int i = 0; i <= n - 2; ++i) {
        const double h = clampedWidth(t[i + 1] - t[i]);
        c[i] = M[i] * 0.5;
        d[i] = (M[i + 1] - M[i]) / (6.0 * h);
        b[i] = (v[i + 1] - v[i]) / h - h * c[i] - h * (h * d[i]);
    }

    const double step = (t[n - 1] - t[0]) / m;
    int j = 0;
    for (int k = 0; k <= m; ++k) {
        const double s = t[0] + step * k;
        // At most one knot per sample; past the last knot the coefficients
        // of index n-1 are zero, so the value is v[n-1].
        if (j < n - 1 && s >= t[j + 1]) ++j;
        const double u = s - t[j];
        outT[k] = s;
        outV[k] = v[j] + u * (b[j] + u * (c[j] + u * d[j]));
    }
    outT[0] = t[0];
    outV[0] = v[0];
}

bool CFaceRenderer::OrderControlPoints(int axis) {
    auto& along = axis == AxisX ? ctrlX : ctrlY;
    bool increasing = true;
    for (int i = 0; i + 1 < ctrlCount; ++i) {
        if (!(along[i] < along[i + 1])) {
            increasing = false;
            break;
        }
    }
    if (increasing) return false;

    const auto swapPoints = [this](int i, int k) {
        std::swap(ctrlX[i], ctrlX[k]);
        std::swap(ctrlY[i], ctrlY[k]);
    };
    const auto removePoint = [this](int k) {
        for (int q = k; q + 1 < ctrlCount; ++q) {
            ctrlX[q] = ctrlX[q + 1];
            ctrlY[q] = ctrlY[q + 1];
        }
        --ctrlCount;
    };

    if (axis == AxisX) {
        // Sort and merge in one pass; of two points with one x the one with
        // the larger y survives.
        for (int i = 0; i < ctrlCount - 1; ++i) {
            for (int k = i + 1; k < ctrlCount;) {
                if (ctrlX[i] > ctrlX[k]) swapPoints(i, k);
                if (ctrlX[i] == ctrlX[k]) {
                    if (ctrlY[i] < ctrlY[k]) swapPoints(i, k);
                    removePoint(k);
                    continue;
                }
                ++k;
            }
        }
        return true;
    }

    // AxisY sorts first and merges in a second pass; of two points with one
    // y the one whose x is nearer the first point's x survives.
    for (int i = 0; i < ctrlCount - 1; ++i) {
        for (int k = i + 1; k < ctrlCount; ++k) {
            if (ctrlY[i] > ctrlY[k]) swapPoints(i, k);
        }
    }
    for (int i = 0; i < ctrlCount - 1; ++i) {
        for (int k = i + 1; k < ctrlCount;) {
            if (ctrlY[k] == ctrlY[i]) {
                const double x0 = ctrlX[0];
                const double dk = x0 - ctrlX[k];
                const double di = x0 - ctrlX[i];
                if (dk * dk < di * di) swapPoints(i, k);
                removePoint(k);
                continue;
            }
            ++k;
        }
    }
    return true;
}

void CFaceRenderer::ComputeCurve(int axis) {
    ctrlCount = std::clamp(ctrlCount, 0, kMaxControlPoints);
    const bool reordered = OrderControlPoints(axis);
    if (ctrlCount >= 3) {
        const int last = ctrlCount - 1;
        const double span = axis == AxisX ? ctrlX[last] - ctrlX[0] : ctrlY[last] - ctrlY[0];
        segCount = toDeviceInt(span);
        if (segCount < ctrlCount) segCount = std::min(ctrlCount - 1, kMaxSegments);
        if (segCount > kMaxSegments) segCount = kMaxSegments;
        if (axis == AxisX) {
            NaturalCubicSpline(ctrlCount, ctrlX, ctrlY, curveX, curveY, segCount);
        } else {
            NaturalCubicSpline(ctrlCount, ctrlY, ctrlX, curveY, curveX, segCount);
        }
    }
    if (reordered || ctrlCount <= 2) {
        segCount = std::max(ctrlCount - 1, 0);
        for (int i = 0; i < ctrlCount; ++i) {
            curveX[i] = ctrlX[i];
            curveY[i] = ctrlY[i];
        }
    }
}

}  // namespace mirel
