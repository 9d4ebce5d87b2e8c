// The export through the real screen, the real save dialog and the real
// registry, and back; the floppy export's write error.
#include <gtest/gtest.h>

#include "tests/support/TransferVerbs.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using namespace testing_support;
using wine_tests::MessageBoxAnswerer;
using wine_tests::SeenMessage;

TEST(TransferWindows, ExportThroughTheSaveDialogAndBack) {
    wine_tests::RealProgram real;
    RegistryAccess& registry = real.program.registry;
    const std::string folder = real.program.files.ProgramFolder();
    const std::string file = folder + "\\wine-export.qvc";
    DeleteFileA(file.c_str());
    PutText(registry, kLM, kWinlogon, "LegalNoticeText", "Linha 1\r\nQV09x");
    PutText(registry, kLM, kCurrentVersion, "SYSNOT", "");
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
    EXPECT_NE(FileBytes(file).find("QVa7Linha 1\r\nQV__QV09x\r\n"), std::string::npos);

    // Back through the real registry (the open dialog: the main menu's test).
    registry.DeleteValue(kLM, kWinlogon, "LegalNoticeText");
    {
        MessageBoxAnswerer answers;
        EXPECT_EQ(transfer::ImportFile(real.program.context, file), transfer::ImportStatus::Done);
    }
    EXPECT_TRUE(HasValue(registry, kLM, kWinlogon, "LegalNoticeText", "Linha 1\r\nQV09x"));
    EXPECT_TRUE(HasValue(registry, kLM, kCurrentVersion, "SYSNOT", ""));
    registry.DeleteValue(kLM, kWinlogon, "LegalNoticeText");
    DeleteFileA(file.c_str());
}

TEST(TransferWindows, AFloppyThatCannotBeWrittenIsAWriteError) {
    wine_tests::RealProgram real;
    auto& screen = real.program.screens.Open<transfer::frmWizrd>(real.program.context);
    real.Pump();
    static_cast<forms::CheckBox*>(screen.Find("Check9"))->SetChecked(true);
    DeleteFileA("A:\\config.qvc");
    CreateDirectoryA("A:\\config.qvc", nullptr);  // a folder where the file goes, or no A: at all
    MessageBoxAnswerer answers;
    real.ClickAndPump(screen.Label5);
    RemoveDirectoryA("A:\\config.qvc");
    EXPECT_EQ(answers.Seen(),
              (std::vector<SeenMessage>{{"Erro ao gravar no disquete", "Quarvel"}}));
}

}  // namespace
