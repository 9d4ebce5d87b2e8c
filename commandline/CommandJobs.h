#pragma once
// The jobs of the command line, over the same procedures the menus run: the
// import, the export's collection, undo and the Group Policy files. Each run
// gives one report line (to standard output, and to the /log: file with its
// date and time) and an exit code.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "changes/JobReport.h"
#include "core/Context.h"
#include "platform/AnsiCodec.h"
#include "platform/Console.h"
#include "platform/RecordedDialogs.h"
#include "platform/RegistryApi.h"

namespace commandline {

// `dialogs` is the context's: the messages the procedures leave become the
// report. `api` and `codec` are those under the context's registry, which the
// Group Policy files read through a registry that records the import's writes.
// `readAhead`, when given, reads many values of one key at once before the
// import's backup reads them one by one.
using ReadAhead =
    std::function<void(Hive hive, std::string_view key, const std::vector<std::string>& names)>;
// Chooses the target /para: names (this account when none); false when it
// cannot be chosen: the context's dialogs then said why, and nothing was
// changed or created.
bool ChooseCommandTarget(const std::optional<std::string>& target, core::Context& context);

int RunCommandLine(const std::vector<std::string>& arguments, core::Context& context,
                   platform::RecordedDialogs& dialogs, platform::Console& console,
                   platform::RegistryApi& api, const platform::AnsiCodec& codec,
                   const ReadAhead& readAhead = {});

}  // namespace commandline
