#pragma once
// Runs parts of a job in child processes of this same program, a few at a
// time. Breeding draws from one random source per process, so each part gets
// a fresh process (started anew, not forked: Qt's drawing keeps threads that
// a forked copy would not have) instead of a thread.

#include <optional>
#include <string>
#include <vector>

namespace mirel::witness {

// Starts this program once per entry of `arguments` (argv after the program
// name), at most `parallel` at once, and gives back the numbers each wrote to
// its standard output, in order; nothing for a child that failed.
std::vector<std::optional<std::vector<double>>> runChildren(
    const std::vector<std::vector<std::string>>& arguments, int parallel);

// What a child writes for runChildren to read.
void writeNumbers(const std::vector<double>& values);

}  // namespace mirel::witness
