// Benchmarks under Wine with the real registry: each registry-layer
// operation beside the bare Win32 calls it makes, and the start of
// Quarvel.exe to its main menu. Prints one line per figure.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "platform/win32/Win32Codec.h"
#include "platform/win32/Win32Registry.h"
#include "registry/RegistryAccess.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

constexpr char kKey[] = "Software\\QuarvelBench";
constexpr int kRounds = 21;
constexpr int kCalls = 2000;

using Clock = std::chrono::steady_clock;

// Time of one call in microseconds, over one batch of many calls.
double Batch(const std::function<void()>& call) {
    auto start = Clock::now();
    for (int i = 0; i < kCalls; ++i) call();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / kCalls;
}

double MedianOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Batches of the layer and of the bare calls alternate, so that both meet
// the same load of the machine; the medians are compared.
void Compare(const char* name, const std::function<void()>& layer,
             const std::function<void()>& bare) {
    Batch(layer);  // warm up
    std::vector<double> layerUs, bareUs;
    for (int r = 0; r < kRounds; ++r) {
        layerUs.push_back(Batch(layer));
        bareUs.push_back(Batch(bare));
    }
    double a = MedianOf(layerUs), b = MedianOf(bareUs);
    std::printf("%-20s layer %7.1f us   bare calls %7.1f us   ratio %.2f\n", name, a, b, a / b);
}

void BareGetValue() {
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, 0x3F, &key);
    DWORD type = 0, size = 0;
    RegQueryValueExA(key, "s", nullptr, &type, nullptr, &size);
    std::vector<BYTE> data(size);
    RegQueryValueExA(key, "s", nullptr, &type, data.data(), &size);
    RegCloseKey(key);
}

void BareGetValueText() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, 0x2003F, &key) != 0) return;
    BYTE data[1024] = {};
    DWORD type = 0, size = sizeof data;
    RegQueryValueExA(key, "s", nullptr, &type, data, &size);
    RegCloseKey(key);
}

void BareSetValue() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, 0x3F, &key) != 0) return;
    DWORD one = 1;
    RegSetValueExA(key, "d", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4);
    RegCloseKey(key);
}

void StartUpToMainMenu(RegistryAccess& registry) {
    const char* version = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    registry.CreateKey(Hive::CurrentUser, version);
    std::string mode = registry.GetValue(Hive::CurrentUser, version, "Tb");
    registry.SetValue(Hive::CurrentUser, version, "Tb", "0", ValueType::String);
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
        PROCESS_INFORMATION process = {};
        auto start = Clock::now();
        if (!wine_tests::Launch(L"Quarvel.exe", process)) return;
        HWND menu = wine_tests::FindTopLevel("Quarvel 2.0 - www.quarvel.com.br",
                                             process.dwProcessId, 10000);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (menu) PostMessageW(menu, WM_CLOSE, 0, 0);
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    if (mode.empty()) {
        registry.DeleteValue(Hive::CurrentUser, version, "Tb");
    } else {
        registry.SetValue(Hive::CurrentUser, version, "Tb", mode, ValueType::String);
    }
    std::printf("%-20s median %.0f ms (of %zu starts, fastest %.0f ms)\n", "start to main menu",
                MedianOf(times), times.size(), *std::min_element(times.begin(), times.end()));
}

}  // namespace

int main() {
    platform::win32::SystemAnsiCodec codec;
    platform::win32::Win32Registry api;
    RegistryAccess registry(api, codec);
    registry.CreateKey(Hive::CurrentUser, kKey);
    registry.SetValue(Hive::CurrentUser, kKey, "s", "C:\\Program Files\\Quarvel\\Quarvel.exe",
                      ValueType::String);

    Compare(
        "GetValue", [&] { registry.GetValue(Hive::CurrentUser, kKey, "s"); }, BareGetValue);
    Compare(
        "GetValueText", [&] { registry.GetValueText(Hive::CurrentUser, kKey, "s"); },
        BareGetValueText);
    Compare(
        "SetValue", [&] { registry.SetValue(Hive::CurrentUser, kKey, "d", "1", ValueType::Dword); },
        BareSetValue);
    registry.DeleteKey(Hive::CurrentUser, kKey);
    StartUpToMainMenu(registry);
    return 0;
}
