#include "face/SampleLoader.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <utility>

#include "face/DataFileReader.h"
#include "face/FatalError.h"
#include "face/RecordConverter.h"

namespace mirel {
namespace {

// Records from here on are copies of this one's face and hairline.
constexpr int kFillSourceRecord = 1;

void endOnFailure(const std::optional<LoadFailure>& failure) {
    if (failure) fatalError(failure->caption, failure->text);
}

template <std::size_t N>
bool allFinite(const std::array<Point2, N>& points) {
    return std::all_of(points.begin(), points.end(),
                       [](const Point2& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

// Finite files can still overflow when scaled; such a face is refused rather
// than drawn from infinities.
std::optional<LoadFailure> checkScaled(const FaceRecord& record, const std::string& facePath,
                                       const std::string& haegiwaPath,
                                       const std::string& kamiyousoPath) {
    const auto refuse = [](std::string_view group, const std::string& path) {
        std::string text(group);
        text.append(" data file ").append(path).append(" cannot be scaled to the face space");
        return LoadFailure{.text = std::move(text)};
    };
    if (!allFinite(record.face.absPoints)) return refuse("face", facePath);
    if (!allFinite(record.hair.haegiwaAbs)) return refuse("haegiwa", haegiwaPath);
    if (!allFinite(record.hair.kamiyousoAbs)) return refuse("kamiyouso", kamiyousoPath);
    return std::nullopt;
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
    for (int n = 1; n <= kSampleCount; ++n) {
        if (auto failure = checkScaled(records[n - 1], faceFilePath(n), haegiwaFilePath(n),
                                       kamiyousoFilePath())) {
            return failure;
        }
    }

    const RecordConverter converter;
    for (FaceRecord& record : records) converter.toRelative(record);
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

std::optional<LoadFailure> loadFaceFolder(const std::string& dir, FaceRecord& record) {
    record = {};
    const std::string facePath = dir + "/face.txt";
    const std::string haegiwaPath = dir + "/haegiwa.txt";
    const std::string kamiyousoPath = dir + "/kamiyouso.txt";
    if (auto failure = tryReadFaceData(facePath, record.face)) return failure;
    if (auto failure = tryReadHaegiwaData(haegiwaPath, record.hair)) return failure;
    std::error_code ignored;
    if (std::filesystem::exists(kamiyousoPath, ignored)) {
        if (auto failure = tryReadKamiyousoData(kamiyousoPath, record.hair)) return failure;
    }
    normaliseRecord(record);
    if (auto failure = checkScaled(record, facePath, haegiwaPath, kamiyousoPath)) return failure;
    RecordConverter().toRelative(record);
    return std::nullopt;
}

}  // namespace mirel
