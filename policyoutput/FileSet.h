#pragma once
// A set of files that belong together (the Group Policy files) written all
// or none, over an earlier set too: a half set would apply half a
// configuration.
#include <string>
#include <utility>
#include <vector>

#include "platform/Files.h"

namespace policyoutput {

// Each (path, bytes) is written beside its target first; only when all are
// there do they replace the earlier files, which are kept aside until the
// last is in place. False, with the earlier files as they were and nothing
// of the new set left, when any step failed.
bool WriteAllOrNone(platform::Files& files,
                    const std::vector<std::pair<std::string, std::string>>& set);

}  // namespace policyoutput
