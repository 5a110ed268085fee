#include "document/SessionGenerations.h"

#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>

#include "document/SessionBytes.h"
#include "document/SideBySide.h"
#include "render/DrawFace.h"

namespace mirel {
namespace {

using session_bytes::kLittleEndian;
using session_bytes::Reader;

// A child takes its genes from up to three parents; a fourth face that
// shares a gene with it is rarely worth a reference.
constexpr std::size_t kMaxSources = 3;
// Sources are chosen by the relative points they share with the record, on
// every few points only: parents hand down runs of points, not single ones.
constexpr std::size_t kSampleStride = 4;

// How a gene block (the face, or the hairline and hair elements) is stored.
enum BlockForm : std::uint8_t { kGenes = 0, kCopy = 1 };
// How an array of absolute points is stored: all zero (bred, never drawn),
// as drawing computes them from the record's relative points and flags, or
// as they are.
enum AbsoluteForm : std::uint8_t { kZero = 0, kDrawn = 1, kStored = 2 };

// Each stream holds one kind of value, so that the compressor finds like
// next to like: block and absolute forms and source counts (u8), references
// to earlier records by position (u32), one code per point or flag (u8, see
// below), mutation steps (i8), coordinates by value (f64) and flags by
// value (i32).
enum Stream { kShape, kRefs, kCodes, kSteps, kReals, kInts, kStreamCount };

// A flag's code is 0 (its value follows) or k, the k-th source's flag. A
// point's code holds the source k in its low two bits (0: both coordinates
// follow by value) and then how x and y come from the source's point: the
// same, a whole step added (breeding's mutation moves points by whole
// units), a step of hundredths added, or by value.
enum CoordinateForm : std::uint8_t { kSame = 0, kWholeStep = 1, kHundredthsStep = 2, kValue = 3 };
constexpr int kSourceBits = 2;
constexpr int kFormBits = 2;
constexpr std::uint8_t kSourceMask = (1u << kSourceBits) - 1;
constexpr std::uint8_t kFormMask = (1u << kFormBits) - 1;
constexpr double kHundredth = 0.01;
constexpr double kPerHundredth = 100.0;
constexpr int kMaxStep = 127;

// `from` plus the step of `form`, computed as mutation computes it.
double stepped(double from, CoordinateForm form, int step) {
    return form == kWholeStep ? from + step : from + kHundredth * step;
}

template <typename T>
bool sameBits(const T& a, const T& b) {
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

template <typename Array>
bool allZeroBits(const Array& values) {
    static const Array zero{};
    return sameBits(values, zero);
}

// A stream being written: bytes appended at the end of a buffer that grows
// by doubling.
class Sink {
  public:
    [[gnu::always_inline]] void push_back(char c) {
        if (size_ == capacity_) grow(1);
        data_[size_++] = c;
    }
    [[gnu::always_inline]] void append(const void* bytes, std::size_t n) {
        if (size_ + n > capacity_) grow(n);
        std::memcpy(data_.get() + size_, bytes, n);
        size_ += n;
    }
    void reserve(std::size_t n) {
        if (n > capacity_) grow(n - size_);
    }
    std::size_t size() const { return size_; }
    const char* data() const { return data_.get(); }

  private:
    // Without clearing: only the bytes up to size_ are ever read.
    void grow(std::size_t n) {
        const std::size_t capacity = std::max(2 * capacity_, size_ + n);
        auto bigger = std::make_unique_for_overwrite<char[]>(capacity);
        if (size_ > 0) std::memcpy(bigger.get(), data_.get(), size_);
        data_ = std::move(bigger);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

void putLittle(Sink& out, std::uint64_t v, int bytes) {
    char little[8];
    for (int k = 0; k < bytes; ++k) little[k] = static_cast<char>((v >> (8 * k)) & 0xFFu);
    out.append(little, static_cast<std::size_t>(bytes));
}

void putLittle(std::string& out, std::uint64_t v, int bytes) {
    for (int k = 0; k < bytes; ++k) out.push_back(static_cast<char>((v >> (8 * k)) & 0xFFu));
}

void putReal(Sink& out, double v) {
    if constexpr (kLittleEndian) {
        out.append(&v, sizeof v);
    } else {
        putLittle(out, std::bit_cast<std::uint64_t>(v), 8);
    }
}

template <typename Array>
void putArray(Sink& out, const Array& values) {
    if constexpr (kLittleEndian) {
        out.append(values.data(), sizeof(values));
    } else {
        for (const Point2& p : values) {
            putReal(out, p.x);
            putReal(out, p.y);
        }
    }
}

// A stream being read: every read checked against its end; the first
// failure sticks and reads nothing more.
class Source {
  public:
    explicit Source(std::string_view bytes)
        : at_(bytes.data()), end_(bytes.data() + bytes.size()) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return at_ == end_; }

    [[gnu::always_inline]] std::uint8_t byte() {
        if (at_ == end_) return fail();
        return static_cast<std::uint8_t>(*at_++);
    }
    std::uint32_t u32() { return static_cast<std::uint32_t>(little(4)); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    // A coordinate: a value that is not a finite number is refused.
    double real() {
        const double v = std::bit_cast<double>(little(8));
        if (!std::isfinite(v)) ok_ = false;
        return v;
    }
    template <std::size_t N>
    void points(std::array<Point2, N>& ps) {
        for (Point2& p : ps) {
            p.x = real();
            p.y = real();
        }
    }

  private:
    std::uint8_t fail() {
        ok_ = false;
        at_ = end_;
        return 0;
    }
    std::uint64_t little(int bytes) {
        if (end_ - at_ < bytes) return fail();
        std::uint64_t v = 0;
        if constexpr (kLittleEndian) {
            std::memcpy(&v, at_, static_cast<std::size_t>(bytes));
        } else {
            for (int k = 0; k < bytes; ++k)
                v |= std::uint64_t(static_cast<std::uint8_t>(at_[k])) << (8 * k);
        }
        at_ += bytes;
        return v;
    }

    const char* at_;
    const char* end_;
    bool ok_ = true;
};

// The arrays of each block, as projections that pick the same array out of
// any record.
constexpr auto kFaceRel = [](auto& r) -> auto& {
    return r.face.relPoints;
};
constexpr auto kFaceFlags = [](auto& r) -> auto& {
    return r.face.flags;
};
constexpr auto kFaceAbs = [](auto& r) -> auto& {
    return r.face.absPoints;
};
constexpr auto kHaegiwaRel = [](auto& r) -> auto& {
    return r.hair.haegiwaRel;
};
constexpr auto kHaegiwaFlags = [](auto& r) -> auto& {
    return r.hair.haegiwaFlags;
};
constexpr auto kHaegiwaAbs = [](auto& r) -> auto& {
    return r.hair.haegiwaAbs;
};
constexpr auto kKamiyousoRel = [](auto& r) -> auto& {
    return r.hair.kamiyousoRel;
};
constexpr auto kKamiyousoFlags = [](auto& r) -> auto& {
    return r.hair.kamiyousoFlags;
};
constexpr auto kKamiyousoAbs = [](auto& r) -> auto& {
    return r.hair.kamiyousoAbs;
};

template <typename Each>
void eachFaceGene(Each&& each) {
    each(kFaceRel);
    each(kFaceFlags);
}

template <typename Each>
void eachHairGene(Each&& each) {
    each(kHaegiwaRel);
    each(kHaegiwaFlags);
    each(kKamiyousoRel);
    each(kKamiyousoFlags);
}

class Encoder {
  public:
    // Codes records [begin, end) of `records`.
    Encoder(std::span<const FaceRecord> records, const SelectionMarkTable& marks, std::size_t begin,
            std::size_t end)
        : records_(records), marks_(marks), begin_(begin), end_(end) {
        // Roughly what a bred session needs, so that the streams rarely grow.
        constexpr std::size_t kElements = kFacePointCount + kFaceFlagCount + kHaegiwaPointCount +
                                          kHaegiwaFlagCount + kKamiyousoPointCount +
                                          kKamiyousoFlagCount;
        s[kCodes].reserve((end - begin) * kElements);
        s[kSteps].reserve((end - begin) * kElements);
        s[kReals].reserve((end - begin) * 64 * 8);
    }

    void run() {
        for (std::size_t i = begin_; i < end_; ++i) record(i);
    }

    void record(std::size_t i) {
        const FaceRecord& r = records_[i];
        const std::vector<std::size_t> candidates = candidatesOf(i);
        const auto copyOf = [&](auto block) -> std::optional<std::size_t> {
            for (const std::size_t c : candidates) {
                if (sameBits(block(records_[c]), block(r))) return c;
            }
            return std::nullopt;
        };
        const auto faceCopy = copyOf([](const FaceRecord& x) -> auto& { return x.face; });
        const auto hairCopy = copyOf([](const FaceRecord& x) -> auto& { return x.hair; });
        putForm(faceCopy);
        putForm(hairCopy);
        if (faceCopy && hairCopy) return;

        const std::vector<const FaceRecord*> sources = sourcesOf(r, candidates);
        s[kShape].push_back(static_cast<char>(sources.size()));
        for (const FaceRecord* source : sources) {
            putLittle(s[kRefs], static_cast<std::size_t>(source - records_.data()), 4);
        }
        std::optional<FaceRecord> drawn;
        const auto each = [&](auto project) { code(project, r, sources); };
        if (!faceCopy) {
            eachFaceGene(each);
            putAbsolute(r, drawn, kFaceAbs);
        }
        if (!hairCopy) {
            eachHairGene(each);
            putAbsolute(r, drawn, kHaegiwaAbs);
            putAbsolute(r, drawn, kKamiyousoAbs);
        }
    }

    std::array<Sink, kStreamCount> s;

  private:
    // The records the marks of the generation before this record's name.
    std::vector<std::size_t> candidatesOf(std::size_t i) const {
        std::vector<std::size_t> found;
        const int g = static_cast<int>(i / kPopulationSize);
        if (g == 0) return found;
        const Selection& marks = marks_.selections[static_cast<std::size_t>(g - 1)];
        for (int k = 0; k < std::clamp(marks.count, 0, kMaxMarks); ++k) {
            const GeneRef ref = marks.mark(k);
            if (ref.generation < 0 || ref.generation >= g || ref.index < 0 ||
                ref.index >= kPopulationSize) {
                continue;
            }
            const std::size_t at =
                std::size_t(ref.generation) * kPopulationSize + static_cast<std::size_t>(ref.index);
            if (std::find(found.begin(), found.end(), at) == found.end()) found.push_back(at);
        }
        return found;
    }

    // The candidates sharing most sampled relative points with `r`, best first.
    std::vector<const FaceRecord*> sourcesOf(const FaceRecord& r,
                                             const std::vector<std::size_t>& candidates) const {
        std::vector<std::pair<int, std::size_t>> scored;
        for (const std::size_t c : candidates) {
            const FaceRecord& other = records_[c];
            int shared = 0;
            const auto count = [&](const auto& mine, const auto& theirs) {
                for (std::size_t e = 0; e < mine.size(); e += kSampleStride) {
                    shared += sameBits(mine[e], theirs[e]) ? 1 : 0;
                }
            };
            count(r.face.relPoints, other.face.relPoints);
            count(r.hair.haegiwaRel, other.hair.haegiwaRel);
            count(r.hair.kamiyousoRel, other.hair.kamiyousoRel);
            if (shared > 0) scored.emplace_back(-shared, c);
        }
        std::stable_sort(scored.begin(), scored.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<const FaceRecord*> sources;
        for (std::size_t k = 0; k < std::min(scored.size(), kMaxSources); ++k) {
            sources.push_back(&records_[scored[k].second]);
        }
        return sources;
    }

    void putForm(const std::optional<std::size_t>& copy) {
        s[kShape].push_back(static_cast<char>(copy ? kCopy : kGenes));
        if (copy) putLittle(s[kRefs], *copy, 4);
    }

    template <typename Project>
    void code(Project project, const FaceRecord& r, const std::vector<const FaceRecord*>& sources) {
        const auto& values = project(r);
        using Value = std::decay_t<decltype(values[0])>;
        std::array<const Value*, kMaxSources> from{};
        const std::size_t n = sources.size();
        for (std::size_t k = 0; k < n; ++k) from[k] = project(*sources[k]).data();
        for (std::size_t e = 0; e < values.size(); ++e) {
            if constexpr (std::is_same_v<Value, Point2>) {
                codePoint(values[e], from, e, n);
            } else {
                std::size_t k = 0;
                while (k < n && from[k][e] != values[e]) ++k;
                s[kCodes].push_back(static_cast<char>(k < n ? k + 1 : 0));
                if (k == n) putLittle(s[kInts], static_cast<std::uint32_t>(values[e]), 4);
            }
        }
    }

    // The first source the point equals, else the source it is fewest steps
    // and values away from, else the point by value.
    void codePoint(const Point2& p, const std::array<const Point2*, kMaxSources>& from,
                   std::size_t e, std::size_t sourceCount) {
        const auto source = [&](std::size_t k) -> const Point2& { return from[k][e]; };
        // Points come in runs from one parent: the source of the point before first.
        const auto order = [&](std::size_t n) {
            return n == 0 ? lastSource_ : n <= lastSource_ ? n - 1 : n;
        };
        if (lastSource_ >= sourceCount) lastSource_ = 0;
        for (std::size_t n = 0; n < sourceCount; ++n) {
            const std::size_t k = order(n);
            if (sameBits(source(k), p)) {
                s[kCodes].push_back(static_cast<char>(k + 1));
                lastSource_ = k;
                return;
            }
        }
        std::size_t best = sourceCount;
        int bestCost = 4;  // a coordinate costs 1 as a step, 2 by value
        std::array<CoordinateForm, 2> forms{kValue, kValue};
        std::array<int, 2> steps{};
        for (std::size_t n = 0; n < sourceCount && bestCost > 2; ++n) {
            const std::size_t k = order(n);
            const Point2& from = source(k);
            std::array<int, 2> st{};
            const std::array<CoordinateForm, 2> f{formOf(from.x, p.x, st[0]),
                                                  formOf(from.y, p.y, st[1])};
            const auto costOf = [](CoordinateForm c) {
                return c == kSame ? 0 : c == kValue ? 2 : 1;
            };
            const int cost = costOf(f[0]) + costOf(f[1]);
            if (cost < bestCost) {
                best = k;
                bestCost = cost;
                forms = f;
                steps = st;
            }
        }
        if (best < sourceCount) lastSource_ = best;
        if (best == sourceCount) {
            s[kCodes].push_back(0);
            putReal(s[kReals], p.x);
            putReal(s[kReals], p.y);
            return;
        }
        s[kCodes].push_back(static_cast<char>((best + 1) | (forms[0] << kSourceBits) |
                                              (forms[1] << (kSourceBits + kFormBits))));
        const double values[2] = {p.x, p.y};
        for (int c = 0; c < 2; ++c) {
            if (forms[c] == kValue) putReal(s[kReals], values[c]);
            if (forms[c] == kWholeStep || forms[c] == kHundredthsStep) {
                s[kSteps].push_back(static_cast<char>(static_cast<std::int8_t>(steps[c])));
            }
        }
    }

    // How `to` comes from `from`, checked bit for bit.
    static CoordinateForm formOf(double from, double to, int& step) {
        if (sameBits(from, to)) return kSame;
        const double difference = to - from;
        for (const CoordinateForm form : {kWholeStep, kHundredthsStep}) {
            const double units = form == kWholeStep ? difference : difference * kPerHundredth;
            if (!(std::abs(units) < kMaxStep)) continue;
            step = static_cast<int>(units + (units < 0 ? -0.5 : 0.5));
            if (sameBits(stepped(from, form, step), to)) return form;
        }
        return kValue;
    }

    // Absolute points are left out only when drawing gives these very bits.
    template <typename Project>
    void putAbsolute(const FaceRecord& r, std::optional<FaceRecord>& drawn, Project project) {
        const auto& stored = project(r);
        if (allZeroBits(stored)) {
            s[kShape].push_back(static_cast<char>(kZero));
            return;
        }
        if (!drawn) {
            drawn = r;
            PrepareFace(*drawn);
        }
        const bool same = sameBits(project(*drawn), stored);
        s[kShape].push_back(static_cast<char>(same ? kDrawn : kStored));
        if (!same) putArray(s[kReals], stored);
    }

    std::span<const FaceRecord> records_;
    const SelectionMarkTable& marks_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::size_t lastSource_ = 0;
};

class Decoder {
  public:
    Decoder(std::array<std::string_view, kStreamCount> streams, std::vector<FaceRecord>& records)
        : records_(records) {
        for (int k = 0; k < kStreamCount; ++k) in_.emplace_back(streams[std::size_t(k)]);
    }

    std::optional<std::string> record(std::size_t i) {
        FaceRecord& r = records_[i];
        const std::uint64_t faceForm = in_[kShape].byte();
        if (faceForm == kCopy && !copyFrom(
                                     i, [](auto& x) -> auto& { return x.face; })) {
            return "a face copies a face after it";
        }
        const std::uint64_t hairForm = in_[kShape].byte();
        if (hairForm == kCopy && !copyFrom(
                                     i, [](auto& x) -> auto& { return x.hair; })) {
            return "a face copies a face after it";
        }
        if (faceForm > kCopy || hairForm > kCopy) return "a block of unknown form";
        if (faceForm == kCopy && hairForm == kCopy) return std::nullopt;

        const std::uint64_t sourceCount = in_[kShape].byte();
        if (sourceCount > kMaxSources) return "a face with too many sources";
        std::vector<const FaceRecord*> sources;
        for (std::uint64_t k = 0; k < sourceCount; ++k) {
            const std::uint32_t at = in_[kRefs].u32();
            if (at >= i) return "a face takes genes from a face after it";
            sources.push_back(&records_[at]);
        }
        bool badCode = false;
        const auto each = [&](auto project) { badCode |= !code(project, r, sources); };
        AbsoluteForm faceAbs = kZero, haegiwaAbs = kZero, kamiyousoAbs = kZero;
        if (faceForm == kGenes) {
            eachFaceGene(each);
            faceAbs = absolute(r.face.absPoints);
        }
        if (hairForm == kGenes) {
            eachHairGene(each);
            haegiwaAbs = absolute(r.hair.haegiwaAbs);
            kamiyousoAbs = absolute(r.hair.kamiyousoAbs);
        }
        if (badCode || badForm_) return "a gene of unknown source or form";
        if (faceAbs == kDrawn || haegiwaAbs == kDrawn || kamiyousoAbs == kDrawn) {
            FaceRecord drawn = r;
            PrepareFace(drawn);
            if (faceAbs == kDrawn) r.face.absPoints = drawn.face.absPoints;
            if (haegiwaAbs == kDrawn) r.hair.haegiwaAbs = drawn.hair.haegiwaAbs;
            if (kamiyousoAbs == kDrawn) r.hair.kamiyousoAbs = drawn.hair.kamiyousoAbs;
        }
        return std::nullopt;
    }

    bool ok() const {
        return std::all_of(in_.begin(), in_.end(), [](const Source& r) { return r.ok(); });
    }
    bool atEnd() const {
        return std::all_of(in_.begin(), in_.end(), [](const Source& r) { return r.atEnd(); });
    }

  private:
    template <typename Block>
    bool copyFrom(std::size_t i, Block block) {
        const std::uint32_t at = in_[kRefs].u32();
        if (at >= i) return false;
        block(records_[i]) = block(records_[at]);
        return true;
    }

    template <typename Project>
    bool code(Project project, FaceRecord& r, const std::vector<const FaceRecord*>& sources) {
        auto& values = project(r);
        for (std::size_t e = 0; e < values.size(); ++e) {
            const auto code = static_cast<std::uint8_t>(in_[kCodes].byte());
            const std::size_t k = code & kSourceMask;
            if (k > sources.size()) return false;
            if constexpr (std::is_same_v<std::decay_t<decltype(values[e])>, Point2>) {
                if (k == 0) {
                    if (code != 0) return false;
                    values[e].x = in_[kReals].real();
                    values[e].y = in_[kReals].real();
                    continue;
                }
                const Point2& from = project(*sources[k - 1])[e];
                values[e].x = coordinate(from.x, (code >> kSourceBits) & kFormMask);
                values[e].y = coordinate(from.y, (code >> (kSourceBits + kFormBits)) & kFormMask);
                if ((code >> (kSourceBits + 2 * kFormBits)) != 0) return false;
            } else {
                if (code > sources.size()) return false;
                values[e] = k > 0 ? project(*sources[k - 1])[e] : in_[kInts].i32();
            }
        }
        return true;
    }

    double coordinate(double from, int form) {
        switch (form) {
            case kSame:
                return from;
            case kValue:
                return in_[kReals].real();
            default: {
                const auto step = static_cast<std::int8_t>(in_[kSteps].byte());
                // A step that leaves the finite numbers is caught by the face checks.
                return stepped(from, static_cast<CoordinateForm>(form), step);
            }
        }
    }

    // Reads the form of one absolute array, and the array when it is stored.
    template <std::size_t N>
    AbsoluteForm absolute(std::array<Point2, N>& points) {
        const std::uint64_t form = in_[kShape].byte();
        if (form == kStored) in_[kReals].points(points);
        if (form > kStored) badForm_ = true;
        return form > kStored ? kZero : static_cast<AbsoluteForm>(form);
    }

    std::vector<Source> in_;
    std::vector<FaceRecord>& records_;
    bool badForm_ = false;
};

}  // namespace

void reserveRecords(std::vector<FaceRecord>& records, std::size_t count) {
    records.clear();
    records.reserve(count);
#ifdef MADV_HUGEPAGE
    // Tens of megabytes in 4 KiB pages cost a fault each; the kernel is
    // asked for large pages where it hands them out on request only.
    constexpr std::uintptr_t kLargePage = std::uintptr_t(2) << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(records.data());
    const std::uintptr_t end = begin + count * sizeof(FaceRecord);
    const std::uintptr_t first = (begin + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t last = end & ~(kLargePage - 1);
    // Only advice: where it is not taken, the pages are small as before.
    if (last > first) (void)madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#endif
}

// The streams of the earlier and of the later records: a record is coded
// from the records before it only, so the two halves are coded at once, each
// stream of the section being the one half's followed by the other's.
struct CompactGenerations::Streams {
    std::array<std::array<Sink, kStreamCount>, 2> halves;
};

CompactGenerations::CompactGenerations(std::span<const FaceRecord> records,
                                       const SelectionMarkTable& marks)
    : recordCount_(records.size()) {
    // Split at a generation boundary, so that the bytes never depend on
    // whether a second thread could be had.
    const std::size_t half = records.size() / kPopulationSize / 2 * kPopulationSize;
    Encoder earlier(records, marks, 0, half);
    Encoder later(records, marks, half, records.size());
    if (half > 0) {
        runSideBySide([&earlier] { earlier.run(); }, [&later] { later.run(); });
    } else {
        later.run();
    }
    streams_ = std::make_unique<Streams>(Streams{{std::move(earlier.s), std::move(later.s)}});
}

CompactGenerations::~CompactGenerations() = default;

std::size_t CompactGenerations::size() const {
    std::size_t bytes = 4 + 8 * kStreamCount;
    for (const auto& half : streams_->halves) {
        for (const Sink& stream : half) bytes += stream.size();
    }
    return bytes;
}

void CompactGenerations::writeTo(char* at) const {
    std::string head;
    putLittle(head, recordCount_, 4);
    for (std::size_t k = 0; k < kStreamCount; ++k) {
        putLittle(head, streams_->halves[0][k].size() + streams_->halves[1][k].size(), 8);
    }
    std::memcpy(at, head.data(), head.size());
    at += head.size();
    for (std::size_t k = 0; k < kStreamCount; ++k) {
        for (const auto& half : streams_->halves) {
            const Sink& stream = half[k];
            if (stream.size() > 0) std::memcpy(at, stream.data(), stream.size());
            at += stream.size();
        }
    }
}

std::optional<std::string> decodeCompactGenerations(std::string_view bytes, std::size_t recordCount,
                                                    std::vector<FaceRecord>& records) {
    Reader head(bytes);
    if (head.u32() != recordCount) return "GENC holds another number of faces";
    std::array<std::uint64_t, kStreamCount> lengths{};
    for (std::uint64_t& length : lengths) length = head.u64();
    if (!head.ok()) return "GENC length";
    std::array<std::string_view, kStreamCount> streams;
    std::string_view rest = bytes.substr(4 + 8 * kStreamCount);
    for (int k = 0; k < kStreamCount; ++k) {
        const std::uint64_t length = lengths[std::size_t(k)];
        if (length > rest.size()) return "GENC length";
        streams[std::size_t(k)] = rest.substr(0, static_cast<std::size_t>(length));
        rest.remove_prefix(static_cast<std::size_t>(length));
    }
    if (!rest.empty()) return "GENC length";
    // Every record needs a few bytes of each kind: a short section claiming
    // many records fails before the records are made.
    if (streams[kShape].size() < 2 * recordCount) return "GENC is cut short";
    // Each record is made where it is decoded, while its memory is in the cache.
    reserveRecords(records, recordCount);
    Decoder decoder(streams, records);
    for (std::size_t i = 0; i < recordCount; ++i) {
        records.emplace_back();
        if (auto failure = decoder.record(i)) return failure;
        if (!decoder.ok()) return "GENC is cut short or holds a value that is not a finite number";
    }
    if (!decoder.atEnd()) return "GENC holds more than its faces";
    return std::nullopt;
}

}  // namespace mirel
