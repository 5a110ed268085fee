#pragma once
// The flat colours of the face drawing.

#include "render/Canvas.h"

namespace mirel {

inline constexpr Rgb SkinColour{255, 200, 150};
inline constexpr Rgb HairColour{30, 30, 0};
inline constexpr Rgb LipColour{255, 100, 100};
inline constexpr Rgb PupilColour{50, 50, 50};
inline constexpr Rgb EyebrowColour{70, 70, 50};
inline constexpr Rgb FacePenColour = kBlack;

}  // namespace mirel
