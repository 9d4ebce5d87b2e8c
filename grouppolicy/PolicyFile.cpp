#include "grouppolicy/PolicyFile.h"

#include <array>

#include "platform/AnsiCodec.h"

namespace grouppolicy {
namespace {

constexpr std::string_view kSignature = "PReg";
constexpr std::uint32_t kVersion = 1;

// One entry of the file, field by field.
enum class Field { Open, Key, Name, Type, Size, Data, Close, Separator };
constexpr std::array<Field, 11> kEntryLayout = {
    Field::Open,      Field::Key,  Field::Separator, Field::Name, Field::Separator, Field::Type,
    Field::Separator, Field::Size, Field::Separator, Field::Data, Field::Close,
};
constexpr char16_t CharacterOf(Field field) {
    return field == Field::Open ? u'[' : field == Field::Close ? u']' : u';';
}

void PutUnit(std::string& out, char16_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

void PutDword(std::string& out, std::uint32_t number) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>(number >> shift);
}

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ == bytes_.size(); }
    bool Unit(char16_t& unit) {
        if (bytes_.size() - at_ < 2) return false;
        unit = static_cast<char16_t>(static_cast<unsigned char>(bytes_[at_]) |
                                     static_cast<unsigned char>(bytes_[at_ + 1]) << 8);
        at_ += 2;
        return true;
    }
    bool Dword(std::uint32_t& number) {
        if (bytes_.size() - at_ < 4) return false;
        number = 0;
        for (int i = 3; i >= 0; --i)
            number = number << 8 | static_cast<unsigned char>(bytes_[at_ + i]);
        at_ += 4;
        return true;
    }
    bool Text(std::u16string& text) {
        for (char16_t unit = 0; Unit(unit);) {
            if (unit == 0) return true;
            text += unit;
        }
        return false;
    }
    bool Bytes(std::uint32_t size, std::string& out) {
        if (bytes_.size() - at_ < size) return false;
        out.assign(bytes_.substr(at_, size));
        at_ += size;
        return true;
    }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

bool ReadEntry(Reader& reader, PolicyEntry& entry) {
    std::uint32_t size = 0;
    for (Field field : kEntryLayout) {
        char16_t unit = 0;
        bool read = false;
        switch (field) {
            case Field::Key:
                read = reader.Text(entry.key);
                break;
            case Field::Name:
                read = reader.Text(entry.name);
                break;
            case Field::Type:
                read = reader.Dword(entry.type);
                break;
            case Field::Size:
                read = reader.Dword(size);
                break;
            case Field::Data:
                read = reader.Bytes(size, entry.data);
                break;
            default:
                read = reader.Unit(unit) && unit == CharacterOf(field);
        }
        if (!read) return false;
    }
    return true;
}

void WriteEntry(std::string& out, const PolicyEntry& entry) {
    for (Field field : kEntryLayout) {
        switch (field) {
            case Field::Key:
            case Field::Name:
                for (char16_t unit : field == Field::Key ? entry.key : entry.name)
                    PutUnit(out, unit);
                PutUnit(out, 0);
                break;
            case Field::Type:
                PutDword(out, entry.type);
                break;
            case Field::Size:
                PutDword(out, static_cast<std::uint32_t>(entry.data.size()));
                break;
            case Field::Data:
                out += entry.data;
                break;
            default:
                PutUnit(out, CharacterOf(field));
        }
    }
}

char16_t Folded(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

}  // namespace

std::optional<std::vector<PolicyEntry>> ParsePolicyFile(std::string_view bytes) {
    std::vector<PolicyEntry> entries;
    if (bytes.empty()) return entries;
    Reader reader(bytes);
    std::string signature;
    std::uint32_t version = 0;
    if (!reader.Bytes(4, signature) || signature != kSignature || !reader.Dword(version) ||
        version != kVersion)
        return std::nullopt;
    while (!reader.AtEnd()) {
        PolicyEntry entry;
        if (!ReadEntry(reader, entry)) return std::nullopt;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::string PolicyFileBytes(const std::vector<PolicyEntry>& entries) {
    std::string out(kSignature);
    PutDword(out, kVersion);
    for (const PolicyEntry& entry : entries) WriteEntry(out, entry);
    return out;
}

std::u16string Utf16Of(std::string_view utf8) {
    std::u16string text;
    for (char32_t c : platform::DecodeUtf8(utf8)) {
        if (c >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(c);
        }
    }
    return text;
}

std::string Utf8Of(std::u16string_view utf16) {
    std::u32string text;
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        text += c;
    }
    return platform::EncodeUtf8(text);
}

std::string DwordData(std::uint32_t number) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(number >> shift);
    return bytes;
}

std::string TextData(std::string_view utf8) {
    std::string data;
    for (char16_t unit : Utf16Of(utf8)) PutUnit(data, unit);
    PutUnit(data, 0);
    return data;
}

std::string TextOfData(std::string_view data) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
        char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(data[i]) |
                                              static_cast<unsigned char>(data[i + 1]) << 8);
        if (unit == 0) break;
        text += unit;
    }
    return Utf8Of(text);
}

bool SameName(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Folded(a[i]) != Folded(b[i])) return false;
    return true;
}

}  // namespace grouppolicy
