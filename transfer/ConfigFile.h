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
