#pragma once
#include "platform/StdFiles.h"

namespace platform::win32 {

// Files on Windows: the standard-library reads and writes, with the atomic
// replace, the attributes and the program's folder that only Windows knows.
class Win32Files : public StdFiles {
  public:
    explicit Win32Files(const AnsiCodec& codec);
    std::optional<std::uint32_t> GetAttributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, std::uint32_t attributes) override;
    bool Delete(const std::string& path) override;
    bool CreatePrivateFolder(const std::string& path) override;
    std::optional<AccessList> Access(const std::string& path) override;
    std::optional<std::string> ReadBytesIf(
        const std::string& path, const std::function<bool(const AccessList&)>& trusted) override;
    std::string ElevatedAccount() override;
    std::string WindowsFolder() override;
    std::string CommonAppDataFolder() override;
    LocalTime Now() override;

  protected:
    bool Replace(const std::filesystem::path& from, const std::filesystem::path& to) override;
};

std::string ProgramFolderOfThisProcess();

}  // namespace platform::win32
