// Quarvel.exe: the program starts at the lock-code gate; with switches it
// opens no window, does the one job they name and ends with its exit code.
#include <windows.h>
// After windows.h.
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/Program.h"
#include "menus/frmpwd.h"
#include "platform/HeldKeys.h"
#include "platform/RecordedDialogs.h"
#include "platform/win32/Win32Console.h"
#include "transfer/CommandJobs.h"

namespace {

std::vector<std::string> Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(platform::win32::Narrow(argv[i]));
    LocalFree(argv);
    return arguments;
}

class NoPictures : public platform::PictureLoader {
  public:
    bool CanShow(const std::string&) override { return false; }
};

int RunSwitches(const std::vector<std::string>& arguments) {
    platform::win32::SystemAnsiCodec codec;
    platform::win32::Win32Registry api;
    platform::HeldKeys keys(api);
    keys.Hold(true);
    RegistryAccess registry(keys, codec);
    platform::win32::Win32Files files(codec);
    platform::RecordedDialogs dialogs;
    NoPictures pictures;
    core::ProgramValues values;
    core::Context context{registry, dialogs, files, pictures, values};
    platform::win32::Win32Console console;
    return transfer::RunCommandLine(arguments, context, dialogs, console);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    std::vector<std::string> arguments = Arguments();
    if (!arguments.empty()) return RunSwitches(arguments);
    app::Program program(instance);
    program.screens.Open<menus::frmpwd>(program.context);
    if (program.screens.Count() == 0) return 0;
    return program.renderer.Run(program.screens);
}
