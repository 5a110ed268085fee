#pragma once
// The byte grammar shared by face.txt, haegiwa.txt and kamiyouso.txt: comma-
// ended tokens, '#' comments, ':' labels, blanks and line feeds dropped, read
// as a text-mode stream. The parse core works on the file's bytes and returns
// its failure as a value.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace mirel {

enum class DataGroup { Face, Haegiwa, Kamiyouso };

// The failure text, or nothing on success.
using ParseStatus = std::optional<std::string>;

// Longest token the format allows; a longer value is rejected with the
// phase's message (a label discarded by its colon does not count).
inline constexpr std::size_t kMaxTokenBytes = 19;

// The reader's fixed texts for `group`.
std::string_view openFailureText(DataGroup group);
std::string_view pointsFailureText(DataGroup group);
std::string_view flagsFailureText(DataGroup group);

// Reads reals.size() reals (as atof) and then integers.size() integers (as
// atoi) from `bytes`; what follows the last integer is ignored. On failure the
// outputs hold what was read so far and the text names the phase.
ParseStatus parseValues(std::string_view bytes, DataGroup group, std::span<double> reals,
                        std::span<std::int32_t> integers);

// Token conversions: the leading number of `token`, 0 when there is none.
// Independent of the process locale (the decimal point is always '.').
double tokenToReal(const std::string& token);
// Saturates at the int32 range.
std::int32_t tokenToInteger(const std::string& token);

}  // namespace mirel
