// The policy screens' rules where the registry holds what another tool left.
#include <gtest/gtest.h>

#include "restrictions/PolicyScreens.h"
#include "tests/support/PolicyTable.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/TestProgram.h"

namespace {

using namespace testing_support;
using restrictions::frmRestD;
using restrictions::frmRestEx;
using restrictions::frmRestS;

class PolicyScreens : public ::testing::Test {
  protected:
    std::vector<bool> Ticks(restrictions::PolicyScreen& screen, const PolicyScreenWords& words) {
        std::vector<bool> ticks;
        for (const PolicyRow& row : words.rows) ticks.push_back(screen.Box(row.box)->checked());
        return ticks;
    }

    TestProgram program;
    RegistryAccess& registry = program.registry;
};

TEST_F(PolicyScreens, OnlyAnExactOneOrADriveMaskShowsTickedAndAplicarRewritesEveryValueAsADword) {
    using namespace std::string_literals;
    const auto& rows = kSystemScreen.rows;
    // clang-format off
    const struct { std::size_t row; std::uint32_t type; std::string data; } stored[] = {
        {0, 4, "\1\0\0\0"s},        // a DWORD 1: ticked
        {1, 1, "1\0"s},             // REG_SZ "1" of another tool: ticked
        {3, 4, "\4\0\0\0"s},        // another tool's drive mask (C:): ticked, and kept
        {4, 3, "\1\0\0\0"s},        // REG_BINARY
        {5, 1, "1 \0"s},            // "1 " is not "1"
        {7, 1, "1"},                // REG_SZ without its zero: ticked
    };
    // clang-format on
    for (const auto& value : stored)
        PutBytes(program.registryApi, Hive::CurrentUser, rows[value.row].key, rows[value.row].value,
                 value.type, value.data);
    auto& screen = program.screens.Open<frmRestS>(program.context);
    EXPECT_EQ(Ticks(screen, kSystemScreen),
              (std::vector<bool>{true, true, false, true, false, false, false, true, false, false,
                                 false}));
    screen.Aplicar.UserClick();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        bool ticked = i == 0 || i == 1 || i == 7;
        EXPECT_TRUE(HasValue(registry, Hive::CurrentUser, rows[i].key, rows[i].value,
                             i == 3   ? "4"
                             : ticked ? "1"
                                      : "0"));
        EXPECT_EQ(TypeOf(program.registryApi, Hive::CurrentUser, rows[i].key, rows[i].value), 4u);
    }
}

TEST_F(PolicyScreens, TodosAndNenhumWriteNothingUntilAplicarAndTwoBoxesAreOneValue) {
    auto& screen = program.screens.Open<frmRestEx>(program.context);
    screen.Todos.UserClick();
    screen.Unload();
    for (const PolicyRow& row : kExplorerScreen.rows)
        EXPECT_TRUE(IsAbsent(registry, Hive::CurrentUser, row.key, row.value));
    auto& again = program.screens.Open<frmRestEx>(program.context);
    EXPECT_EQ(Ticks(again, kExplorerScreen), std::vector<bool>(17, false));
    again.Todos.UserClick();
    again.UserAccept();  // Enter is Aplicar
    again.Nenhum.UserClick();
    EXPECT_EQ(Ticks(again, kExplorerScreen), std::vector<bool>(17, false));
    for (const PolicyRow& row : kExplorerScreen.rows)
        EXPECT_TRUE(HasValue(registry, Hive::CurrentUser, row.key, row.value, "1"));
    // The desktop's new-icons box shows NoSaveSettings, and writes it.
    auto& desktop = program.screens.Open<frmRestD>(program.context);
    EXPECT_TRUE(desktop.Box("CheckD13")->checked());
    desktop.Nenhum.UserClick();
    desktop.Aplicar.UserClick();
    EXPECT_TRUE(HasValue(registry, Hive::CurrentUser, kExplorer, "NoSaveSettings", "0"));
    again.Unload();
    EXPECT_FALSE(program.screens.Open<frmRestEx>(program.context).Box("CheckE2")->checked());
}

}  // namespace
