#include "document/SessionCompression.h"

#include <zstd.h>

#include <cstring>
#include <memory>
#include <new>

#include "document/SessionBytes.h"

namespace mirel {
namespace {

// Level 1 keeps a late session's recovery write within a breeding step's
// pause; higher levels gain a few per cent for several times the time.
constexpr int kCompressionLevel = 1;
constexpr std::size_t kLengthBytes = 8;

}  // namespace

std::string compressPayload(std::string_view raw, std::size_t headroom) {
    // The bound is far beyond what a session compresses to: only the bytes
    // written are touched, and only those are copied into the file.
    const std::size_t bound = ZSTD_compressBound(raw.size());
    const auto frame = std::make_unique_for_overwrite<char[]>(bound);
    const std::unique_ptr<ZSTD_CCtx, decltype(&ZSTD_freeCCtx)> context(ZSTD_createCCtx(),
                                                                       &ZSTD_freeCCtx);
    if (!context) throw std::bad_alloc();
    // The frame's own checksum catches damage that the file's checksum,
    // made right again by someone, would let through.
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_compressionLevel, kCompressionLevel);
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_checksumFlag, 1);
    const std::size_t written =
        ZSTD_compress2(context.get(), frame.get(), bound, raw.data(), raw.size());
    // The bound is enough for any input: what fails is the compressor's memory.
    if (ZSTD_isError(written) != 0) throw std::bad_alloc();
    std::string out(headroom + kLengthBytes + written, '\0');
    for (std::size_t k = 0; k < kLengthBytes; ++k)
        out[headroom + k] = static_cast<char>((std::uint64_t(raw.size()) >> (8 * k)) & 0xFFu);
    std::memcpy(out.data() + headroom + kLengthBytes, frame.get(), written);
    return out;
}

std::optional<std::string> decompressPayload(std::string_view stored, std::size_t maxBytes,
                                             std::string& raw) {
    session_bytes::Reader reader(stored);
    const std::uint64_t length = reader.u64();
    if (!reader.ok()) return "compressed payload cut short";
    if (length > maxBytes) return "payload claims " + std::to_string(length) + " bytes";
    const std::string_view frame = stored.substr(kLengthBytes);
    // The frame's own header must agree before any memory is taken for it.
    const unsigned long long content = ZSTD_getFrameContentSize(frame.data(), frame.size());
    if (content == ZSTD_CONTENTSIZE_ERROR || content == ZSTD_CONTENTSIZE_UNKNOWN) {
        return "compressed payload damaged";
    }
    if (content != length) return "compressed payload does not decompress to its length";
    if (ZSTD_findFrameCompressedSize(frame.data(), frame.size()) != frame.size()) {
        return "compressed payload damaged";
    }
    raw.assign(static_cast<std::size_t>(length), '\0');
    const std::unique_ptr<ZSTD_DCtx, decltype(&ZSTD_freeDCtx)> context(ZSTD_createDCtx(),
                                                                       &ZSTD_freeDCtx);
    if (!context) throw std::bad_alloc();
    const std::size_t made =
        ZSTD_decompressDCtx(context.get(), raw.data(), raw.size(), frame.data(), frame.size());
    if (ZSTD_isError(made) != 0 || made != length) {
        raw.clear();
        return "compressed payload damaged";
    }
    return std::nullopt;
}

}  // namespace mirel
