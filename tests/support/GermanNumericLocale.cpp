#include "GermanNumericLocale.h"

#include <clocale>
#include <cstdlib>

namespace mirel::test {
namespace {
constexpr const char* kName = "de_DE.UTF-8";
}  // namespace

GermanNumericLocale::GermanNumericLocale() {
    const char* current = std::setlocale(LC_NUMERIC, nullptr);
    previous_ = current != nullptr ? current : "C";
    if (std::setlocale(LC_NUMERIC, kName) != nullptr) return;
    const std::string build =
        "localedef -i de_DE -f UTF-8 '" + (dir_.path() / kName).string() + "' >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0) return;
    setenv("LOCPATH", dir_.path().c_str(), 1);
    std::setlocale(LC_NUMERIC, kName);
}

GermanNumericLocale::~GermanNumericLocale() {
    std::setlocale(LC_NUMERIC, previous_.c_str());
    unsetenv("LOCPATH");
}

bool GermanNumericLocale::active() const { return std::localeconv()->decimal_point[0] == ','; }

}  // namespace mirel::test
