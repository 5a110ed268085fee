#pragma once
// UTF-8 to Shift_JIS conversion for the text files the system writes.

#include <string>
#include <string_view>

namespace mirel {

// The Shift_JIS bytes of `utf8`. Throws std::invalid_argument when the text
// holds a character Shift_JIS cannot represent or is not valid UTF-8; every
// text written is built in, so that is a programming error.
std::string toShiftJis(std::string_view utf8);

}  // namespace mirel
