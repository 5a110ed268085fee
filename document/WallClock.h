#pragma once
// The wall clock in whole seconds, injectable so tests can step time exactly.

#include <cstdint>
#include <functional>

namespace mirel {

using WallClock = std::function<std::int32_t()>;

// Seconds since the epoch, from the system clock.
std::int32_t systemWallClock();

}  // namespace mirel
