#include "app/Program.h"

namespace app {

Program::Program(HINSTANCE instance)
    : files(codec),
      registry(registryApi, codec),
      context{registry, dialogs, files, pictures, values},
      renderer(instance),
      screens(renderer) {}

}  // namespace app
