// Benchmark: the restriction commands against the bare registry and file
// calls they need, measured in the same run under Wine (scripts/bench.sh).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

#include "platform/win32/Wide.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"
#include "restrictions/PolicyScreens.h"
#include "restrictions/frmRestE.h"
#include "restrictions/frmRestF.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using restrictions::allow_list::kListKey;

constexpr int kRounds = 9;

using Clock = std::chrono::steady_clock;
using Step = std::function<void()>;

double TimeMs(const Step& run, const Step& prepare) {
    prepare();
    auto start = Clock::now();
    run();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The command and its bare calls alternate, so that both meet the same load
// of the machine; prepare runs untimed before each.
void Compare(
    const char* command, const Step& ours, const Step& bare, const Step& prepareOurs = [] {},
    const Step& prepareBare = [] {}) {
    std::vector<double> oursMs, bareMs;
    for (int round = 0; round < kRounds; ++round) {
        oursMs.push_back(TimeMs(ours, prepareOurs));
        bareMs.push_back(TimeMs(bare, prepareBare));
    }
    double a = Median(oursMs), b = Median(bareMs);
    std::printf("| %-46s | %7.1f | %7.1f | %5.2f |\n", command, a, b, a / b);
    std::fflush(stdout);
}

std::string Path(std::string_view path) {
    return std::string(path);
}

// The bare calls: each registry operation opens and closes its key, as the
// program's do.
void BareRead(std::string_view path, const std::string& name, bool sized) {
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, Path(path).c_str(), 0, sized ? 0x3F : 0x2003F, &key);
    char data[1024];
    DWORD size = sizeof data;
    if (sized) RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, &size);
    RegQueryValueExA(key, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
}

void BareCreate(std::string_view path) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, Path(path).c_str(), 0, nullptr, 0, 0x3F, nullptr, &key,
                    nullptr);
    RegCloseKey(key);
}

void BareSet(HKEY hive, std::string_view path, const std::string& name, DWORD type,
             const std::string& data) {
    HKEY key = nullptr;
    RegOpenKeyExA(hive, Path(path).c_str(), 0, 0x3F, &key);
    RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(type == REG_DWORD ? 4 : data.size() + 1));
    RegCloseKey(key);
}

void BareDelete(std::string_view path, const std::string& name) {
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, Path(path).c_str(), 0, 0x3F, &key);
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

class RestrictionsBenchmark : public ::testing::Test {
  protected:
    void SetUp() override {
        real.program.values.baseFolder = real.program.files.ProgramFolder();
        std::printf("| %-46s | %7s | %7s | %5s |\n|---|---:|---:|---:|\n", "command", "ms",
                    "bare ms", "ratio");
    }

    wine_tests::RealProgram real;
    testing_support::ScriptedDialogs silent;
    core::Context context{real.program.registry, silent,
                          real.program.files,    real.program.pictures,
                          real.program.values,   real.program.target,
                          real.program.accounts, real.program.services};
};

TEST_F(RestrictionsBenchmark, AllowList) {
    auto& screen = real.program.screens.Open<restrictions::frmRestE>(context);
    real.Pump();
    std::vector<std::string> full;
    for (std::size_t i = 0; i < restrictions::allow_list::kUserCapacity; ++i)
        full.push_back("programa" + std::to_string(i) + ".exe");
    screen.List1.SetItems(full);
    screen.Bloquear_Click();

    Compare(
        "allow-list load (Atual), 594 entries", [&] { screen.Atual_Click(); },
        [] {
            for (int n = 6; n <= 599; ++n) BareRead(kListKey, std::to_string(n), true);
        });

    auto bareApply = [&](std::size_t entries) {
        BareCreate(restrictions::kExplorerPolicyKey);
        BareCreate(kListKey);
        for (int n = 1; n <= 3; ++n)
            BareSet(HKEY_CURRENT_USER, kListKey, std::to_string(n), REG_SZ, "Quarvel.exe");
        for (std::size_t i = 0; i < entries; ++i)
            BareSet(HKEY_CURRENT_USER, kListKey, std::to_string(i + 6), REG_SZ, full[i]);
        for (std::size_t n = entries + 6; n <= 599; ++n) BareDelete(kListKey, std::to_string(n));
        BareSet(HKEY_CURRENT_USER, restrictions::kExplorerPolicyKey, "RestrictRun", REG_DWORD,
                std::string("\1\0\0\0", 4));
    };
    Compare(
        "allow-list Bloquear, 594 entries", [&] { screen.Bloquear_Click(); },
        [&] { bareApply(594); });

    screen.List1.SetItems({full.begin(), full.begin() + 10});
    Compare(
        "allow-list Bloquear, 10 entries (584 deletes)", [&] { screen.Bloquear_Click(); },
        [&] { bareApply(10); });

    for (int n = 1; n <= 599; ++n) BareDelete(kListKey, std::to_string(n));
    BareDelete(restrictions::kExplorerPolicyKey, "RestrictRun");
}

TEST_F(RestrictionsBenchmark, PolicyScreen) {
    auto& screen = real.program.screens.Open<restrictions::frmRestEx>(context);
    real.Pump();
    const auto& catalogue = restrictions::kExplorerPolicies;
    Compare(
        "policy screen load, 17 values", [&] { screen.Load(); },
        [&] {
            for (const auto& entry : catalogue)
                BareRead(entry.key, std::string(entry.valueName), false);
        });
    Compare(
        "policy screen Aplicar, 17 values", [&] { screen.Aplicar_Click(); },
        [&] {
            for (std::string_view key : restrictions::kPolicyKeys) BareCreate(key);
            for (const auto& entry : catalogue)
                BareSet(HKEY_CURRENT_USER, entry.key, std::string(entry.valueName), REG_DWORD,
                        std::string(4, '\0'));
        });
    for (const auto& entry : catalogue) BareDelete(entry.key, std::string(entry.valueName));
}

TEST_F(RestrictionsBenchmark, BlockList) {
    std::string path = restrictions::block_list::FilePath(real.program.values.baseFolder);
    std::string text = restrictions::block_list::SignatureLine();
    for (int i = 0; i < 10000; ++i)
        text += "\r\nC:\\Pasta bloqueada n\xC2\xBA " + std::to_string(i);
    real.program.files.WriteText(path, text + "\r\n");
    std::wstring wide = platform::win32::Widen(path);
    std::string bytes;

    auto& screen = real.program.screens.Open<restrictions::frmRestF>(context);
    real.Pump();
    HWND edit = real.Window(screen.Text1);
    auto emptyBox = [&] { screen.Text1.SetText(""); };
    // Reading the file and showing it: the least a load can do.
    std::wstring shown;
    auto clearWindow = [&] { SetWindowTextW(edit, L""); };
    auto bareLoad = [&] {
        HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        bytes.resize(GetFileSize(file, nullptr));
        DWORD read = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        CloseHandle(file);
        shown.resize(bytes.size());
        shown.resize(static_cast<std::size_t>(
            MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                shown.data(), static_cast<int>(shown.size()))));
        SetWindowTextW(edit, shown.c_str());
    };
    Compare(
        "block list load (Atuais), 10000 lines", [&] { screen.Atuais_Click(); }, bareLoad, emptyBox,
        clearWindow);
    screen.Atuais_Click();

    std::wstring temporary = wide + L".tmp~";
    // Writing the text the screen holds (UTF-8, as all text inside the
    // program) in the ANSI code page, through a temporary file.
    const std::string& held = screen.Text1.text();
    std::wstring wideText(held.size(), L'\0');
    std::string ansi(held.size() * 2, '\0');
    auto bareApply = [&] {
        int wideLength = MultiByteToWideChar(CP_UTF8, 0, held.data(), static_cast<int>(held.size()),
                                             wideText.data(), static_cast<int>(wideText.size()));
        int length = WideCharToMultiByte(CP_ACP, 0, wideText.data(), wideLength, ansi.data(),
                                         static_cast<int>(ansi.size()), nullptr, nullptr);
        HANDLE file =
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, ansi.data(), static_cast<DWORD>(length), &written, nullptr);
        CloseHandle(file);
        MoveFileExW(temporary.c_str(), wide.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        BareSet(HKEY_LOCAL_MACHINE, restrictions::block_list::kRunKey, "TvalueT", REG_SZ,
                "C:\\Quarvel\\DErodu.exe");
    };
    Compare(
        "block list Bloquear, 10000 lines", [&] { screen.Bloquear_Click(); }, bareApply);
    DeleteFileW(wide.c_str());
    restrictions::block_list::RemoveLogonEntry(real.program.registry);
}

}  // namespace
