#include <array>

#include "document/SessionFile.h"

namespace mirel {
namespace {

// CRC-32 (the polynomial of zip and PNG), eight bytes a step ("slicing by
// 8"): a 49-generation session is 34 MB, read and written whole.
using CrcTables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr CrcTables kCrcTables = [] {
    CrcTables t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[0][n] = c;
    }
    for (std::uint32_t n = 0; n < 256; ++n) {
        for (std::size_t s = 1; s < t.size(); ++s)
            t[s][n] = (t[s - 1][n] >> 8) ^ t[0][t[s - 1][n] & 0xFFu];
    }
    return t;
}();

std::uint32_t byteAt(std::string_view bytes, std::size_t k) {
    return static_cast<std::uint8_t>(bytes[k]);
}

}  // namespace

std::uint32_t sessionChecksum(std::string_view bytes) {
    const CrcTables& t = kCrcTables;
    std::uint32_t c = 0xFFFFFFFFu;
    std::size_t k = 0;
    for (; k + 8 <= bytes.size(); k += 8) {
        const std::uint32_t low = c ^ (byteAt(bytes, k) | byteAt(bytes, k + 1) << 8 |
                                       byteAt(bytes, k + 2) << 16 | byteAt(bytes, k + 3) << 24);
        c = t[7][low & 0xFFu] ^ t[6][(low >> 8) & 0xFFu] ^ t[5][(low >> 16) & 0xFFu] ^
            t[4][low >> 24] ^ t[3][byteAt(bytes, k + 4)] ^ t[2][byteAt(bytes, k + 5)] ^
            t[1][byteAt(bytes, k + 6)] ^ t[0][byteAt(bytes, k + 7)];
    }
    for (; k < bytes.size(); ++k) c = t[0][(c ^ byteAt(bytes, k)) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

}  // namespace mirel
