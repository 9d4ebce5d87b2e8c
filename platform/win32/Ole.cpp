#include "platform/win32/Ole.h"

#include <windows.h>
#include <ole2.h>

namespace platform::win32 {

void EnsureOle() {
    // Once per process: the program has one user-interface thread.
    static const bool started = SUCCEEDED(OleInitialize(nullptr));
    (void)started;
}

}  // namespace platform::win32
