#pragma once
// Which windows the blocking companion closes. A listed name matches a
// window title equal to it, ignoring letter case and the blanks around
// either; a name that is a folder path also matches a title that is the
// path's last folder, as folder windows show either.
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace companions {

// The names of a block-list file's lines: the signature line and blank
// lines are not names.
std::vector<std::string> BlockedNames(const std::vector<std::string>& lines);

bool TitleMatches(std::string_view title, std::string_view name);

// Whether a process's executable, by its full path, is one of the program's
// own in the program's own folder: the blocker never closes their windows,
// whatever the list says, so that Quarvel and its rescue always stay
// reachable. The whole path is compared, ignoring letter case: a game copied
// to "Quarvel.exe" anywhere else is no exception.
bool IsOwnProgram(std::string_view imagePath, std::string_view programFolder);

// The names of a block list, folded once when the list is read, so that the
// titles checked several times a second are folded once each and looked up.
class BlockRule {
  public:
    BlockRule() = default;
    explicit BlockRule(const std::vector<std::string>& lines);
    bool Blocks(std::string_view title) const;
    bool empty() const { return forms_.empty(); }

  private:
    void Add(std::string_view name);
    std::set<std::u32string> forms_;  // each name, and the last folder of a path
};

}  // namespace companions
