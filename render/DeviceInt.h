#pragma once
// The one conversion from a double to a device integer. Truncates toward zero
// like a plain cast, but a NaN or a value outside int's range never reaches
// the cast (that would be undefined): NaN gives 0, the rest saturate.

#include <limits>

namespace mirel {

constexpr int toDeviceInt(double value) {
    constexpr double kIntMax = static_cast<double>(std::numeric_limits<int>::max());
    constexpr double kIntMin = static_cast<double>(std::numeric_limits<int>::min());
    if (value != value) return 0;
    if (value >= kIntMax) return std::numeric_limits<int>::max();
    if (value <= kIntMin) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace mirel
