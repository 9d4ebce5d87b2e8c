#pragma once
#include "platform/AnsiCodec.h"

namespace platform::win32 {

// The system's ANSI code page, as the ANSI entry points of Windows use it.
class SystemAnsiCodec : public AnsiCodec {
  public:
    std::string ToAnsi(std::string_view utf8) const override;
    std::string FromAnsi(std::string_view ansi) const override;
};

}  // namespace platform::win32
