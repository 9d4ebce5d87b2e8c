// Quarvel.exe: the program starts at the lock-code gate.
#include <windows.h>

#include "app/Program.h"
#include "menus/frmpwd.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    app::Program program(instance);
    program.screens.Open<menus::frmpwd>(program.context);
    if (program.screens.Count() == 0) return 0;
    return program.renderer.Run(program.screens);
}
