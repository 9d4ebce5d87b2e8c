#include "transfer/ConfigFile.h"

#include <algorithm>

#include "transfer/ConfigRecords.h"

namespace transfer {
namespace {

const std::string_view* KeyOf(const std::string& line) {
    if (line.size() < kKeyLength) return nullptr;
    std::string_view start(line.data(), kKeyLength);
    auto found = std::find(kRecordKeys.begin(), kRecordKeys.end(), start);
    return found == kRecordKeys.end() ? nullptr : &*found;
}

const LineBreak* BreakOf(const std::string& line) {
    if (line.size() < kKeyLength) return nullptr;
    std::string_view start(line.data(), kKeyLength);
    for (const LineBreak& lineBreak : kLineBreaks)
        if (lineBreak.key == start) return &lineBreak;
    return nullptr;
}

}  // namespace

std::vector<std::string> SplitConfigLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') continue;
        lines.emplace_back(text, start, i - start);
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text, start, text.size() - start);
    return lines;
}

char32_t FlagAt(std::string_view data, std::size_t position) {
    std::size_t i = 0;
    for (std::size_t character = 0; i < data.size(); ++character) {
        auto lead = static_cast<unsigned char>(data[i]);
        std::size_t length = lead < 0x80    ? 1
                             : lead >= 0xF0 ? 4
                             : lead >= 0xE0 ? 3
                             : lead >= 0xC0 ? 2
                                            : 1;
        if (character == position) return length == 1 ? lead : 0xFFFD;
        i += length;
    }
    return 0;
}

std::vector<Record> ReadRecords(const std::vector<std::string>& lines) {
    std::vector<Record> records;
    bool continuable = false;  // the line before was a record or its break line
    for (const std::string& line : lines) {
        if (const std::string_view* key = KeyOf(line)) {
            records.push_back({*key, line.substr(kKeyLength)});
            continuable = true;
        } else if (const LineBreak* lineBreak = BreakOf(line); lineBreak && continuable) {
            records.back().data.append(lineBreak->text);
            records.back().data.append(line, kKeyLength);
        } else {
            continuable = false;
        }
    }
    return records;
}

void ConfigText::Add(std::string_view key, std::string_view data) {
    std::string line(key);
    for (std::size_t i = 0; i < data.size(); ++i) {
        char c = data[i];
        // A lone LF ends no line of the file: it stays in the record.
        if (c != '\r') {
            line += c;
            continue;
        }
        bool crlf = i + 1 < data.size() && data[i + 1] == '\n';
        std::string_view breakText = crlf ? "\r\n" : "\r";
        if (crlf) ++i;
        AddLine(line);
        auto lineBreak = std::find_if(kLineBreaks.begin(), kLineBreaks.end(),
                                      [&](const LineBreak& b) { return b.text == breakText; });
        line = std::string(lineBreak->key);
    }
    AddLine(line);
}

void ConfigText::AddLine(std::string_view line) {
    if (!text_.empty()) text_ += "\r\n";
    text_ += line;
}

}  // namespace transfer
