#pragma once
// The bytes of a session file: little-endian numbers and a record's arrays
// written into a buffer sized in advance, and read back with every read
// checked against the length left. Used by the session file only.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "face/FaceRecord.h"

namespace mirel::session_bytes {

// The arrays of a record in the order the file holds them.
template <typename Record, typename Codec>
void eachArray(Record& r, Codec& codec) {
    codec.points(r.face.relPoints);
    codec.points(r.face.absPoints);
    codec.flags(r.face.flags);
    codec.points(r.hair.haegiwaRel);
    codec.points(r.hair.haegiwaAbs);
    codec.flags(r.hair.haegiwaFlags);
    codec.points(r.hair.kamiyousoRel);
    codec.points(r.hair.kamiyousoAbs);
    codec.flags(r.hair.kamiyousoFlags);
}

// ---- Little-endian writing into a buffer sized in advance. On a
// little-endian machine the arrays of a record are copied as they lie in
// memory (a point is two doubles, x then y, without padding).

constexpr bool kLittleEndian = std::endian::native == std::endian::little;
static_assert(sizeof(Point2) == 2 * sizeof(double));

class Writer {
  public:
    explicit Writer(char* at) : at_(at) {}

    void u32(std::uint32_t v) { put(v, 4); }
    void i32(std::int32_t v) { put(static_cast<std::uint32_t>(v), 4); }
    void u64(std::uint64_t v) { put(v, 8); }
    void f64(double v) { put(std::bit_cast<std::uint64_t>(v), 8); }
    void text(std::string_view s) {
        std::memcpy(at_, s.data(), s.size());
        at_ += s.size();
    }
    // The next n bytes, for the caller to fill.
    char* skip(std::size_t n) {
        char* at = at_;
        at_ += n;
        return at;
    }
    void section(std::string_view tag, std::size_t length) {
        text(tag);
        u64(length);
    }
    void points(std::span<const Point2> ps) {
        if constexpr (kLittleEndian) {
            bytesOf(ps);
        } else {
            for (const Point2& p : ps) {
                f64(p.x);
                f64(p.y);
            }
        }
    }
    void flags(std::span<const std::int32_t> fs) {
        if constexpr (kLittleEndian) {
            bytesOf(fs);
        } else {
            for (const std::int32_t f : fs) i32(f);
        }
    }
    void record(const FaceRecord& r) { eachArray(r, *this); }

  private:
    void put(std::uint64_t v, int bytes) {
        for (int k = 0; k < bytes; ++k) *at_++ = static_cast<char>((v >> (8 * k)) & 0xFFu);
    }
    template <typename T>
    void bytesOf(std::span<const T> values) {
        std::memcpy(at_, values.data(), values.size_bytes());
        at_ += values.size_bytes();
    }

    char* at_;
};

// ---- Reading: every read checks the length, the first failure sticks.

class Reader {
  public:
    explicit Reader(std::string_view in) : in_(in) {}

    bool ok() const { return ok_; }
    bool atEnd() const { return in_.empty(); }
    std::size_t left() const { return in_.size(); }

    std::uint64_t get(int bytes) {
        if (in_.size() < static_cast<std::size_t>(bytes)) {
            ok_ = false;
            in_ = {};
            return 0;
        }
        std::uint64_t v = 0;
        for (int k = 0; k < bytes; ++k)
            v |= std::uint64_t(static_cast<std::uint8_t>(in_[k])) << (8 * k);
        in_.remove_prefix(static_cast<std::size_t>(bytes));
        return v;
    }
    std::uint32_t u32() { return static_cast<std::uint32_t>(get(4)); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::uint64_t u64() { return get(8); }
    double f64() {
        const double v = std::bit_cast<double>(get(8));
        // Faces are drawn with truncations to int: a value that is not a
        // finite number must never reach them.
        if (!std::isfinite(v)) ok_ = false;
        return v;
    }
    std::string_view take(std::size_t n) {
        if (in_.size() < n) {
            ok_ = false;
            in_ = {};
            return {};
        }
        const std::string_view part = in_.substr(0, n);
        in_.remove_prefix(n);
        return part;
    }
    void points(std::span<Point2> ps) {
        if constexpr (kLittleEndian) {
            if (!bytesInto(ps)) return;
            for (const Point2& p : ps) {
                if (!std::isfinite(p.x) || !std::isfinite(p.y)) ok_ = false;
            }
        } else {
            for (Point2& p : ps) {
                p.x = f64();
                p.y = f64();
            }
        }
    }
    void flags(std::span<std::int32_t> fs) {
        if constexpr (kLittleEndian) {
            (void)bytesInto(fs);
        } else {
            for (std::int32_t& f : fs) f = i32();
        }
    }
    void record(FaceRecord& r) { eachArray(r, *this); }

  private:
    template <typename T>
    bool bytesInto(std::span<T> values) {
        const std::string_view part = take(values.size_bytes());
        if (!ok_) return false;
        std::memcpy(values.data(), part.data(), part.size());
        return true;
    }

    std::string_view in_;
    bool ok_ = true;
};

}  // namespace mirel::session_bytes
