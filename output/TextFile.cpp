#include "output/TextFile.h"

#include "output/AtomicFile.h"
#include "output/OutputMessages.h"

namespace mirel {

TextFileResult writeTextFile(const std::filesystem::path& path, std::string_view bytes) {
    switch (replaceFile(path, bytes).status) {
        case FileWriteStatus::kOpenFailed:
            return TextFileResult::kOpenFailed;
        case FileWriteStatus::kWriteFailed:
            return TextFileResult::kCloseFailed;
        case FileWriteStatus::kWritten:
            break;
    }
    return TextFileResult::kWritten;
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
