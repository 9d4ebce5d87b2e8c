#pragma once
// What every screen is given: the registry layer, the platform seams and the
// program-wide values.
#include <string>

#include "core/Target.h"
#include "grouppolicy/TargetRegistry.h"
#include "platform/Accounts.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/PictureLoader.h"
#include "platform/Services.h"
#include "registry/RegistryAccess.h"

namespace core {

// Values held for the whole run and shared between screens.
struct ProgramValues {
    // Where the block-list file lives: the Windows folder, or the program's own.
    std::string baseFolder;
    // Set by the restriction wizard, read by the allow-list screen.
    bool wizardApplied = false;
    // Set by a configuration import that carried an allow-list.
    bool importedAllowList = false;
    // Whose settings the screens show and write.
    Target target;
    // A Home edition is told once that it may not apply policy objects.
    bool homeEditionTold = false;
};

struct Context {
    RegistryAccess& registry;
    platform::Dialogs& dialogs;
    platform::Files& files;
    platform::PictureLoader& pictures;
    ProgramValues& values;
    // The seam under `registry` that the target picks, and the accounts it
    // is chosen from.
    grouppolicy::TargetRegistry& target;
    platform::Accounts& accounts;
    platform::Services& services;
};

}  // namespace core
