#pragma once
// The folder the save command writes its files into: made when missing and
// checked once, so that a folder that cannot be used is one failure with the
// system's reason rather than one per file. Standard library and POSIX only.

#include <filesystem>

namespace mirel {

// Makes `folder` (and its parents) when missing. Returns 0 when it is a
// folder this process may create files in, else the errno that says why not.
[[nodiscard]] int prepareOutputFolder(const std::filesystem::path& folder);

}  // namespace mirel
