// Quarvel.exe with a target: the real process writes the policy object in the
// real System32, this account's registry is left alone, HKLM still gets its part.
#include <gtest/gtest.h>

#include <windows.h>

#include <sddl.h>

#include "tests/support/PolicyObjectVerbs.h"
#include "tests/wine/support/ScreenWindowDriver.h"

namespace {

using namespace testing_support;
using namespace wine_tests;
using platform::win32::Narrow;

const std::string kObjects = "C:\\windows\\system32\\GroupPolicyUsers";  // Wine's System32

std::string SidOf(const std::string& name) {
    BYTE sid[SECURITY_MAX_SID_SIZE];
    wchar_t domain[256], *text = nullptr;
    DWORD sidSize = sizeof sid, domainSize = 256;
    SID_NAME_USE use;
    bool found = LookupAccountNameW(nullptr, platform::win32::Widen(name).c_str(), sid, &sidSize,
                                    domain, &domainSize, &use) &&
                 ConvertSidToStringSidW(sid, &text);
    std::string out = found ? Narrow(text) : "";
    LocalFree(text);
    return out;
}

class PolicyObjectProcess : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::remove_all(kObjects);
        kept.Set({kLM, kCurrentVersion, "SYSNOT"});
        kept.Set({kCU, kCurrentVersion, "Tb", "0"});
        kept.Set({kCU, kAllowList, "6"});
        kept.Set({kLM, kWinlogon, "LegalNoticeCaption"});
        kept.Set({kLM, kRun, "TvalueT"});
    }
    void TearDown() override {
        std::filesystem::remove_all(kObjects);
        DeleteFileA(file.c_str());
        DeleteFileA((folder + "\\restt.qvn").c_str());
    }
    DWORD Quarvel(const std::string& arguments, const char* content = nullptr) {
        if (content) std::ofstream(file, std::ios::binary) << real.program.codec.ToAnsi(content);
        Process process(L"Quarvel.exe", arguments, folder + "\\target.out");
        process.Ends(10000);
        report = real.program.codec.FromAnsi(FileBytes(folder + "\\target.out"));
        return process.code;
    }

    RealProgram real;
    KeptRegistry kept{real.program.registry};
    const std::string folder = Narrow(BuildFolder()), file = folder + "\\target.qvc";
    const std::string everyone = kObjects + "\\S-1-5-32-545";
    std::string report;
};

TEST_F(PolicyObjectProcess, AnImportGoesIntoTheObjectAndTheComputerAndLeavesThisAccountAlone) {
    const PolicyEntry gpedit{"Software\\Policies\\Microsoft\\Windows\\Explorer", "NoX", 4,
                             PolDword(7)};
    PutObjectFile(everyone, {gpedit});
    const std::string before = FileBytes(everyone + "\\User\\Registry.pol");
    std::ofstream(everyone + "\\gpt.ini", std::ios::binary)
        << "[General]\r\ndisplayName=Escola\r\nVersion=65539\r\n";
    EXPECT_EQ(Quarvel("/importar \"" + file + "\" /para:comuns",
                      "QV02jogo.exe\r\nQV02editor.exe\r\nQV03Jogos\r\nQV07Laboratório\r\n"),
              0u)
        << report;
    EXPECT_TRUE(report.starts_with("Configurações importadas com sucesso")) << report;
    std::vector<PolicyEntry> entries = ObjectEntries(everyone);
    EXPECT_EQ(entries.at(0), gpedit) << "another tool's entry kept";
    for (const PolicyEntry& wanted : {PolicyEntry{kAllowList, "6", 1, PolData("jogo.exe")},
                                      PolicyEntry{std::string(kExplorer) + "\\Run", "TvalueT", 1,
                                                  PolData("\"" + folder + "\\DErodu.exe\"")}})
        EXPECT_NE(std::find(entries.begin(), entries.end(), wanted), entries.end()) << wanted;
    EXPECT_NE(FileBytes(everyone + "\\gpt.ini").find("Version=131075"), std::string::npos);
    EXPECT_TRUE(IsAbsent(real.program.registry, kCU, kAllowList, "6"));
    EXPECT_TRUE(IsAbsent(real.program.registry, kLM, kRun, "TvalueT"))
        << "DErodu starts for the restricted accounts only";
    EXPECT_TRUE(
        HasValue(real.program.registry, kLM, kWinlogon, "LegalNoticeCaption", "Laboratório"));
    // The export of the same target reads the object back.
    const std::string out = folder + "\\target-export.qvc";
    EXPECT_EQ(Quarvel("/exportar \"" + out + "\" /grupos:2 /para:comuns"), 0u) << report;
    EXPECT_EQ(FileBytes(out), "QV02jogo.exe\r\nQV02editor.exe\r\nQVc10\r\n");
    DeleteFileA(out.c_str());
    // Undo, whatever target is chosen now, puts the object's file back and raises it once more.
    EXPECT_EQ(Quarvel("/desfazer"), 0u) << report;
    EXPECT_EQ(FileBytes(everyone + "\\User\\Registry.pol"), before);
    EXPECT_NE(FileBytes(everyone + "\\gpt.ini").find("Version=196611"), std::string::npos);
}

TEST_F(PolicyObjectProcess, OneAccountByNameHasAnObjectOfItsOwnAndAnUnknownOneNone) {
    const std::string name = ThisAccountName(), sid = SidOf(name);
    ASSERT_FALSE(sid.empty());
    EXPECT_EQ(Quarvel("/importar \"" + file + "\" /para:" + name, "QV02jogo.exe\r\n"), 0u)
        << report;
    EXPECT_NE(ObjectEntries(kObjects + "\\" + sid).size(), 0u);
    std::filesystem::remove_all(kObjects);
    EXPECT_EQ(Quarvel("/importar \"" + file + "\" /para:ninguem-aqui"), 1u);
    EXPECT_TRUE(report.starts_with("Não há conta local chamada \"ninguem-aqui\"")) << report;
    EXPECT_FALSE(std::filesystem::exists(kObjects));
}

TEST_F(PolicyObjectProcess, TheMenusStartedForTheNonAdministratorsShowAndWriteTheirObject) {
    PutObjectFile(everyone, {{kExplorer, "NoFolderOptions", 4, PolDword(1)}});
    Process quarvel(L"Quarvel.exe", "/para:comuns");
    DWORD id = quarvel.info.dwProcessId;
    MessageBoxAnswerer answerer({}, id);
    HWND menu = FindTopLevel("Quarvel 2.0 - www.quarvel.com.br - Usuários comuns", id);
    ASSERT_NE(menu, nullptr);
    Click(FindWindowExW(menu, nullptr, L"Static", L"Sistema"));
    HWND screen = FindTopLevel("Sistema", id);
    ASSERT_NE(screen, nullptr);
    HWND box = FindWindowExW(screen, nullptr, L"Button", L"Oculta as opções de pasta no explorer");
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED) << "the object's value shown";
    Click(box);
    Click(FindWindowExW(screen, nullptr, L"Static", L"Aplicar"));
    EXPECT_TRUE(Within(5000, [&] { return !answerer.Seen().empty(); }));
    // Another process's icon cannot be told apart here; its style is the native tests' to check.
    Said said = answerer.Seen();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].text + "|" + said[0].title, "Restrições aplicadas com sucesso|Quarvel");
    PostMessageW(screen, WM_CLOSE, 0, 0);
    PostMessageW(menu, WM_CLOSE, 0, 0);
    EXPECT_TRUE(quarvel.Ends(5000));
    EXPECT_EQ(ObjectEntries(everyone).at(0),
              (PolicyEntry{kExplorer, "NoFolderOptions", 4, PolDword(0)}));
    EXPECT_NE(FileBytes(everyone + "\\gpt.ini").find("Version=65536"), std::string::npos);
}

}  // namespace
