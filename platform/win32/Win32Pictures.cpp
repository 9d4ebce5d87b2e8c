#include "platform/win32/Win32Pictures.h"

#include <ocidl.h>
#include <olectl.h>

#include "platform/win32/Ole.h"
#include "platform/win32/Wide.h"

namespace platform::win32 {
namespace {

// Icons, cursors and screen backgrounds are far smaller; a bigger file
// would only keep the screen waiting while it is read.
constexpr ULONGLONG kLargestPicture = 16ull * 1024 * 1024;

IPicture* LoadPicture(const std::string& path) {
    std::wstring wide = Widen(path);
    WIN32_FILE_ATTRIBUTE_DATA file = {};
    if (wide.empty() || !GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &file) ||
        (file.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return nullptr;
    ULONGLONG size = (static_cast<ULONGLONG>(file.nFileSizeHigh) << 32) | file.nFileSizeLow;
    if (size == 0 || size > kLargestPicture) return nullptr;
    EnsureOle();
    IPicture* picture = nullptr;
    HRESULT result = OleLoadPicturePath(const_cast<LPOLESTR>(wide.c_str()), nullptr, 0, 0,
                                        IID_IPicture, reinterpret_cast<void**>(&picture));
    return SUCCEEDED(result) ? picture : nullptr;
}

}  // namespace

bool Win32Pictures::CanShow(const std::string& path) {
    IPicture* picture = LoadPicture(path);
    if (!picture) return false;
    picture->Release();
    return true;
}

HBITMAP LoadPictureBitmap(const std::string& path, int width, int height) {
    IPicture* picture = LoadPicture(path);
    if (!picture) return nullptr;
    OLE_XSIZE_HIMETRIC pictureWidth = 0;
    OLE_YSIZE_HIMETRIC pictureHeight = 0;
    picture->get_Width(&pictureWidth);
    picture->get_Height(&pictureHeight);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, GetSysColorBrush(COLOR_BTNFACE));
    picture->Render(memory, 0, 0, width, height, 0, pictureHeight, pictureWidth, -pictureHeight,
                    nullptr);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    picture->Release();
    return bitmap;
}

}  // namespace platform::win32
