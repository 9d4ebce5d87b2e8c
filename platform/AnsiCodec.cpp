#include "platform/AnsiCodec.h"

#include <array>

namespace platform {
namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 control
// of the same number, as Windows itself maps them, so every byte round-trips.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        auto c = static_cast<unsigned char>(utf8[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= utf8.size()) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        char32_t code = extra == 0 ? c : (c & (0x3F >> extra));
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (!ok) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += code;
        i += extra + 1;
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u32string Unstorable(const AnsiCodec& codec, std::string_view utf8) {
    auto survives = [&codec](std::string_view text) {
        return codec.FromAnsi(codec.ToAnsi(text)) == text;
    };
    std::u32string refused;
    if (survives(utf8)) return refused;  // the usual case: one conversion each way
    for (char32_t c : DecodeUtf8(utf8)) {
        if (c < 0x80 || refused.find(c) != std::u32string::npos) continue;
        if (c == U'\uFFFD' || !survives(EncodeUtf8(std::u32string(1, c)))) refused += c;
    }
    return refused;
}

std::string Cp1252Codec::ToAnsi(std::string_view utf8) const {
    std::string out;
    out.reserve(utf8.size());
    for (char32_t c : DecodeUtf8(utf8)) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = '?';
        for (std::size_t i = 0; i < kHigh.size(); ++i)
            if (kHigh[i] == c) mapped = static_cast<char>(0x80 + i);
        out += mapped;
    }
    return out;
}

std::string Cp1252Codec::FromAnsi(std::string_view ansi) const {
    std::u32string text;
    text.reserve(ansi.size());
    for (char b : ansi) {
        auto c = static_cast<unsigned char>(b);
        text += (c >= 0x80 && c < 0xA0) ? kHigh[c - 0x80] : static_cast<char32_t>(c);
    }
    return EncodeUtf8(text);
}

}  // namespace platform
