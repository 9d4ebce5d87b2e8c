#include "personalization/LogonNotice.h"

#include "personalization/DesktopTouches.h"

namespace personalization {

std::optional<std::string_view> LogonNoticeKey(RegistryAccess& registry) {
    for (std::string_view key : {kWinlogonKey, kNtWinlogonKey})
        if (registry.KeyExists(Hive::LocalMachine, key)) return key;
    return std::nullopt;
}

}  // namespace personalization
