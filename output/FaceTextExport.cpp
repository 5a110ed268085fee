#include "output/FaceTextExport.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <span>

#include "face/AnchorGroups.h"
#include "output/TextFile.h"

namespace mirel {
namespace {

struct Sections {
    const char* pointsHeader;
    const char* flagsHeader;
};

constexpr Sections kFaceSections{"## feature points ##\n\n", "\n## feature flag ##\n\n"};
constexpr Sections kHaegiwaSections{"## haegiwa points ##\n\n", "\n## haegiwa flag ##\n\n"};
constexpr Sections kKamiyousoSections{"## kamiyouso points ##\n\n", "\n## kamiyouso flag ##\n\n"};

// Long enough for any double in "%12f" (up to 309 integer digits).
constexpr std::size_t kNumberBufferSize = 400;

template <typename... Args>
void appendf(std::string& out, const char* format, Args... args) {
    std::array<char, kNumberBufferSize> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), format, args...);
    if (length > 0) out.append(buffer.data(), static_cast<std::size_t>(length));
}

constexpr int kRealWidth = 12;
constexpr int kRealDecimals = 6;

// "%12f" with a decimal point whatever the process locale: the application
// runs in the user's locale, and a decimal comma would end the token when the
// file is read back.
void appendReal(std::string& out, double value) {
    std::array<char, kNumberBufferSize> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, kRealDecimals);
    const auto length = static_cast<int>(result.ptr - buffer.data());
    if (length < kRealWidth) out.append(static_cast<std::size_t>(kRealWidth - length), ' ');
    out.append(buffer.data(), static_cast<std::size_t>(length));
}

// " %3d : " then " %12f, " and "%12f,\n"; `leadingBlank` false drops the
// blank before x (the kamiyouso parameter lines).
void appendPoint(std::string& out, int i, double x, double y, bool leadingBlank = true) {
    appendf(out, " %3d : ", i + 1);
    if (leadingBlank) out += ' ';
    appendReal(out, x);
    out += ", ";
    appendReal(out, y);
    out += ",\n";
}

void appendFlags(std::string& out, std::span<const std::int32_t> flags) {
    for (std::size_t j = 0; j < flags.size(); ++j) {
        appendf(out, " %3d : %2d,\n", static_cast<int>(j) + 1, flags[j]);
    }
}

std::string formatPlain(const Sections& sections, std::span<const Point2> points,
                        std::span<const std::int32_t> flags) {
    std::string out = sections.pointsHeader;
    for (std::size_t i = 0; i < points.size(); ++i) {
        appendPoint(out, static_cast<int>(i), points[i].x, points[i].y);
    }
    out += sections.flagsHeader;
    appendFlags(out, flags);
    return out;
}

bool isParameterSlot(int i) {
    for (const int slot : kKamiyousoParameterSlots) {
        if (slot == i) return true;
    }
    return false;
}

double toFileUnit(int i, int axis, double value) {
    return isKamiyousoCoordinate(i, axis) ? value * kKamiyousoFileScale : value;
}

}  // namespace

std::string formatFaceFile(const FaceGene& face) {
    return formatPlain(kFaceSections, face.absPoints, face.flags);
}

std::string formatHaegiwaFile(const HairGene& hair) {
    return formatPlain(kHaegiwaSections, hair.haegiwaAbs, hair.haegiwaFlags);
}

std::string formatKamiyousoFile(const HairGene& hair) {
    std::string out = kKamiyousoSections.pointsHeader;
    for (int i = 0; i < kKamiyousoPointCount; ++i) {
        const Point2& p = hair.kamiyousoAbs[i];
        appendPoint(out, i, toFileUnit(i, 0, p.x), toFileUnit(i, 1, p.y), !isParameterSlot(i));
    }
    out += kKamiyousoSections.flagsHeader;
    appendFlags(out, hair.kamiyousoFlags);
    return out;
}

std::optional<std::string> ExportFaceText(const FaceRecord& record,
                                          const std::filesystem::path& folder,
                                          std::vector<std::filesystem::path>* notWritten) {
    // Each text is made just before its file is written, so a failure leaves
    // the later files as they were.
    using Formatter = std::string (*)(const FaceRecord&);
    struct Step {
        const char* name;
        Formatter format;
    };
    static constexpr Step kSteps[] = {
        {kFaceFileName, [](const FaceRecord& r) { return formatFaceFile(r.face); }},
        {kHaegiwaFileName, [](const FaceRecord& r) { return formatHaegiwaFile(r.hair); }},
        {kKamiyousoFileName, [](const FaceRecord& r) { return formatKamiyousoFile(r.hair); }},
    };
    for (std::size_t k = 0; k < std::size(kSteps); ++k) {
        if (auto failure = writeTextFileReporting(folder / kSteps[k].name, kSteps[k].format(record))) {
            for (std::size_t rest = k; notWritten != nullptr && rest < std::size(kSteps); ++rest) {
                notWritten->push_back(folder / kSteps[rest].name);
            }
            return failure;
        }
    }
    return std::nullopt;
}

}  // namespace mirel
