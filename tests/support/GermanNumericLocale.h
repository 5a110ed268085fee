#pragma once
// Switches LC_NUMERIC to a German locale (decimal comma) for its lifetime,
// compiling one into a temporary folder when none is installed. Qt puts the
// application into the user's locale, so number reading and writing must not
// follow it.

#include <string>

#include "TempDir.h"

namespace mirel::test {

class GermanNumericLocale {
public:
    GermanNumericLocale();
    ~GermanNumericLocale();
    GermanNumericLocale(const GermanNumericLocale&) = delete;
    GermanNumericLocale& operator=(const GermanNumericLocale&) = delete;

    // False when no decimal-comma locale could be had (the test should skip).
    bool active() const;

private:
    TempDir dir_;
    std::string previous_;
};

}  // namespace mirel::test
