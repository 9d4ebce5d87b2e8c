#pragma once
// A computer for the configuration transfer tests: the in-memory registry
// with the keys Windows always has, real files in a fresh folder (whose reads
// can be cut short, as a failing disk does), and the verbs import, export,
// expect; and Quarvel.exe's command line run on it.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/Console.h"
#include "platform/HeldKeys.h"
#include "platform/RecordedDialogs.h"
#include "tests/support/Keys.h"
#include "tests/support/PolicyFileReader.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/TestProgram.h"
#include "transfer/CommandJobs.h"
#include "transfer/ConfigImport.h"
#include "transfer/frmWizrd.h"

namespace testing_support {

constexpr Hive kCU = Hive::CurrentUser;
constexpr Hive kLM = Hive::LocalMachine;
// Expected texts that are no text: the value is absent, or there with any text.
inline const std::string kAbsent = "\x01(absent)";
inline const std::string kAnyText = "\x01(any)";
inline const ShownMessage kImported{"Configurações importadas com sucesso", "Quarvel²", 64};

struct Expected {
    Hive hive;
    std::string key, name, text;
};

inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// The in-memory registry, keeping every value set or deleted, by the hive of
// its key, as seen from outside the program (raw ANSI); a deletion's name
// starts with "**del.", as in a policy file.
class WatchedRegistry : public platform::MemoryRegistry {
  public:
    using Handle = platform::KeyHandle;
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
        writes[keys_[key].first].push_back(
            {keys_[key].second, name, type, std::string(data, data + size)});
        return MemoryRegistry::SetValue(key, name, type, data, size);
    }
    long DeleteValue(Handle key, const std::string& name) override {
        writes[keys_[key].first].push_back({keys_[key].second, "**del." + name, 1, ""});
        return MemoryRegistry::DeleteValue(key, name);
    }
    std::map<Handle, std::vector<PolicyEntry>> writes;

  private:
    long Opened(Handle parent, const std::string& key, Handle result, long status) {
        if (status == 0) keys_[result] = {parent, key};
        return status;
    }
    std::map<Handle, std::pair<Handle, std::string>> keys_;
};

// Files whose reads stop after `cutAfter` characters, as at a read error.
class CuttingFiles : public platform::StdFiles {
  public:
    using StdFiles::StdFiles;
    std::optional<platform::FileText> ReadText(const std::string& path) override {
        auto read = StdFiles::ReadText(path);
        if (read && read->text.size() > cutAfter) *read = {read->text.substr(0, cutAfter), false};
        return read;
    }
    std::size_t cutAfter = std::string::npos;
};

struct Computer {
    Computer() {
        for (const char* key : {kCurrentVersion, kRun, kWinlogon, kBrowserMain,
                                "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates"})
            registry.CreateKey(kLM, key);
        for (const char* key :
             {kBrowserMain, kExplorerAdvanced, "Control Panel\\Desktop\\WindowMetrics"})
            registry.CreateKey(kCU, key);
        values.baseFolder = Folder();
    }
    ~Computer() {
        std::error_code ignored;
        std::filesystem::remove(BlockListPath(), ignored);
        std::filesystem::remove_all(folder, ignored);
    }
    std::string Folder() const { return folder.string(); }
    std::string BlockListPath() const { return Folder() + "\\restt.qvn"; }
    // A file of this computer's folder, by a path that does not start with
    // "/", as no Windows path does; written with the text when one is given.
    std::string File(const std::string& name, const char* text = nullptr) {
        if (text) std::ofstream(folder / name, std::ios::binary) << codec.ToAnsi(text);
        std::string path = (folder / name).string();
        return path.starts_with("/") ? std::filesystem::relative(folder / name).string() : path;
    }

    // Imports the lines as a file with CR LF line ends.
    transfer::ImportStatus Import(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        File("import.qvc", text.c_str());
        return transfer::ImportFile(context, Folder() + "/import.qvc");
    }
    // Exports the ticked groups (all when none is named) through the save
    // dialog; the file's bytes, or "" when none was written.
    std::string Export(const std::vector<std::string>& ticked = {}) {
        auto& screen = screens.Open<transfer::frmWizrd>(context);
        screen.Nenhuma_Click();
        if (ticked.empty()) screen.Todas_Click();
        for (const std::string& name : ticked)
            static_cast<forms::CheckBox*>(screen.Find(name))->SetChecked(true);
        std::string path = Folder() + "/export.qvc";
        std::filesystem::remove(path);
        dialogs.fileAnswers.push_back(path);
        screen.OtherPlace_Click();
        return FileBytes(path);
    }
    std::string BlockList() const { return FileBytes(BlockListPath()); }
    // The block list as the folder-blocking screen stores it.
    void WriteBlockList(const std::string& text) {
        std::ofstream(BlockListPath(), std::ios::binary)
            << "Quarvel by Ostrelvan - www.quarvel.com.br\r\n"
            << codec.ToAnsi(text);
    }
    void Expect(const std::vector<Expected>& expected) {
        for (const Expected& e : expected) {
            if (e.text == kAbsent)
                EXPECT_TRUE(IsAbsent(registry, e.hive, e.key, e.name));
            else if (e.text == kAnyText)
                EXPECT_TRUE(registry.ValueExists(e.hive, e.key, e.name)) << e.key << "\\" << e.name;
            else
                EXPECT_TRUE(HasValue(registry, e.hive, e.key, e.name, e.text));
        }
    }

    std::filesystem::path folder = FreshFolder();
    platform::Cp1252Codec codec;
    WatchedRegistry registryApi;
    RegistryAccess registry{registryApi, codec};
    ScriptedDialogs dialogs;
    CuttingFiles files{codec, folder.string()};
    KnownPictures pictures;
    core::ProgramValues values;
    core::Context context{registry, dialogs, files, pictures, values};
    forms::HeadlessRenderer renderer;
    forms::Screens screens{renderer};
};

// The command line as Quarvel.exe wires it: opened keys held for the run,
// no message box, the report written to `shown`.
struct Lab : Computer, platform::Console {
    Lab() { keys.Hold(true); }
    void Write(const std::string& text) override { shown += text; }
    int Run(const std::vector<std::string>& arguments) {
        shown.clear();
        recorded.messages.clear();  // each run is a process of its own
        return transfer::RunCommandLine(arguments, quiet, recorded, *this, keys, codec);
    }
    platform::HeldKeys keys{registryApi};
    RegistryAccess held{keys, codec};
    platform::RecordedDialogs recorded;
    core::Context quiet{held, recorded, files, pictures, values};
    std::string shown;
};

}  // namespace testing_support
