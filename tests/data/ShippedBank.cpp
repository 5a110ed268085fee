#include "ShippedBank.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "tests/support/TempDir.h"

namespace mirel::test {
namespace {

// The source tree whose Data/ is tested: MIREL_SOURCE_DIR when set, else the
// folder this test was built from.
std::filesystem::path bankSourceDir() {
    return std::getenv("MIREL_SOURCE_DIR") != nullptr
               ? sourceDir()
               : std::filesystem::path(MIREL_BANK_SOURCE_DIR);
}

std::unique_ptr<ShippedBank> load() {
    auto bank = std::make_unique<ShippedBank>();
    const ScopedWorkingDir inSource(bankSourceDir());
    if (const auto failure = SampleLoader().tryLoadSamplePopulation(bank->records)) {
        bank->loadError = failure->text;
    }
    return bank;
}

}  // namespace

const ShippedBank& shippedBank() {
    static const std::unique_ptr<ShippedBank> bank = load();
    return *bank;
}

}  // namespace mirel::test
