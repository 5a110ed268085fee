#pragma once
// One step of a part drawer's script: a curve through two to six point-table
// entries along one axis, or a trim of the path. Drawers keep their variants
// as constexpr tables of these steps.

#include <array>
#include <span>

namespace mirel {

// The curve is y(x) on AxisX and x(y) on AxisY.
inline constexpr int AxisX = 0;
inline constexpr int AxisY = 1;

enum class StepKind { Curve, Trim };

struct CurveStep {
    StepKind kind = StepKind::Curve;
    int axis = AxisX;
    int count = 0;                // points in use
    std::array<int, 6> points{};  // point-table entries; for Trim: first, last

    friend constexpr bool operator==(const CurveStep&, const CurveStep&) = default;
};

using CurveScript = std::span<const CurveStep>;

template <typename... P>
consteval CurveStep onX(P... p) {
    static_assert(sizeof...(P) >= 2 && sizeof...(P) <= 6, "a curve has 2 to 6 points");
    return {StepKind::Curve, AxisX, static_cast<int>(sizeof...(P)), {p...}};
}

template <typename... P>
consteval CurveStep onY(P... p) {
    static_assert(sizeof...(P) >= 2 && sizeof...(P) <= 6, "a curve has 2 to 6 points");
    return {StepKind::Curve, AxisY, static_cast<int>(sizeof...(P)), {p...}};
}

// Cuts the path to the horizontal span of entries first and last.
consteval CurveStep trim(int first, int last) {
    return {StepKind::Trim, AxisX, 2, {first, last}};
}

// The script of a flag value: tables are indexed by the value, and a value
// no table lists gives an empty script (that step draws nothing).
template <std::size_t N>
constexpr CurveScript pick(const std::array<CurveScript, N>& byValue, int value) {
    if (value < 0 || static_cast<std::size_t>(value) >= N) return {};
    return byValue[static_cast<std::size_t>(value)];
}

}  // namespace mirel
