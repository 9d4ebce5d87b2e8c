#include "platform/StdFiles.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace platform {
namespace {
constexpr std::uint32_t kAttributeDirectory = 0x10;
constexpr std::uint32_t kAttributeArchive = 0x20;
}  // namespace

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text, start, i - start);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text, start, text.size() - start);
    return lines;
}

std::optional<std::vector<std::string>> StdFiles::ReadLines(const std::string& path) {
    std::error_code error;
    auto file = PathFromUtf8(path);
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    std::vector<std::string> lines = SplitLines(bytes);
    for (std::string& line : lines) line = codec_.FromAnsi(line);
    return lines;
}

bool StdFiles::WriteText(const std::string& path, const std::string& text) {
    auto target = PathFromUtf8(path);
    auto temporary = target;
    temporary += ".tmp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        std::string bytes = codec_.ToAnsi(text);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    if (!Replace(temporary, target)) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

bool StdFiles::Replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

bool StdFiles::Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(PathFromUtf8(path), error);
}

bool StdFiles::Delete(const std::string& path) {
    std::error_code error;
    auto file = PathFromUtf8(path);
    if (!std::filesystem::is_regular_file(file, error)) return false;
    attributes_.erase(path);
    return std::filesystem::remove(file, error);
}

std::optional<std::uint32_t> StdFiles::GetAttributes(const std::string& path) {
    std::error_code error;
    auto status = std::filesystem::status(PathFromUtf8(path), error);
    if (error || !std::filesystem::exists(status)) return std::nullopt;
    if (std::filesystem::is_directory(status)) return kAttributeDirectory;
    auto stored = attributes_.find(path);
    return stored == attributes_.end() ? kAttributeArchive : stored->second;
}

bool StdFiles::SetAttributes(const std::string& path, std::uint32_t attributes) {
    if (!GetAttributes(path)) return false;
    attributes_[path] = attributes;
    return true;
}

}  // namespace platform
