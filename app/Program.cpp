#include "app/Program.h"

#include <ole2.h>

namespace app {

Program::Program(HINSTANCE instance)
    : files(codec),
      registry(registryApi, codec),
      context{registry, dialogs, files, pictures, values},
      renderer(instance),
      screens(renderer) {
    // The picture loader and the common dialogs want COM on this thread.
    OleInitialize(nullptr);
}

Program::~Program() {
    OleUninitialize();
}

}  // namespace app
