#include <gtest/gtest.h>

#include <map>
#include <set>

#include "OutputFixtures.h"
#include "RecordingCanvas.h"
#include "TempDir.h"
#include "WmfFile.h"
#include "output/MetafileExport.h"
#include "output/OutputMessages.h"
#include "render/DrawFace.h"

namespace mirel {
namespace {

using test::CanvasCall;
using test::CanvasOp;
using test::WmfFile;
using test::WmfRecord;

// Opening records: window origin, map mode, fill mode, stock pen and brush.
constexpr std::size_t kPrologue = 7;
// Closing records: deleting the stock pen and brush, end of file.
constexpr std::size_t kEpilogue = 3;

WmfFile readBack(const std::filesystem::path& path) {
    std::string error;
    const auto file = test::readWmf(path, &error);
    EXPECT_TRUE(file.has_value()) << error;
    return file.value_or(WmfFile{});
}

std::vector<std::int16_t> pointWords(const std::vector<IntPoint>& points) {
    std::vector<std::int16_t> words{static_cast<std::int16_t>(points.size())};
    for (const IntPoint& p : points) {
        words.push_back(static_cast<std::int16_t>(p.x));
        words.push_back(static_cast<std::int16_t>(p.y));
    }
    return words;
}

// Metafile object indexes as a player assigns them (lowest free slot), by
// canvas handle; the stock pen and brush are objects 0 and 1.
class ObjectTable {
  public:
    int index(ObjectHandle handle) const {
        if (handle == kStockPen) return 0;
        if (handle == kStockBrush) return 1;
        const auto it = indexes_.find(handle);
        return it == indexes_.end() ? -1 : it->second;
    }
    void created(ObjectHandle handle) {
        int lowest = 2;
        while (used_.count(lowest) != 0) ++lowest;
        used_.insert(lowest);
        indexes_[handle] = lowest;
    }
    void deleted(ObjectHandle handle) {
        used_.erase(index(handle));
        indexes_.erase(handle);
    }

  private:
    std::map<ObjectHandle, int> indexes_;
    std::set<int> used_;
};

// The record a canvas call must have become.
void expectRecordFor(const CanvasCall& call, const WmfRecord& record, std::size_t k) {
    const auto& a = call.args;
    SCOPED_TRACE("call " + std::to_string(k) + ": " + test::describe(call));
    switch (call.op) {
        case CanvasOp::CreatePen:
            ASSERT_EQ(record.function, test::kWmfCreatePenIndirect);
            EXPECT_EQ(record.params.at(1), a.at(1));  // width
            EXPECT_EQ(static_cast<std::uint16_t>(record.params.at(3)),
                      call.colour.r | (call.colour.g << 8));
            EXPECT_EQ(static_cast<std::uint16_t>(record.params.at(4)), call.colour.b);
            break;
        case CanvasOp::CreateBrush:
            EXPECT_EQ(record.function, test::kWmfCreateBrushIndirect);
            break;
        case CanvasOp::Select:
            EXPECT_EQ(record.function, test::kWmfSelectObject);
            break;
        case CanvasOp::Delete:
            EXPECT_EQ(record.function, test::kWmfDeleteObject);
            break;
        case CanvasOp::MoveTo:
            ASSERT_EQ(record.function, test::kWmfMoveTo);
            EXPECT_EQ(record.params,
                      (std::vector<std::int16_t>{std::int16_t(a.at(1)), std::int16_t(a.at(0))}));
            break;
        case CanvasOp::LineTo:
            ASSERT_EQ(record.function, test::kWmfLineTo);
            EXPECT_EQ(record.params,
                      (std::vector<std::int16_t>{std::int16_t(a.at(1)), std::int16_t(a.at(0))}));
            break;
        case CanvasOp::Polyline:
            ASSERT_EQ(record.function, test::kWmfPolyline);
            EXPECT_EQ(record.params, pointWords(call.points));
            break;
        case CanvasOp::Polygon:
            ASSERT_EQ(record.function, test::kWmfPolygon);
            EXPECT_EQ(record.params, pointWords(call.points));
            break;
        case CanvasOp::Ellipse:
            ASSERT_EQ(record.function, test::kWmfEllipse);
            EXPECT_EQ(record.params,
                      (std::vector<std::int16_t>{std::int16_t(a.at(3)), std::int16_t(a.at(2)),
                                                 std::int16_t(a.at(1)), std::int16_t(a.at(0))}));
            break;
        case CanvasOp::FillRect:
            EXPECT_EQ(record.function, test::kWmfCreateBrushIndirect);
            break;
    }
}

TEST(MetafileExportTest, RecordsFollowTheFaceDrawingOneToOne) {
    const FaceRecord face = test::pictureFace();
    FaceRecord copy = face;
    test::RecordingCanvas recording;
    DrawFace(copy, recording, 300.0, 300.0, 600, 4);
    ASSERT_TRUE(recording.faults().empty()) << recording.faults().front();
    ASSERT_FALSE(recording.callsOf(CanvasOp::Polygon).empty());
    ASSERT_TRUE(recording.callsOf(CanvasOp::FillRect).empty());

    test::TempDir dir;
    const auto path = dir.path() / "m.wmf";
    ASSERT_TRUE(writeFaceMetafile(face, path));
    const WmfFile file = readBack(path);
    const auto& calls = recording.calls();
    ASSERT_EQ(file.records.size(), kPrologue + calls.size() + kEpilogue);
    ObjectTable objects;
    for (std::size_t k = 0; k < calls.size(); ++k) {
        const CanvasCall& call = calls[k];
        const WmfRecord& record = file.records[kPrologue + k];
        expectRecordFor(call, record, k);
        if (call.op == CanvasOp::CreatePen || call.op == CanvasOp::CreateBrush) {
            objects.created(call.args.at(0));
        } else if (call.op == CanvasOp::Select || call.op == CanvasOp::Delete) {
            ASSERT_FALSE(record.params.empty());
            EXPECT_EQ(record.params[0], objects.index(call.args.at(0))) << "call " << k;
            if (call.op == CanvasOp::Delete) objects.deleted(call.args.at(0));
        }
    }
    // The face pen is the first object the drawing makes: width 4, black.
    EXPECT_EQ(calls.front().op, CanvasOp::CreatePen);
    EXPECT_EQ(calls.front().args.at(1), 4);

    EXPECT_EQ(countRecords(file, test::kWmfSetMapMode), 1);
    EXPECT_EQ(countRecords(file, test::kWmfSetWindowOrg), 1);
    EXPECT_EQ(countRecords(file, test::kWmfSetPolyFillMode), 1);
    EXPECT_EQ(countRecords(file, test::kWmfPolygon),
              static_cast<int>(recording.callsOf(CanvasOp::Polygon).size()));
    EXPECT_EQ(countRecords(file, test::kWmfCreatePenIndirect),
              static_cast<int>(recording.callsOf(CanvasOp::CreatePen).size()) + 1);
    EXPECT_EQ(countRecords(file, test::kWmfSelectObject),
              static_cast<int>(recording.callsOf(CanvasOp::Select).size()) + 2);
    EXPECT_EQ(countRecords(file, test::kWmfCreatePenIndirect) +
                  countRecords(file, test::kWmfCreateBrushIndirect),
              countRecords(file, test::kWmfDeleteObject));
    EXPECT_EQ(2u * file.header.sizeWords, file.bytes);
}

TEST(MetafileExportTest, AnIndependentPlayerDrawsTheFace) {
    test::TempDir dir;
    const auto path = dir.path() / "m.wmf";
    ASSERT_TRUE(writeFaceMetafile(test::pictureFace(), path));
    ASSERT_EQ(test::runWmf2Svg(path, dir.path() / "m.svg"), 0);
    const std::string svg = dir.read("m.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("<polygon"), std::string::npos) << svg.substr(0, 2000);
    EXPECT_NE(svg.find("stroke-width:4.0"), std::string::npos) << svg.substr(0, 2000);
}

TEST(MetafileExportTest, SavingReplacesTheFileAndLeavesTheRecordAlone) {
    test::TempDir dir;
    dir.write("Output/mirelesakuhin.wmf", std::string(1 << 20, 'x'));
    const FaceRecord face = test::pictureFace();
    const FaceRecord before = face;
    test::ScopedWorkingDir cwd(dir.path());
    ASSERT_EQ(ExportMetafile(face), std::nullopt);
    const std::string first = dir.read("Output/mirelesakuhin.wmf");
    ASSERT_EQ(ExportMetafile(face), std::nullopt);
    EXPECT_EQ(dir.read("Output/mirelesakuhin.wmf"), first);
    EXPECT_LT(first.size(), std::size_t{1} << 20);
    EXPECT_EQ(face, before);
}

TEST(MetafileExportTest, MissingFolderReportsTheSaveFailure) {
    test::TempDir dir;
    const auto failure = ExportMetafile(test::pictureFace(), dir.path() / "Output" / "m.wmf");
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, kMetafileSaveFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Output"));
}

}  // namespace
}  // namespace mirel
