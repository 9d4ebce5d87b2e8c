#include "platform/win32/Win32Pictures.h"

#include <algorithm>
#include <cstdint>

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

namespace {

// The picture's size in pixels: a bitmap's own, else its HIMETRIC size at
// the screen's resolution.
SIZE PixelSize(IPicture* picture, HDC screen) {
    short type = 0;
    OLE_HANDLE handle = 0;
    BITMAP bitmap = {};
    if (SUCCEEDED(picture->get_Type(&type)) && type == PICTYPE_BITMAP &&
        SUCCEEDED(picture->get_Handle(&handle)) &&
        GetObjectW(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof bitmap,
                   &bitmap))
        return {bitmap.bmWidth, bitmap.bmHeight};
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    return {MulDiv(width, GetDeviceCaps(screen, LOGPIXELSX), 2540),
            MulDiv(height, GetDeviceCaps(screen, LOGPIXELSY), 2540)};
}

// A 32-bit top-down DIB section and its pixels.
HBITMAP MakeDib(HDC screen, int width, int height, std::uint32_t** pixels) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    *pixels = static_cast<std::uint32_t*>(bits);
    return dib;
}

// Each target pixel is the average of the source area it covers, so that
// thin strokes of lettering stay whole when the picture is shrunk (the
// system's own stretching drops whole columns).
void Resample(const std::uint32_t* from, int fromWidth, int fromHeight, std::uint32_t* to,
              int width, int height) {
    for (int y = 0; y < height; ++y) {
        double top = double(y) * fromHeight / height, bottom = double(y + 1) * fromHeight / height;
        for (int x = 0; x < width; ++x) {
            double left = double(x) * fromWidth / width, right = double(x + 1) * fromWidth / width;
            double sum[3] = {}, area = 0;
            for (int sy = int(top); sy < fromHeight && sy < bottom; ++sy) {
                double h = std::min<double>(sy + 1, bottom) - std::max<double>(sy, top);
                for (int sx = int(left); sx < fromWidth && sx < right; ++sx) {
                    double weight =
                        h * (std::min<double>(sx + 1, right) - std::max<double>(sx, left));
                    std::uint32_t pixel = from[sy * fromWidth + sx];
                    for (int c = 0; c < 3; ++c) sum[c] += weight * ((pixel >> (8 * c)) & 0xFF);
                    area += weight;
                }
            }
            std::uint32_t out = 0xFF000000;  // opaque, for controls that honour alpha
            for (int c = 0; c < 3; ++c)
                out |= std::uint32_t(area > 0 ? sum[c] / area + 0.5 : 0) << (8 * c);
            to[y * width + x] = out;
        }
    }
}

}  // namespace

HBITMAP LoadPictureBitmap(const std::string& path, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    IPicture* picture = LoadPicture(path);
    if (!picture) return nullptr;
    OLE_XSIZE_HIMETRIC pictureWidth = 0;
    OLE_YSIZE_HIMETRIC pictureHeight = 0;
    picture->get_Width(&pictureWidth);
    picture->get_Height(&pictureHeight);
    HDC screen = GetDC(nullptr);
    SIZE own = PixelSize(picture, screen);
    if (own.cx <= 0 || own.cy <= 0) own = {width, height};
    // Drawn once at its own size over the face colour (icons are not square
    // blocks), then brought to the box's size by averaging.
    std::uint32_t* ownPixels = nullptr;
    HBITMAP ownBitmap = MakeDib(screen, own.cx, own.cy, &ownPixels);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, ownBitmap);
    RECT all = {0, 0, own.cx, own.cy};
    FillRect(memory, &all, GetSysColorBrush(COLOR_BTNFACE));
    picture->Render(memory, 0, 0, own.cx, own.cy, 0, pictureHeight, pictureWidth, -pictureHeight,
                    nullptr);
    GdiFlush();
    // GDI leaves the alpha byte 0; a control that honours alpha would show
    // nothing, so every pixel is made opaque.
    for (long i = 0; ownPixels && i < long(own.cx) * own.cy; ++i) ownPixels[i] |= 0xFF000000;
    SelectObject(memory, old);
    DeleteDC(memory);
    picture->Release();
    HBITMAP result = ownBitmap;
    if (own.cx != width || own.cy != height) {
        std::uint32_t* pixels = nullptr;
        result = MakeDib(screen, width, height, &pixels);
        if (result && ownPixels) Resample(ownPixels, own.cx, own.cy, pixels, width, height);
        DeleteObject(ownBitmap);
    }
    ReleaseDC(nullptr, screen);
    return result;
}

}  // namespace platform::win32
