#pragma once
// Why a face could not be loaded: the caption and text of the message that
// reports it.

#include <string>

namespace mirel {

inline constexpr const char* kLoadErrorCaption = "error";

struct LoadFailure {
    std::string caption = kLoadErrorCaption;
    std::string text;

    friend bool operator==(const LoadFailure&, const LoadFailure&) = default;
};

}  // namespace mirel
