#pragma once
// Verbs of the policy-object tests: an object's entries as the tests' own
// reader sees them, and data as Registry.pol stores it.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/AnsiCodec.h"
#include "tests/support/TransferVerbs.h"

namespace testing_support {

using Entries = std::vector<PolicyEntry>;
// The local object of the accounts the SID names: the non-administrators' unless told.
inline std::string UsersObject(const TestProgram& program, const char* sid = "S-1-5-32-545") {
    return program.accounts.system32 + "\\GroupPolicyUsers\\" + sid;
}

// A text as the file stores it: UTF-16LE with its terminating null.
inline std::string PolData(const std::string& utf8) {
    std::string bytes;
    for (char32_t c : platform::DecodeUtf8(utf8))
        bytes += {static_cast<char>(c), static_cast<char>(c >> 8)};
    return bytes + std::string(2, '\0');
}
inline std::string PolDword(std::uint32_t n) {
    return {static_cast<char>(n), static_cast<char>(n >> 8), static_cast<char>(n >> 16),
            static_cast<char>(n >> 24)};
}

// Whether anything was created at the path or below it (natively the
// backslashes are part of names, so the path is a prefix there).
inline bool AnythingAt(const std::string& path) {
    if (std::filesystem::exists(path)) return true;
    std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(parent, ignored))
        if (entry.path().string().starts_with(path)) return true;
    return false;
}

// The entries of a policy file; a file that is not one fails.
inline std::vector<PolicyEntry> PolicyFileEntries(const std::string& file) {
    auto entries = ReadPolicyFile(FileBytes(file));
    EXPECT_TRUE(entries.has_value()) << file << ": no policy file";
    return entries.value_or(std::vector<PolicyEntry>());
}
// Of the object's User\Registry.pol, and of the computer's own object.
inline std::vector<PolicyEntry> ObjectEntries(const std::string& folder) {
    return PolicyFileEntries(folder + "\\User\\Registry.pol");
}
inline std::string ComputerFile(const TestProgram& program) {
    return program.accounts.system32 + "\\GroupPolicy\\Machine\\Registry.pol";
}

// A policy file of the entries, as another tool would leave it.
inline std::string PolicyBytes(const Entries& entries) {
    const std::string null(1, '\0'), mark = std::string(";") + null;
    std::string bytes = std::string("PReg") + PolDword(1);
    for (const PolicyEntry& e : entries)
        bytes += std::string("[") + null + PolData(e.key) + mark + PolData(e.value) + mark +
                 PolDword(e.type) + mark + PolDword(static_cast<std::uint32_t>(e.data.size())) +
                 mark + e.data + "]" + null;
    return bytes;
}
inline void PutPolicyFile(const std::string& file, const std::vector<PolicyEntry>& entries) {
    std::ofstream(file, std::ios::binary) << PolicyBytes(entries);
}
// An object's User\Registry.pol holding the bytes, or the entries.
inline void PutObjectBytes(const std::string& folder, const std::string& bytes) {
    std::filesystem::create_directories(folder + "\\User");
    std::ofstream(folder + "\\User\\Registry.pol", std::ios::binary) << bytes;
}
inline void PutObjectFile(const std::string& folder, const std::vector<PolicyEntry>& entries) {
    PutObjectBytes(folder, PolicyBytes(entries));
}

}  // namespace testing_support
