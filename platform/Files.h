#pragma once
// Files as the program uses them: ANSI text read line by line or written
// whole, deletion, attributes, folders and the program's own folder. Paths
// are UTF-8.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A file's text as far as it could be read.
struct FileText {
    std::string text;      // converted from ANSI
    bool complete = true;  // false: a read error cut it short; `text` is what came before
};

// The local date and time, which names backups and dates log lines.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Who may do what to a file or folder, as Windows reports it through an
// open handle: never through a junction or symbolic link, which is not followed.
struct AccessEntry {
    std::string sid;           // "S-1-5-32-545"
    std::uint32_t rights = 0;  // Win32 access mask
    bool allows = true;        // false: a denial
    bool inheritOnly = false;  // for what the folder holds, not for itself
    bool operator==(const AccessEntry&) const = default;
};
struct AccessList {
    std::string owner;                                // SID; "" when unknown
    std::optional<std::vector<AccessEntry>> entries;  // nothing: no list, everyone may do all
    bool reparsePoint = false;                        // a junction or symbolic link
    std::string finalPath;                            // where the opened handle really is
};

class Files {
  public:
    virtual ~Files() = default;
    // Every line of the file, converted from ANSI; a line ends at CR, CR LF,
    // LF or the end of the file. Nothing when the file cannot be read whole.
    virtual std::optional<std::vector<std::string>> ReadLines(const std::string& path) = 0;
    // The whole text; nothing when the file cannot be opened.
    virtual std::optional<FileText> ReadText(const std::string& path) = 0;
    // The bytes as they are, with no conversion; nothing when the file
    // cannot be read whole.
    virtual std::optional<std::string> ReadBytes(const std::string& path) = 0;
    // The size in bytes; nothing when there is no such file.
    virtual std::optional<std::uint64_t> Size(const std::string& path) = 0;
    // Writes the whole text, converted to ANSI, through a temporary file in
    // the same folder that then replaces the target: a failed write leaves
    // the old file as it was. False when the text could not be stored.
    virtual bool WriteText(const std::string& path, const std::string& text) = 0;
    // The same for bytes written as they are, with no conversion.
    virtual bool WriteBytes(const std::string& path, const std::string& bytes) = 0;
    // Moves a file to another name in the same folder, replacing a file of
    // that name in one step. False when it could not.
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    // Adds the text at the end of the file, creating it when needed.
    virtual bool AppendText(const std::string& path, const std::string& text) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool Delete(const std::string& path) = 0;
    // Creates the folder and those above it; true when it is there.
    virtual bool CreateFolder(const std::string& path) = 0;
    // Creates, when it is not there, a folder nobody but Administrators and
    // SYSTEM may change: made with its own access list in one step (both full
    // control, inherited by what it holds; owner Administrators; nothing
    // inherited from above). A folder already there is left as it is, never
    // taken over: the caller judges it. True when a folder is there.
    virtual bool CreatePrivateFolder(const std::string& path) = 0;
    // The access list of the path itself (a reparse point is described, not
    // followed); nothing when it cannot be opened.
    virtual std::optional<AccessList> Access(const std::string& path) = 0;
    // The file's bytes, read through the handle whose access list `trusted`
    // accepted, held so that nobody can write, rename or delete the file in
    // between; nothing when it cannot be read or is not accepted.
    virtual std::optional<std::string> ReadBytesIf(
        const std::string& path, const std::function<bool(const AccessList&)>& trusted) = 0;
    // The running account's SID when its token holds Administrators enabled
    // (what such an account owns is as safe as the group's); "" otherwise.
    virtual std::string ElevatedAccount() = 0;
    // Names of the files (not folders) in the folder, in no order.
    virtual std::vector<std::string> FileNames(const std::string& folder) = 0;
    // Win32 attribute words; nothing when the file cannot be reached.
    virtual std::optional<std::uint32_t> GetAttributes(const std::string& path) = 0;
    virtual bool SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // The folder that holds the running program, without a trailing backslash.
    virtual std::string ProgramFolder() = 0;
    // The Windows folder as the system reports it, without a trailing backslash.
    virtual std::string WindowsFolder() = 0;
    // The folder Windows keeps for every user's application data.
    virtual std::string CommonAppDataFolder() = 0;
    virtual LocalTime Now() = 0;
};

}  // namespace platform
