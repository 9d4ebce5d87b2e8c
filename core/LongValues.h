#pragma once
// Stored texts shown in boxes that hold a sound length. Another tool may
// leave megabytes in a value; a box laid out with all of it would freeze the
// screen. A longer stored text shows its beginning, the user is told once,
// and the stored text stays as it is unless the user writes another.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Control.h"
#include "platform/Dialogs.h"

namespace core {

struct TextLimit {
    std::string_view what;  // with its article: "o conteúdo da mensagem de logon"
    std::size_t characters;
};

class LongValues {
  public:
    // Shows the stored text in the box, only its first characters when it is
    // longer than the limit; such a text is noted for Report.
    void Fill(forms::TextBox& box, const std::string& stored, const TextLimit& limit);
    // One message naming every text noted since the last report, if any.
    void Report(platform::Dialogs& dialogs);
    // Whether the box still shows the beginning of a longer stored text.
    bool Kept(const forms::TextBox& box) const;
    // What a command writes for the box: the whole stored text while the
    // box still shows its beginning, else what the box holds.
    const std::string& Value(const forms::TextBox& box) const;

  private:
    struct Shown {
        const forms::TextBox* box;
        std::string text;   // the beginning shown
        std::string whole;  // the stored text
    };
    std::vector<Shown> kept_;
    std::vector<std::string> notes_;
};

}  // namespace core
