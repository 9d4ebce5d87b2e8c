#include "companions/BlockRule.h"

#include "platform/AnsiCodec.h"
#include "restrictions/AllowList.h"
#include "restrictions/BlockList.h"

namespace companions {
namespace {

std::string_view Trim(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// Letter case folded for the Latin letters Portuguese names use.
std::u32string Folded(std::string_view utf8) {
    std::u32string text = platform::DecodeUtf8(Trim(utf8));
    for (char32_t& c : text) {
        if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 32;
    }
    return text;
}

// "C:\Jogos\Paciência\" -> "Paciência"; empty when the name is no path.
std::string_view LastFolder(std::string_view name) {
    name = Trim(name);
    while (!name.empty() && (name.back() == '\\' || name.back() == '/')) name.remove_suffix(1);
    auto slash = name.find_last_of("\\/");
    return slash == std::string_view::npos ? std::string_view() : name.substr(slash + 1);
}

}  // namespace

std::vector<std::string> BlockedNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const std::string& line : lines) {
        if (line.starts_with(restrictions::block_list::kSignature)) continue;
        std::string_view name = Trim(line);
        if (!name.empty()) names.emplace_back(name);
    }
    return names;
}

bool TitleMatches(std::string_view title, std::string_view name) {
    return BlockRule({std::string(name)}).Blocks(title);
}

bool IsOwnProgram(std::string_view imagePath, std::string_view programFolder) {
    if (imagePath.empty() || programFolder.empty()) return false;
    std::u32string path = Folded(imagePath);
    for (std::string_view own : restrictions::allow_list::kOwnExecutables)
        if (Folded(std::string(programFolder) + "\\" + std::string(own)) == path) return true;
    return false;
}

BlockRule::BlockRule(const std::vector<std::string>& lines) {
    for (const std::string& name : BlockedNames(lines)) Add(name);
}

void BlockRule::Add(std::string_view name) {
    if (std::u32string folded = Folded(name); !folded.empty()) forms_.insert(folded);
    if (std::u32string last = Folded(LastFolder(name)); !last.empty()) forms_.insert(last);
}

bool BlockRule::Blocks(std::string_view title) const {
    std::u32string folded = Folded(title);
    return !folded.empty() && forms_.count(folded) > 0;
}

}  // namespace companions
