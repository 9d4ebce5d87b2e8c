#pragma once
// A computer for the configuration transfer tests: the in-memory registry
// with the keys Windows always has, real files in a fresh folder (whose reads
// can be cut short, as a failing disk does), and the verbs import, export,
// expect.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "tests/support/RegistryVerbs.h"
#include "tests/support/TestProgram.h"
#include "transfer/ConfigImport.h"
#include "transfer/frmWizrd.h"

namespace testing_support {

constexpr Hive kCU = Hive::CurrentUser;
constexpr Hive kLM = Hive::LocalMachine;
constexpr char kCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kExplorer[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr char kSystem[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
constexpr char kAllowList[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer\\RestrictRun";
constexpr char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kWinlogon[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
constexpr char kBrowserMain[] = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr char kExplorerAdvanced[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
// Expected texts that are no text: the value is absent, or there with any text.
inline const std::string kAbsent = "\x01(absent)";
inline const std::string kAnyText = "\x01(any)";
inline const ShownMessage kImported{"Configurações importadas com sucesso", "Quarvel²", 64};

struct Expected {
    Hive hive;
    std::string key, name, text;
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
        for (auto [hive, key] : std::vector<std::pair<Hive, std::string>>{
                 {kLM, kCurrentVersion},
                 {kLM, kRun},
                 {kLM, kWinlogon},
                 {kLM, "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates"},
                 {kCU, kBrowserMain},
                 {kLM, kBrowserMain},
                 {kCU, "Control Panel\\Desktop\\WindowMetrics"},
                 {kCU, kExplorerAdvanced}})
            registry.CreateKey(hive, key);
        values.baseFolder = Folder();
    }
    ~Computer() {
        std::error_code ignored;
        std::filesystem::remove(BlockListPath(), ignored);
        std::filesystem::remove_all(folder, ignored);
    }
    std::string Folder() const { return folder.string(); }
    std::string BlockListPath() const { return Folder() + "\\restt.qvn"; }

    // Imports the lines as a file with CR LF line ends.
    transfer::ImportStatus Import(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        std::string path = Folder() + "/import.qvc";
        std::ofstream(path, std::ios::binary) << codec.ToAnsi(text);
        return transfer::ImportFile(context, path);
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
        return Bytes(path);
    }
    std::string BlockList() const { return Bytes(BlockListPath()); }
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
    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }

    std::filesystem::path folder = FreshFolder();
    platform::Cp1252Codec codec;
    platform::MemoryRegistry registryApi;
    RegistryAccess registry{registryApi, codec};
    ScriptedDialogs dialogs;
    CuttingFiles files{codec, folder.string()};
    KnownPictures pictures;
    core::ProgramValues values;
    core::Context context{registry, dialogs, files, pictures, values};
    forms::HeadlessRenderer renderer;
    forms::Screens screens{renderer};
};

}  // namespace testing_support
