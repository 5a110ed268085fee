#pragma once
// The compressed payload of a version-2 session: its length once
// decompressed (u64), then one zstd frame. Decompression checks the length
// against a limit and against the frame before it allocates anything.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace mirel {

// The compressed payload, after `headroom` bytes left for the caller;
// std::bad_alloc when there is no memory for it.
std::string compressPayload(std::string_view raw, std::size_t headroom = 0);

// The payload, in `raw`, when it is at most `maxBytes` long and the frame
// decompresses to exactly the length it is stored with; else the reason.
std::optional<std::string> decompressPayload(std::string_view stored, std::size_t maxBytes,
                                             std::string& raw);

}  // namespace mirel
