// Resgate.exe: the emergency program that lifts Quarvel's restrictions.
#include <windows.h>

#include "app/Program.h"
#include "companions/frmResgate.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    app::Program program(instance);
    program.screens.Open<companions::frmResgate>(program.context);
    if (program.screens.Count() == 0) return 0;
    return program.renderer.Run(program.screens);
}
