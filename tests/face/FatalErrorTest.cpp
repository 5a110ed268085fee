#include <gtest/gtest.h>

#include "face/FatalError.h"

namespace mirel {
namespace {

TEST(FatalErrorDeathTest, ReportsCaptionAndTextThenExitsWithMinusOne) {
    EXPECT_EXIT(fatalError("error", "can't open face data file"), testing::ExitedWithCode(255),
                "error: can't open face data file");
}

}  // namespace
}  // namespace mirel
