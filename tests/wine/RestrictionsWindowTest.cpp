// The restriction screens through their real windows, against the real
// registry and the real block-list file.
#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "restrictions/PolicyScreens.h"
#include "restrictions/frmRestE.h"
#include "restrictions/frmRestF.h"
#include "platform/win32/Wide.h"
#include "menus/frnINI.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using restrictions::allow_list::kListKey;
using wine_tests::MessageBoxAnswerer;
using wine_tests::RealProgram;
using wine_tests::SeenMessage;

struct RawValue {
    DWORD type = 0;
    std::string data;
    bool operator==(const RawValue&) const = default;
};

std::optional<RawValue> Raw(HKEY hive, std::string_view path, std::string_view name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(hive, std::string(path).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    char data[4096] = {};
    DWORD size = sizeof data;
    LONG status = RegQueryValueExA(key, std::string(name).c_str(), nullptr, &value.type,
                                   reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    value.data.assign(data, size);
    return value;
}

const RawValue kOn{REG_DWORD, std::string("\1\0\0\0", 4)};
const RawValue kOff{REG_DWORD, std::string(4, '\0')};

void DeleteValues(HKEY hive, std::string_view path, const std::vector<std::string>& names) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(hive, std::string(path).c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    for (const std::string& name : names) RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

void ForgetPolicies() {
    for (const auto& entry : restrictions::kExplorerPolicies)
        DeleteValues(HKEY_CURRENT_USER, entry.key, {std::string(entry.valueName)});
}

void ForgetAllowList() {
    std::vector<std::string> numbers;
    for (int number = 1; number <= 721; ++number) numbers.push_back(std::to_string(number));
    DeleteValues(HKEY_CURRENT_USER, kListKey, numbers);
    DeleteValues(HKEY_CURRENT_USER, restrictions::kExplorerPolicyKey, {"RestrictRun"});
}

std::vector<std::string> ListBoxItems(HWND list) {
    std::vector<std::string> items;
    auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)), L'\0');
        SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(item.data()));
        items.push_back(platform::win32::Narrow(item));
    }
    return items;
}

// Typing key by key: a multi-line box reports no change for WM_SETTEXT.
void TypeKeys(HWND edit, const std::string& utf8) {
    for (wchar_t c : platform::win32::Widen(utf8)) SendMessageW(edit, WM_CHAR, c, 1);
}

TEST(RestrictionsWindow, TwoTickedExplorerBoxesApplyAsOneAndTheRestAsZero) {
    ForgetPolicies();
    RealProgram real;
    auto& screen = real.program.screens.Open<restrictions::frmRestEx>(real.program.context);
    real.Pump();
    EXPECT_EQ(wine_tests::WindowTextUtf8(real.Window(screen)), "Explorer");
    HWND noClose = real.Window(*screen.Box("CheckE1"));
    EXPECT_EQ(wine_tests::WindowTextUtf8(noClose), "Desabilita o desligar");
    real.ClickAndPump(*screen.Box("CheckE1"));
    real.ClickAndPump(*screen.Box("CheckE3"));
    EXPECT_EQ(SendMessageW(noClose, BM_GETCHECK, 0, 0), BST_CHECKED);
    {
        MessageBoxAnswerer answerer;
        real.ClickAndPump(screen.Aplicar);
        EXPECT_EQ(
            answerer.Seen(),
            (std::vector<SeenMessage>{{"As alterações foram efetuadas com sucesso", "Quarvel"}}));
    }
    using namespace restrictions;
    EXPECT_EQ(Raw(HKEY_CURRENT_USER, kExplorerPolicyKey, "NoClose"), kOn);
    EXPECT_EQ(Raw(HKEY_CURRENT_USER, kSystemPolicyKey, "DisableRegistryTools"), kOn);
    EXPECT_EQ(Raw(HKEY_CURRENT_USER, kExplorerPolicyKey, "NoSaveSettings"), kOff);
    EXPECT_EQ(Raw(HKEY_CURRENT_USER, kNetworkPolicyKey, "NoNetSetupIDPage"), kOff);
    EXPECT_EQ(Raw(HKEY_CURRENT_USER, kSystemPolicyKey, "NoDispBackgroundPage"), kOff);
    HKEY winOldApp = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, std::string(kWinOldAppPolicyKey).c_str(), 0,
                            KEY_READ, &winOldApp),
              ERROR_SUCCESS);
    RegCloseKey(winOldApp);
    ForgetPolicies();
}

TEST(RestrictionsWindow, ProgramsAddedWithEnterAreStoredAndShownAgain) {
    ForgetAllowList();
    RealProgram real;
    auto& screen = real.program.screens.Open<restrictions::frmRestE>(real.program.context);
    real.Pump();
    HWND edit = real.Window(screen.Text1);
    for (const char* name : {"calc.exe", "notepad.exe"}) {
        TypeKeys(edit, name);
        wine_tests::PressKey(edit, VK_RETURN);
        real.Pump();
    }
    EXPECT_EQ(wine_tests::WindowTextUtf8(edit), "");
    EXPECT_EQ(ListBoxItems(real.Window(screen.List1)),
              (std::vector<std::string>{"calc.exe", "notepad.exe"}));
    {
        MessageBoxAnswerer answerer;
        real.ClickAndPump(screen.Label5);
        EXPECT_EQ(
            answerer.Seen(),
            (std::vector<SeenMessage>{{"As restrições foram aplicadas com sucesso", "Quarvel"}}));
    }
    EXPECT_EQ(Raw(HKEY_CURRENT_USER, kListKey, "6"),
              (RawValue{REG_SZ, std::string("calc.exe", 9)}));
    EXPECT_EQ(Raw(HKEY_CURRENT_USER, kListKey, "7"),
              (RawValue{REG_SZ, std::string("notepad.exe", 12)}));
    EXPECT_EQ(Raw(HKEY_CURRENT_USER, kListKey, "3"),
              (RawValue{REG_SZ, std::string("DErodu.exe", 11)}));
    EXPECT_EQ(Raw(HKEY_CURRENT_USER, restrictions::kExplorerPolicyKey, "RestrictRun"), kOn);

    SendMessageW(real.Window(screen), WM_CLOSE, 0, 0);
    real.Pump();
    auto& reopened = real.program.screens.Open<restrictions::frmRestE>(real.program.context);
    real.Pump();
    EXPECT_EQ(ListBoxItems(real.Window(reopened.List1)),
              (std::vector<std::string>{"calc.exe", "notepad.exe"}));
    ForgetAllowList();
}

TEST(RestrictionsWindow, TheMenuOpensTheBlockListWhichWritesItsFileAndLogonEntry) {
    RealProgram real;
    std::string path = real.program.files.ProgramFolder() + "\\restt.qvn";
    DeleteFileA(path.c_str());
    auto& menu = real.program.screens.Open<menus::frnINI>(real.program.context);
    real.Pump();
    real.ClickAndPump(*menu.Find("Label5"));  // "Pastas/Janelas"
    auto* screen = real.program.screens.Find<restrictions::frmRestF>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(wine_tests::WindowTextUtf8(real.Window(*screen)), "Bloquear Pastas/Janelas");
    TypeKeys(real.Window(screen->Text1), "C:\\Jogos\rPaciência");
    real.Pump();
    {
        MessageBoxAnswerer answerer;
        real.ClickAndPump(screen->Label4);
        EXPECT_EQ(answerer.Seen(),
                  (std::vector<SeenMessage>{{"Restrições aplicadas com sucesso", "Quarvel"}}));
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    in.close();
    EXPECT_EQ(bytes, "Quarvel by Ostrelvan - www.quarvel.com.br\r\nC:\\Jogos\r\nPaci\xEAncia\r\n");
    std::string entry = real.program.files.ProgramFolder() + "\\DErodu.exe";
    EXPECT_EQ(Raw(HKEY_LOCAL_MACHINE, restrictions::block_list::kRunKey, "TvalueT"),
              (RawValue{REG_SZ, std::string(entry.c_str(), entry.size() + 1)}));
    {
        MessageBoxAnswerer answerer;
        real.ClickAndPump(screen->Label5);
        EXPECT_EQ(answerer.Seen().size(), 1u);
    }
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Raw(HKEY_LOCAL_MACHINE, restrictions::block_list::kRunKey, "TvalueT"), std::nullopt);
}

TEST(RestrictionsWindow, EachRestrictionEntryOfTheMenuOpensItsWindow) {
    RealProgram real;
    auto& menu = real.program.screens.Open<menus::frnINI>(real.program.context);
    real.Pump();
    for (const char* label : {"Label9", "Label8", "Label7", "Label6"})
        real.ClickAndPump(*menu.Find(label));
    for (const char* caption : {"Restrição de executáveis", "Sistema", "Desktop", "Explorer"})
        EXPECT_NE(wine_tests::FindTopLevel(caption, 0, 500), nullptr) << caption;
    EXPECT_EQ(real.program.screens.Count(), 5u);
}

}  // namespace
