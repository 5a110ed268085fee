#include "face/SampleLoader.h"

#include <filesystem>
#include <utility>

#include "face/DataFileReader.h"
#include "face/FatalError.h"
#include "face/LoadChecks.h"
#include "face/RecordConverter.h"

namespace mirel {
namespace {

// Records from here on are copies of this one's face and hairline.
constexpr int kFillSourceRecord = 1;

void endOnFailure(const std::optional<LoadFailure>& failure) {
    if (failure) fatalError(failure->caption, failure->text);
}

}  // namespace

SampleLoader::SampleLoader(std::string dataDir) : dataDir_(std::move(dataDir)) {}

std::string SampleLoader::faceFilePath(int sample) const {
    return dataDir_ + "/facebank" + std::to_string(sample) + "/face.txt";
}

std::string SampleLoader::haegiwaFilePath(int sample) const {
    return dataDir_ + "/facebank" + std::to_string(sample) + "/haegiwa.txt";
}

std::string SampleLoader::kamiyousoFilePath() const {
    return dataDir_ + "/facebank1/kamiyouso.txt";
}

std::optional<LoadFailure> SampleLoader::tryLoadSamplePopulation(
    std::span<FaceRecord, kLoadedRecordCount> records) const {
    for (int n = 1; n <= kSampleCount; ++n) {
        if (auto failure = tryReadFaceData(faceFilePath(n), records[n - 1].face)) return failure;
    }
    for (std::size_t k = kSampleCount; k < records.size(); ++k) {
        records[k].face = records[kFillSourceRecord].face;
    }
    for (int n = 1; n <= kSampleCount; ++n) {
        if (auto failure = tryReadHaegiwaData(haegiwaFilePath(n), records[n - 1].hair)) {
            return failure;
        }
    }
    for (std::size_t k = kSampleCount; k < records.size(); ++k) {
        records[k].hair.haegiwaAbs = records[kFillSourceRecord].hair.haegiwaAbs;
        records[k].hair.haegiwaFlags = records[kFillSourceRecord].hair.haegiwaFlags;
    }
    if (auto failure = tryReadKamiyousoData(kamiyousoFilePath(), records[0].hair)) {
        return failure;
    }
    for (std::size_t k = 1; k < records.size(); ++k) {
        records[k].hair.kamiyousoAbs = records[0].hair.kamiyousoAbs;
        records[k].hair.kamiyousoFlags = records[0].hair.kamiyousoFlags;
    }

    normalisePopulation(records);
    const RecordConverter converter;
    for (FaceRecord& record : records) converter.toRelative(record);
    // Records beyond the samples are copies of them.
    for (int n = 1; n <= kSampleCount; ++n) {
        const FaceFilePaths paths{faceFilePath(n), haegiwaFilePath(n), kamiyousoFilePath()};
        if (auto failure = checkLoadedFace(records[n - 1], paths)) return failure;
    }
    return std::nullopt;
}

void SampleLoader::loadSamplePopulation(std::span<FaceRecord, kLoadedRecordCount> records) const {
    endOnFailure(tryLoadSamplePopulation(records));
}

void SampleLoader::readFaceFile(const std::string& path, FaceGene& face) const {
    endOnFailure(tryReadFaceData(path, face));
}

void SampleLoader::readHaegiwaFile(const std::string& path, HairGene& hair) const {
    endOnFailure(tryReadHaegiwaData(path, hair));
}

void SampleLoader::readKamiyousoFile(const std::string& path, HairGene& hair) const {
    endOnFailure(tryReadKamiyousoData(path, hair));
}

std::optional<LoadFailure> prepareLoadedFace(FaceRecord& record, const FaceFilePaths& paths) {
    normaliseRecord(record);
    RecordConverter().toRelative(record);
    return checkLoadedFace(record, paths);
}

std::optional<LoadFailure> loadFaceFolder(const std::string& dir, FaceRecord& record) {
    record = {};
    const FaceFilePaths paths{dir + "/face.txt", dir + "/haegiwa.txt", dir + "/kamiyouso.txt"};
    if (auto failure = tryReadFaceData(paths.face, record.face)) return failure;
    if (auto failure = tryReadHaegiwaData(paths.haegiwa, record.hair)) return failure;
    std::error_code ignored;
    if (std::filesystem::exists(paths.kamiyouso, ignored)) {
        if (auto failure = tryReadKamiyousoData(paths.kamiyouso, record.hair)) return failure;
    }
    return prepareLoadedFace(record, paths);
}

}  // namespace mirel
