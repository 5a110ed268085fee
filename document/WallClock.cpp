#include "document/WallClock.h"

#include <ctime>

namespace mirel {

std::int32_t systemWallClock() { return static_cast<std::int32_t>(std::time(nullptr)); }

}  // namespace mirel
