#pragma once
// Whose settings HKEY_CURRENT_USER means. With no policy object chosen every
// call goes to this computer's registry as it is; with one, the calls under
// HKEY_CURRENT_USER read and write that object's User\Registry.pol instead,
// so that every screen, the import, the export and undo work on other
// accounts' settings without knowing it. The other hives, and the keys that
// stay with the account running the program, always go to the computer.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "grouppolicy/PolicyFile.h"
#include "platform/AnsiCodec.h"
#include "platform/Files.h"
#include "platform/RegistryApi.h"

namespace grouppolicy {

inline constexpr long kUnreadablePolicyFile = 13;  // ERROR_INVALID_DATA

class TargetRegistry : public platform::RegistryApi {
  public:
    TargetRegistry(platform::RegistryApi& computer, platform::Files& files,
                   const platform::AnsiCodec& codec, std::vector<std::string> ownKeys = {})
        : computer_(computer), files_(files), codec_(codec), ownKeys_(std::move(ownKeys)) {}

    // The object's folder; empty: this account's own hive.
    void UseObject(std::string folder);
    const std::string& object() const { return folder_; }

    // While deferred, changes stay in memory until Commit writes the file
    // once (a whole import or command-line job of hundreds of values);
    // otherwise each change is written at once, so that a refused write is
    // reported by the command that made it.
    void Defer(bool on) { deferred_ = on; }

    // Ends a command: writes what was deferred, raises the object's version
    // when its file changed, so that Windows applies it again, and forgets
    // what was read, so that the next command sees what another tool wrote.
    // False when the file or gpt.ini could not be written.
    bool Commit();
    // What the last Commit could not write: the object's file or its
    // gpt.ini (Windows applies a change only when the version grew); empty
    // when all was written.
    const std::string& NotWritten() const { return notWritten_; }

    // A policy object whose file is there but is not a whole Registry.pol
    // (cut, garbage, another version): nothing is read from it nor written.
    bool Damaged() { return !folder_.empty() && !Entries(); }
    std::string File() const;

    // The object's file as it is (nothing when there is none), and put back
    // as it was: for the backup taken before an import and for undo.
    std::optional<std::string> FileBytes();
    bool PutFileBytes(const std::optional<std::string>& bytes);

    long OpenKey(platform::KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                 platform::KeyHandle& result) override;
    long CreateKey(platform::KeyHandle parent, const std::string& subKey, std::uint32_t rights,
                   platform::KeyHandle& result) override;
    long QueryValue(platform::KeyHandle key, const std::string& name, std::uint32_t* type,
                    std::uint8_t* data, std::uint32_t* size) override;
    long SetValue(platform::KeyHandle key, const std::string& name, std::uint32_t type,
                  const std::uint8_t* data, std::uint32_t size) override;
    long DeleteKey(platform::KeyHandle parent, const std::string& subKey) override;
    long DeleteValue(platform::KeyHandle key, const std::string& name) override;
    long CloseKey(platform::KeyHandle key) override;
    bool DeletionWrites(platform::KeyHandle key, const std::string& name) override;

  private:
    bool InObject(platform::KeyHandle parent, const std::string& subKey) const;
    std::optional<std::u16string> PathOf(platform::KeyHandle parent,
                                         const std::string& subKey) const;
    std::vector<PolicyEntry>* Entries();
    // `said`: whether any entry or marker speaks of the value.
    const PolicyEntry* Find(const std::u16string& key, const std::u16string& name,
                            bool* said = nullptr);
    // Another account's own object is applied after the non-administrators'.
    bool AccountObject() const;
    bool MarksDeletion(const std::u16string& key) const;
    std::string ReadBack(const std::string& utf16) const;  // a file's text in the code page
    long Store(std::vector<PolicyEntry> before);
    bool WriteFile();
    std::u16string Text(const std::string& ansi) const { return Utf16Of(codec_.FromAnsi(ansi)); }

    platform::RegistryApi& computer_;
    platform::Files& files_;
    const platform::AnsiCodec& codec_;
    std::vector<std::string> ownKeys_;
    std::string folder_;
    std::map<platform::KeyHandle, std::u16string> opened_;
    platform::KeyHandle nextHandle_ = 0x7E000000;
    std::optional<std::vector<PolicyEntry>> entries_;  // read once per command
    bool unreadable_ = false;
    bool changed_ = false;  // the file changed since the version was last raised
    bool deferred_ = false;
    bool unwritten_ = false;  // deferred changes not yet in the file
    std::string notWritten_;
};

}  // namespace grouppolicy
