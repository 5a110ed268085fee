#include "document/SessionLocks.h"

#include <algorithm>

namespace mirel {
namespace {

// Per generation and part: the locked face's generation and index, or -1, -1.
constexpr std::int32_t kUnlocked = -1;
constexpr std::size_t kLockBytes = std::size_t(kGenerationCount) * kFacePartCount * 2 * 4;

}  // namespace

std::size_t lockSectionBytes(const LocksPerGeneration& locks) {
    const bool anyLock =
        std::any_of(locks.begin(), locks.end(), [](const PartLocks& l) { return l.any(); });
    return anyLock ? kLockBytes : 0;
}

void writeLocks(session_bytes::Writer& w, const LocksPerGeneration& locks) {
    for (const PartLocks& generation : locks) {
        for (const std::optional<GeneRef>& lock : generation.lockedTo) {
            w.i32(lock ? lock->generation : kUnlocked);
            w.i32(lock ? lock->index : kUnlocked);
        }
    }
}

std::optional<std::string> readLocks(std::string_view bytes, int newest,
                                     LocksPerGeneration& locks) {
    if (bytes.size() != kLockBytes) return "LOCK length";
    session_bytes::Reader r(bytes);
    for (int g = 0; g < kGenerationCount; ++g) {
        for (std::optional<GeneRef>& lock : locks[static_cast<std::size_t>(g)].lockedTo) {
            const std::int32_t generation = r.i32();
            const std::int32_t index = r.i32();
            if (generation == kUnlocked && index == kUnlocked) {
                lock.reset();
                continue;
            }
            // A lock bred with, or in force, names a face bred by then.
            if (g > newest || generation < 0 || generation > g || index < 0 ||
                index >= kPopulationSize) {
                return "LOCK names a face that does not exist";
            }
            lock = GeneRef{generation, index};
        }
    }
    return std::nullopt;
}

}  // namespace mirel
