#pragma once
// The desktop speed-ups: values of the current user's desktop settings and
// the open-with verb for every file type.
#include <string_view>

#include "registry/RegistryAccess.h"

namespace optimization {

struct DesktopValue {
    Hive hive;
    std::string_view key;
    std::string_view valueName;
    std::string_view onData;
    std::string_view offData;
};

inline constexpr DesktopValue kMenuShowDelay = {Hive::CurrentUser, "Control Panel\\Desktop",
                                                "MenuShowDelay", "0", "500"};
inline constexpr DesktopValue kMinAnimate = {
    Hive::CurrentUser, "Control panel\\Desktop\\WindowMetrics", "MinAnimate", "1", "0"};

// The verb in the context menu of every file, under HKEY_CLASSES_ROOT. Its
// default text is also how the screen knows the verb as its own.
inline constexpr std::string_view kOpenWithKey = "*\\Shell\\OpenWith";
inline constexpr std::string_view kOpenWithCommandKey = "*\\Shell\\OpenWith\\Command";
inline constexpr std::string_view kOpenWithText = "QV - Abrir com...";
// Follows the Windows folder.
inline constexpr std::string_view kOpenWithCommand = "\\rundll32.exe shell32.dll,OpenAs_RunDLL %1";

}  // namespace optimization
