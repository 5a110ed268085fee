#include "output/ShiftJis.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace mirel {
namespace {

// glibc's Shift_JIS keeps bytes 0x00-0x7F as ASCII.
constexpr const char* kShiftJisName = "SHIFT_JIS";

class IconvHandle {
  public:
    IconvHandle() : handle_(iconv_open(kShiftJisName, "UTF-8")) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("iconv cannot convert UTF-8 to Shift_JIS");
        }
    }
    ~IconvHandle() { iconv_close(handle_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    iconv_t get() const { return handle_; }

  private:
    iconv_t handle_;
};

}  // namespace

std::string toShiftJis(std::string_view utf8) {
    const IconvHandle converter;
    // Shift_JIS never needs more bytes than UTF-8 for the same text.
    std::vector<char> out(utf8.size() + 1);
    std::vector<char> in(utf8.begin(), utf8.end());
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(converter.get(), &inPtr, &inLeft, &outPtr, &outLeft) ==
        static_cast<std::size_t>(-1)) {
        const std::size_t at = in.size() - inLeft;
        throw std::invalid_argument(errno == EILSEQ ? "character at byte " + std::to_string(at) +
                                                          " has no Shift_JIS form"
                                                    : "text is not valid UTF-8");
    }
    return std::string(out.data(), out.size() - outLeft);
}

}  // namespace mirel
