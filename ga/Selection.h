#pragma once
// The user's marks of one generation: which faces (generation, index) were
// marked, in marking order. Plain value; the breeding step gets a copy.

#include <array>
#include <cstdint>

namespace mirel {

inline constexpr int kPopulationSize = 60;   // individuals per generation
inline constexpr int kGenerationCount = 50;  // generations a document can hold (0-49)
inline constexpr int kMaxMarks = 60;         // marks one Selection can hold

// Names individual `index` of generation `generation` of the population store.
struct GeneRef {
    std::int32_t generation = 0;
    std::int32_t index = 0;

    friend bool operator==(const GeneRef&, const GeneRef&) = default;
};

// Entries 0..count-1 are valid; the two arrays are parallel.
struct Selection {
    std::int32_t count = 0;
    std::array<std::int32_t, kMaxMarks> generation{};
    std::array<std::int32_t, kMaxMarks> index{};

    GeneRef mark(int k) const { return {generation[k], index[k]}; }
    void setMark(int k, GeneRef ref) {
        generation[k] = ref.generation;
        index[k] = ref.index;
    }

    friend bool operator==(const Selection&, const Selection&) = default;
};

}  // namespace mirel
