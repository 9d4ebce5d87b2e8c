#pragma once
// Everything a screen needs, over test doubles that can be made to fail: the
// in-memory registry, scripted dialogs, files in a fresh folder, no windows.
#include <atomic>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "forms/HeadlessRenderer.h"
#include "forms/Screens.h"
#include "platform/MemoryRegistry.h"
#include "platform/StdFiles.h"
#include "core/Context.h"
#include "core/ObjectFile.h"
#include "core/Settings.h"
#include "tests/support/PolicyFileReader.h"
#include "tests/support/ScriptedDialogs.h"

namespace testing_support {

class KnownPictures : public platform::PictureLoader {
  public:
    bool CanShow(const std::string& path) override {
        auto dot = path.rfind('.');
        std::string extension = dot == std::string::npos ? "" : path.substr(dot);
        return extension == ".bmp" || extension == ".ico" || extension == ".cur";
    }
};

// A new empty folder under the system's temporary folder.
inline std::filesystem::path FreshFolder() {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    auto folder = std::filesystem::temp_directory_path() /
                  ("quarvel-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(folder);
    return folder;
}

// A path typed with "/" as the program names it: the Windows build joins the
// names it adds with a backslash.
inline std::string AsNamed(const std::string& base, std::string names) {
#ifdef _WIN32
    for (char& c : names) c = c == '/' ? '\\' : c;
#endif
    return base + names;
}

// Where an import backs up when the usual folder cannot be trusted: SYSTEM's
// own profile under the given System32.
inline std::string SystemProfileBackups(const std::string& system32) {
    return AsNamed(system32, "/config/systemprofile/AppData/Local/Quarvel/Copias");
}

// The in-memory registry, keeping every value set or deleted, by the hive of
// its key, as a policy file says it: keys and texts in UTF-8 (a text without
// its terminating zero), a deletion's name starting with "**del.". Values of
// the keys named in `refused` cannot be set or deleted: access denied.
class WatchedRegistry : public platform::MemoryRegistry {
  public:
    using Handle = platform::KeyHandle;
    explicit WatchedRegistry(const platform::AnsiCodec& codec) : codec_(codec) {}
    long OpenKey(Handle parent, const std::string& key, std::uint32_t rights,
                 Handle& result) override {
        return Opened(parent, key, result, MemoryRegistry::OpenKey(parent, key, rights, result));
    }
    long CreateKey(Handle parent, const std::string& key, std::uint32_t rights,
                   Handle& result) override {
        return Opened(parent, key, result, MemoryRegistry::CreateKey(parent, key, rights, result));
    }
    long SetValue(Handle key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override {
        if (Refuses(key)) return platform::status::AccessDenied;
        // Faults a test asks for: a write that loses its last bytes, then refusals.
        if (allowedWrites == 0) return platform::status::AccessDenied;
        if (allowedWrites > 0) --allowedWrites;
        size -= std::min(size, static_cast<std::uint32_t>(cutNextWrite));
        cutNextWrite = 0;
        std::string bytes(data, data + size);
        if (type == 1) bytes = codec_.FromAnsi(bytes.substr(0, bytes.find('\0')));
        writes[keys_[key].first].push_back({keys_[key].second, name, type, bytes});
        return MemoryRegistry::SetValue(key, name, type, data, size);
    }
    long DeleteValue(Handle key, const std::string& name) override {
        if (Refuses(key)) return platform::status::AccessDenied;
        writes[keys_[key].first].push_back({keys_[key].second, "**del." + name, 1, ""});
        return MemoryRegistry::DeleteValue(key, name);
    }
    std::map<Handle, std::vector<PolicyEntry>> writes;
    std::set<std::string> refused;  // lower case
    int cutNextWrite = 0;           // bytes the next write loses at its end
    int allowedWrites = -1;         // writes let through before every one is refused; -1: all

  private:
    bool Refuses(Handle key) {
        std::string path = keys_[key].second;
        for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return refused.contains(path);
    }
    long Opened(Handle parent, const std::string& key, Handle result, long status) {
        if (status == 0) keys_[result] = {parent, codec_.FromAnsi(key)};
        return status;
    }
    std::map<Handle, std::pair<Handle, std::string>> keys_;
    const platform::AnsiCodec& codec_;
};

// Files whose reads stop after `cutAfter` characters, as at a read error, and
// which refuse the `refusedMove`-th move of a file over another (counting from
// 0; each write ends with one), as a full disk or a file held open would.
class CuttingFiles : public platform::StdFiles {
  public:
    using StdFiles::StdFiles;
    std::optional<platform::FileText> ReadText(const std::string& path) override {
        auto read = StdFiles::ReadText(path);
        if (read && read->text.size() > cutAfter) *read = {read->text.substr(0, cutAfter), false};
        return read;
    }
    // Files that cannot be deleted, as one held open by another program.
    bool Delete(const std::string& path) override {
        return !undeletable.contains(path) && StdFiles::Delete(path);
    }
    // Folders no file can be written into, as on a full or write-protected disk.
    bool WriteText(const std::string& path, const std::string& text) override {
        return !Unwritable(path) && StdFiles::WriteText(path, text);
    }
    bool WriteBytes(const std::string& path, const std::string& bytes) override {
        return !Unwritable(path) && StdFiles::WriteBytes(path, bytes);
    }
    std::size_t cutAfter = std::string::npos;
    int refusedMove = -1;
    std::set<std::string> undeletable, unwritable;

  protected:
    bool Unwritable(const std::string& path) const {
        return unwritable.contains(path.substr(0, path.find_last_of("\\/")));
    }
    bool Replace(const std::filesystem::path& from, const std::filesystem::path& to) override {
        return refusedMove-- != 0 && StdFiles::Replace(from, to);
    }
};

struct TestProgram {
    TestProgram() {
        screens.WhenIdle([this] { core::CommitCommand(context); });
        // Policy objects lie inside the test's own folder.
        accounts.system32 = Folder() + "/System32";
    }
    ~TestProgram() {
        std::error_code ignored;
        std::filesystem::remove(Folder() + "\\restt.qvn", ignored);  // beside it, natively
        std::filesystem::remove_all(folder, ignored);
    }

    std::string Folder() const { return folder.string(); }

    std::filesystem::path folder = FreshFolder();
    platform::Cp1252Codec codec;
    WatchedRegistry registryApi{codec};
    CuttingFiles files{codec, folder.string()};
    platform::FixedAccounts accounts;
    platform::FixedServices services;
    grouppolicy::TargetRegistry target{registryApi, files, codec, core::AccountOwnKeys()};
    RegistryAccess registry{target, codec};
    // This computer's registry itself, whatever the target.
    RegistryAccess hive{registryApi, codec};
    ScriptedDialogs dialogs;
    KnownPictures pictures;
    core::ProgramValues values;
    core::Context context{registry, dialogs, files, pictures, values, target, accounts, services};
    forms::HeadlessRenderer renderer;
    forms::Screens screens{renderer};
};

}  // namespace testing_support
