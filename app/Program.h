#pragma once
// The real seams of Windows wired together: what Quarvel.exe runs on, and
// what the tests under Wine drive through real windows.
#include <windows.h>

#include "forms/Screens.h"
#include "forms/win32/Win32Renderer.h"
#include "grouppolicy/TargetRegistry.h"
#include "platform/win32/Win32Accounts.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Codec.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Pictures.h"
#include "platform/win32/Win32Registry.h"
#include "core/Context.h"

namespace app {

class Program {
  public:
    explicit Program(HINSTANCE instance);

    platform::win32::SystemAnsiCodec codec;
    platform::win32::Win32Registry registryApi;
    platform::win32::Win32Dialogs dialogs;
    platform::win32::Win32Files files;
    platform::win32::Win32Pictures pictures;
    platform::win32::Win32Accounts accounts;
    platform::win32::Win32Services services;
    grouppolicy::TargetRegistry target;
    RegistryAccess registry;
    core::ProgramValues values;
    core::Context context;
    forms::win32::Win32Renderer renderer;
    forms::Screens screens;
};

}  // namespace app
