#pragma once
// Sets the read-only, hidden and archive attributes of one file to exactly
// the combination asked for; every other attribute bit (system among them)
// is cleared. Failures are ignored: the caller goes on either way.
#include <cstdint>
#include <string>

#include "platform/Files.h"

namespace core::modFileAttributes {

inline constexpr std::uint32_t kReadOnly = 1;
inline constexpr std::uint32_t kHidden = 2;
inline constexpr std::uint32_t kArchive = 32;
inline constexpr std::uint32_t kNormal = 128;  // no attribute at all

constexpr std::uint32_t AttributeWord(bool readOnly, bool hidden, bool archive) {
    return (readOnly ? kReadOnly : 0) | (hidden ? kHidden : 0) | (archive ? kArchive : 0);
}

void SetAttributes(platform::Files& files, const std::string& path, bool readOnly, bool hidden,
                   bool archive);

}  // namespace core::modFileAttributes
