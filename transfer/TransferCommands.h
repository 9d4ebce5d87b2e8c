#pragma once
// The main menu's export and import entries.
#include "forms/Screens.h"
#include "core/Context.h"
#include "core/ScreenCommands.h"

namespace transfer {

// Runs the command when it is one of the transfer entries; false otherwise.
bool RunCommand(core::MenuCommand command, forms::Screens& screens, core::Context& context);

}  // namespace transfer
