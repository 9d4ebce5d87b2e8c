#pragma once
// The main menu's export and import entries.
#include "forms/Screens.h"
#include "shell/Context.h"
#include "shell/MainMenuEntries.h"

namespace transfer {

// Runs the command when it is one of the transfer entries; false otherwise.
bool RunCommand(shell::MenuCommand command, forms::Screens& screens, shell::Context& context);

}  // namespace transfer
