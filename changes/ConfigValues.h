#pragma once
// The registry values behind each record of the configuration file, taken
// from the catalogues of the screens that own them.
#include <array>
#include <string_view>

#include "core/Settings.h"
#include "optimization/DesktopSettings.h"
#include "optimization/DiskCacheProfiles.h"
#include "personalization/BrowserAndMail.h"
#include "personalization/DesktopTouches.h"
#include "registry/RegistryAccess.h"

namespace changes {

struct TextValue {
    Hive hive;
    std::string_view key;
    std::string_view name;
};

namespace detail {
template <std::size_t N>
constexpr const personalization::BrowserSwitch* Switch(
    const std::array<personalization::BrowserSwitch, N>& switches, std::string_view name) {
    for (const auto& entry : switches)
        if (entry.valueName == name) return &entry;
    return nullptr;
}
}  // namespace detail

// "QV05": five browser switches in the file's order, "1" for a stored "yes".
inline constexpr std::array<const personalization::BrowserSwitch*, 5> kBrowserTuningFlags = {
    detail::Switch(personalization::kTuningBrowserSwitches, "Enable_Disk_Cache"),
    detail::Switch(personalization::kTuningBrowserSwitches, "Delete_Temp_Files_On_Exit"),
    detail::Switch(personalization::kTuningBrowserSwitches, "Show_FullURL"),
    detail::Switch(personalization::kTuningBrowserSwitches, "Use_Async_DNS"),
    detail::Switch(personalization::kTuningBrowserSwitches, "FullScreen"),
};

// "QV08": the five switches of the browser personalisation screen.
inline constexpr std::array<const personalization::BrowserSwitch*, 5> kBrowserLookFlags = {
    &personalization::kPersonalBrowserSwitches[0], &personalization::kPersonalBrowserSwitches[1],
    &personalization::kPersonalBrowserSwitches[2], &personalization::kPersonalBrowserSwitches[3],
    &personalization::kPersonalBrowserSwitches[4]};

constexpr bool AllFound(const auto& flags) {
    for (const auto* flag : flags)
        if (!flag) return false;
    return true;
}
static_assert(AllFound(kBrowserTuningFlags));

inline constexpr TextValue kSaveDirectory = {Hive::CurrentUser, personalization::kBrowserMainKey,
                                             personalization::kSaveDirectory};
inline constexpr TextValue kDiskCacheTemplate = {Hive::LocalMachine, optimization::kFsTemplatesKey,
                                                 ""};
// The logon notice lives in whichever Winlogon key this Windows reads
// (personalization::LogonNoticeKey).
constexpr TextValue NoticeCaptionAt(std::string_view winlogonKey) {
    return {Hive::LocalMachine, winlogonKey, personalization::kLegalNoticeCaption};
}
constexpr TextValue NoticeTextAt(std::string_view winlogonKey) {
    return {Hive::LocalMachine, winlogonKey, personalization::kLegalNoticeText};
}
inline constexpr TextValue kScrollPrograms = {Hive::CurrentUser,
                                              personalization::kExplorerAdvancedKey,
                                              personalization::kStartMenuScrollPrograms};
inline constexpr TextValue kStartPage = {Hive::CurrentUser, personalization::kBrowserMainKey,
                                         personalization::kStartPage};
inline constexpr TextValue kWindowTitle = {Hive::CurrentUser, personalization::kBrowserMainKey,
                                           personalization::kWindowTitle};
inline constexpr TextValue kLockCodeValue = {Hive::LocalMachine, core::kCurrentVersion,
                                             core::kLockCode};

}  // namespace changes
