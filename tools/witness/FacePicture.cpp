#include "FacePicture.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "render/DrawFace.h"
#include "render/QPainterCanvas.h"

namespace mirel::witness {
namespace {

// Two box passes of this radius come close to a Gaussian blur of about 3.5 px.
constexpr int kBlurRadius = 4;
constexpr int kBlurPasses = 2;
// Every second pixel of the blurred picture is enough to compare.
constexpr int kSampleStep = 2;

// One box blur along rows (stride 1) or columns (stride side), clamped at the edges.
void boxBlur(std::vector<float>& values, int side, bool alongRows) {
    std::vector<float> out(values.size());
    const int width = 2 * kBlurRadius + 1;
    for (int line = 0; line < side; ++line) {
        auto at = [&](int k) -> float& {
            const int clamped = std::clamp(k, 0, side - 1);
            return alongRows ? values[line * side + clamped] : values[clamped * side + line];
        };
        float sum = 0;
        for (int k = -kBlurRadius; k <= kBlurRadius; ++k) sum += at(k);
        for (int k = 0; k < side; ++k) {
            (alongRows ? out[line * side + k] : out[k * side + line]) = sum / width;
            sum += at(k + kBlurRadius + 1) - at(k - kBlurRadius);
        }
    }
    values.swap(out);
}

}  // namespace

FacePicture picture(const FaceRecord& face, FaceRecord* drawn, int cell) {
    QImage image(cell, cell, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    FaceRecord copy = face;
    {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        const int half = cell / 2;
        DrawFace(copy, canvas, half, half, cell, facePenWidth(cell));
    }
    if (drawn != nullptr) *drawn = copy;

    std::vector<float> grey(static_cast<std::size_t>(cell) * cell);
    for (int y = 0; y < cell; ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < cell; ++x) grey[y * cell + x] = row[x] / 255.0f;
    }
    for (int pass = 0; pass < kBlurPasses; ++pass) {
        boxBlur(grey, cell, true);
        boxBlur(grey, cell, false);
    }
    FacePicture result;
    result.side = cell / kSampleStep;
    result.grey.reserve(static_cast<std::size_t>(result.side) * result.side);
    for (int y = 0; y < result.side; ++y) {
        for (int x = 0; x < result.side; ++x) {
            result.grey.push_back(grey[(y * kSampleStep) * cell + x * kSampleStep]);
        }
    }
    return result;
}

double pictureDistance(const FacePicture& a, const FacePicture& b) {
    double sum = 0;
    for (std::size_t k = 0; k < a.grey.size(); ++k) sum += std::fabs(a.grey[k] - b.grey[k]);
    return a.grey.empty() ? 0.0 : sum / static_cast<double>(a.grey.size());
}

double variety(const std::vector<FacePicture>& pictures) {
    double sum = 0;
    int pairs = 0;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        for (std::size_t j = i + 1; j < pictures.size(); ++j) {
            sum += pictureDistance(pictures[i], pictures[j]);
            ++pairs;
        }
    }
    return pairs == 0 ? 0.0 : sum / pairs;
}

}  // namespace mirel::witness
