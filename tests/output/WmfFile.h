#pragma once
// Test helpers for metafiles: a minimal record walker written from the WMF
// format (independent of the writer's library) and a run of libwmf's
// wmf2svg, an independent player.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mirel::test {

// Record functions of the WMF format.
enum WmfFunction : std::uint16_t {
    kWmfEof = 0x0000,
    kWmfSetMapMode = 0x0103,
    kWmfSetPolyFillMode = 0x0106,
    kWmfSetWindowOrg = 0x020B,
    kWmfLineTo = 0x0213,
    kWmfMoveTo = 0x0214,
    kWmfEllipse = 0x0418,
    kWmfRectangle = 0x041B,
    kWmfPolygon = 0x0324,
    kWmfPolyline = 0x0325,
    kWmfSelectObject = 0x012D,
    kWmfDeleteObject = 0x01F0,
    kWmfCreatePenIndirect = 0x02FA,
    kWmfCreateBrushIndirect = 0x02FC,
};

struct WmfRecord {
    std::uint16_t function = 0;
    std::vector<std::int16_t> params;  // the record's 16-bit words after the function
};

struct WmfHeader {
    std::uint16_t type = 0;         // 1 = memory metafile
    std::uint16_t headerWords = 0;  // 9
    std::uint16_t version = 0;      // 0x0300
    std::uint32_t sizeWords = 0;    // whole file
    std::uint16_t objects = 0;
    std::uint32_t maxRecordWords = 0;
};

struct WmfFile {
    WmfHeader header;
    std::vector<WmfRecord> records;  // up to and including EOF
    std::size_t bytes = 0;
};

// Walks the file; the text says what is malformed.
std::optional<WmfFile> readWmf(const std::filesystem::path& path, std::string* error);

int countRecords(const WmfFile& file, std::uint16_t function);

// Runs wmf2svg on `wmf`, writing `svg`; its exit status (-1 when it could not
// be started). Gives libwmf a font map made of a font found on the machine,
// since it needs one even for drawings without text.
int runWmf2Svg(const std::filesystem::path& wmf, const std::filesystem::path& svg);

}  // namespace mirel::test
