#include "core/modFileAttributes.h"

namespace core::modFileAttributes {

void SetAttributes(platform::Files& files, const std::string& path, bool readOnly, bool hidden,
                   bool archive) {
    // A path that names no file, or a file that refuses the change, is left
    // as it was; the caller learns nothing.
    if (!files.GetAttributes(path)) return;
    std::uint32_t word = AttributeWord(readOnly, hidden, archive);
    // Below Windows' file API a word of 0 means "leave them as they are";
    // NORMAL is Windows' own word for a file with no attributes.
    files.SetAttributes(path, word == 0 ? kNormal : word);
}

}  // namespace core::modFileAttributes
