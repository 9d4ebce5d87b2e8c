#include "undo/BackupFile.h"

#include <array>
#include <cstdio>
#include <set>
#include <tuple>

namespace undo {

using changes::FileState;
using changes::KeyState;
using changes::ValueState;

namespace {

constexpr std::string_view kHeader = "Copia do Quarvel antes de uma importacao";
constexpr std::string_view kValue = "Valor";
constexpr std::string_view kAbsent = "Ausente";
constexpr std::string_view kAbsentKey = "ChaveAusente";
constexpr std::string_view kBlockList = "Lista";
constexpr std::string_view kPolicyObject = "Politica";
constexpr std::string_view kComputerRules = "Computador";
constexpr std::string_view kAccount = "Conta";
constexpr std::string_view kEntry = "Entrada";
constexpr std::string_view kNoEntry = "SemEntrada";
constexpr std::string_view kEnd = "Fim";
constexpr std::string_view kNoFile = "-";

constexpr std::array<std::pair<Hive, std::string_view>, 3> kHives = {{
    {Hive::ClassesRoot, "HKCR"},
    {Hive::CurrentUser, "HKCU"},
    {Hive::LocalMachine, "HKLM"},
}};
constexpr char kDigits[] = "0123456789abcdef";

int Digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// A text as one field: "=" and the text, every byte that is not a visible
// ASCII character (and "%") written as "%" and two hex digits.
std::string Text(std::string_view text) {
    std::string field = "=";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7F && c != '%') {
            field += c;
        } else {
            field += '%';
            field += kDigits[byte >> 4];
            field += kDigits[byte & 15];
        }
    }
    return field;
}

std::optional<std::string> TextOf(std::string_view field) {
    if (!field.starts_with('=')) return std::nullopt;
    std::string text;
    for (std::size_t i = 1; i < field.size(); ++i) {
        if (field[i] != '%') {
            text += field[i];
            continue;
        }
        if (i + 2 >= field.size()) return std::nullopt;
        int high = Digit(field[i + 1]), low = Digit(field[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        text += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return text;
}

// Bytes as one field: "x" and two hex digits each; "-" for no file.
std::string Bytes(const std::optional<std::string>& bytes) {
    if (!bytes) return std::string(kNoFile);
    std::string field = "x";
    field.reserve(1 + bytes->size() * 2);
    for (char c : *bytes) {
        field += kDigits[static_cast<unsigned char>(c) >> 4];
        field += kDigits[static_cast<unsigned char>(c) & 15];
    }
    return field;
}

std::optional<std::optional<std::string>> BytesOf(std::string_view field) {
    if (field == kNoFile) return std::optional<std::string>();
    if (!field.starts_with('x') || field.size() % 2 == 0) return std::nullopt;
    std::string bytes;
    bytes.reserve(field.size() / 2);
    for (std::size_t i = 1; i < field.size(); i += 2) {
        int high = Digit(field[i]), low = Digit(field[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return std::optional<std::string>(std::move(bytes));
}

std::string_view HiveField(Hive hive) {
    for (auto [known, name] : kHives)
        if (known == hive) return name;
    return {};
}

// The hive a field names; Hive{} (no hive) when it names none.
Hive HiveOf(std::string_view field) {
    for (auto [hive, name] : kHives)
        if (name == field) return hive;
    return Hive{};
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t blank = std::min(line.find(' ', start), line.size());
        fields.push_back(line.substr(start, blank - start));
        start = blank + 1;
    }
    return fields;
}

// Reads one line into the contents; false when it is not a backup's line.
PolicyValueState* StateOf(BackupContents& contents, const std::string& file, const std::string& key,
                          const std::string& name) {
    for (PolicyValueState& state : contents.policyValues)
        if (state.file == file && state.key == key && state.name == name) return &state;
    return nullptr;
}

// "Entrada =file =key =value =entry type xdata", "SemEntrada =file =key =value".
bool ReadPolicyLine(const std::vector<std::string_view>& f, BackupContents& contents) {
    bool entry = f[0] == kEntry;
    if (f.size() != (entry ? 7u : 4u)) return false;
    auto file = TextOf(f[1]), key = TextOf(f[2]), name = TextOf(f[3]);
    if (!file || !key || !name) return false;
    // A value kept as having no entry has no other line; one with entries
    // has no "SemEntrada".
    PolicyValueState* found = StateOf(contents, *file, *key, *name);
    if (found && (!entry || found->entries.empty())) return false;
    PolicyValueState& state =
        found ? *found
              : contents.policyValues.emplace_back(PolicyValueState{*file, *key, *name, {}});
    if (!entry) return true;
    unsigned type = 0;
    char extra = 0;
    auto entryName = TextOf(f[4]);
    auto data = BytesOf(f[6]);
    if (!entryName || !data || !*data ||
        std::sscanf(std::string(f[5]).c_str(), "%u%c", &type, &extra) != 1)
        return false;
    state.entries.push_back({*entryName, type, **data});
    return true;
}

bool ReadLine(const std::vector<std::string_view>& f, BackupContents& contents) {
    if (f.empty()) return false;
    if (f[0] == kEntry || f[0] == kNoEntry) return ReadPolicyLine(f, contents);
    if (f[0] == kAccount) {
        if (f.size() != 2 || !contents.account.empty() || !f[1].starts_with("S-1-")) return false;
        contents.account = f[1];
        return true;
    }
    Hive hive = f.size() > 1 ? HiveOf(f[1]) : Hive{};
    auto key = f.size() > 2 ? TextOf(f[2]) : std::nullopt;
    if (f[0] == kValue || f[0] == kAbsent) {
        auto name = f.size() > 3 ? TextOf(f[3]) : std::nullopt;
        if (hive == Hive{} || !key || !name) return false;
        ValueState value{hive, *key, *name, std::nullopt};
        if (f[0] == kValue) {
            unsigned type = 0;
            char extra = 0;
            auto data = f.size() == 6 ? BytesOf(f[5]) : std::nullopt;
            if (!data || !*data ||
                std::sscanf(std::string(f[4]).c_str(), "%u%c", &type, &extra) != 1)
                return false;
            value.stored =
                StoredValue{type, std::vector<std::uint8_t>((*data)->begin(), (*data)->end())};
        } else if (f.size() != 4) {
            return false;
        }
        contents.values.push_back(std::move(value));
        return true;
    }
    if (f[0] == kAbsentKey) {
        if (hive == Hive{} || !key || f.size() != 3) return false;
        contents.absentKeys.push_back({hive, *key});
        return true;
    }
    if (f[0] == kBlockList || f[0] == kPolicyObject || f[0] == kComputerRules) {
        auto path = f.size() == 3 ? TextOf(f[1]) : std::nullopt;
        auto bytes = f.size() == 3 ? BytesOf(f[2]) : std::nullopt;
        auto& file = f[0] == kBlockList      ? contents.blockList
                     : f[0] == kPolicyObject ? contents.policyObject
                                             : contents.computerRules;
        if (!path || !bytes || file) return false;
        file = FileState{*path, *bytes};
        return true;
    }
    return false;
}

// Every value and key once, and no value kept as there in a key kept as
// absent, or under one.
bool Agrees(const BackupContents& contents) {
    std::set<std::tuple<Hive, std::string, std::string>> values;
    std::set<std::pair<Hive, std::string>> keys;
    for (const KeyState& key : contents.absentKeys)
        if (!keys.insert({key.hive, Lowered(key.key)}).second) return false;
    for (const ValueState& value : contents.values) {
        if (!values.insert({value.hive, Lowered(value.key), Lowered(value.name)}).second)
            return false;
        if (!value.stored) continue;
        for (std::string key = Lowered(value.key);; key.resize(key.rfind('\\'))) {
            if (keys.contains({value.hive, key})) return false;
            if (key.find('\\') == std::string::npos) break;
        }
    }
    return true;
}

}  // namespace

std::string BackupText(const BackupContents& contents) {
    std::vector<std::string> lines;
    if (!contents.account.empty()) lines.push_back(std::string(kAccount) + " " + contents.account);
    for (const PolicyValueState& state : contents.policyValues) {
        std::string value = Text(state.file) + " " + Text(state.key) + " " + Text(state.name);
        if (state.entries.empty()) lines.push_back(std::string(kNoEntry) + " " + value);
        for (const PolicyValueState::Entry& entry : state.entries)
            lines.push_back(std::string(kEntry) + " " + value + " " + Text(entry.name) + " " +
                            std::to_string(entry.type) + " " + Bytes(entry.data));
    }
    for (const ValueState& value : contents.values) {
        std::string line = std::string(value.stored ? kValue : kAbsent) + " " +
                           std::string(HiveField(value.hive)) + " " + Text(value.key) + " " +
                           Text(value.name);
        if (value.stored)
            line += std::string(" ") + std::to_string(value.stored->type) + " " +
                    Bytes(std::string(value.stored->data.begin(), value.stored->data.end()));
        lines.push_back(std::move(line));
    }
    for (const KeyState& key : contents.absentKeys)
        lines.push_back(std::string(kAbsentKey) + " " + std::string(HiveField(key.hive)) + " " +
                        Text(key.key));
    for (auto [word, file] : {std::pair{kBlockList, &contents.blockList},
                              std::pair{kPolicyObject, &contents.policyObject},
                              std::pair{kComputerRules, &contents.computerRules}})
        if (*file)
            lines.push_back(std::string(word) + " " + Text((*file)->path) + " " +
                            Bytes((*file)->bytes));
    std::string text = std::string(kHeader) + "\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
    return text + std::string(kEnd) + " " + std::to_string(lines.size()) + "\r\n";
}

std::optional<BackupContents> ParseBackup(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos;
         start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start != text.size() || lines.size() < 2 || lines.front() != kHeader) return std::nullopt;
    std::vector<std::string_view> end = Fields(lines.back());
    if (end.size() != 2 || end[0] != kEnd || end[1] != std::to_string(lines.size() - 2))
        return std::nullopt;
    BackupContents contents;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i)
        if (!ReadLine(Fields(lines[i]), contents)) return std::nullopt;
    if (!Agrees(contents)) return std::nullopt;
    return contents;
}

}  // namespace undo
