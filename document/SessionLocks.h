#pragma once
// The part locks in a session: section LOCK, written only when some
// generation was bred with a lock or a lock is in force, so a session
// without locks is byte for byte what it was before locks existed.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "document/SessionBytes.h"
#include "ga/PartLocks.h"

namespace mirel {

inline constexpr std::string_view kLocksTag = "LOCK";

// Entry g: the locks generation g was bred with; the newest's, those in force.
using LocksPerGeneration = std::array<PartLocks, kGenerationCount>;

// The section's length, or 0 when it is left out.
std::size_t lockSectionBytes(const LocksPerGeneration& locks);
void writeLocks(session_bytes::Writer& w, const LocksPerGeneration& locks);
// Reads the section of a session whose newest generation is `newest`; the
// failure text, or nothing when every lock names a face that existed then.
std::optional<std::string> readLocks(std::string_view bytes, int newest,
                                     LocksPerGeneration& locks);

}  // namespace mirel
