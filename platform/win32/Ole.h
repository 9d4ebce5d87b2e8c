#pragma once

namespace platform::win32 {

// Starts OLE on this thread the first time a picture or a file dialog needs
// it; starting it up front would cost every start of the program ~140 ms.
void EnsureOle();

}  // namespace platform::win32
