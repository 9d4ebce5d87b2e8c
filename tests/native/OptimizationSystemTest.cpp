// The disk cache profile.
#include <gtest/gtest.h>

#include "optimization/frmOtiS.h"
#include "tests/support/TestProgram.h"

namespace {

using optimization::frmOtiS;
using testing_support::ShownMessage;

constexpr std::string_view kTemplates =
    "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates";
const ShownMessage kApplied{"As alterações foram aplicadas com sucesso", "Quarvel", 64};

class DiskCacheProfile : public ::testing::Test {
  protected:
    void SetUp() override { program.registry.CreateKey(Hive::LocalMachine, kTemplates); }
    frmOtiS& Open(std::optional<std::string> stored) {
        if (stored)
            program.registry.SetValue(Hive::LocalMachine, kTemplates, "", *stored,
                                      ValueType::String);
        program.screens.Close<frmOtiS>();
        return program.screens.Open<frmOtiS>(program.context);
    }
    static int Selected(const frmOtiS& screen) {
        int selected = 0;
        const forms::OptionButton* options[] = {&screen.Option1, &screen.Option2, &screen.Option3};
        for (int i = 0; i < 3; ++i)
            if (options[i]->checked()) selected = selected ? -1 : i + 1;
        return selected;
    }
    std::string Stored() { return program.registry.GetValue(Hive::LocalMachine, kTemplates, ""); }

    testing_support::TestProgram program;
};

TEST_F(DiskCacheProfile, ShowsTheStoredProfileByExactName) {
    EXPECT_EQ(Selected(Open(std::nullopt)), 0);
    EXPECT_EQ(Selected(Open("Server")), 1);
    EXPECT_EQ(Selected(Open("Mobile")), 2);
    EXPECT_EQ(Selected(Open("Desktop")), 3);
    EXPECT_EQ(Selected(Open("server")), 0) << "letter case counts";
    EXPECT_EQ(Selected(Open("Mobile ")), 0);
    frmOtiS& screen = Open("Mobile");
    EXPECT_EQ(screen.caption(), "Sistema");
    EXPECT_EQ(screen.Option2.caption(), "Sistema Móvel ( Arquivos pequenos com rápido acesso)");
}

TEST_F(DiskCacheProfile, AplicarWritesTheChosenProfile) {
    frmOtiS& screen = Open(std::nullopt);
    screen.Option1.UserClick();
    screen.Option3.UserClick();
    EXPECT_EQ(Selected(screen), 3);
    screen.Label6.UserClick();
    EXPECT_EQ(Stored(), "Desktop");
    EXPECT_EQ(program.dialogs.messages, (std::vector<ShownMessage>{kApplied}));
    screen.Option1.UserClick();
    screen.UserAccept();  // Enter is "Aplicar"
    EXPECT_EQ(Stored(), "Server");
}

TEST_F(DiskCacheProfile, AplicarWithNothingChosenStoresAnEmptyText) {
    frmOtiS& screen = Open("desconhecido");
    screen.Label6.UserClick();
    EXPECT_EQ(Stored(), "");
    program.registry.DeleteKey(Hive::LocalMachine, kTemplates);
    screen.Label6.UserClick();  // no key (the NT family has none): nothing stored, and said so
    EXPECT_EQ(program.dialogs.messages.back(),
              (ShownMessage{"Não foi possível gravar o cache do disco rígido: a chave "
                            "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates não existe "
                            "neste Windows.",
                            "Erro", 16}));
}

}  // namespace
