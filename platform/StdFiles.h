#pragma once
// Files over the C++ standard library, with the ANSI conversion of a codec.
// Natively this is the whole implementation (attributes are remembered in
// memory); the Win32 one derives from it for what only Windows knows.
#include <filesystem>
#include <map>
#include <set>

#include "platform/AnsiCodec.h"
#include "platform/Files.h"

namespace platform {

std::filesystem::path PathFromUtf8(const std::string& utf8);

// Splits text into lines ending at CR, CR LF, LF or the end of the text.
std::vector<std::string> SplitLines(const std::string& text);

class StdFiles : public Files {
  public:
    StdFiles(const AnsiCodec& codec, std::string programFolder)
        : codec_(codec), programFolder_(std::move(programFolder)) {}

    std::optional<std::vector<std::string>> ReadLines(const std::string& path) override;
    std::optional<FileText> ReadText(const std::string& path) override;
    std::optional<std::string> ReadBytes(const std::string& path) override;
    std::optional<std::uint64_t> Size(const std::string& path) override;
    bool WriteText(const std::string& path, const std::string& text) override;
    bool WriteBytes(const std::string& path, const std::string& bytes) override;
    bool Rename(const std::string& from, const std::string& to) override;
    bool AppendText(const std::string& path, const std::string& text) override;
    bool Exists(const std::string& path) override;
    bool Delete(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    // Natively access lists are remembered, as attributes are: a folder made
    // private has the private list, anything else what an administrator's
    // folder under Program Files has, until a test sets another.
    bool CreatePrivateFolder(const std::string& path) override;
    std::optional<AccessList> Access(const std::string& path) override;
    std::optional<std::string> ReadBytesIf(
        const std::string& path, const std::function<bool(const AccessList&)>& trusted) override;
    std::string ElevatedAccount() override { return elevated; }
    std::string elevated;  // natively no one, unless a test says so
    void SetAccess(const std::string& path, AccessList list) { access_[path] = std::move(list); }
    // The file or folder is now a student's, who may do anything with it.
    void Plant(const std::string& path);
    static constexpr const char* kStudent = "S-1-5-21-1-2-3-1001";
    std::vector<std::string> FileNames(const std::string& folder) override;
    std::optional<std::uint32_t> GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    std::string ProgramFolder() override { return programFolder_; }
    // Natively both lie in the program's folder, so that a test owns them.
    std::string WindowsFolder() override { return programFolder_ + "\\Windows"; }
    std::string CommonAppDataFolder() override { return programFolder_ + "/ProgramData"; }
    LocalTime Now() override;

  protected:
    // Moves the finished temporary file over the target.
    virtual bool Replace(const std::filesystem::path& from, const std::filesystem::path& to);
    bool IsFolder(const std::string& path);
    static AccessList PrivateAccess(const std::string& path);

  private:
    const AnsiCodec& codec_;
    std::string programFolder_;
    std::map<std::string, std::uint32_t> attributes_;
    std::map<std::string, AccessList> access_;
};

}  // namespace platform
