// The three policy screens over the in-memory registry.
#include <gtest/gtest.h>

#include <optional>

#include "restrictions/PolicyScreens.h"
#include "tests/support/TestProgram.h"

namespace {

using restrictions::frmRestD;
using restrictions::frmRestEx;
using restrictions::frmRestS;
using restrictions::PolicyEntry;
using restrictions::PolicyScreen;
using testing_support::ShownMessage;

struct RawValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    bool operator==(const RawValue&) const = default;
};

const RawValue kDword1{4, {1, 0, 0, 0}};
const RawValue kDword0{4, {0, 0, 0, 0}};

class PolicyScreens : public ::testing::Test {
  protected:
    std::optional<RawValue> Raw(std::string_view path, std::string_view name) {
        platform::KeyHandle key = 0;
        if (program.registryApi.OpenKey(0x80000001u, std::string(path), 0x3F, key) != 0)
            return std::nullopt;
        RawValue value;
        std::uint32_t size = 0;
        long status =
            program.registryApi.QueryValue(key, std::string(name), &value.type, nullptr, &size);
        value.data.resize(size);
        if (status == 0)
            status = program.registryApi.QueryValue(key, std::string(name), &value.type,
                                                    value.data.data(), &size);
        program.registryApi.CloseKey(key);
        if (status != 0) return std::nullopt;
        return value;
    }
    void SetRaw(std::string_view path, std::string_view name, std::uint32_t type,
                std::vector<std::uint8_t> data) {
        platform::KeyHandle key = 0;
        program.registryApi.CreateKey(0x80000001u, std::string(path), 0x3F, key);
        program.registryApi.SetValue(key, std::string(name), type, data.data(),
                                     static_cast<std::uint32_t>(data.size()));
        program.registryApi.CloseKey(key);
    }
    void SetDword(const PolicyEntry& entry, std::uint32_t value) {
        SetRaw(entry.key, entry.valueName, 4,
               {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
    }
    std::vector<bool> Ticks(const PolicyScreen& screen) {
        std::vector<bool> ticks;
        for (const auto& box : screen.boxes) ticks.push_back(box->checked());
        return ticks;
    }

    testing_support::TestProgram program;
};

TEST_F(PolicyScreens, EachScreenHasItsCaptionBoxesAndLabels) {
    auto& system = program.screens.Open<frmRestS>(program.context);
    auto& desktop = program.screens.Open<frmRestD>(program.context);
    EXPECT_EQ(system.caption(), "Sistema");
    EXPECT_EQ(system.boxes.size(), 11u);
    EXPECT_EQ(system.Find("Label1"), &system.Aplicar);
    EXPECT_EQ(desktop.boxes.size(), 15u) << "fourteen policies and CheckD13";
    EXPECT_EQ(desktop.Find("Label3"), &desktop.Aplicar);
    EXPECT_EQ(desktop.Find("Label5"), &desktop.Nenhum);
    // The boxes come first in the tab order, then Aplicar, Todos, Nenhum.
    EXPECT_EQ(desktop.controls().front(), desktop.boxes.front().get());
    EXPECT_EQ(desktop.controls().back(), &desktop.Nenhum);
}

TEST_F(PolicyScreens, LoadingTicksOnlyAnExactOne) {
    const auto& s = restrictions::kSystemPolicies;
    SetDword(s[0], 1);                                   // ticked
    SetRaw(s[1].key, s[1].valueName, 1, {'1', 0});       // REG_SZ "1" of another tool
    SetDword(s[3], 0x03FFFFFF);                          // a drive mask in NoDrives
    SetRaw(s[4].key, s[4].valueName, 3, {1, 0, 0, 0});   // REG_BINARY
    SetRaw(s[5].key, s[5].valueName, 1, {'1', ' ', 0});  // "1 " is not "1"
    SetDword(s[6], 0);
    SetRaw(s[7].key, s[7].valueName, 1, {'1'});  // REG_SZ without its zero
    auto& screen = program.screens.Open<frmRestS>(program.context);
    EXPECT_EQ(Ticks(screen), (std::vector<bool>{true, true, false, false, false, false, false, true,
                                                false, false, false}));
}

TEST_F(PolicyScreens, ApplyWritesEveryValueAsDwordAndCreatesTheFourKeys) {
    const auto& s = restrictions::kSystemPolicies;
    SetRaw(s[1].key, s[1].valueName, 1, {'1', 0});
    SetDword(s[3], 0x03FFFFFF);
    SetRaw(s[4].key, s[4].valueName, 3, {7, 7});
    auto& screen = program.screens.Open<frmRestS>(program.context);
    screen.Box("CheckS1")->UserClick();
    screen.Aplicar.UserClick();

    EXPECT_EQ(Raw(s[0].key, s[0].valueName), kDword1);
    EXPECT_EQ(Raw(s[1].key, s[1].valueName), kDword1) << "a REG_SZ \"1\" becomes a DWORD";
    for (std::size_t i = 2; i < s.size(); ++i)
        EXPECT_EQ(Raw(s[i].key, s[i].valueName), kDword0) << s[i].valueName;
    EXPECT_TRUE(Raw(restrictions::kWinOldAppPolicyKey, "x") == std::nullopt);
    platform::KeyHandle key = 0;
    EXPECT_EQ(program.registryApi.OpenKey(
                  0x80000001u, std::string(restrictions::kWinOldAppPolicyKey), 0x3F, key),
              0);
    program.registryApi.CloseKey(key);
    EXPECT_EQ(program.dialogs.messages,
              (std::vector<ShownMessage>{{"Restrições aplicadas com sucesso", "Quarvel", 64}}));
    EXPECT_TRUE(program.screens.IsOpen(screen)) << "the screen stays open after applying";

    screen.Aplicar.UserClick();
    EXPECT_EQ(program.dialogs.messages.size(), 2u) << "applying twice tells it twice";
}

TEST_F(PolicyScreens, TodosAndNenhumChangeOnlyTheBoxes) {
    auto& screen = program.screens.Open<frmRestEx>(program.context);
    screen.Todos.UserClick();
    EXPECT_EQ(Ticks(screen), std::vector<bool>(17, true));
    screen.Unload();
    for (const PolicyEntry& entry : restrictions::kExplorerPolicies)
        EXPECT_EQ(Raw(entry.key, entry.valueName), std::nullopt);

    auto& again = program.screens.Open<frmRestEx>(program.context);
    EXPECT_EQ(Ticks(again), std::vector<bool>(17, false));
    again.Todos.UserClick();
    again.UserAccept();  // Enter is Aplicar
    for (const PolicyEntry& entry : restrictions::kExplorerPolicies)
        EXPECT_EQ(Raw(entry.key, entry.valueName), kDword1) << entry.valueName;
    again.Nenhum.UserClick();
    EXPECT_EQ(Ticks(again), std::vector<bool>(17, false));
    again.Aplicar.UserClick();
    for (const PolicyEntry& entry : restrictions::kExplorerPolicies)
        EXPECT_EQ(Raw(entry.key, entry.valueName), kDword0) << entry.valueName;
    EXPECT_EQ(program.dialogs.messages.back(),
              (ShownMessage{"As alterações foram efetuadas com sucesso", "Quarvel", 64}));
}

TEST_F(PolicyScreens, NewDesktopIconsBoxStoresWhatItShows) {
    // The desktop screen's CheckD13 and the explorer screen's CheckE2 are
    // the one value NoSaveSettings: each shows what the other applied.
    auto& explorer = program.screens.Open<frmRestEx>(program.context);
    explorer.Box("CheckE2")->UserClick();
    explorer.Aplicar.UserClick();
    auto& desktop = program.screens.Open<frmRestD>(program.context);
    EXPECT_TRUE(desktop.Box("CheckD13")->checked());

    desktop.Nenhum.UserClick();
    desktop.Aplicar.UserClick();
    EXPECT_EQ(Raw(restrictions::kExplorerPolicyKey, "NoSaveSettings"), kDword0);
    explorer.Unload();
    EXPECT_FALSE(program.screens.Open<frmRestEx>(program.context).Box("CheckE2")->checked());

    desktop.Box("CheckD13")->UserClick();
    desktop.Aplicar.UserClick();
    EXPECT_EQ(Raw(restrictions::kExplorerPolicyKey, "NoSaveSettings"), kDword1);
}

TEST_F(PolicyScreens, RefusedWritesAreNamedInsteadOfTheSuccess) {
    auto& screen = program.screens.Open<frmRestS>(program.context);
    screen.Todos.UserClick();
    program.registryApi.DenyWrites(true);
    screen.Aplicar.UserClick();
    program.registryApi.DenyWrites(false);
    for (const PolicyEntry& entry : restrictions::kSystemPolicies)
        EXPECT_EQ(Raw(entry.key, entry.valueName), std::nullopt);
    ASSERT_EQ(program.dialogs.messages.size(), 1u);
    EXPECT_EQ(program.dialogs.messages[0].style, 16);
    EXPECT_TRUE(program.dialogs.messages[0].text.starts_with(
        "Não foi possível gravar as restrições NoFolderOptions, NoDeletePrinter, NoAddPrinter"))
        << program.dialogs.messages[0].text;
    EXPECT_EQ(program.registryApi.OpenHandles(), 0u);
}

}  // namespace
