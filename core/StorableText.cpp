#include "core/StorableText.h"

#include "platform/AnsiCodec.h"

namespace core {
namespace {

std::string Capitalised(std::string_view what) {
    std::string text(what);
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] -= 'a' - 'A';
    return text;
}

}  // namespace

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

bool CheckStorable(RegistryAccess& registry, platform::Dialogs& dialogs, std::string_view what,
                   std::initializer_list<std::string_view> texts) {
    std::u32string refused;
    for (std::string_view text : texts)
        for (char32_t c : platform::Unstorable(registry.codec(), text))
            if (refused.find(c) == std::u32string::npos) refused += c;
    if (refused.empty()) return true;
    std::string named;
    for (char32_t c : refused) {
        if (!named.empty()) named += ' ';
        named += platform::EncodeUtf8(std::u32string(1, c));
    }
    dialogs.ShowMessage(Capitalised(what) +
                            " contém caracteres que o Windows não consegue gravar: " + named +
                            ". Nada foi gravado: troque esses caracteres e tente de novo.",
                        "Erro", platform::style::Critical);
    return false;
}

bool CheckLength(platform::Dialogs& dialogs, std::string_view what, std::string_view text,
                 std::size_t limit) {
    std::size_t length = CharacterCount(text);
    if (length <= limit) return true;
    dialogs.ShowMessage(Capitalised(what) + " tem " + std::to_string(length) +
                            " caracteres; o máximo é " + std::to_string(limit) +
                            ". Nada foi gravado.",
                        "Erro", platform::style::Critical);
    return false;
}

void ShowNotStored(platform::Dialogs& dialogs, std::string_view what, std::string_view why) {
    std::string text = "Não foi possível gravar " + std::string(what);
    text += why.empty() ? ": o Windows recusou a gravação." : ": " + std::string(why);
    dialogs.ShowMessage(text, "Erro", platform::style::Critical);
}

void ShowNotStored(RegistryAccess& registry, platform::Dialogs& dialogs, Hive hive,
                   std::string_view key, std::string_view what) {
    if (registry.KeyExists(hive, key)) return ShowNotStored(dialogs, what);
    ShowNotStored(dialogs, what, "a chave " + std::string(key) + " não existe neste Windows.");
}

}  // namespace core
