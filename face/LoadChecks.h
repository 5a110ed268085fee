#pragma once
// Checks on a face just loaded (normalised, relative form derived): its points
// must stay finite and in range in the face space, and the face as drawn must
// be one the data files can hold, so that saving it writes files that read
// back under the reader's rules.

#include <optional>
#include <string>

#include "face/DataFileReader.h"
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

// What keeps a face from being drawn, saved and read back: the group at
// fault, the problem as the refusals word it and, for a value out of range,
// that value.
struct FaceProblem {
    DataGroup group = DataGroup::Face;
    std::string problem;
    std::optional<double> value;
};
// The same checks for a record whose drawn form `drawn` (PrepareFace of a
// copy) the caller has made already.
std::optional<FaceProblem> findFaceProblem(const FaceRecord& record, const FaceRecord& drawn);

}  // namespace mirel
