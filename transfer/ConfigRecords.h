#pragma once
// The configuration file: one record per line, a 4-character key and its
// data. This header names the records and the values each one carries; the
// values themselves are the screens' own catalogues.
#include <array>
#include <string_view>

#include "registry/RegistryAccess.h"
#include "restrictions/PolicyCatalogues.h"

namespace transfer {

namespace key {
inline constexpr std::string_view Policies = "QV01";
inline constexpr std::string_view AllowList = "QV02";
// "1": the allow-list holds outside Explorer too; "0": it does not.
inline constexpr std::string_view OutsideExplorer = "QVc1";
inline constexpr std::string_view BlockList = "QV03";
inline constexpr std::string_view DesktopTuning = "QV04";
inline constexpr std::string_view BrowserTuning = "QV05";
inline constexpr std::string_view SaveDirectory = "QVa5";
inline constexpr std::string_view DiskCache = "QV06";
inline constexpr std::string_view NoticeCaption = "QV07";
inline constexpr std::string_view NoticeText = "QVa7";
inline constexpr std::string_view ScrollPrograms = "QVb7";
inline constexpr std::string_view BrowserLook = "QV08";
inline constexpr std::string_view StartPage = "QVa8";
inline constexpr std::string_view WindowTitle = "QVb8";
inline constexpr std::string_view LockCode = "QV09";
}  // namespace key

// Every key, in the order the import tries them.
inline constexpr std::array<std::string_view, 15> kRecordKeys = {
    key::Policies,      key::AllowList,     key::OutsideExplorer, key::BlockList,
    key::DesktopTuning, key::BrowserTuning, key::SaveDirectory,   key::DiskCache,
    key::NoticeCaption, key::NoticeText,    key::ScrollPrograms,  key::BrowserLook,
    key::StartPage,     key::WindowTitle,   key::LockCode};

inline constexpr std::size_t kKeyLength = 4;

// A text that holds line breaks goes on in lines of its own, one per break,
// each starting with the key of the break it follows. Readers that know only
// the plain records skip these lines, so the rest of such a text can never be
// taken for a record (a notice whose second line began "QV09" would set the
// lock code).
struct LineBreak {
    std::string_view key;
    std::string_view text;
};
inline constexpr std::array<LineBreak, 3> kLineBreaks = {{
    {"QV__", "\r\n"},
    {"QV_r", "\r"},
    {"QV_n", "\n"},  // read only: files now keep a lone LF inside its line
}};

// "QV01": the policies of the three screens in catalogue order (positions 1
// to 43), then the allow-list switch (position 44).
inline constexpr std::size_t kPolicyCount = restrictions::kSystemPolicies.size() +
                                            restrictions::kDesktopPolicies.size() +
                                            restrictions::kExplorerPolicies.size();
static_assert(kPolicyCount == 43, "the file carries 43 policies before the allow-list switch");

std::array<const restrictions::PolicyEntry*, kPolicyCount> PoliciesInFileOrder();

}  // namespace transfer
