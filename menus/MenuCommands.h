#pragma once
// What a menu entry does: open the screen it names, or run the transfer job
// (import, undo, export). Both menus share it.
#include "core/Context.h"
#include "core/ScreenCommands.h"
#include "forms/Screens.h"

namespace menus {

void RunMenuCommand(core::MenuCommand command, forms::Screens& screens, core::Context& context);

}  // namespace menus
