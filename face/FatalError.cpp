#include "face/FatalError.h"

#include <cstdio>
#include <cstdlib>

namespace mirel {
namespace {

void reportToStderr(std::string_view caption, std::string_view text) {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
}

FatalReporter gReporter = &reportToStderr;

}  // namespace

void setFatalReporter(FatalReporter reporter) {
    gReporter = reporter != nullptr ? reporter : &reportToStderr;
}

void reportError(std::string_view caption, std::string_view text) { gReporter(caption, text); }

void fatalError(std::string_view caption, std::string_view text) {
    gReporter(caption, text);
    std::exit(-1);
}

}  // namespace mirel
