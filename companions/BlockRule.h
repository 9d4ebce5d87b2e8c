#pragma once
// Which windows the blocking companion closes. A listed name matches a
// window title equal to it, ignoring letter case and the blanks around
// either; a name that is a folder path also matches a title that is the
// path's last folder, as folder windows show either.
#include <string>
#include <string_view>
#include <vector>

namespace companions {

// The names of a block-list file's lines: the signature line and blank
// lines are not names.
std::vector<std::string> BlockedNames(const std::vector<std::string>& lines);

bool TitleMatches(std::string_view title, std::string_view name);

bool IsBlocked(std::string_view title, const std::vector<std::string>& names);

}  // namespace companions
