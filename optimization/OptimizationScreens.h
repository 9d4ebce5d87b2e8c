#pragma once
// Opens the screens of this group for the main menu and the wizard menu.
#include "forms/Screens.h"
#include "core/Context.h"
#include "core/ScreenCommands.h"

namespace optimization {

// Opens (or brings forward) the screen of the command; false when the
// command is not one of this group's.
bool OpenScreen(core::MenuCommand command, forms::Screens& screens, core::Context& context);

}  // namespace optimization
