#include "output/TextFile.h"

#include <cstdio>

#include "output/OutputMessages.h"

namespace mirel {

TextFileResult writeTextFile(const std::filesystem::path& path, std::string_view bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return TextFileResult::kOpenFailed;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed ? TextFileResult::kWritten : TextFileResult::kCloseFailed;
}

std::optional<std::string> writeTextFileReporting(const std::filesystem::path& path,
                                                  std::string_view bytes) {
    switch (writeTextFile(path, bytes)) {
        case TextFileResult::kOpenFailed:
            return kTextFileOpenFailed;
        case TextFileResult::kCloseFailed:
            return kTextFileCloseFailed;
        case TextFileResult::kWritten:
            break;
    }
    return std::nullopt;
}

}  // namespace mirel
