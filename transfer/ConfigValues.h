#pragma once
// The registry values behind each record of the configuration file.
#include <array>
#include <string_view>

#include "registry/RegistryAccess.h"
#include "shell/Settings.h"

namespace transfer {

struct TextValue {
    Hive hive;
    std::string_view key;
    std::string_view name;
};

inline constexpr std::string_view kBrowserMainKey = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr std::string_view kSwitchOn = "yes";
inline constexpr std::string_view kSwitchOff = "no";

// "QV05": five browser switches, "1" for a stored "yes".
inline constexpr std::array<TextValue, 5> kBrowserTuningFlags = {{
    {Hive::LocalMachine, kBrowserMainKey, "Enable_Disk_Cache"},
    {Hive::LocalMachine, kBrowserMainKey, "Delete_Temp_Files_On_Exit"},
    {Hive::CurrentUser, kBrowserMainKey, "Show_FullURL"},
    {Hive::LocalMachine, kBrowserMainKey, "Use_Async_DNS"},
    {Hive::CurrentUser, kBrowserMainKey, "FullScreen"},
}};

// "QV08": the five switches of the browser personalisation screen.
inline constexpr std::array<TextValue, 5> kBrowserLookFlags = {{
    {Hive::CurrentUser, kBrowserMainKey, "Save_Session_History_On_Exit"},
    {Hive::CurrentUser, kBrowserMainKey, "Disable Script Debugger"},
    {Hive::CurrentUser, kBrowserMainKey, "FormSuggest PW Ask"},
    {Hive::CurrentUser, kBrowserMainKey, "Use FormSuggest"},
    {Hive::CurrentUser, kBrowserMainKey, "Error Dlg Displayed On Every Error"},
}};

// "QV04": two desktop values with their data for "1" and for anything
// else, and the open-with verb of every file.
struct DesktopValue {
    TextValue value;
    std::string_view onData;
    std::string_view offData;
};
inline constexpr DesktopValue kMenuShowDelay = {
    {Hive::CurrentUser, "Control Panel\\Desktop", "MenuShowDelay"}, "0", "500"};
inline constexpr DesktopValue kMinAnimate = {
    {Hive::CurrentUser, "Control panel\\Desktop\\WindowMetrics", "MinAnimate"}, "1", "0"};
inline constexpr std::string_view kOpenWithKey = "*\\Shell\\OpenWith";
inline constexpr std::string_view kOpenWithCommandKey = "*\\Shell\\OpenWith\\Command";
inline constexpr std::string_view kOpenWithText = "QV - Abrir com...";
inline constexpr std::string_view kOpenWithCommand = "\\rundll32.exe shell32.dll,OpenAs_RunDLL %1";

inline constexpr std::string_view kWinlogonKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
inline constexpr TextValue kSaveDirectory = {
    Hive::CurrentUser, "SOFTWARE\\Microsoft\\Internet Explorer\\Main", "Save Directory"};
inline constexpr TextValue kDiskCacheTemplate = {
    Hive::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates", ""};
inline constexpr TextValue kNoticeCaption = {Hive::LocalMachine, kWinlogonKey,
                                             "LegalNoticeCaption"};
inline constexpr TextValue kNoticeText = {Hive::LocalMachine, kWinlogonKey, "LegalNoticeText"};
inline constexpr TextValue kScrollPrograms = {
    Hive::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
    "StartMenuScrollPrograms"};
inline constexpr TextValue kStartPage = {Hive::CurrentUser, kBrowserMainKey, "Start Page"};
inline constexpr TextValue kWindowTitle = {Hive::CurrentUser, kBrowserMainKey, "Window Title"};
inline constexpr TextValue kLockCodeValue = {Hive::LocalMachine, shell::kCurrentVersion,
                                             shell::kLockCode};

}  // namespace transfer
