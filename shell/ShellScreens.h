#pragma once
// Opens the program's own option screens for the main menu and the wizard menu.
#include "forms/Screens.h"
#include "shell/Context.h"
#include "shell/MainMenuEntries.h"

namespace shell {

// Opens (or brings forward) the screen of the command; false when the
// command is not one of this group's.
bool OpenScreen(MenuCommand command, forms::Screens& screens, Context& context);

}  // namespace shell
