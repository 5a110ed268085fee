#pragma once
// A small sample bank for the shell's tests: Data/facebank1..20 with valid
// (not pretty) faces, written into a test's own folder.

#include <filesystem>

namespace mirel::test {

// Writes Data/facebank1..20/{face,haegiwa}.txt and Data/facebank1/kamiyouso.txt
// under `root`, plus an empty Output/ folder when `withOutput` is set.
void writeFixtureBank(const std::filesystem::path& root, bool withOutput = true);

}  // namespace mirel::test
