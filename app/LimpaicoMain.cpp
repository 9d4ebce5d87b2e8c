// limpaico.exe: started once at logon after icons were changed, it deletes
// the shell's icon cache and removes its own Run entry. No window.
#include <windows.h>

#include "personalization/IconCache.h"
#include "platform/win32/Win32Codec.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Registry.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::win32::SystemAnsiCodec codec;
    platform::win32::Win32Registry api;
    RegistryAccess registry(api, codec);
    platform::win32::Win32Files files(codec);
    personalization::DeleteIconCache(registry, files);
    personalization::UnscheduleCacheCleaner(registry);
    return 0;
}
