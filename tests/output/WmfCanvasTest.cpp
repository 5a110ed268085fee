#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "TempDir.h"
#include "WmfFile.h"
#include "output/WmfCanvas.h"

namespace mirel {
namespace {

using test::WmfFile;
using test::WmfRecord;

constexpr Rgb kRed{200, 10, 20};

WmfFile finishAndRead(std::unique_ptr<WmfCanvas> canvas, const std::filesystem::path& path) {
    EXPECT_TRUE(canvas->finish());
    std::string error;
    const auto file = test::readWmf(path, &error);
    EXPECT_TRUE(file.has_value()) << error;
    return file.value_or(WmfFile{});
}

std::vector<std::uint16_t> functions(const WmfFile& file) {
    std::vector<std::uint16_t> out;
    for (const WmfRecord& r : file.records) out.push_back(r.function);
    return out;
}

// Plays the object records: every select and delete must name a live object,
// indexes are the lowest free ones, and nothing is left at the end.
void expectBalancedObjects(const WmfFile& file) {
    std::set<int> live;
    for (std::size_t k = 0; k < file.records.size(); ++k) {
        const WmfRecord& r = file.records[k];
        if (r.function == test::kWmfCreatePenIndirect ||
            r.function == test::kWmfCreateBrushIndirect) {
            int lowest = 0;
            while (live.count(lowest) != 0) ++lowest;
            live.insert(lowest);
        } else if (r.function == test::kWmfSelectObject) {
            EXPECT_EQ(live.count(r.params.at(0)), 1u) << "select of a dead object, record " << k;
        } else if (r.function == test::kWmfDeleteObject) {
            EXPECT_EQ(live.erase(r.params.at(0)), 1u) << "delete of a dead object, record " << k;
        }
    }
    EXPECT_TRUE(live.empty()) << live.size() << " objects never deleted";
    EXPECT_EQ(countRecords(file, test::kWmfCreatePenIndirect) +
                  countRecords(file, test::kWmfCreateBrushIndirect),
              countRecords(file, test::kWmfDeleteObject));
}

TEST(WmfCanvasTest, RecordsFollowTheCanvasCallsOneToOne) {
    test::TempDir dir;
    const auto path = dir.path() / "a.wmf";
    auto canvas = WmfCanvas::create(path);
    ASSERT_NE(canvas, nullptr);

    const ObjectHandle pen = canvas->createPen(4, kBlack);
    EXPECT_EQ(canvas->select(pen), kStockPen);
    const ObjectHandle brush = canvas->createBrush(kRed);
    EXPECT_EQ(canvas->select(brush), kStockBrush);
    const IntPoint triangle[] = {{10, 10}, {100, 10}, {50, 90}};
    canvas->polygon(triangle);
    EXPECT_EQ(canvas->select(kStockBrush), brush);
    canvas->deleteObject(brush);
    canvas->moveTo(5, 6);
    canvas->lineTo(7, 8);
    const IntPoint line[] = {{1, 2}, {3, 4}, {40000, -40000}};
    canvas->polyline(line);
    canvas->ellipse(11, 12, 31, 42);
    EXPECT_EQ(canvas->select(kStockPen), pen);
    canvas->deleteObject(pen);

    const WmfFile file = finishAndRead(std::move(canvas), path);
    using namespace test;
    const std::vector<std::uint16_t> expected = {
        kWmfSetWindowOrg,
        kWmfSetMapMode,
        kWmfSetPolyFillMode,
        kWmfCreatePenIndirect,
        kWmfSelectObject,
        kWmfCreateBrushIndirect,
        kWmfSelectObject,  // stock pen and brush
        kWmfCreatePenIndirect,
        kWmfSelectObject,
        kWmfCreateBrushIndirect,
        kWmfSelectObject,
        kWmfPolygon,
        kWmfSelectObject,
        kWmfDeleteObject,
        kWmfMoveTo,
        kWmfLineTo,
        kWmfPolyline,
        kWmfEllipse,
        kWmfSelectObject,
        kWmfDeleteObject,
        kWmfDeleteObject,
        kWmfDeleteObject,
        kWmfEof,
    };
    EXPECT_EQ(functions(file), expected);

    EXPECT_EQ(file.header.type, 1);
    EXPECT_EQ(file.header.headerWords, 9);
    EXPECT_EQ(file.header.version, 0x0300);
    EXPECT_EQ(2u * file.header.sizeWords, file.bytes);
    EXPECT_EQ(file.header.objects, 4);  // stock pen and brush plus one of each at once
    expectBalancedObjects(file);

    const auto params = [&](std::size_t k) { return file.records.at(k).params; };
    EXPECT_EQ(params(0), (std::vector<std::int16_t>{0, 0}));  // window origin y, x
    EXPECT_EQ(params(1), (std::vector<std::int16_t>{1}));     // MM_TEXT
    EXPECT_EQ(params(2), (std::vector<std::int16_t>{1, 0}));  // ALTERNATE, reserved word
    // Stock pen: solid, width 1, black; stock brush: solid white.
    EXPECT_EQ(params(3), (std::vector<std::int16_t>{0, 1, 0, 0, 0}));
    EXPECT_EQ(params(5), (std::vector<std::int16_t>{0, -1, 0x00ff, 0}));
    // Pen of width 4 (round caps and joins are the zero style), red brush.
    EXPECT_EQ(params(7), (std::vector<std::int16_t>{0, 4, 0, 0, 0}));
    EXPECT_EQ(params(9), (std::vector<std::int16_t>{0, 200 | (10 << 8), 20, 0}));
    EXPECT_EQ(params(11), (std::vector<std::int16_t>{3, 10, 10, 100, 10, 50, 90}));
    EXPECT_EQ(params(14), (std::vector<std::int16_t>{6, 5}));  // y, x
    EXPECT_EQ(params(15), (std::vector<std::int16_t>{8, 7}));
    // Coordinates beyond the format's 16 bits are clamped, not wrapped.
    EXPECT_EQ(params(16), (std::vector<std::int16_t>{3, 1, 2, 3, 4, 32767, -32768}));
    EXPECT_EQ(params(17), (std::vector<std::int16_t>{42, 31, 12, 11}));  // bottom, right, top, left
}

TEST(WmfCanvasTest, AnIndependentPlayerAcceptsTheFile) {
    test::TempDir dir;
    const auto path = dir.path() / "b.wmf";
    auto canvas = WmfCanvas::create(path);
    ASSERT_NE(canvas, nullptr);
    const ObjectHandle brush = canvas->createBrush(kRed);
    const ObjectHandle old = canvas->select(brush);
    const IntPoint square[] = {{100, 100}, {500, 100}, {500, 500}, {100, 500}};
    canvas->polygon(square);
    canvas->select(old);
    canvas->deleteObject(brush);
    canvas->ellipse(200, 200, 400, 400);
    canvas->fillRect(0, 0, 20, 20, kRed);
    ASSERT_TRUE(canvas->finish());

    const auto svg = dir.path() / "b.svg";
    ASSERT_EQ(test::runWmf2Svg(path, svg), 0);
    const std::string text = dir.read("b.svg");
    EXPECT_NE(text.find("<polygon"), std::string::npos) << text;
    EXPECT_NE(text.find("<ellipse"), std::string::npos) << text;
    // The player names the nearest colour; the fill rule is the alternate one.
    EXPECT_NE(text.find("fill-rule:evenodd; fill:firebrick; stroke-width:1.0"), std::string::npos)
        << text;
    EXPECT_NE(text.find("fill:firebrick; stroke:none"), std::string::npos) << text;
}

TEST(WmfCanvasTest, FillRectIsABorderlessRectangleWithItsOwnObjects) {
    test::TempDir dir;
    const auto path = dir.path() / "c.wmf";
    auto canvas = WmfCanvas::create(path);
    ASSERT_NE(canvas, nullptr);
    canvas->fillRect(3, 4, 13, 24, kWhite);
    const WmfFile file = finishAndRead(std::move(canvas), path);
    EXPECT_EQ(countRecords(file, test::kWmfRectangle), 1);
    for (const WmfRecord& r : file.records) {
        if (r.function == test::kWmfRectangle) {
            EXPECT_EQ(r.params, (std::vector<std::int16_t>{25, 14, 4, 3}));
        }
    }
    expectBalancedObjects(file);
}

TEST(WmfCanvasTest, MisuseStillGivesABalancedFile) {
    test::TempDir dir;
    const auto path = dir.path() / "d.wmf";
    auto canvas = WmfCanvas::create(path);
    ASSERT_NE(canvas, nullptr);
    const ObjectHandle pen = canvas->createPen(2, kRed);
    canvas->select(pen);
    canvas->deleteObject(pen);          // still selected: deferred to finish
    canvas->createBrush(kRed);          // never deleted
    canvas->deleteObject(kStockBrush);  // stock objects stay
    canvas->deleteObject(999);          // unknown handle
    canvas->select(999);
    canvas->polyline({});
    const WmfFile file = finishAndRead(std::move(canvas), path);
    expectBalancedObjects(file);
    EXPECT_EQ(countRecords(file, test::kWmfPolyline), 0);
}

TEST(WmfCanvasTest, FailuresToCreateOrWriteAreReported) {
    test::TempDir dir;
    EXPECT_EQ(WmfCanvas::create(dir.path() / "Output" / "x.wmf"), nullptr);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Output"));
    if (std::filesystem::exists("/dev/full")) {
        auto canvas = WmfCanvas::create("/dev/full");
        ASSERT_NE(canvas, nullptr);
        EXPECT_FALSE(canvas->finish());
    }
}

}  // namespace
}  // namespace mirel
