// Resgate.exe: the emergency program that lifts Quarvel's restrictions.
#include <windows.h>

#include <string_view>

#include "app/Program.h"
#include "applocker/OutsideExplorer.h"
#include "companions/frmResgate.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR line, int) {
    app::Program program(instance);
    // The uninstaller's call: the program's rules leave the computer's object with it,
    // with no window. 0: none left; 4: they could not be taken away.
    if (line && std::wstring_view(line).find(L"/regras") != std::wstring_view::npos) {
        auto removed = applocker::RemoveAllRules(program.files, program.accounts);
        if (removed && *removed) program.services.RefreshComputerPolicy();
        return removed && !*removed ? 4 : 0;
    }
    program.screens.Open<companions::frmResgate>(program.context);
    if (program.screens.Count() == 0) return 0;
    return program.renderer.Run(program.screens);
}
