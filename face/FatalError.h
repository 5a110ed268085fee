#pragma once
// The one hook through which fatal conditions (an unreadable sample file) are
// reported before the process ends with status -1. The application points it
// at a message box; by default caption and text go to stderr.

#include <string_view>

namespace mirel {

using FatalReporter = void (*)(std::string_view caption, std::string_view text);

// Replaces the reporter; nullptr restores the stderr default.
void setFatalReporter(FatalReporter reporter);

// Shows caption and text through the reporter without ending the process.
void reportError(std::string_view caption, std::string_view text);

// Reports, then ends the process with exit status -1 (255).
[[noreturn]] void fatalError(std::string_view caption, std::string_view text);

}  // namespace mirel
