#pragma once
// A configuration as Group Policy files: what importing it would write into
// the registry, as the registry policy files of a Group Policy object
// (User\Registry.pol for HKEY_CURRENT_USER, Machine\Registry.pol for
// HKEY_LOCAL_MACHINE) and as a REGEDIT4 file of everything (HKEY_CLASSES_ROOT
// included) for a computer outside the domain. The import itself decides
// every value, its type and its order: it runs over a registry that records.
#include <string>
#include <vector>

#include "changes/JobReport.h"
#include "changes/RegistryWrites.h"
#include "core/Context.h"
#include "grouppolicy/PolicyFile.h"
#include "platform/AnsiCodec.h"
#include "platform/RegistryApi.h"

namespace policyoutput {

// Reads the configuration file as the import does and writes the three files
// under the folder; `api` is this computer's registry, only read.
changes::JobReport WritePolicyFiles(core::Context& context, platform::RegistryApi& api,
                                    const platform::AnsiCodec& codec, const std::string& file,
                                    const std::string& folder);

// The registry policy file of the writes into one hive ("PReg", version 1,
// then [key;value;type;size;data] entries in UTF-16LE).
// `extra` entries follow the writes' own.
std::string RegistryPolicyFile(const std::vector<changes::RegistryWrite>& writes, Hive hive,
                               const std::vector<grouppolicy::PolicyEntry>& extra = {});

// The REGEDIT4 text (UTF-8; written in the ANSI code page) of every write.
std::string RegFile(const std::vector<changes::RegistryWrite>& writes,
                    const platform::AnsiCodec& codec);

}  // namespace policyoutput
