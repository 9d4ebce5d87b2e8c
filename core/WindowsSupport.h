#pragma once
// Which Windows honours each setting the program writes. One row per
// setting, named as the registry names it (a value name, or a key that only
// some Windows have), with the first and the last Windows that honour it,
// taken from Microsoft's Administrative Templates ("Supported on") and its
// notes on removed features; the README lists the sources by their tags.
// Where the sources say nothing or disagree the row says so, and nothing is
// said of that setting anywhere.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "platform/Accounts.h"

namespace core {

// In the order Windows came out; Nine is Windows 95, 98 and Me.
enum class Windows { Nine, W2000, XP, Vista, W7, W8, W81, W10, W11 };

struct Support {
    std::string_view setting;
    bool known = false;  // false: "não se sabe"
    Windows first = Windows::Nine, last = Windows::W11;
    // The key itself exists only where the setting is honoured: elsewhere
    // nothing is written there.
    bool wholeKey = false;
    std::string_view sources;
};

namespace support {
constexpr Support Since(std::string_view setting, Windows first, std::string_view sources) {
    return {setting, true, first, Windows::W11, false, sources};
}
constexpr Support Until(std::string_view setting, Windows first, Windows last,
                        std::string_view sources) {
    return {setting, true, first, last, false, sources};
}
constexpr Support Unknown(std::string_view setting, std::string_view sources) {
    return {setting, false, Windows::Nine, Windows::W11, false, sources};
}

using enum Windows;
inline constexpr std::array kRows = {
    // The system restrictions screen.
    support::Since("NoFolderOptions", W2000, "T-Explorer"),
    support::Since("NoDeletePrinter", W2000, "T-Printing"),
    support::Since("NoAddPrinter", W2000, "T-Printing"),
    support::Since("NoDrives", W2000, "T-Explorer"),
    support::Since("NoFileMenu", W2000, "T-Explorer"),
    // The templates end at Windows 8.1; Microsoft's MDM policies still offer them for 10.
    support::Unknown("NoSetFolders", "T-Start, CSP-Start"),
    support::Unknown("NoWindowsUpdate", "T-Start, CSP-Start"),
    support::Until("NoNetworkConnections", W2000, Vista, "T-Start"),
    support::Unknown("NoWorkgroupContents", "-"),
    support::Since("DisableChangePassword", W2000, "T-CtrlAltDel"),
    support::Since("DisableLockWorkstation", W2000, "T-CtrlAltDel"),
    // The desktop restrictions screen.
    support::Since("NoDesktop", W2000, "T-Desktop"),
    support::Since("NoNetHood", W2000, "T-Desktop"),
    // The template still says "at least Windows 2000"; the browser it hides is retired.
    support::Unknown("NoInternetIcon", "T-Desktop, IE"),
    support::Until("NoFavoritesMenu", W2000, W7, "T-Start"),
    support::Since("NoChangeStartMenu", W2000, "T-Start"),
    support::Since("NoRecentDocsHistory", W2000, "T-Start"),
    support::Until("NoRecentDocsMenu", W2000, W7, "T-Start"),
    support::Unknown("NoRun", "T-Start, CSP-Start"),
    support::Since("NoSetTaskbar", W2000, "T-Start"),
    support::Until("NoFind", XP, XP, "T-Start"),
    support::Since("ClearRecentDocsOnExit", W2000, "T-Start"),
    support::Since("NoCommonGroups", W2000, "T-Start"),
    support::Since("NoSaveSettings", W2000, "T-Desktop"),
    support::Until("NoSMHelp", W2000, W7, "T-Start"),
    // Not in today's templates; every Active Desktop policy there ends with XP.
    support::Until("NoSetActiveDesktop", W2000, XP, "T-Desktop"),
    // The explorer restrictions screen.
    support::Since("NoClose", W2000, "T-Start"),
    support::Since("DisableRegistryTools", W2000, "T-Shell"),
    support::Until("NoNetSetupIDPage", Nine, Nine, "RK95"),
    support::Unknown("NoPrintSharing", "RK98"),
    support::Until("NoFileSharingControl", Nine, Nine, "RK98"),
    support::Until("NoNetSetup", Nine, Nine, "RK95"),
    support::Until("NoDevMgrPage", Nine, Nine, "RK95"),
    support::Until("NoProfilePage", Nine, Nine, "RK95"),
    support::Until("NoAdminPage", Nine, Nine, "RK95"),
    support::Until("NoPwdPage", Nine, Nine, "RK95"),
    support::Until("NoSecCPL", Nine, Nine, "RK95"),
    support::Since("NoDispCPL", W2000, "T-Display"),
    support::Until("NoDispSettingsPage", W2000, XP, "T-Display"),
    support::Since("NoDispAppearancePage", W2000, "T-Display"),
    support::Since("NoDispScrSavPage", W2000, "T-Display"),
    support::Since("NoDispBackgroundPage", W2000, "T-Display"),
    // The allow-list.
    support::Since("RestrictRun", W2000, "T-Shell"),
    // Personalisation: the logon notice and the Start menu.
    support::Unknown("LegalNoticeCaption", "RK95, SEC"),
    support::Unknown("LegalNoticeText", "RK95, SEC"),
    support::Unknown("StartMenuScrollPrograms", "-"),
    support::Unknown("Shell Icons", "-"),
    support::Unknown("ShellIconCache", "-"),
    // The browser: retired on Windows 10, absent from 11. Its start page also
    // goes to today's browsers through their own policies.
    support::Since("Start Page", W2000, "IE, B-Firefox, B-Edge, B-Chrome"),
    support::Until("Window Title", W2000, W81, "IE"),
    support::Until("Save Directory", W2000, W81, "IE"),
    support::Until("Save_Session_History_On_Exit", W2000, W81, "IE"),
    support::Until("Disable Script Debugger", W2000, W81, "IE"),
    support::Until("FormSuggest PW Ask", W2000, W81, "IE"),
    support::Until("Use FormSuggest", W2000, W81, "IE"),
    support::Until("Error Dlg Displayed On Every Error", W2000, W81, "IE"),
    support::Until("Enable_Disk_Cache", W2000, W81, "IE"),
    support::Until("Delete_Temp_Files_On_Exit", W2000, W81, "IE"),
    support::Until("Use_Async_DNS", W2000, W81, "IE"),
    support::Until("Show_FullURL", W2000, W81, "IE"),
    support::Until("FullScreen", W2000, W81, "IE"),
    // The mail program: replaced by Windows Mail in Vista.
    support::Until("WindowTitle", W2000, XP, "REMOVED"),
    support::Until("NoSplash", W2000, XP, "REMOVED"),
    // Optimisation.
    support::Unknown("MenuShowDelay", "-"),
    support::Unknown("MinAnimate", "-"),
    support::Unknown("OpenWith", "-"),
    Support{"FS Templates", true, Nine, Nine, true, "RK95, KB140679"},
};
}  // namespace support

inline constexpr const auto& kWindowsSupport = support::kRows;

// The release of a version as Windows reports it; Windows 11 is 10.0 from
// build 22000 on.
Windows ReleaseOf(const platform::WindowsVersion& version);

// The row of a setting (letter case aside); null when the table has none.
const Support* SupportOf(std::string_view setting);

// False only when the table knows that this Windows ignores the setting.
bool Honours(Windows running, std::string_view setting);

// The setting of a key this Windows does not have (the key, or one of its
// parents, is a whole-key row it ignores); empty when there is none.
std::string_view KeyGoneOn(Windows running, std::string_view key);

// A screen's own caption of a setting it writes.
struct CaptionedSetting {
    std::string_view caption;
    std::string_view setting;
};

// "Sem efeito neste Windows: " and the captions (without a closing ":")
// of the settings this Windows ignores, separated by "; "; empty when
// there are none.
std::string NoEffectLine(Windows running, std::span<const CaptionedSetting> settings);
// The same, of the Windows this computer runs.
std::string NoEffectLine(platform::Accounts& accounts, std::span<const CaptionedSetting> settings);

}  // namespace core
