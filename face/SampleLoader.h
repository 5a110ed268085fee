#pragma once
// Builds the first generation from the twenty sample faces under the data
// folder, and prepares single faces from a folder the same way. Stateless
// apart from the data folder; create one per fill.

#include <optional>
#include <span>
#include <string>

#include "face/FaceRecord.h"
#include "face/LoadChecks.h"
#include "face/LoadFailure.h"
#include "face/Normalisation.h"

namespace mirel {

inline constexpr int kSampleCount = 20;

class SampleLoader {
  public:
    // Sample N lives in dataDir + "/facebank" + N; "Data" resolves against
    // the working directory.
    explicit SampleLoader(std::string dataDir = "Data");

    // Records 0-19 are samples 1-20, records 20-59 copies of sample 2; all
    // carry the hair elements of sample 1; normalised, relative form derived.
    // The first failing file in reading order (all face files, all hairline
    // files, then the one hair-element file) is the one reported. On failure
    // the records are partly filled.
    std::optional<LoadFailure> tryLoadSamplePopulation(
        std::span<FaceRecord, kLoadedRecordCount> records) const;
    // As above, but a failure ends the process through fatalError.
    void loadSamplePopulation(std::span<FaceRecord, kLoadedRecordCount> records) const;

    // Each fills its group's absolute points and flags completely or ends the
    // process (caption "error", exit status -1).
    void readFaceFile(const std::string& path, FaceGene& face) const;
    void readHaegiwaFile(const std::string& path, HairGene& hair) const;
    void readKamiyousoFile(const std::string& path, HairGene& hair) const;

    std::string faceFilePath(int sample) const;
    std::string haegiwaFilePath(int sample) const;
    // Only sample 1 has one.
    std::string kamiyousoFilePath() const;

  private:
    std::string dataDir_;
};

// Prepares a record whose absolute points and flags were just read: normalised,
// relative form derived, then refused (`paths` name it) when it could not be
// drawn, saved and read back. On failure `record` is unspecified.
std::optional<LoadFailure> prepareLoadedFace(FaceRecord& record, const FaceFilePaths& paths);

// Prepares the face in folder `dir` (face.txt, haegiwa.txt and, when present,
// kamiyouso.txt, else no hair elements) as a loaded sample: normalised, then
// relative form derived. On failure `record` is unspecified.
std::optional<LoadFailure> loadFaceFolder(const std::string& dir, FaceRecord& record);

}  // namespace mirel
