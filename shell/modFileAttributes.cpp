#include "shell/modFileAttributes.h"

namespace shell::modFileAttributes {

void SetAttributes(platform::Files& files, const std::string& path, bool readOnly, bool hidden,
                   bool archive) {
    // A path that names no file, or a file that refuses the change, is left
    // as it was; the caller learns nothing.
    if (!files.GetAttributes(path)) return;
    files.SetAttributes(path, AttributeWord(readOnly, hidden, archive));
}

}  // namespace shell::modFileAttributes
