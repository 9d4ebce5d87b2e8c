// A configuration as Group Policy files: read back by a reader written from
// Microsoft's description, they hold exactly what the import writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "tests/support/PolicyFileReader.h"
#include "tests/support/TransferVerbs.h"

namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// Every group; the window title empty, so that a value is deleted.
constexpr char kEveryGroup[] =
    "QV0110000000000000000000000000000000000000000001\r\nQV02jogo.exe\r\nQV02editor.exe\r\n"
    "QV03C:\\Jogos\r\nQV04011\r\nQV0510101\r\nQVa5C:\\Baixados\r\nQV06Desktop\r\n"
    "QV07Laboratório\r\nQVa7Uso restrito.\r\nQVb71\r\nQV0801010\r\nQVa8http://escola\r\n"
    "QVb8\r\nQV09x\r\n";

// The registry calls the import makes, seen from outside it: every value
// set or deleted, with the key it was opened under.
class WriteSpy : public platform::RegistryApi {
  public:
    using Handle = platform::KeyHandle;
    explicit WriteSpy(platform::RegistryApi& real) : real_(real) {}
    long OpenKey(Handle parent, const std::string& key, std::uint32_t rights,
                 Handle& result) override {
        return Opened(parent, key, result, real_.OpenKey(parent, key, rights, result));
    }
    long CreateKey(Handle parent, const std::string& key, std::uint32_t rights,
                   Handle& result) override {
        return Opened(parent, key, result, real_.CreateKey(parent, key, rights, result));
    }
    long QueryValue(Handle key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override {
        return real_.QueryValue(key, name, type, data, size);
    }
    long SetValue(Handle key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override {
        seen[keys_[key].first].push_back(
            {keys_[key].second, name, type, std::string(data, data + size)});
        return real_.SetValue(key, name, type, data, size);
    }
    long DeleteKey(Handle parent, const std::string& key) override {
        return real_.DeleteKey(parent, key);
    }
    long DeleteValue(Handle key, const std::string& name) override {
        seen[keys_[key].first].push_back({keys_[key].second, "**del." + name, 1, ""});
        return real_.DeleteValue(key, name);
    }
    long CloseKey(Handle key) override { return real_.CloseKey(key); }

    std::map<Handle, std::vector<PolicyEntry>> seen;  // by hive, raw ANSI

  private:
    long Opened(Handle parent, const std::string& key, Handle result, long status) {
        if (status == 0) keys_[result] = {parent, key};
        return status;
    }
    platform::RegistryApi& real_;
    std::map<Handle, std::pair<Handle, std::string>> keys_;
};

TEST(PolicyFiles, HoldWhatTheImportWritesOnAnEmptyComputer) {
    // What the import writes, seen on an empty computer.
    Computer imported;
    WriteSpy spy(imported.registryApi);
    RegistryAccess spied(spy, imported.codec);
    core::Context context{spied, imported.dialogs, imported.files, imported.pictures,
                          imported.values};
    std::string path = imported.Folder() + "/every.qvc";
    std::ofstream(path, std::ios::binary) << imported.codec.ToAnsi(kEveryGroup);
    ASSERT_EQ(transfer::ImportFile(context, path, {.takeBackup = false}),
              transfer::ImportStatus::Done);

    Lab admin;
    const std::string gpo = admin.File("gpo");
    ASSERT_EQ(admin.Run({"/politicas", admin.File("every.qvc", kEveryGroup), gpo}), 0)
        << admin.shown;
    EXPECT_NE(admin.shown.find("restt.qvn"), std::string::npos) << "the block list";
    EXPECT_NE(admin.shown.find("todo usuário do domínio pode ler"), std::string::npos);
    for (auto [hive, file] : {std::pair{kCU, "User"}, {kLM, "Machine"}}) {
        SCOPED_TRACE(file);
        auto entries = ReadPolicyFile(FileBytes(gpo + "/" + file + "/Registry.pol"));
        ASSERT_TRUE(entries.has_value());
        std::vector<PolicyEntry> expected, got;
        for (PolicyEntry entry : spy.seen[static_cast<platform::KeyHandle>(hive)]) {
            entry.key = imported.codec.FromAnsi(entry.key);
            if (entry.type == 1 && !entry.value.starts_with("**del."))
                entry.data = imported.codec.FromAnsi(entry.data.substr(0, entry.data.size() - 1));
            // The logon entry names the program's folder of the computer that writes it.
            if (entry.value == "TvalueT") entry.data = admin.Folder() + "\\DErodu.exe";
            expected.push_back(entry);
        }
        int replaced = 0;
        for (PolicyEntry entry : *entries) {
            if (entry.type == 1) {
                EXPECT_TRUE(entry.data.ends_with(std::string(2, '\0'))) << entry;
            }
            if (entry.value.starts_with("**del.")) entry.data.clear();
            if (entry.type == 1 && !entry.value.starts_with("**"))
                entry.data = PolicyText(entry.data);
            if (entry.value == "**delvals.") {
                // The list replaces every computer's own, just before its first program.
                EXPECT_EQ(entry.key, kAllowList);
                ++replaced;
                EXPECT_EQ((*entries)[got.size() + replaced].value, "1") << "before the list";
                continue;
            }
            got.push_back(entry);
        }
        EXPECT_EQ(got, expected);
        EXPECT_EQ(replaced, hive == kCU ? 1 : 0);
    }
    std::string reg = admin.codec.FromAnsi(FileBytes(gpo + "/Quarvel.reg"));
    for (const char* line : {"REGEDIT4\r\n", "[-HKEY_CURRENT_USER\\" /* the list, replaced */,
                             "\"6\"=\"jogo.exe\"\r\n",
                             "[HKEY_CLASSES_ROOT\\*\\Shell\\OpenWith]\r\n@=\"QV - Abrir com...\"",
                             "\"Window Title\"=-\r\n", "\"NoFolderOptions\"=dword:00000001\r\n",
                             "\"LegalNoticeCaption\"=\"Laboratório\"\r\n"})
        EXPECT_NE(reg.find(line), std::string::npos) << line;
}

TEST(PolicyFiles, BadInputWritesNothing) {
    Lab admin;
    const std::string junk = admin.File("junk.qvc", "nada\r\n");
    EXPECT_EQ(admin.Run({"/politicas", junk, admin.File("gpo")}), 2);
    EXPECT_FALSE(fs::exists(admin.folder / "gpo"));
    const std::string good = admin.File("good.qvc", "QV09x\r\n");
    EXPECT_EQ(admin.Run({"/politicas", good, admin.File("taken", "a file, not a folder")}), 4);
    std::set<std::string> names;  // nothing half-written, no temporary left
    for (const auto& entry : fs::recursive_directory_iterator(admin.folder))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"good.qvc", "junk.qvc", "taken"}));
}

}  // namespace
