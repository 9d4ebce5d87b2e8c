#pragma once
// The text of a window or control, whole, whatever its length.
#include <windows.h>

#include <string>

namespace platform::win32 {

std::wstring WindowText(HWND window);

}  // namespace platform::win32
