#pragma once
// What the screens say when Windows cannot take what they were asked to
// store: characters its ANSI code page cannot hold, a text longer than its
// box, or a write the registry refused. A command shows its success message
// only when everything it reports was written.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/Dialogs.h"
#include "registry/RegistryAccess.h"

namespace core {

// Whether Windows can store every one of the texts. When it cannot, nothing
// may be written: a critical message "Erro" names the characters and what
// holds them (`what`, with its article: "a mensagem de logon"), and the text
// stays in its box for the user to correct.
bool CheckStorable(RegistryAccess& registry, platform::Dialogs& dialogs, std::string_view what,
                   std::initializer_list<std::string_view> texts);

// Whether a typed text fits the box's limit, in characters; a critical
// message "Erro" says so when it does not.
bool CheckLength(platform::Dialogs& dialogs, std::string_view what, std::string_view text,
                 std::size_t limit);

// A write Windows refused: a critical message "Erro" names what was not
// stored (`what` with its article) and, when given, why.
void ShowNotStored(platform::Dialogs& dialogs, std::string_view what, std::string_view why = {});
// The same for a value of the key: the reason is the missing key, if it is.
void ShowNotStored(RegistryAccess& registry, platform::Dialogs& dialogs, Hive hive,
                   std::string_view key, std::string_view what);

// Characters of a UTF-8 text.
std::size_t CharacterCount(std::string_view utf8);

}  // namespace core
