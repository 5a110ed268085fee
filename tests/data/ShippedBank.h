#pragma once
// The sample bank shipped under the source tree's Data/, loaded once as the
// program loads it (normalised, relative form derived), for the bank's tests.

#include <array>
#include <string>

#include "face/FaceRecord.h"
#include "face/SampleLoader.h"

namespace mirel::test {

struct ShippedBank {
    std::array<FaceRecord, kLoadedRecordCount> records{};
    std::string loadError;  // empty when every file was read
};

const ShippedBank& shippedBank();

}  // namespace mirel::test
