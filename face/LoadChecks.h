#pragma once
// Checks on a face just loaded (normalised, relative form derived): its points
// must stay finite and in range in the face space, and the face as drawn must
// be one the data files can hold, so that saving it writes files that read
// back under the reader's rules.

#include <optional>
#include <string>

#include "face/FaceRecord.h"
#include "face/LoadFailure.h"

namespace mirel {

// The files a face was read from; they name it in the refusal messages.
struct FaceFilePaths {
    std::string face;
    std::string haegiwa;
    std::string kamiyouso;
};

// `value` as the face export writes it (six decimals) and the reader reads it back.
double asWritten(double value);

// Nothing when `record` can be drawn, saved and read back.
std::optional<LoadFailure> checkLoadedFace(const FaceRecord& record, const FaceFilePaths& paths);

}  // namespace mirel
