#pragma once
// Conversion between the program's UTF-8 text and the system's ANSI code
// page, used where text meets the registry and the text files.
#include <string>
#include <string_view>

namespace platform {

class AnsiCodec {
  public:
    virtual ~AnsiCodec() = default;
    virtual std::string ToAnsi(std::string_view utf8) const = 0;
    virtual std::string FromAnsi(std::string_view ansi) const = 0;
};

// Windows-1252, the ANSI code page of Portuguese Windows; native tests use it.
// Characters it cannot hold become '?', as the system conversion does.
class Cp1252Codec : public AnsiCodec {
  public:
    std::string ToAnsi(std::string_view utf8) const override;
    std::string FromAnsi(std::string_view ansi) const override;
};

// The characters of a text that the code page cannot hold (Windows would
// store '?' or a look-alike in their place), each once, in order of first
// appearance; empty when the whole text survives the round trip.
std::u32string Unstorable(const AnsiCodec& codec, std::string_view utf8);

// UTF-8 helpers shared by the codecs and the Win32 seams.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace platform
