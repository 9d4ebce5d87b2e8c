// The allow-list outside Explorer through the real window and process: the
// computer's object in Wine's System32, and the service Wine lacks, said.
#include <gtest/gtest.h>

#include "core/Target.h"
#include "restrictions/frmRestE.h"
#include "tests/support/PolicyObjectVerbs.h"
#include "tests/wine/support/ScreenWindowDriver.h"
#include "undo/Backup.h"

namespace {

using namespace wine_tests;
using platform::win32::Narrow;

const std::string kSystem32 = "C:\\windows\\system32";  // Wine's
const std::string kComputer = kSystem32 + "\\GroupPolicy";
const std::string kUsers = kSystem32 + "\\GroupPolicyUsers\\S-1-5-32-545";

// Rules of the collection in the computer's object: how many, and how many
// name the Administrators.
std::pair<int, int> Rules(const char* collection) {
    std::string bytes = FileBytes(kComputer + "\\Machine\\Registry.pol");
    auto entries = ReadPolicyFile(bytes);
    std::pair<int, int> count{};
    for (const PolicyEntry& e : entries.value_or(std::vector<PolicyEntry>()))
        if (e.key.starts_with(std::string(kSrpV2) + "\\" + collection + "\\") &&
            e.value == "Value") {
            ++count.first;
            count.second += PolicyText(e.data).find("S-1-5-32-544") != std::string::npos;
        }
    return count;
}

struct OutsideExplorerWindow : ScreenWindow<restrictions::frmRestE> {
    OutsideExplorerWindow() {
        Clean();
        kept.Keep({kCU, kAllowList});
        kept.Set({kCU, kExplorer, "RestrictRun"});
        // The test program's folder stands for the program folder an installed Quarvel lies in.
        std::string build = Narrow(BuildFolder());
        kept.Set({kLM, kCurrentVersion, "ProgramFilesDir (x86)",
                  build.substr(0, build.rfind('\\')).c_str()});
        core::ChooseTarget(real.program.context, core::TargetKind::NonAdministrators);
    }
    ~OutsideExplorerWindow() { Clean(); }
    void Clean() {
        std::filesystem::remove_all(kComputer);
        std::filesystem::remove_all(kUsers);
    }
};

TEST(OutsideExplorerWindow, BlockWritesTheComputersObjectAndUnblockTakesItAway) {
    OutsideExplorerWindow driver;
    driver.Open();
    EXPECT_EQ(driver.Text("Check1"), "Valer também fora do Explorer");
    EXPECT_EQ(driver.Text("Label7"),
              "Windows 10 (2004 ou mais novo) e 11: o Windows só deixa rodar o que está instalado");
    TypeKeys(driver.At("Text1"), "calc.exe");
    driver.Run("Text1");
    EXPECT_FALSE(driver.Lit("Check1"));
    Click(driver.At("Check1"));
    driver.real.Pump();
    Said said = driver.Run("Label5");
    // Wine has no Application Identity service: the rules are written and that is said.
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said[0].title, "Quarvel");
    EXPECT_EQ(said[0].style, 48);
    EXPECT_NE(said[0].text.find("AppIDSvc"), std::string::npos) << said[0].text;
    for (const char* collection : {"Exe", "Script", "Msi"})
        EXPECT_EQ(Rules(collection), (std::pair{3, 1})) << collection;
    EXPECT_NE(FileBytes(kComputer + "\\gpt.ini").find("Version=1\r\n"), std::string::npos);
    std::vector<PolicyEntry> user = ObjectEntries(kUsers);
    for (PolicyEntry expected : {PolicyEntry{kSystem, "DisableTaskMgr", 4, PolDword(1)},
                                 PolicyEntry{kPoliciesSystem, "DisableCMD", 4, PolDword(2)}})
        EXPECT_NE(std::find(user.begin(), user.end(), expected), user.end()) << expected;

    driver.Run("Label4");  // "Desbloquear"
    EXPECT_EQ(Rules("Exe"), (std::pair{0, 0}));
    auto entries = ReadPolicyFile(FileBytes(kComputer + "\\Machine\\Registry.pol"));
    ASSERT_TRUE(entries.has_value());
    EXPECT_TRUE(entries->empty()) << "nothing of the program is left";
    EXPECT_FALSE(driver.Lit("Check1"));
}

TEST(OutsideExplorerWindow, TheRealProcessImportsTheRecordAndUndoesIt) {
    OutsideExplorerWindow driver;
    const std::string folder = Narrow(BuildFolder()), file = folder + "\\outside.qvc";
    auto quarvel = [&](const std::string& arguments, const char* content = nullptr) {
        if (content) std::ofstream(file, std::ios::binary) << content;
        Process process(L"Quarvel.exe", arguments, folder + "\\outside.out");
        process.Ends(10000);
        return process.code;
    };
    EXPECT_EQ(quarvel("/importar \"" + file + "\" /para:comuns", "QV02calc.exe\r\nQVc11\r\n"), 4u)
        << "done in part: the service is not there";
    EXPECT_NE(FileBytes(folder + "\\outside.out").find("AppIDSvc"), std::string::npos);
    EXPECT_EQ(Rules("Exe"), (std::pair{3, 1}));
    quarvel("/importar \"" + file + "\" /para:comuns", "QVc10\r\n");
    EXPECT_EQ(Rules("Exe"), (std::pair{0, 0}));
    quarvel("/desfazer");
    EXPECT_EQ(Rules("Exe"), (std::pair{3, 1})) << "undo puts the rules back";
    quarvel("/desfazer");
    EXPECT_EQ(Rules("Exe"), (std::pair{0, 0}));
    DeleteFileA(file.c_str());
    DeleteFileA((folder + "\\outside.out").c_str());
}

}  // namespace
