#pragma once
// How tall a label must be for a text that wraps: the screens' font, about
// six pixels a character, sixteen a line.
#include <string_view>

namespace forms {

inline constexpr int kTextLineHeight = 16;

inline int WrappedLines(std::string_view text, int width) {
    int characters = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;  // UTF-8 lead bytes
    int perLine = width / 6 > 0 ? width / 6 : 1;
    return characters == 0 ? 0 : (characters + perLine - 1) / perLine;
}

inline int WrappedHeight(std::string_view text, int width) {
    return WrappedLines(text, width) * kTextLineHeight;
}

}  // namespace forms
