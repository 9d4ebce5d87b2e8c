// Quarvel.exe: the program starts at the lock-code gate; with switches it
// opens no window, does the one job they name and ends with its exit code.
#include <windows.h>

#include <string>
#include <vector>

#include "app/Program.h"
#include "commandline/CommandJobs.h"
#include "commandline/CommandLine.h"
#include "core/AccessTrust.h"
#include "core/Settings.h"
#include "menus/frmpwd.h"
#include "platform/HeldKeys.h"
#include "platform/RecordedDialogs.h"
#include "platform/win32/Win32Console.h"
#include "platform/win32/Win32ReadAhead.h"

namespace {

// The arguments after the program's name, split as Windows splits them
// (blanks apart, quotes around blanks, backslashes before a quote), without
// loading the shell library that CommandLineToArgvW lives in.
std::vector<std::string> Arguments() {
    const wchar_t* at = GetCommandLineW();
    // The program's name: quoted, or up to the first blank.
    if (*at == L'"') {
        for (++at; *at && *at != L'"'; ++at) {
        }
        if (*at) ++at;
    } else {
        while (*at && *at != L' ' && *at != L'\t') ++at;
    }
    std::vector<std::string> arguments;
    for (;;) {
        while (*at == L' ' || *at == L'\t') ++at;
        if (!*at) return arguments;
        std::wstring argument;
        bool quoted = false;
        for (; *at && (quoted || (*at != L' ' && *at != L'\t')); ++at) {
            std::size_t slashes = 0;
            while (*at == L'\\') ++slashes, ++at;
            if (*at != L'"') {
                argument.append(slashes, L'\\');
                if (!*at) break;
                argument += *at;
                continue;
            }
            argument.append(slashes / 2, L'\\');
            if (slashes % 2) {
                argument += L'"';
            } else if (quoted && at[1] == L'"') {
                argument += L'"';
                ++at;
            } else {
                quoted = !quoted;
            }
        }
        arguments.push_back(platform::win32::Narrow(argument));
    }
}

class NoPictures : public platform::PictureLoader {
  public:
    bool CanShow(const std::string&) override { return false; }
};

int RunSwitches(const std::vector<std::string>& arguments) {
    // A job that nobody watches: a drive without a disk (a floppy, a card
    // reader) fails the job instead of raising Windows' critical-error box.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    platform::win32::SystemAnsiCodec codec;
    platform::win32::Win32Registry api;
    platform::HeldKeys keys(api);
    keys.Hold(true);
    platform::win32::Win32Files files(codec);
    platform::win32::Win32Accounts accounts;
    platform::win32::Win32Services services;
    grouppolicy::TargetRegistry target(keys, files, codec, core::AccountOwnKeys());
    RegistryAccess registry(target, codec);
    platform::RecordedDialogs dialogs;
    NoPictures pictures;
    core::ProgramValues values;
    core::Context context{registry, dialogs, files, pictures, values, target, accounts, services};
    platform::win32::Win32Console console;
    platform::win32::ReadAhead ahead(keys, api);
    auto readAhead = [&](Hive hive, std::string_view key, const std::vector<std::string>& names) {
        ahead.Read(static_cast<platform::KeyHandle>(hive), codec.ToAnsi(key), names);
    };
    return commandline::RunCommandLine(arguments, context, dialogs, console, keys, codec,
                                       readAhead);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    std::vector<std::string> arguments = Arguments();
    commandline::ParsedCommandLine parsed = commandline::ParseCommandLine(arguments);
    bool menus = parsed.command && parsed.command->job == commandline::Job::Menus;
    if (!arguments.empty() && !menus) return RunSwitches(arguments);
    app::Program program(instance);
    // "/para:" alone: the menus, with that target from the start.
    if (menus && !commandline::ChooseCommandTarget(parsed.command->target, program.context))
        return changes::exit_code::WrongCommandLine;
    core::WarnOfProgramFolder(program.context.files, program.context.dialogs);
    program.screens.Open<menus::frmpwd>(program.context);
    if (program.screens.Count() == 0) return 0;
    return program.renderer.Run(program.screens);
}
