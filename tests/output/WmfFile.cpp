#include "WmfFile.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace mirel::test {
namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;

std::uint16_t word(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}

std::uint32_t dword(const std::string& b, std::size_t at) {
    return word(b, at) | (static_cast<std::uint32_t>(word(b, at + 2)) << 16);
}

std::optional<std::filesystem::path> findFont() {
    const char* roots[] = {"/usr/share/fonts/truetype", "/usr/share/fonts/opentype",
                           "/usr/share/fonts"};
    for (const char* root : roots) {
        std::error_code error;
        if (!std::filesystem::exists(root, error)) continue;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root, error)) {
            const auto ext = entry.path().extension();
            if (ext == ".ttf" || ext == ".otf") return entry.path();
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<WmfFile> readWmf(const std::filesystem::path& path, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    WmfFile file;
    file.bytes = b.size();
    if (b.size() < 18) {
        *error = "shorter than a header";
        return std::nullopt;
    }
    if (dword(b, 0) == kPlaceableKey) {
        *error = "has a placeable header";
        return std::nullopt;
    }
    file.header = {word(b, 0), word(b, 2), word(b, 4), dword(b, 6), word(b, 10), dword(b, 12)};
    std::size_t at = 2u * file.header.headerWords;
    while (true) {
        if (at + 6 > b.size()) {
            *error = "record header past the end at byte " + std::to_string(at);
            return std::nullopt;
        }
        const std::uint32_t words = dword(b, at);
        if (words < 3 || at + 2u * words > b.size()) {
            *error = "bad record size at byte " + std::to_string(at);
            return std::nullopt;
        }
        WmfRecord record;
        record.function = word(b, at + 4);
        for (std::uint32_t k = 3; k < words; ++k) {
            record.params.push_back(static_cast<std::int16_t>(word(b, at + 2u * k)));
        }
        file.records.push_back(record);
        at += 2u * words;
        if (record.function == kWmfEof) break;
    }
    if (at != b.size()) {
        *error = "bytes after the end-of-file record";
        return std::nullopt;
    }
    return file;
}

int countRecords(const WmfFile& file, std::uint16_t function) {
    return static_cast<int>(
        std::count_if(file.records.begin(), file.records.end(),
                      [&](const WmfRecord& r) { return r.function == function; }));
}

int runWmf2Svg(const std::filesystem::path& wmf, const std::filesystem::path& svg) {
    std::string fontOption;
    if (const auto font = findFont()) {
        const auto map = svg.parent_path() / "gs-fontmap";
        std::ofstream out(map);
        const char* names[] = {
            "Times-Roman", "Times-Italic",      "Times-Bold",     "Times-BoldItalic",
            "Helvetica",   "Helvetica-Oblique", "Helvetica-Bold", "Helvetica-BoldOblique",
            "Courier",     "Courier-Oblique",   "Courier-Bold",   "Courier-BoldOblique",
            "Symbol"};
        for (const char* name : names) out << '/' << name << " (" << font->string() << ") ;\n";
        fontOption = "--wmf-gs-fontmap='" + map.string() + "' ";
    }
    const std::string command =
        "wmf2svg " + fontOption + "-o '" + svg.string() + "' '" + wmf.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    if (status == -1 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

}  // namespace mirel::test
