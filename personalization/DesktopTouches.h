#pragma once
// Where the desktop touches live: the logon notice for every user, the
// Start menu's program list and the media player's recent files.
#include <string_view>

#include "core/LongValues.h"

namespace personalization {

inline constexpr std::string_view kWinlogonKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
inline constexpr std::string_view kLegalNoticeCaption = "LegalNoticeCaption";
inline constexpr std::string_view kLegalNoticeText = "LegalNoticeText";
// The logon dialog shows at most 2048 characters of text (four lines of 512
// on the NT family); a title is one line.
inline constexpr core::TextLimit kNoticeCaptionLimit = {"o título da mensagem de logon", 255};
inline constexpr core::TextLimit kNoticeTextLimit = {"o conteúdo da mensagem de logon", 2048};

inline constexpr std::string_view kExplorerAdvancedKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
inline constexpr std::string_view kStartMenuScrollPrograms = "StartMenuScrollPrograms";
inline constexpr std::string_view kScrolls = "YES";
inline constexpr std::string_view kColumns = "NO";

inline constexpr std::string_view kMediaPlayerRecentKey =
    "Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList";

}  // namespace personalization
