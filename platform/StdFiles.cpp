#include "platform/StdFiles.h"

#include <chrono>
#include <ctime>
#include <fstream>
#include <iterator>
#include <system_error>

namespace platform {
namespace {
constexpr std::uint32_t kAttributeDirectory = 0x10;
constexpr std::uint32_t kAttributeArchive = 0x20;
constexpr std::uint32_t kAttributeReadOnly = 0x01;
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
    auto read = ReadText(path);
    if (!read || !read->complete) return std::nullopt;
    return SplitLines(read->text);
}

namespace {

// The bytes of a regular file, in pieces, so that what came before a read
// error is kept; `complete` false after such an error.
std::optional<std::string> ReadAll(const std::string& path, bool& complete) {
    std::error_code error;
    auto file = PathFromUtf8(path);
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char piece[1 << 16];
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        bytes.append(piece, static_cast<std::size_t>(in.gcount()));
        if (in.eof()) break;
    }
    complete = !in.bad();
    return bytes;
}

}  // namespace

std::optional<FileText> StdFiles::ReadText(const std::string& path) {
    FileText read;
    auto bytes = ReadAll(path, read.complete);
    if (!bytes) return std::nullopt;
    read.text = codec_.FromAnsi(*bytes);
    return read;
}

std::optional<std::string> StdFiles::ReadBytes(const std::string& path) {
    bool complete = true;
    auto bytes = ReadAll(path, complete);
    if (!complete) return std::nullopt;
    return bytes;
}

std::optional<std::uint64_t> StdFiles::Size(const std::string& path) {
    std::error_code error;
    auto file = PathFromUtf8(path);
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    auto size = std::filesystem::file_size(file, error);
    if (error) return std::nullopt;
    return size;
}

bool StdFiles::AppendText(const std::string& path, const std::string& text) {
    std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::app);
    if (!out) return false;
    std::string bytes = codec_.ToAnsi(text);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool StdFiles::CreateFolder(const std::string& path) {
    std::error_code error;
    auto folder = PathFromUtf8(path);
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

bool StdFiles::CreatePrivateFolder(const std::string& path) {
    std::error_code error;
    if (std::filesystem::exists(PathFromUtf8(path), error)) return IsFolder(path);
    if (!CreateFolder(path)) return false;
    access_[path] = PrivateAccess(path);
    return true;
}

bool StdFiles::IsFolder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(PathFromUtf8(path), error);
}

AccessList StdFiles::PrivateAccess(const std::string& path) {
    constexpr std::uint32_t kAll = 0x1F01FF;
    return {"S-1-5-32-544", std::vector<AccessEntry>{{"S-1-5-32-544", kAll}, {"S-1-5-18", kAll}},
            false, path};
}

void StdFiles::Plant(const std::string& path) {
    access_[path] = {kStudent, std::vector<AccessEntry>{{kStudent, 0x1F01FF}}, false, path};
}

std::optional<AccessList> StdFiles::Access(const std::string& path) {
    std::error_code error;
    auto status = std::filesystem::symlink_status(PathFromUtf8(path), error);
    if (error || !std::filesystem::exists(status)) return std::nullopt;
    if (auto set = access_.find(path); set != access_.end()) return set->second;
    // What Windows gives a folder made by an administrator under Program
    // Files: the ordinary users may read it.
    AccessList list = PrivateAccess(path);
    list.entries->push_back({"S-1-5-32-545", 0x1200A9});
    list.reparsePoint = std::filesystem::is_symlink(status);
    return list;
}

std::optional<std::string> StdFiles::ReadBytesIf(
    const std::string& path, const std::function<bool(const AccessList&)>& trusted) {
    auto access = Access(path);
    if (!access || !trusted(*access)) return std::nullopt;
    return ReadBytes(path);
}

std::vector<std::string> StdFiles::FileNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(PathFromUtf8(folder), error), end;
         !error && entry != end; entry.increment(error)) {
        if (!entry->is_regular_file(error)) continue;
        std::u8string name = entry->path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

LocalTime StdFiles::Now() {
    auto now = std::chrono::system_clock::now();
    std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm local = *std::localtime(&seconds);
    auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
    return {local.tm_year + 1900,
            local.tm_mon + 1,
            local.tm_mday,
            local.tm_hour,
            local.tm_min,
            local.tm_sec,
            static_cast<int>(millis.count() % 1000)};
}

bool StdFiles::WriteText(const std::string& path, const std::string& text) {
    return WriteBytes(path, codec_.ToAnsi(text));
}

bool StdFiles::WriteBytes(const std::string& path, const std::string& bytes) {
    auto target = PathFromUtf8(path);
    auto temporary = target;
    temporary += ".tmp~";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
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

bool StdFiles::Rename(const std::string& from, const std::string& to) {
    return Replace(PathFromUtf8(from), PathFromUtf8(to));
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
    // As on Windows, a read-only file stays until its attribute is cleared.
    if (GetAttributes(path).value_or(0) & kAttributeReadOnly) return false;
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
