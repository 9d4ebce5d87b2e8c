// Export and import through the real screen, the real common dialogs and
// the real registry.
#include <gtest/gtest.h>

#include <fstream>

#include "restrictions/AllowList.h"
#include "core/Settings.h"
#include "tests/wine/support/WindowDriver.h"
#include "transfer/ConfigImport.h"
#include "transfer/frmWizrd.h"

namespace {

using wine_tests::FileAnswer;
using wine_tests::MessageBoxAnswerer;
using wine_tests::RealProgram;
using wine_tests::SeenMessage;

constexpr char kWinlogon[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

TEST(TransferWindows, ExportThroughTheSaveDialogAndImportThroughTheOpenDialog) {
    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    const std::string folder = real.program.files.ProgramFolder();
    const std::string file = folder + "\\wine-export.qvc";
    DeleteFileA(file.c_str());
    registry.CreateKey(Hive::LocalMachine, kWinlogon);
    registry.SetValue(Hive::LocalMachine, kWinlogon, "LegalNoticeText", "Linha 1\r\nQV09x",
                      ValueType::String);
    registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT", "", ValueType::String);
    real.program.values.baseFolder = folder;

    auto& screen = real.program.screens.Open<transfer::frmWizrd>(real.program.context);
    real.Pump();
    real.ClickAndPump(screen.Label7);  // "Todas"
    for (auto& box : screen.groups) EXPECT_TRUE(box->checked());
    {
        MessageBoxAnswerer answers({{"Salvar config do Quarvel", file}});
        real.ClickAndPump(screen.Label6);
        EXPECT_EQ(answers.Seen(),
                  (std::vector<SeenMessage>{
                      {"O Arquivo de configurações foi gerado com sucesso!", "Quarvel"}}));
    }
    std::string exported = ReadFile(file);
    EXPECT_NE(exported.find("QVa7Linha 1\r\nQV__QV09x\r\n"), std::string::npos) << exported;

    registry.DeleteValue(Hive::LocalMachine, kWinlogon, "LegalNoticeText");
    {
        MessageBoxAnswerer answers({{"Abrir arquivo de configurações do Quarvel", file}});
        transfer::ImportConfiguration(real.program.context, transfer::ImportSource::ChosenFile);
        EXPECT_EQ(answers.Seen(),
                  (std::vector<SeenMessage>{{"Configurações importadas com sucesso", "Quarvel²"}}));
    }
    EXPECT_EQ(registry.GetValue(Hive::LocalMachine, kWinlogon, "LegalNoticeText"),
              "Linha 1\r\nQV09x");
    EXPECT_EQ(registry.GetValue(Hive::LocalMachine, core::kCurrentVersion, "SYSNOT"), "");

    {
        MessageBoxAnswerer answers({{"Salvar config do Quarvel", file}});
        real.ClickAndPump(screen.Label6);
    }
    EXPECT_EQ(ReadFile(file), exported) << "export, import, export: the same file";
    registry.DeleteValue(Hive::LocalMachine, kWinlogon, "LegalNoticeText");
    DeleteFileA(file.c_str());
}

TEST(TransferWindows, AFloppyThatIsNotThereIsAWriteError) {
    RealProgram real;
    auto& screen = real.program.screens.Open<transfer::frmWizrd>(real.program.context);
    real.Pump();
    static_cast<forms::CheckBox*>(screen.Find("Check9"))->SetChecked(true);
    MessageBoxAnswerer answers;
    if (GetFileAttributesW(L"A:\\") != INVALID_FILE_ATTRIBUTES) GTEST_SKIP() << "A: exists here";
    real.ClickAndPump(screen.Label5);
    EXPECT_EQ(answers.Seen(),
              (std::vector<SeenMessage>{{"Erro ao gravar no disquete", "Quarvel"}}));
}

}  // namespace
