// Export and import through the real screen, the real common dialogs and
// the real registry.
#include <gtest/gtest.h>

#include "personalization/LogonNotice.h"
#include "tests/support/TransferVerbs.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using namespace testing_support;
using wine_tests::MessageBoxAnswerer;
using wine_tests::SeenMessage;

TEST(TransferWindows, ExportThroughTheSaveDialogAndImportThroughTheOpenDialog) {
    wine_tests::RealProgram real;
    RegistryAccess& registry = real.program.registry;
    const std::string folder = real.program.files.ProgramFolder();
    const std::string file = folder + "\\wine-export.qvc";
    const std::string notice(*personalization::LogonNoticeKey(registry));  // NT's or 9x's
    PutText(registry, kLM, notice, "LegalNoticeText", "Linha 1\r\nQV09x");
    PutText(registry, kLM, kCurrentVersion, "SYSNOT", "");
    real.program.values.baseFolder = folder;

    auto& screen = real.program.screens.Open<transfer::frmWizrd>(real.program.context);
    real.Pump();
    real.ClickAndPump(screen.Label7);  // "Todas"
    for (auto& box : screen.groups) EXPECT_TRUE(box->checked());
    auto exportFile = [&] {
        DeleteFileA(file.c_str());
        MessageBoxAnswerer answers({{"Salvar config do Quarvel", file}});
        real.ClickAndPump(screen.Label6);
        EXPECT_EQ(answers.Seen(),
                  (std::vector<SeenMessage>{
                      {"O Arquivo de configurações foi gerado com sucesso!", "Quarvel"}}));
        return FileBytes(file);
    };
    std::string exported = exportFile();
    EXPECT_NE(exported.find("QVa7Linha 1\r\nQV__QV09x\r\n"), std::string::npos) << exported;

    registry.DeleteValue(kLM, notice, "LegalNoticeText");
    {
        MessageBoxAnswerer answers({{"Abrir arquivo de configurações do Quarvel", file}});
        transfer::ImportConfiguration(real.program.context, transfer::ImportSource::ChosenFile);
        EXPECT_EQ(answers.Seen(),
                  (std::vector<SeenMessage>{{"Configurações importadas com sucesso", "Quarvel²"}}));
    }
    EXPECT_TRUE(HasValue(registry, kLM, notice, "LegalNoticeText", "Linha 1\r\nQV09x"));
    EXPECT_TRUE(HasValue(registry, kLM, kCurrentVersion, "SYSNOT", ""));
    EXPECT_EQ(exportFile(), exported) << "export, import, export: the same file";
    registry.DeleteValue(kLM, notice, "LegalNoticeText");
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
