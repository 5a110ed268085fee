#pragma once
// The generations of a session in compact form (section GENC): a gene block
// copied from an earlier face is stored as a reference to it, every other
// point or flag as the earlier face it equals or as its value, and absolute
// points that drawing computes again from the rest are left out.

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "face/FaceRecord.h"
#include "render/SelectionMarks.h"

namespace mirel {

inline constexpr std::string_view kCompactGenerationsTag = "GENC";

// The section's bytes for `records` (generations 0.. in order, 60 a
// generation), made once, then copied where the payload is assembled. The
// marks only tell where to look for the faces a record was bred from.
class CompactGenerations {
  public:
    CompactGenerations(std::span<const FaceRecord> records, const SelectionMarkTable& marks);
    ~CompactGenerations();
    CompactGenerations(const CompactGenerations&) = delete;
    CompactGenerations& operator=(const CompactGenerations&) = delete;

    std::size_t size() const;
    // Writes size() bytes at `at`.
    void writeTo(char* at) const;

  private:
    struct Streams;
    std::unique_ptr<Streams> streams_;
    std::size_t recordCount_ = 0;
};

// Makes room for `count` records in the empty `records` without touching
// the memory, so that each page is written first by its record.
void reserveRecords(std::vector<FaceRecord>& records, std::size_t count);

// Fills `records` with the `recordCount` records the section holds; the
// failure text, or nothing.
std::optional<std::string> decodeCompactGenerations(std::string_view bytes, std::size_t recordCount,
                                                    std::vector<FaceRecord>& records);

}  // namespace mirel
