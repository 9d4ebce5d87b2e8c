#pragma once
// Standard output, where there is one (a console, or a redirection to a file
// or a pipe); a program started from a shortcut has none, and writes nowhere.
#include <string>

namespace platform {

class Console {
  public:
    virtual ~Console() = default;
    virtual void Write(const std::string& utf8) = 0;
};

}  // namespace platform
