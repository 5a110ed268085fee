#include "face/DataFileGrammar.h"

#include <locale.h>
#include <stdlib.h>

#include <cstdlib>

#include <algorithm>
#include <array>
#include <limits>

namespace mirel {
namespace {

constexpr unsigned char kComment = '#';
constexpr unsigned char kLabelEnd = ':';
constexpr unsigned char kTokenEnd = ',';
constexpr unsigned char kAltTokenEnd = 0xFF;
constexpr unsigned char kBlank = ' ';
constexpr unsigned char kLineFeed = '\n';
constexpr unsigned char kCarriageReturn = '\r';

struct GroupTexts {
    std::string_view open;
    std::string_view points;
    std::string_view flags;
};

constexpr std::array<GroupTexts, 3> kGroupTexts{{
    {"can't open face data file", "can't get face feature points", "can't get face flag"},
    {"can't open haegiwa data file", "can't get haegiwa feature points", "can't get haegiwa flag"},
    {"can't open kamiyouso data file", "can't get kamiyouso feature points",
     "can't get kamiyouso flag"},
}};

const GroupTexts& textsOf(DataGroup group) {
    return kGroupTexts[static_cast<std::size_t>(group)];
}

// Yields the bytes as a text-mode read does: the CR of a CR LF pair vanishes.
class TextModeBytes {
  public:
    explicit TextModeBytes(std::string_view bytes) : bytes_(bytes) {}

    std::optional<unsigned char> next() {
        if (pos_ >= bytes_.size()) return std::nullopt;
        const auto c = static_cast<unsigned char>(bytes_[pos_++]);
        if (c == kCarriageReturn && pos_ < bytes_.size() && bytes_[pos_] == '\n') {
            ++pos_;
            return kLineFeed;
        }
        return c;
    }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

struct Token {
    std::string text;
    bool overlong = false;
};

class TokenBuilder {
  public:
    void append(unsigned char c) {
        if (token_.text.size() < kMaxTokenBytes) {
            token_.text.push_back(static_cast<char>(c));
        } else {
            token_.overlong = true;
        }
    }
    void discard() { token_ = {}; }
    Token take() { return std::move(token_); }

  private:
    Token token_;
};

// One token, or nothing when the bytes end before the token does.
std::optional<Token> nextToken(TextModeBytes& in) {
    TokenBuilder token;
    for (;;) {
        std::optional<unsigned char> c = in.next();
        if (!c) return std::nullopt;
        if (*c == kComment) {
            for (;;) {
                const std::optional<unsigned char> skipped = in.next();
                if (!skipped) return std::nullopt;
                if (*skipped == kLineFeed) break;
                if (*skipped == kAltTokenEnd) return token.take();
            }
            continue;
        }
        if (*c == kLabelEnd) {
            token.discard();
            // The byte after the colon is never a comment or another label.
            c = in.next();
            if (!c) return std::nullopt;
        }
        if (*c == kTokenEnd || *c == kAltTokenEnd) return token.take();
        if (*c == kBlank || *c == kLineFeed) continue;
        token.append(*c);
    }
}

// Numbers are written with '.', whatever locale the application runs in.
locale_t cNumericLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

}  // namespace

std::string_view openFailureText(DataGroup group) {
    return textsOf(group).open;
}
std::string_view pointsFailureText(DataGroup group) {
    return textsOf(group).points;
}
std::string_view flagsFailureText(DataGroup group) {
    return textsOf(group).flags;
}

double tokenToReal(const std::string& token) {
    const locale_t locale = cNumericLocale();
    if (locale == static_cast<locale_t>(nullptr)) return std::strtod(token.c_str(), nullptr);
    return strtod_l(token.c_str(), nullptr, locale);
}

std::int32_t tokenToInteger(const std::string& token) {
    const long value = std::strtol(token.c_str(), nullptr, 10);
    constexpr long kMin = std::numeric_limits<std::int32_t>::min();
    constexpr long kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, kMin, kMax));
}

ParseStatus parseValues(std::string_view bytes, DataGroup group, std::span<double> reals,
                        std::span<std::int32_t> integers) {
    TextModeBytes in(bytes);
    for (double& real : reals) {
        const std::optional<Token> token = nextToken(in);
        if (!token || token->overlong) return std::string(pointsFailureText(group));
        real = tokenToReal(token->text);
    }
    for (std::int32_t& integer : integers) {
        const std::optional<Token> token = nextToken(in);
        if (!token || token->overlong) return std::string(flagsFailureText(group));
        integer = tokenToInteger(token->text);
    }
    return std::nullopt;
}

}  // namespace mirel
