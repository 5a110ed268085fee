#include "output/TextFile.h"

#include <cstdio>

namespace mirel {

TextFileResult writeTextFile(const std::filesystem::path& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return TextFileResult::kOpenFailed;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed ? TextFileResult::kWritten : TextFileResult::kCloseFailed;
}

}  // namespace mirel
