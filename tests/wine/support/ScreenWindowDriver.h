#pragma once
// A screen's real window driven and read as a user would, walked through its
// table; the real registry is put back as it was when the driver goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "tests/support/ScreenTable.h"
#include "tests/wine/support/WindowDriver.h"

namespace wine_tests {

using namespace testing_support;

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

// Values put as a test needs them and back as they were when it goes; keys
// made on their paths, by the test or by the program, go too.
class KeptRegistry {
  public:
    explicit KeptRegistry(RegistryAccess& registry) : registry_(registry) {}
    ~KeptRegistry() {
        for (auto it = kept_.rbegin(); it != kept_.rend(); ++it)
            registry_.Restore(it->first.hive, it->first.key, it->first.name, it->second);
        for (auto it = made_.rbegin(); it != made_.rend(); ++it)
            registry_.DeleteKey(it->first, it->second);
    }
    void Keep(const Stored& value) {
        std::string path = value.key;
        for (std::size_t end = 0; end != std::string::npos;) {
            end = path.find('\\', end + 1);
            if (!registry_.KeyExists(value.hive, path.substr(0, end)))
                made_.emplace_back(value.hive, path.substr(0, end));
        }
        if (value.name)
            kept_.emplace_back(value, registry_.Snapshot(value.hive, value.key, value.name));
    }
    // Kept, then put as it must be: its text, or absent; its key made.
    void Set(const Stored& value) {
        Keep(value);
        registry_.CreateKey(value.hive, value.key);
        registry_.DeleteValue(value.hive, value.key, value.name);
        if (value.data) PutText(registry_, value.hive, value.key, value.name, value.data);
    }

  private:
    RegistryAccess& registry_;
    std::vector<std::pair<Stored, std::optional<StoredValue>>> kept_;
    std::vector<std::pair<Hive, std::string>> made_;
};

template <class Screen>
struct ScreenWindow {
    // As on Wine and the NT family, no 9x Winlogon key: the notice goes where the logon reads it.
    void Without9xWinlogon() { registry.DeleteKey(Hive::LocalMachine, kWinlogon); }

    void Open() {
        form = &real.program.screens.Open<Screen>(real.program.context);
        real.Pump();
    }
    HWND At(const std::string& name) { return real.Window(*form->Find(name)); }
    std::string Text(const std::string& name) { return WindowTextUtf8(At(name)); }
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
    // Runs the command as the user would; what the message boxes it showed said.
    Said Run(const char* command, bool keyboard = false, std::vector<DialogAnswer> answers = {}) {
        MessageBoxAnswerer answerer(std::move(answers));
        HWND control = At(command);
        bool box = form->Find(command)->kind() == forms::ControlKind::TextBox;
        if (box || keyboard) {
            SetFocus(control);
            PressKey(control, box ? VK_RETURN : VK_SPACE);
        } else {
            Click(control);
        }
        real.Pump();
        return answerer.Seen();
    }

    // Puts the table's registry in place, opens the screen, compares its
    // words and runs the steps in turn; Esc closes it at the end. The notice
    // screen's table expects no 9x Winlogon key, as on Wine and the NT family.
    void Walk(const ScreenTable& table) {
        SCOPED_TRACE(table.caption);
        Without9xWinlogon();
        for (const Step& step : table.steps)
            for (const Stored& value : step.after) kept.Keep(value);
        for (const Stored& value : table.given) kept.Set(value);
        Open();
        EXPECT_EQ(WindowTextUtf8(real.Window(*form)), table.caption);
        for (bool tip : {false, true}) {
            std::string_view all = tip ? table.tips : table.words;
            for (std::size_t at = 0, end = 0; at < all.size(); at = end + 1) {
                end = std::min(all.find('|', at), all.size());
                std::string_view words = all.substr(at, end - at);
                char mark = words[0] == '*' || words[0] == '~' ? words[0] : 0;
                std::string name(words.substr(mark ? 1 : 0, words.find('=') - (mark ? 1 : 0)));
                EXPECT_EQ(tip ? ToolTipOf(At(name)) : Text(name),
                          words.substr(words.find('=') + 1));
                EXPECT_TRUE(!mark || Lit(name) == (mark == '*')) << name << " on opening";
            }
        }
        EXPECT_EQ(table.list ? ListRows(At(table.list)) : std::vector<std::string>{},
                  std::vector<std::string>(table.rows.begin(), table.rows.end()));
        for (const Step& step : table.steps) {
            SCOPED_TRACE(std::string(step.command) +
                         (step.typed.empty() ? "" : step.typed[0].text));
            for (const Typed& typed : step.typed) Type(typed.box, typed.text);
            EXPECT_EQ(Run(step.command, step.keyboard), step.said);
            for (const Stored& value : step.after)
                EXPECT_TRUE(Holds(registry, real.program.registryApi, value));
            for (const Typed& typed : step.typed) EXPECT_EQ(Text(typed.box), typed.text);
            for (auto [name, lit] : {std::pair{step.chosen.lit, true}, {step.chosen.dim, false}})
                EXPECT_TRUE(!name || Lit(name) == lit) << name << (lit ? " not" : "") << " chosen";
        }
        SetFocus(GetNextDlgTabItem(real.Window(*form), nullptr, FALSE));
        PressKey(GetFocus(), VK_ESCAPE);
        real.Pump();
        EXPECT_EQ(real.program.screens.Find<Screen>(), nullptr) << "Esc closes the screen";
    }

    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    KeptRegistry kept{registry};
    forms::Form* form = nullptr;
};

}  // namespace wine_tests
