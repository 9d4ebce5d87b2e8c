#pragma once
// Records to lines and back.
#include <string>
#include <string_view>
#include <vector>

namespace transfer {

struct Record {
    std::string_view key;  // one of kRecordKeys
    std::string data;
    bool operator==(const Record&) const = default;
};

// The lines of a configuration file: a line ends at CR LF, at CR or at the
// end of the text; a lone LF belongs to its line.
std::vector<std::string> SplitConfigLines(const std::string& text);

// The character at a position of a record's data (0 is the first), as the
// file holds it: one character of the ANSI code page, whatever its length
// in UTF-8. '\0' past the end.
char32_t FlagAt(std::string_view data, std::size_t position);

// The lines of a file as records, in file order. Lines that start with no
// key are skipped; break lines continue the record just before them.
std::vector<Record> ReadRecords(const std::vector<std::string>& lines);

// The file's text as the export collects it: lines joined by CR LF, without
// one after the last line.
class ConfigText {
  public:
    // Appends the record; a text with line breaks continues in break lines.
    void Add(std::string_view key, std::string_view data);
    bool empty() const { return text_.empty(); }
    // The whole file: every line, the last one too, ends with CR LF.
    std::string FileContent() const { return text_ + "\r\n"; }

  private:
    void AddLine(std::string_view line);
    std::string text_;
};

}  // namespace transfer
