#pragma once
// A screen's real window driven for WalkScreen: clicks, typing, Enter, Space
// and Esc, the words, tool tips and colours Windows shows, and the real
// registry put back as it was when the driver goes.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

#include "platform/win32/Wide.h"
#include "tests/support/ScreenTable.h"
#include "tests/wine/support/WindowDriver.h"

namespace wine_tests {

using testing_support::ShownMessage;
using testing_support::Stored;

// The colour a label is painted with, as its screen answers Windows: the
// brush and the text background must agree.
inline COLORREF BackgroundOf(HWND label) {
    HDC dc = GetDC(label);
    LOGBRUSH brush = {};
    GetObjectW(reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(label))),
               sizeof brush, &brush);
    COLORREF colour = GetBkColor(dc);
    ReleaseDC(label, dc);
    return brush.lbColor == colour ? colour : CLR_INVALID;
}

// Drives the screen's real window; when it goes, every value it was told to
// keep is put back and the keys made for the test are removed, deepest first.
template <class Screen>
struct WindowDriver {
    ~WindowDriver() {
        for (const auto& [hive, key] : setAside) registry().CreateKey(hive, key);
        for (auto it = kept.rbegin(); it != kept.rend(); ++it)
            registry().Restore(it->first.hive, it->first.key, it->first.name, it->second);
        for (auto it = made.rbegin(); it != made.rend(); ++it)
            registry().DeleteKey(it->first, it->second);
    }
    RegistryAccess& registry() { return real.program.registry; }
    platform::RegistryApi& api() { return real.program.registryApi; }
    void Keep(const Stored& value) {
        NoteMissing(value.hive, value.key);
        if (value.name)
            kept.emplace_back(value, registry().Snapshot(value.hive, value.key, value.name));
    }
    void NoteMissing(Hive hive, const std::string& path) {
        for (std::size_t end = 0; end != std::string::npos;) {
            end = path.find('\\', end + 1);
            if (!registry().KeyExists(hive, path.substr(0, end)))
                made.emplace_back(hive, path.substr(0, end));
        }
    }
    // Another test may leave a 9x Winlogon key holding a notice: set aside,
    // so that the notice goes where Wine, like the NT family, reads it.
    void Without9xWinlogon() {
        if (!registry().KeyExists(Hive::LocalMachine, k9xWinlogon)) return;
        for (const char* name : {"LegalNoticeCaption", "LegalNoticeText"})
            Keep({Hive::LocalMachine, k9xWinlogon, name});
        registry().DeleteKey(Hive::LocalMachine, k9xWinlogon);
        setAside.emplace_back(Hive::LocalMachine, k9xWinlogon);
    }
    void MakeKey(Hive hive, const char* path) {
        NoteMissing(hive, path);
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
    bool Lit(const std::string& name) {  // a checked option, or a label in the highlight
        return SendMessageW(At(name), BM_GETCHECK, 0, 0) == BST_CHECKED ||
               BackgroundOf(At(name)) == GetSysColor(COLOR_HIGHLIGHT);
    }
    void Type(const char* box, const char* text) {
        // Typed over a selection, so that every kind of box reports the change.
        SendMessageW(At(box), EM_SETSEL, 0, -1);
        SendMessageW(At(box), EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(platform::win32::Widen(text).c_str()));
        real.Pump();
    }
    // Runs the command as the user would, answering each message box it shows
    // with OK, and returns what they said: text, title and the style their icon
    // shows (16 stop, 48 exclamation, 64 information, 0 none).
    std::vector<ShownMessage> Run(const char* command, bool keyboard) {
        std::vector<ShownMessage> said;
        std::atomic<bool> done{false};
        std::thread user([&, ui = GetCurrentThreadId()] {
            for (HWND box = nullptr; !done; box = nullptr, Sleep(10)) {
                EnumThreadWindows(
                    ui,
                    [](HWND window, LPARAM found) {
                        wchar_t kind[8] = {};
                        GetClassNameW(window, kind, 8);
                        bool box = lstrcmpW(kind, L"#32770") == 0 && IsWindowVisible(window);
                        if (box) *reinterpret_cast<HWND*>(found) = window;
                        return BOOL(!box);
                    },
                    reinterpret_cast<LPARAM>(&box));
                if (!box) continue;
                auto icon =
                    reinterpret_cast<HICON>(SendDlgItemMessageW(box, 1088, STM_GETICON, 0, 0));
                int style = 0;
                for (auto [id, shown] : {std::pair{32513, 16}, {32515, 48}, {32516, 64}})
                    if (icon && icon == LoadIconW(nullptr, MAKEINTRESOURCEW(id))) style = shown;
                said.push_back({MessageText(box), WindowTextUtf8(box), style});
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                while (IsWindow(box) && IsWindowVisible(box)) Sleep(10);
            }
        });
        HWND control = At(command);
        bool box = form->Find(command)->kind() == forms::ControlKind::TextBox;
        if (box || keyboard) {
            SetFocus(control);
            PressKey(control, box ? VK_RETURN : VK_SPACE);
        } else {
            Click(control);
        }
        real.Pump();
        done = true;
        user.join();
        return said;
    }
    void Escape() {
        SetFocus(GetNextDlgTabItem(real.Window(*form), nullptr, FALSE));
        PressKey(GetFocus(), VK_ESCAPE);
        real.Pump();
    }
    bool Closed() { return real.program.screens.Find<Screen>() == nullptr; }

    RealProgram real;
    forms::Form* form = nullptr;
    std::vector<std::pair<Stored, std::optional<StoredValue>>> kept;
    std::vector<std::pair<Hive, std::string>> made, setAside;
    static constexpr char k9xWinlogon[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
};

}  // namespace wine_tests
