#pragma once
// Opens the program's own option screens for the main menu and the wizard menu.
#include "forms/Screens.h"
#include "core/Context.h"
#include "core/ScreenCommands.h"

namespace options {

// Opens (or brings forward) the screen of the command; false when the
// command is not one of this group's.
bool OpenScreen(core::MenuCommand command, forms::Screens& screens, core::Context& context);

}  // namespace options
