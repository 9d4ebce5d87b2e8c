#include "core/LongValues.h"

#include "core/StorableText.h"

namespace core {

void LongValues::Fill(forms::TextBox& box, const std::string& stored, const TextLimit& limit) {
    std::erase_if(kept_, [&box](const Shown& shown) { return shown.box == &box; });
    std::size_t length = CharacterCount(stored);
    if (length <= limit.characters) {
        box.SetText(stored);
        return;
    }
    std::size_t end = 0;
    for (std::size_t count = 0; end < stored.size(); ++end)
        if ((static_cast<unsigned char>(stored[end]) & 0xC0) != 0x80 && count++ == limit.characters)
            break;
    std::string beginning = stored.substr(0, end);
    if (beginning.ends_with('\r')) beginning.pop_back();  // never half a line break
    box.SetText(beginning);
    kept_.push_back({&box, beginning, stored});
    notes_.push_back(std::string(limit.what) + ": " + std::to_string(length) +
                     " caracteres (máximo " + std::to_string(limit.characters) + ")");
}

void LongValues::Report(platform::Dialogs& dialogs) {
    if (notes_.empty()) return;
    std::string text = "Textos guardados maiores do que esta tela mostra:";
    for (const std::string& note : notes_) text += "\r\n- " + note;
    text +=
        "\r\nSó o começo aparece aqui; o que está guardado fica como está até você escrever "
        "outro texto no lugar.";
    notes_.clear();
    dialogs.ShowMessage(text, "Aviso", 48);
}

bool LongValues::Kept(const forms::TextBox& box) const {
    return &Value(box) != &box.text();
}

const std::string& LongValues::Value(const forms::TextBox& box) const {
    for (const Shown& shown : kept_)
        if (shown.box == &box && box.text() == shown.text) return shown.whole;
    return box.text();
}

}  // namespace core
