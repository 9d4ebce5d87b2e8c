#include "app/Program.h"

#include "core/ObjectFile.h"
#include "core/Settings.h"

namespace app {

Program::Program(HINSTANCE instance)
    : files(codec),
      target(registryApi, files, codec, core::AccountOwnKeys()),
      registry(target, codec),
      context{registry, dialogs, files, pictures, values, target, accounts, services},
      renderer(instance),
      screens(renderer) {
    screens.WhenIdle([this] { core::CommitCommand(context); });
}

}  // namespace app
