// libFuzzer target: any bytes as a configuration file, read and applied to
// an in-memory registry, and as a policy object's Registry.pol and gpt.ini.
// Nothing may crash, hang or write outside the test.
#include <cstddef>
#include <cstdint>
#include <string>

#include "grouppolicy/GptIni.h"
#include "grouppolicy/PolicyFile.h"
#include "tests/support/TestProgram.h"
#include "transfer/ConfigImport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static testing_support::TestProgram program;
    program.values.baseFolder = program.Folder();
    std::string bytes(reinterpret_cast<const char*>(data), size);
    transfer::ImportText(program.context, program.codec.FromAnsi(bytes), true,
                         {.takeBackup = false});
    program.dialogs.messages.clear();
    program.registryApi.writes.clear();
    auto entries = grouppolicy::ParsePolicyFile(bytes);  // what parses comes back byte for byte
    if (entries && !bytes.empty() && grouppolicy::PolicyFileBytes(*entries) != bytes)
        __builtin_trap();
    grouppolicy::RaisedGptIni(bytes);
    return 0;
}
