#pragma once
// A test program with the keys Windows always has, the verbs import, export,
// undo and expect, and Quarvel.exe's command line run on it.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "commandline/CommandJobs.h"
#include "core/FolderPath.h"
#include "platform/Console.h"
#include "platform/HeldKeys.h"
#include "platform/RecordedDialogs.h"
#include "tests/support/Keys.h"
#include "tests/support/RegistryVerbs.h"
#include "tests/support/TestProgram.h"
#include "transfer/ConfigImport.h"
#include "transfer/frmWizrd.h"
#include "undo/Backup.h"

namespace testing_support {

constexpr Hive kCU = Hive::CurrentUser;
constexpr Hive kLM = Hive::LocalMachine;
// Expected texts that are no text: the value is absent, or there with any text.
inline const std::string kAbsent = "\x01(absent)";
inline const std::string kAnyText = "\x01(any)";
using Messages = std::vector<ShownMessage>;
inline const ShownMessage kImported{"Configurações importadas com sucesso", "Quarvel²", 64};
inline const ShownMessage kNothingToChange{"Nada a mudar", "Quarvel²", 64};
inline const ShownMessage kUndone{
    "A última importação foi desfeita: as configurações anteriores foram restauradas.", "Quarvel²",
    64};
inline const ShownMessage kNothingPutBack{
    "Nada foi restaurado: o que a última importação mudou já estava como antes dela. A cópia "
    "dessa importação foi apagada; um novo Desfazer volta à importação anterior.",
    "Quarvel²", 64};

struct Expected {
    Hive hive;
    std::string key, name, text;
};

inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

struct Computer : TestProgram {
    Computer() {
        for (const char* key : {kCurrentVersion, kRun, kWinlogon, kBrowserMain,
                                "Software\\Microsoft\\Windows\\CurrentVersion\\FS Templates"})
            registry.CreateKey(kLM, key);
        for (const char* key :
             {kBrowserMain, kExplorerAdvanced, "Control Panel\\Desktop\\WindowMetrics"})
            registry.CreateKey(kCU, key);
        values.baseFolder = Folder();
    }
    std::string BlockListPath() const { return Folder() + "\\restt.qvn"; }
    // A file of this computer's folder, by a path that does not start with
    // "/", as no Windows path does; written with the text when one is given.
    std::string File(const std::string& name, const char* text = nullptr) {
        if (text) std::ofstream(folder / name, std::ios::binary) << codec.ToAnsi(text);
        std::string path = (folder / name).string();
        return path.starts_with("/") ? std::filesystem::relative(folder / name).string() : path;
    }

    // Imports the lines as a file with CR LF line ends.
    changes::ImportStatus Import(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        File("import.qvc", text.c_str());
        return transfer::ImportFile(context, Folder() + "/import.qvc");
    }
    // Exports the ticked groups (all when none is named) through the save
    // dialog, over an earlier, longer file as in real use; the file's bytes,
    // or "" when it was left as it was.
    std::string Export(const std::vector<std::string>& ticked = {}) {
        auto& screen = screens.Open<transfer::frmWizrd>(context);
        screen.Nenhuma_Click();
        if (ticked.empty()) screen.Todas_Click();
        for (const std::string& name : ticked)
            static_cast<forms::CheckBox*>(screen.Find(name))->SetChecked(true);
        std::string path = Folder() + "/export.qvc", earlier(70000, '#');
        std::ofstream(path, std::ios::binary) << earlier;
        dialogs.fileAnswers.push_back(path);
        screen.OtherPlace_Click();
        std::string bytes = FileBytes(path);
        return bytes == earlier ? "" : bytes;
    }
    std::string BlockList() const { return FileBytes(BlockListPath()); }
    // Undoes the last import, expecting its end; what it said.
    std::vector<ShownMessage> Undo(changes::ImportStatus expected) {
        dialogs.messages.clear();
        EXPECT_EQ(undo::UndoLastImport(context), expected);
        return dialogs.messages;
    }
    // The backups' files, oldest first.
    std::vector<std::string> Backups() {
        std::string folder = undo::BackupFolder(files);
        std::vector<std::string> names = files.FileNames(folder);
        std::erase_if(names, [](const std::string& name) { return !name.ends_with(".copia"); });
        std::sort(names.begin(), names.end());
        for (std::string& name : names) name = core::InFolder(folder, name);
        return names;
    }
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
};

// The command line as Quarvel.exe wires it: opened keys held for the run,
// no message box, the report written to `shown`.
struct Lab : Computer, platform::Console {
    Lab() { keys.Hold(true); }
    void Write(const std::string& text) override { shown += text; }
    int Run(const std::vector<std::string>& arguments) {
        shown.clear();
        recorded.messages.clear();  // each run is a process of its own
        return commandline::RunCommandLine(arguments, quiet, recorded, *this, keys, codec);
    }
    platform::HeldKeys keys{registryApi};
    grouppolicy::TargetRegistry heldTarget{keys, files, codec, core::AccountOwnKeys()};
    RegistryAccess held{heldTarget, codec};
    platform::RecordedDialogs recorded;
    core::Context quiet{held, recorded, files, pictures, values, heldTarget, accounts, services};
    std::string shown;
};

}  // namespace testing_support
