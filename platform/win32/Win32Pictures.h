#pragma once
#include <windows.h>

#include "platform/PictureLoader.h"

namespace platform::win32 {

// Pictures through OLE: icons, cursors, bitmaps, GIF and JPEG.
class Win32Pictures : public PictureLoader {
  public:
    bool CanShow(const std::string& path) override;
};

// A bitmap of the picture at the given size, or null; the caller deletes it.
HBITMAP LoadPictureBitmap(const std::string& path, int width, int height);

}  // namespace platform::win32
