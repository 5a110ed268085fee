#pragma once
// Reading a file that must be a regular file. Opening never waits: a FIFO
// without a writer (or a device) in place of a file is refused, not read.

#include <cstddef>
#include <string>

namespace mirel {

enum class FileRead { Read, CannotOpen, NotRegular };

// Reads up to `maxBytes` of the file at `path` (the file system's own bytes)
// into `bytes`. A read error ends the content early.
FileRead readRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

}  // namespace mirel
