#pragma once
// Tells whether a picture file can be shown; the renderer draws it.
#include <string>

namespace platform {

class PictureLoader {
  public:
    virtual ~PictureLoader() = default;
    virtual bool CanShow(const std::string& path) = 0;
};

}  // namespace platform
