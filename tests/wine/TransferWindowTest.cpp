// The export through the real screen, the real save dialog and the real
// registry; the floppy export's write error.
#include <gtest/gtest.h>

#include "tests/support/TransferVerbs.h"
#include "tests/wine/support/ScreenWindowDriver.h"

namespace {

using namespace wine_tests;

TEST(TransferWindows, ExportThroughTheSaveDialog) {
    ScreenWindow<transfer::frmWizrd> driver;
    const std::string folder = driver.real.program.files.ProgramFolder();
    const std::string file = folder + "\\wine-export.qvc";
    DeleteFileA(file.c_str());
    driver.Without9xWinlogon();
    driver.kept.Set({kLM, kNtWinlogon, "LegalNoticeText", "Linha 1\r\nQV09x"});
    driver.real.program.values.baseFolder = folder;
    driver.Open();
    driver.Run("Label7");  // "Todas"
    for (auto& box : static_cast<transfer::frmWizrd*>(driver.form)->groups)
        EXPECT_TRUE(box->checked());
    EXPECT_EQ(driver.Run("Label6", false, {{"Salvar config do Quarvel", file}}),
              (Said{{"O Arquivo de configurações foi gerado com sucesso!", "Quarvel", 64}}));
    EXPECT_NE(FileBytes(file).find("QVa7Linha 1\r\nQV__QV09x\r\n"), std::string::npos);
    DeleteFileA(file.c_str());
}

TEST(TransferWindows, AFloppyThatCannotBeWrittenIsAWriteError) {
    ScreenWindow<transfer::frmWizrd> driver;
    driver.Open();
    driver.Run("Check9");
    DeleteFileA("A:\\config.qvc");
    CreateDirectoryA("A:\\config.qvc", nullptr);  // a folder where the file goes, or no A: at all
    Said said = driver.Run("Label5");
    RemoveDirectoryA("A:\\config.qvc");
    EXPECT_EQ(said, (Said{{"Erro ao gravar no disquete", "Quarvel", 16}}));
}

}  // namespace
