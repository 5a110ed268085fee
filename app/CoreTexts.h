#pragma once
// The user-visible texts of the layers below the windows, which use no Qt:
// listed once here so that the translation tools find them.

#include <span>

namespace mirel {

std::span<const char* const> coreTexts();

}  // namespace mirel
