#pragma once
// A screen's real window driven for WalkScreen: clicks, typing, Enter, Space
// and Esc, the words, tool tips and colours Windows shows, and the real
// registry put back as it was when the driver goes.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "platform/win32/Wide.h"
#include "tests/support/ScreenTable.h"
#include "tests/wine/support/WindowDriver.h"

namespace wine_tests {

using testing_support::ShownMessage;
using testing_support::Stored;

// The background a label is painted with, as its screen answers Windows.
inline COLORREF BackgroundOf(HWND label) {
    HDC dc = GetDC(label);
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(label)));
    COLORREF colour = GetBkColor(dc);
    ReleaseDC(label, dc);
    LOGBRUSH painted = {};
    GetObjectW(brush, sizeof painted, &painted);
    EXPECT_EQ(painted.lbColor, colour) << "the brush and the text background agree";
    return colour;
}

// Puts back every value it was told of, and removes the keys made for the
// test, deepest first.
class KeptRegistry {
  public:
    explicit KeptRegistry(RegistryAccess& registry) : registry_(registry) {}
    ~KeptRegistry() {
        for (auto it = values_.rbegin(); it != values_.rend(); ++it)
            registry_.Restore(std::get<0>(*it), std::get<1>(*it), std::get<2>(*it),
                              std::get<3>(*it));
        for (auto it = keys_.rbegin(); it != keys_.rend(); ++it)
            registry_.DeleteKey(it->first, it->second);
    }
    void Keep(const Stored& value) {
        NoteMissing(value.hive, value.key);
        if (value.name)
            values_.emplace_back(value.hive, value.key, value.name,
                                 registry_.Snapshot(value.hive, value.key, value.name));
    }
    void NoteMissing(Hive hive, const std::string& path) {
        for (std::size_t end = 0; end != std::string::npos;) {
            end = path.find('\\', end + 1);
            std::string key = path.substr(0, end);
            if (!registry_.KeyExists(hive, key)) keys_.emplace_back(hive, key);
        }
    }

  private:
    RegistryAccess& registry_;
    std::vector<std::tuple<Hive, std::string, std::string, std::optional<StoredValue>>> values_;
    std::vector<std::pair<Hive, std::string>> keys_;
};

template <class Screen>
struct WindowDriver {
    static constexpr bool kSeesStyle = false;
    RegistryAccess& registry() { return real.program.registry; }
    platform::RegistryApi& api() { return real.program.registryApi; }
    void Keep(const Stored& value) { kept.Keep(value); }
    void MakeKey(Hive hive, const char* path) {
        kept.NoteMissing(hive, path);
        registry().CreateKey(hive, path);
    }
    void Open() {
        form = &real.program.screens.Open<Screen>(real.program.context);
        real.Pump();
    }
    std::string Caption() { return WindowTextUtf8(real.Window(*form)); }
    HWND At(const std::string& name) { return real.Window(*form->Find(name)); }
    std::string Text(const std::string& name) { return WindowTextUtf8(At(name)); }
    std::string Tip(const std::string& name) { return ToolTipOf(At(name)); }
    std::vector<std::string> Rows(const std::string& name) { return ListRows(At(name)); }
    bool Lit(const std::string& name) {
        HWND control = At(name);
        wchar_t kind[16] = {};
        GetClassNameW(control, kind, 16);
        if (lstrcmpiW(kind, L"Button") == 0)
            return SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        return BackgroundOf(control) == GetSysColor(COLOR_HIGHLIGHT);
    }
    void Type(const char* box, const char* text) {
        // Typed over a selection, so that every kind of box reports the change.
        SendMessageW(At(box), EM_SETSEL, 0, -1);
        SendMessageW(At(box), EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(platform::win32::Widen(text).c_str()));
        real.Pump();
    }
    std::vector<ShownMessage> Run(const char* command, bool keyboard) {
        MessageBoxAnswerer answerer;
        HWND control = At(command);
        bool box = form->Find(command)->kind() == forms::ControlKind::TextBox;
        if (box || keyboard) {
            SetFocus(control);
            PressKey(control, box ? VK_RETURN : VK_SPACE);
        } else {
            Click(control);
        }
        real.Pump();
        std::vector<ShownMessage> said;
        for (const SeenMessage& seen : answerer.Seen()) said.push_back({seen.text, seen.title, -1});
        return said;
    }
    void Escape() {
        SetFocus(GetNextDlgTabItem(real.Window(*form), nullptr, FALSE));
        PressKey(GetFocus(), VK_ESCAPE);
        real.Pump();
    }
    bool Closed() { return real.program.screens.Find<Screen>() == nullptr; }

    RealProgram real;
    KeptRegistry kept{real.program.registry};
    forms::Form* form = nullptr;
};

// Another test may leave a 9x Winlogon key holding a notice: set aside for
// the test, so that the notice goes where Wine, like the NT family, reads it.
struct Without9xWinlogon {
    static constexpr char k9x[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
    explicit Without9xWinlogon(RegistryAccess& registry) : registry(registry) {
        if (!registry.KeyExists(Hive::LocalMachine, k9x)) return;
        for (const char* name : {"LegalNoticeCaption", "LegalNoticeText"})
            kept.emplace_back(name, registry.Snapshot(Hive::LocalMachine, k9x, name));
        registry.DeleteKey(Hive::LocalMachine, k9x);
        existed = true;
    }
    ~Without9xWinlogon() {
        if (!existed) return;
        registry.CreateKey(Hive::LocalMachine, k9x);
        for (auto& [name, value] : kept) registry.Restore(Hive::LocalMachine, k9x, name, value);
    }
    RegistryAccess& registry;
    bool existed = false;
    std::vector<std::pair<const char*, std::optional<StoredValue>>> kept;
};

}  // namespace wine_tests
