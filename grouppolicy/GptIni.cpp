#include "grouppolicy/GptIni.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "registry/RegistryAccess.h"

namespace grouppolicy {
namespace {

constexpr std::string_view kSection = "[General]";
constexpr std::string_view kVersionKey = "Version";

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        start = end;
        if (start < text.size() && text[start] == '\r') ++start;
        if (start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

// The value of "name=value" when the line sets that name.
std::optional<std::string_view> ValueOf(std::string_view line, std::string_view name) {
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    std::string_view left = line.substr(0, equals);
    while (!left.empty() && left.back() == ' ') left.remove_suffix(1);
    if (!SameName(left, name)) return std::nullopt;
    return line.substr(equals + 1);
}

std::uint32_t NumberOf(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    std::uint64_t number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        number = std::min<std::uint64_t>(number * 10 + (c - '0'), 0xFFFFFFFFu);
    }
    return static_cast<std::uint32_t>(number);
}

// "[{ext}{tool}][{ext}{tool}]": each group an extension and its tools.
std::string WithRegistryExtension(std::string_view list, const GptHalf& half) {
    std::vector<std::vector<std::string>> groups;
    for (std::size_t at = 0; (at = list.find('[', at)) != std::string_view::npos;) {
        std::size_t end = list.find(']', at);
        if (end == std::string_view::npos) break;
        std::vector<std::string> ids;
        std::string_view group = list.substr(at + 1, end - at - 1);
        for (std::size_t open = 0; (open = group.find('{', open)) != std::string_view::npos;) {
            std::size_t close = group.find('}', open);
            if (close == std::string_view::npos) break;
            ids.emplace_back(group.substr(open, close - open + 1));
            open = close;
        }
        if (!ids.empty()) groups.push_back(std::move(ids));
        at = end;
    }
    auto ours = std::find_if(groups.begin(), groups.end(), [](const auto& ids) {
        return SameName(ids.front(), kRegistryExtension);
    });
    if (ours == groups.end()) {
        groups.push_back({std::string(kRegistryExtension)});
        ours = groups.end() - 1;
    }
    for (std::string_view tool : half.tools)
        if (!tool.empty() &&
            std::none_of(ours->begin() + 1, ours->end(),
                         [&](const std::string& id) { return SameName(id, tool); }))
            ours->emplace_back(tool);
    std::sort(ours->begin() + 1, ours->end(),
              [](const std::string& a, const std::string& b) { return Lowered(a) < Lowered(b); });
    // Windows expects the groups in the order of their extensions.
    std::stable_sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) {
        return Lowered(a.front()) < Lowered(b.front());
    });
    std::string joined;
    for (const auto& ids : groups) {
        joined += '[';
        for (const std::string& id : ids) joined += id;
        joined += ']';
    }
    return joined;
}

}  // namespace

std::uint32_t GptVersion(std::string_view text) {
    for (const std::string& line : Lines(text))
        if (auto value = ValueOf(line, kVersionKey)) return NumberOf(*value);
    return 0;
}

std::string RaisedGptIni(std::string_view text, const GptHalf& half) {
    std::uint32_t version = GptVersion(text);
    std::uint32_t mask = 0xFFFFu << half.shift;
    std::uint32_t raised = std::min<std::uint32_t>(((version & mask) >> half.shift) + 1, 0xFFFF);
    std::string versionLine =
        std::string(kVersionKey) + "=" + std::to_string(raised << half.shift | (version & ~mask));
    std::vector<std::string> lines = Lines(text);
    bool haveSection = false, haveVersion = false, haveExtensions = false;
    for (std::string& line : lines) {
        haveSection |= SameName(line, kSection);
        if (ValueOf(line, kVersionKey)) {
            line = versionLine;
            haveVersion = true;
        } else if (auto list = ValueOf(line, half.extensionsKey)) {
            line = std::string(half.extensionsKey) + "=" + WithRegistryExtension(*list, half);
            haveExtensions = true;
        }
    }
    if (!haveSection) lines.insert(lines.begin(), std::string(kSection));
    auto afterSection =
        std::find_if(lines.begin(), lines.end(),
                     [](const std::string& line) { return SameName(line, kSection); }) +
        1;
    if (!haveExtensions)
        afterSection = lines.insert(afterSection, std::string(half.extensionsKey) + "=" +
                                                      WithRegistryExtension("", half)) +
                       1;
    if (!haveVersion) lines.insert(afterSection, versionLine);
    std::string out;
    for (const std::string& line : lines) out += line + "\r\n";
    return out;
}

}  // namespace grouppolicy
