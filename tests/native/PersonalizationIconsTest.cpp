// The system icons: wells, picks through the prompt, Aplicar, the icon cache,
// and the file attribute routine that makes the cache deletable.
#include <gtest/gtest.h>

#include <fstream>

#include "personalization/IconSlots.h"
#include "personalization/frmNovo.h"
#include "core/Settings.h"
#include "core/modFileAttributes.h"
#include "tests/support/TestProgram.h"

namespace {

using personalization::frmNovo;
using testing_support::ShownMessage;

constexpr std::string_view kIcons =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons";
constexpr std::string_view kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const ShownMessage kApplied{
    "As alterações foram aplicadas com sucesso, clique em limpar o cache para melhores resultados",
    "Sucesso", 64};

class Icons : public ::testing::Test {
  protected:
    void SetUp() override {
        program.registry.CreateKey(Hive::LocalMachine, kIcons);
        program.registry.CreateKey(Hive::LocalMachine, kRun);
        program.registry.CreateKey(Hive::LocalMachine, core::kCurrentVersion);
    }
    frmNovo& Open() {
        program.screens.Close<frmNovo>();
        return program.screens.Open<frmNovo>(program.context);
    }
    void Store(std::string_view name, std::string_view value) {
        program.registry.SetValue(Hive::LocalMachine, kIcons, name, value, ValueType::String);
    }
    std::string Stored(std::string_view name) {
        return program.registry.GetValue(Hive::LocalMachine, kIcons, name);
    }
    bool HasValue(std::string_view name) {
        return program.registry.ValueExists(Hive::LocalMachine, kIcons, name);
    }
    // Picks an icon for a slot (0-based) as the user would: a click and an answer.
    void Pick(frmNovo& screen, std::size_t slot, std::optional<std::string> answer) {
        program.dialogs.promptAnswers.push_back(std::move(answer));
        screen.wells[slot]->UserClick();
    }
    // The cache file in a Windows folder of the test's own; natively a
    // backslash is part of the file name, so the file lies beside that folder.
    std::string MakeCache(std::uint32_t attributes = 0x20) {
        std::filesystem::create_directories(program.folder / "WINDOWS");
        std::string windows = (program.folder / "WINDOWS").string();
        program.registry.SetValue(Hive::LocalMachine, core::kCurrentVersion, "SystemRoot", windows,
                                  ValueType::String);
        std::string path = windows + "\\ShellIconCache";
        std::ofstream(platform::PathFromUtf8(path)) << "x";
        program.files.SetAttributes(path, attributes);
        EXPECT_TRUE(program.files.Exists(path));
        return path;
    }

    testing_support::TestProgram program;
};

TEST_F(Icons, LoadShowsWhatThePictureLoaderCanShowAndLeavesTheRest) {
    Store("0", "C:\\Icones\\a.ico");
    Store("1", "C:\\WINDOWS\\SYSTEM\\shell32.dll,4");
    Store("2", "");
    Store("40", "C:\\Icones\\b.bmp");
    Store("3", std::string(100000, 'a') + ".ico");
    program.registry.SetValue(Hive::LocalMachine, kIcons, "4", "12", ValueType::Dword);
    frmNovo& screen = Open();
    EXPECT_EQ(screen.wells[0]->picture(), "C:\\Icones\\a.ico");
    EXPECT_EQ(screen.wells[1]->picture(), "") << "an icon resource has no preview";
    EXPECT_EQ(screen.wells[2]->picture(), "");
    EXPECT_EQ(screen.wells[40]->picture(), "C:\\Icones\\b.bmp");
    EXPECT_EQ(screen.wells[4]->picture(), "");
    for (std::size_t slot = 0; slot < 41; ++slot) EXPECT_FALSE(screen.pendingPath(slot));
    EXPECT_EQ(Stored("1"), "C:\\WINDOWS\\SYSTEM\\shell32.dll,4") << "load changes nothing";
    EXPECT_TRUE(program.dialogs.messages.empty());
}

TEST_F(Icons, LerAtuaisKeepsAPictureTheLoaderCannotReplace) {
    Store("0", "C:\\Icones\\a.ico");
    Store("1", "C:\\Icones\\b.ico");
    frmNovo& screen = Open();
    Store("0", "C:\\Icones\\sumiu");  // no longer a picture
    program.registry.DeleteValue(Hive::LocalMachine, kIcons, "1");
    Store("2", "C:\\Icones\\c.cur");
    screen.Label47.UserClick();
    EXPECT_EQ(screen.wells[0]->picture(), "C:\\Icones\\a.ico");
    EXPECT_EQ(screen.wells[1]->picture(), "") << "a missing value empties its well";
    EXPECT_EQ(screen.wells[2]->picture(), "C:\\Icones\\c.cur");
}

TEST_F(Icons, APickedIconIsWrittenToItsValueAndOthersKeepTheirs) {
    Store("0", "C:\\Icones\\antigo.ico");
    frmNovo& screen = Open();
    Pick(screen, 4, "C:\\Icones\\pasta.ico");
    EXPECT_EQ(
        program.dialogs.prompts,
        (std::vector<std::string>{"Digite a localização do ícone, exemplo: C:\\Icones\\nada.ico"}));
    EXPECT_EQ(screen.wells[4]->picture(), "C:\\Icones\\pasta.ico");
    screen.Label44.UserClick();
    EXPECT_EQ(Stored("4"), "C:\\Icones\\pasta.ico");
    EXPECT_EQ(Stored("0"), "C:\\Icones\\antigo.ico") << "an unpicked slot keeps its value";
    EXPECT_FALSE(HasValue("1")) << "no placeholder text is written";
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{kApplied}));
}

TEST_F(Icons, ANumberLabelPicksAsItsWellDoes) {
    frmNovo& screen = Open();
    program.dialogs.promptAnswers.push_back("C:\\Icones\\cd.ico");
    screen.numbers[40]->UserClick();
    EXPECT_EQ(screen.pendingPath(40), "C:\\Icones\\cd.ico");
}

TEST_F(Icons, CancellingThePromptEmptiesTheWellAndWritesAnEmptyPath) {
    Store("4", "C:\\Icones\\pasta.ico");
    frmNovo& screen = Open();
    EXPECT_EQ(screen.wells[4]->picture(), "C:\\Icones\\pasta.ico");
    Pick(screen, 4, std::nullopt);
    EXPECT_EQ(screen.wells[4]->picture(), "");
    EXPECT_EQ(screen.pendingPath(4), "");
    screen.Label44.UserClick();
    EXPECT_TRUE(HasValue("4"));
    EXPECT_EQ(Stored("4"), "");
}

TEST_F(Icons, APathWithoutPreviewIsKeptAndTheUserIsTold) {
    frmNovo& screen = Open();
    Pick(screen, 2, "C:\\Icones\\a.ico");
    Pick(screen, 2, "%SystemRoot%\\system32\\shell32.dll,4");
    EXPECT_EQ(screen.wells[2]->picture(), "");
    EXPECT_EQ(screen.pendingPath(2), "%SystemRoot%\\system32\\shell32.dll,4");
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_EQ(program.dialogs.messages[0].title, "Quarvel");
    screen.Label44.UserClick();
    EXPECT_EQ(Stored("2"), "%SystemRoot%\\system32\\shell32.dll,4");
}

TEST_F(Icons, AplicarCreatesAMissingShellIconsKey) {
    program.registry.DeleteKey(Hive::LocalMachine, kIcons);
    frmNovo& screen = Open();
    Pick(screen, 0, "C:\\Icones\\a.ico");
    screen.Label44.UserClick();
    EXPECT_EQ(Stored("0"), "C:\\Icones\\a.ico");
}

TEST_F(Icons, LimparCacheDeletesAProtectedCacheAndRegistersTheCleaner) {
    std::string cache = MakeCache(1 | 2 | 4);  // read-only, hidden, system
    Open().Label45.UserClick();
    EXPECT_FALSE(program.files.Exists(cache));
    EXPECT_EQ(program.registry.GetValue(Hive::LocalMachine, kRun, "DelIconCache"),
              program.files.ProgramFolder() + "\\limpaico.exe");
    EXPECT_EQ(program.dialogs.messages,
              (std::vector<ShownMessage>{{"reinicie o seu computador", "Limpeza de Cache", 64}}));
}

TEST_F(Icons, DesfazerRemovesEveryValueAndTheCacheButNotTheWells) {
    std::string cache = MakeCache();
    for (int value = 0; value <= 40; ++value) Store(std::to_string(value), "C:\\Icones\\x.ico");
    Store("41", "fica");  // not one of ours
    frmNovo& screen = Open();
    screen.Label46.UserClick();
    for (int value = 0; value <= 40; ++value)
        EXPECT_FALSE(HasValue(std::to_string(value))) << value;
    EXPECT_EQ(Stored("41"), "fica");
    EXPECT_FALSE(program.files.Exists(cache));
    EXPECT_EQ(screen.wells[0]->picture(), "C:\\Icones\\x.ico");
    EXPECT_EQ(program.registry.GetValue(Hive::LocalMachine, kRun, "DelIconCache"), "");
    EXPECT_EQ(program.dialogs.messages.back(),
              (ShownMessage{"As alterações foram removidas, clique em limpar o cache para "
                            "melhores resultados",
                            "Quarvel", 64}));
    screen.Label47.UserClick();
    EXPECT_EQ(screen.wells[0]->picture(), "");
}

TEST(FileAttributes, SetsExactlyTheWordOfTheCombination) {
    testing_support::TestProgram program;
    std::string path = (program.folder / "arquivo.txt").string();
    std::ofstream(path) << "x";
    program.files.SetAttributes(path, 1 | 2 | 4);
    core::modFileAttributes::SetAttributes(program.files, path, false, false, false);
    EXPECT_EQ(program.files.GetAttributes(path), 128u)
        << "no attribute left, the system bit included; Windows' word for that is NORMAL";
    core::modFileAttributes::SetAttributes(program.files, path, true, true, true);
    EXPECT_EQ(program.files.GetAttributes(path), 35u);
    std::string missing = (program.folder / "nada.txt").string();
    core::modFileAttributes::SetAttributes(program.files, missing, true, false, false);
    EXPECT_FALSE(program.files.Exists(missing));
}

}  // namespace
