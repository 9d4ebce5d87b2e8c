#pragma once
// A screen as its user and Windows know it: its caption, the words and tool
// tips of its controls, and for each command what it says and what it leaves
// in the registry. Written once per screen (ScreenTables.h) and walked
// through the real window and the real registry (ScreenWindow::Walk).
#include <gtest/gtest.h>

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "registry/RegistryAccess.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/ScriptedDialogs.h"

namespace testing_support {

// A value as it must be: its REG_SZ text, absent (no data), or with no name
// the whole key absent.
struct Stored {
    Hive hive;
    const char *key, *name = nullptr, *data = nullptr;
};
struct Typed {
    const char *box, *text;
};
// A member of a group shown as chosen (highlighted, or checked), and one not.
struct Chosen {
    const char *lit = nullptr, *dim = nullptr;
};
struct Step {
    std::vector<Typed> typed{};  // typed in first, and still there afterwards
    const char* command = "";    // a control clicked; a text box: Enter in it
    std::vector<ShownMessage> said{};
    std::vector<Stored> after{};
    Chosen chosen{};
    bool keyboard = false;  // Space on the focused label
};
// The common steps, one line each.
inline Step Click(const char* command, std::vector<ShownMessage> said,
                  std::vector<Stored> after = {}) {
    return {.command = command, .said = std::move(said), .after = std::move(after)};
}
inline Step Type(std::vector<Typed> typed, const char* command, std::vector<ShownMessage> said,
                 std::vector<Stored> after = {}) {
    Step step = Click(command, std::move(said), std::move(after));
    step.typed = std::move(typed);
    return step;
}
inline Step Choose(const char* lit, const char* dim, std::vector<Stored> after = {},
                   bool keyboard = false, std::vector<ShownMessage> said = {}) {
    Step step = Click(lit, std::move(said), std::move(after));
    step.chosen = {lit, dim};
    step.keyboard = keyboard;
    return step;
}

struct ScreenTable {
    const char* caption;
    // "Control=caption|..." (a box: its text on opening); a leading * marks a
    // control shown as chosen on opening, a leading ~ one shown as not chosen.
    const char* words = "";
    const char* tips = "";        // "Control=tool tip|..."
    std::vector<Stored> given{};  // what another tool left (its key made) before it opens
    std::vector<Step> steps{};
    const char* list = nullptr;  // a list box and its rows
    std::span<const char* const> rows{};
};

inline void PrintTo(const ShownMessage& message, std::ostream* out) {
    *out << "{\"" << message.text << "\", \"" << message.title << "\", " << message.style << "}";
}

inline ::testing::AssertionResult Holds(RegistryAccess& registry, platform::RegistryApi& api,
                                        const Stored& value) {
    if (!value.name) return KeyIsAbsent(registry, value.hive, value.key);
    if (!value.data) return IsAbsent(registry, value.hive, value.key, value.name);
    auto result = HasValue(registry, value.hive, value.key, value.name, value.data);
    if (result && TypeOf(api, value.hive, value.key, value.name) != 1)
        return ::testing::AssertionFailure() << value.key << "\\" << value.name << " not REG_SZ";
    return result;
}

}  // namespace testing_support
