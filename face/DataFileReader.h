#pragma once
// Reads one face data file into its block. Each reader sets its own fields to
// zero first and touches nothing else of the block. Besides the grammar's
// failures, it rejects values that would poison a record: numbers that are not
// finite or beyond kMaxFileValue, a face whose points 154 and 167 share a y or
// whose point 166 has x = 0, a hairline whose point 0 has x = 0 (each makes a
// normalisation factor infinite or zero), and a path that is not a regular
// file (a FIFO would block the read for ever).

#include <optional>
#include <string>
#include <string_view>

#include "face/DataFileGrammar.h"
#include "face/FaceRecord.h"
#include "face/LoadFailure.h"

namespace mirel {

// Every real of a data file lies within +-kMaxFileValue (in the file's unit):
// far beyond any face, and short enough for the export's six decimals to stay
// within the token limit.
inline constexpr double kMaxFileValue = 100000.0;

// How a file is refused: "<group> data file <fileName> <problem>".
std::string refusalText(DataGroup group, std::string_view fileName, std::string_view problem);

// Parse cores: `bytes` is the file content, `fileName` only names the file in
// the rejection messages.
ParseStatus parseFaceData(std::string_view bytes, std::string_view fileName, FaceGene& face);
ParseStatus parseHaegiwaData(std::string_view bytes, std::string_view fileName, HairGene& hair);
ParseStatus parseKamiyousoData(std::string_view bytes, std::string_view fileName, HairGene& hair);

// Open the file at `path` (relative to the working directory) and parse it.
std::optional<LoadFailure> tryReadFaceData(const std::string& path, FaceGene& face);
std::optional<LoadFailure> tryReadHaegiwaData(const std::string& path, HairGene& hair);
std::optional<LoadFailure> tryReadKamiyousoData(const std::string& path, HairGene& hair);

}  // namespace mirel
