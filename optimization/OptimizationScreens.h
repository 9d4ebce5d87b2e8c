#pragma once
// Opens the screens of this group for the main menu and the wizard menu.
#include "forms/Screens.h"
#include "shell/Context.h"
#include "shell/MainMenuEntries.h"

namespace optimization {

// Opens (or brings forward) the screen of the command; false when the
// command is not one of this group's.
bool OpenScreen(shell::MenuCommand command, forms::Screens& screens, shell::Context& context);

}  // namespace optimization
