#include "output/OutputFolder.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace mirel {

int prepareOutputFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) return error.value();
    if (!std::filesystem::is_directory(folder, error)) return error ? error.value() : ENOTDIR;
    // Creating a file needs the right to write into the folder and to pass through it.
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return errno;
    return 0;
}

}  // namespace mirel
