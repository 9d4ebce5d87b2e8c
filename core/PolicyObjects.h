#pragma once
// The computer's local policy objects that the program writes: the
// non-administrators' and each local account's, as their files hold them
// now. For what still restricts when this account's own settings are
// lifted, and for who else uses the computer's one block list.
#include <string>
#include <vector>

#include "core/Context.h"
#include "core/Target.h"
#include "grouppolicy/PolicyFile.h"

namespace core {

struct HeldObject {
    Target target;       // whose object it is
    std::string folder;  // the object's folder
    std::vector<grouppolicy::PolicyEntry> entries;
};

// The objects whose User\Registry.pol is there and readable.
std::vector<HeldObject> LocalObjects(Context& context);

// Whether the object sets the value (as Windows applies the file, in order).
bool Sets(const HeldObject& object, std::string_view key, std::string_view name);

}  // namespace core
