#include "grouppolicy/TargetRegistry.h"

#include <algorithm>
#include <cstring>

#include "grouppolicy/GptIni.h"
#include "grouppolicy/PolicyObject.h"

namespace grouppolicy {
namespace {

constexpr platform::KeyHandle kCurrentUser = 0x80000001u;
constexpr std::u16string_view kDeleteMarker = u"**del.";
constexpr std::u16string_view kDeleteAllMarker = u"**delvals.";
constexpr std::u16string_view kDeleteListMarker = u"**DeleteValues";
constexpr std::u16string_view kDeleteKeysMarker = u"**DeleteKeys";
constexpr std::u16string_view kMarker = u"**";
// What Windows takes away again when an object stops setting it: every value
// under the policy keys. Elsewhere a value stays in the profiles, so the
// object has to say that it is deleted.
constexpr std::u16string_view kPolicyRoots[] = {
    u"Software\\Policies", u"Software\\Microsoft\\Windows\\CurrentVersion\\Policies"};

bool StartsWith(std::u16string_view text, std::u16string_view start) {
    return text.size() >= start.size() && SameName(text.substr(0, start.size()), start);
}

bool Within(std::u16string_view key, std::u16string_view root) {
    return StartsWith(key, root) && (key.size() == root.size() || key[root.size()] == u'\\');
}

bool UnderPolicies(std::u16string_view key) {
    return std::any_of(std::begin(kPolicyRoots), std::end(kPolicyRoots),
                       [&](std::u16string_view root) { return Within(key, root); });
}

bool IsMarker(const PolicyEntry& entry) {
    return StartsWith(entry.name, kMarker);
}

// The names of a marker's list ("a;b;c"), as other tools write them.
std::vector<std::u16string> Listed(const PolicyEntry& marker) {
    std::u16string list = Utf16Of(TextOfData(marker.data));
    std::vector<std::u16string> names;
    for (std::size_t start = 0; start <= list.size();) {
        std::size_t end = std::min(list.find(u';', start), list.size());
        names.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// Whether a marker of the value's key takes the value away.
bool Deletes(const PolicyEntry& marker, std::u16string_view name) {
    std::u16string_view marked = marker.name;
    if (SameName(marked, kDeleteAllMarker)) return true;
    if (StartsWith(marked, kDeleteMarker))
        return SameName(marked.substr(kDeleteMarker.size()), name);
    if (!SameName(marked, kDeleteListMarker)) return false;
    auto names = Listed(marker);
    return std::any_of(names.begin(), names.end(),
                       [&](const std::u16string& listed) { return SameName(listed, name); });
}

bool DeletesKey(const PolicyEntry& marker, std::u16string_view key) {
    if (!SameName(marker.name, kDeleteKeysMarker)) return false;
    auto names = Listed(marker);
    return std::any_of(names.begin(), names.end(), [&](const std::u16string& listed) {
        return !listed.empty() && Within(key, marker.key + u"\\" + listed);
    });
}

bool ReplacedWhole(std::u16string_view key) {
    return SameName(key, Utf16Of(kAllowListKey));
}

std::u16string Joined(std::u16string_view parent, std::u16string_view child) {
    if (parent.empty()) return std::u16string(child);
    if (child.empty()) return std::u16string(parent);
    return std::u16string(parent) + u"\\" + std::u16string(child);
}

PolicyEntry Marker(std::u16string key, std::u16string name) {
    return {std::move(key), std::move(name), 1, MarkerData()};
}

bool IsText(std::uint32_t type) {
    return type == 1 || type == 2 || type == 7;
}

// A key the object replaces whole: "**delvals." before its first value, as
// the domain's policy files write it.
void KeepWhole(std::vector<PolicyEntry>& entries, const std::u16string& key) {
    auto first = std::find_if(entries.begin(), entries.end(),
                              [&](const PolicyEntry& entry) { return SameName(entry.key, key); });
    for (auto at = first; at != entries.end(); ++at)
        if (SameName(at->key, key) && SameName(at->name, kDeleteAllMarker)) return;
    entries.insert(first, Marker(key, std::u16string(kDeleteAllMarker)));
}

}  // namespace

void TargetRegistry::UseObject(std::string folder) {
    Commit();
    folder_ = std::move(folder);
    entries_.reset();
}

bool TargetRegistry::InObject(platform::KeyHandle parent, const std::string& subKey) const {
    if (opened_.contains(parent)) return true;
    if (folder_.empty() || parent != kCurrentUser) return false;
    std::u16string key = Text(subKey);
    return std::none_of(ownKeys_.begin(), ownKeys_.end(),
                        [&](const std::string& own) { return SameName(Utf16Of(own), key); });
}

std::optional<std::u16string> TargetRegistry::PathOf(platform::KeyHandle parent,
                                                     const std::string& subKey) const {
    auto found = opened_.find(parent);
    std::u16string key = Text(subKey);
    while (!key.empty() && key.back() == u'\\') key.pop_back();
    return found == opened_.end() ? key : Joined(found->second, key);
}

std::vector<PolicyEntry>* TargetRegistry::Entries() {
    if (!entries_) {
        auto bytes = files_.ReadBytes(UserPolicyFile(folder_));
        unreadable_ = false;
        if (!bytes && files_.Exists(UserPolicyFile(folder_))) unreadable_ = true;
        auto parsed = ParsePolicyFile(bytes.value_or(std::string()));
        if (!parsed) unreadable_ = true;
        entries_ = parsed.value_or(std::vector<PolicyEntry>());
    }
    return unreadable_ ? nullptr : &*entries_;
}

const PolicyEntry* TargetRegistry::Find(const std::u16string& key, const std::u16string& name,
                                        bool* said) {
    std::vector<PolicyEntry>* entries = Entries();
    if (said) *said = false;
    if (!entries) return nullptr;
    // The file is applied in order: the last word on a value is the one that holds.
    const PolicyEntry* found = nullptr;
    for (const PolicyEntry& entry : *entries) {
        bool speaks = false;
        if (IsMarker(entry)) {
            speaks = (SameName(entry.key, key) && Deletes(entry, name)) || DeletesKey(entry, key);
            if (speaks) found = nullptr;
        } else if (SameName(entry.key, key) && SameName(entry.name, name)) {
            speaks = true;
            found = &entry;
        }
        if (said && speaks) *said = true;
    }
    return found;
}

bool TargetRegistry::AccountObject() const {
    const std::size_t sid = kNonAdministrators.size();
    return !(folder_.size() > sid && folder_.ends_with(kNonAdministrators) &&
             folder_[folder_.size() - sid - 1] == '\\');
}

bool TargetRegistry::MarksDeletion(const std::u16string& key) const {
    return !ReplacedWhole(key) && (!UnderPolicies(key) || AccountObject());
}

bool TargetRegistry::WriteFile() {
    std::string file = UserPolicyFile(folder_);
    return files_.CreateFolder(file.substr(0, file.rfind('\\'))) &&
           files_.WriteBytes(file, PolicyFileBytes(*entries_));
}

// Writes the file as the entries now stand (later, when deferred); on
// failure the entries go back to what the file still holds.
long TargetRegistry::Store(std::vector<PolicyEntry> before) {
    if (deferred_ || WriteFile()) {
        unwritten_ |= deferred_;
        changed_ = true;
        return platform::status::Success;
    }
    entries_ = std::move(before);
    return platform::status::AccessDenied;
}

long TargetRegistry::OpenKey(platform::KeyHandle parent, const std::string& subKey,
                             std::uint32_t rights, platform::KeyHandle& result) {
    if (!InObject(parent, subKey)) return computer_.OpenKey(parent, subKey, rights, result);
    // Group Policy creates the keys it writes into: every key is there.
    result = nextHandle_++;
    opened_[result] = *PathOf(parent, subKey);
    return platform::status::Success;
}

long TargetRegistry::CreateKey(platform::KeyHandle parent, const std::string& subKey,
                               std::uint32_t rights, platform::KeyHandle& result) {
    if (!InObject(parent, subKey)) return computer_.CreateKey(parent, subKey, rights, result);
    return OpenKey(parent, subKey, rights, result);
}

long TargetRegistry::QueryValue(platform::KeyHandle key, const std::string& name,
                                std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
    auto opened = opened_.find(key);
    if (opened == opened_.end()) return computer_.QueryValue(key, name, type, data, size);
    const PolicyEntry* entry = Find(opened->second, Text(name));
    if (!entry) return platform::status::FileNotFound;
    std::string bytes = IsText(entry->type) ? ReadBack(entry->data) : entry->data;
    if (type) *type = entry->type;
    auto needed = static_cast<std::uint32_t>(bytes.size());
    if (!data) {
        if (size) *size = needed;
        return platform::status::Success;
    }
    if (!size || *size < needed) {
        if (size) *size = needed;
        return platform::status::MoreData;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    *size = needed;
    return platform::status::Success;
}

long TargetRegistry::SetValue(platform::KeyHandle key, const std::string& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) {
    auto opened = opened_.find(key);
    if (opened == opened_.end()) return computer_.SetValue(key, name, type, data, size);
    std::vector<PolicyEntry>* entries = Entries();
    if (!entries) return kUnreadablePolicyFile;
    std::vector<PolicyEntry> before = *entries;
    const std::u16string& path = opened->second;
    std::u16string value = Text(name);
    std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string original = bytes;
    if (IsText(type)) {
        std::string utf16;
        for (char16_t unit : Utf16Of(codec_.FromAnsi(bytes))) {
            utf16 += static_cast<char>(unit & 0xFF);
            utf16 += static_cast<char>(unit >> 8);
        }
        bytes = std::move(utf16);
    }
    // A marker that would take the new value away goes; the value keeps its
    // place in the file where it has one.
    std::erase_if(*entries, [&](const PolicyEntry& entry) {
        return SameName(entry.key, path) && StartsWith(entry.name, kDeleteMarker) &&
               SameName(entry.name.substr(kDeleteMarker.size()), value);
    });
    if (ReplacedWhole(path)) KeepWhole(*entries, path);
    if (auto* held = const_cast<PolicyEntry*>(Find(path, value))) {
        // What the code page could not show comes back as it was read ("?"
        // for each such character): the text another tool wrote stays.
        if (held->type == type && IsText(type) && original == ReadBack(held->data))
            return Store(std::move(before));
        held->type = type;
        held->data = std::move(bytes);
    } else {
        std::erase_if(*entries, [&](const PolicyEntry& entry) {
            return !IsMarker(entry) && SameName(entry.key, path) && SameName(entry.name, value);
        });
        entries->push_back({path, value, type, std::move(bytes)});
    }
    return Store(std::move(before));
}

long TargetRegistry::DeleteValue(platform::KeyHandle key, const std::string& name) {
    auto opened = opened_.find(key);
    if (opened == opened_.end()) return computer_.DeleteValue(key, name);
    std::vector<PolicyEntry>* entries = Entries();
    if (!entries) return kUnreadablePolicyFile;
    std::vector<PolicyEntry> before = *entries;
    const std::u16string& path = opened->second;
    std::u16string value = Text(name);
    bool held = Find(path, value) != nullptr;
    std::erase_if(*entries, [&](const PolicyEntry& entry) {
        return SameName(entry.key, path) &&
               (SameName(entry.name, value) ||
                (StartsWith(entry.name, kDeleteMarker) &&
                 SameName(entry.name.substr(kDeleteMarker.size()), value)));
    });
    // Windows leaves a preference in the profile, and an account's own object
    // comes after the non-administrators': both must say that it is deleted.
    if (MarksDeletion(path))
        entries->push_back(Marker(path, std::u16string(kDeleteMarker) + value));
    else if (!held && *entries == before)
        return platform::status::FileNotFound;
    return *entries == before ? platform::status::Success : Store(std::move(before));
}

long TargetRegistry::DeleteKey(platform::KeyHandle parent, const std::string& subKey) {
    if (!InObject(parent, subKey)) return computer_.DeleteKey(parent, subKey);
    std::vector<PolicyEntry>* entries = Entries();
    if (!entries) return kUnreadablePolicyFile;
    std::vector<PolicyEntry> before = *entries;
    std::u16string path = *PathOf(parent, subKey);
    std::erase_if(*entries, [&](const PolicyEntry& entry) { return Within(entry.key, path); });
    std::size_t slash = path.rfind(u'\\');
    if (MarksDeletion(path) && slash != std::u16string::npos)
        entries->push_back({path.substr(0, slash), std::u16string(kDeleteKeysMarker), 1,
                            TextData(Utf8Of(path.substr(slash + 1)))});
    if (*entries == before) return platform::status::FileNotFound;
    return Store(std::move(before));
}

long TargetRegistry::CloseKey(platform::KeyHandle key) {
    if (opened_.erase(key)) return platform::status::Success;
    return computer_.CloseKey(key);
}

std::string TargetRegistry::ReadBack(const std::string& utf16) const {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(utf16[i]) |
                                       static_cast<unsigned char>(utf16[i + 1]) << 8);
    return codec_.ToAnsi(Utf8Of(units));
}

bool TargetRegistry::DeletionWrites(platform::KeyHandle key, const std::string& name) {
    auto opened = opened_.find(key);
    if (opened == opened_.end() || !MarksDeletion(opened->second)) return false;
    bool said = false;
    return !Find(opened->second, Text(name), &said) && !said && Entries();
}

std::string TargetRegistry::File() const {
    return UserPolicyFile(folder_);
}

bool TargetRegistry::Commit() {
    bool written = !unwritten_ || WriteFile();
    notWritten_ = written ? std::string() : File();
    unwritten_ = false;
    entries_.reset();
    if (!written) changed_ = false;  // nothing new for Windows to apply
    if (!changed_) return written;
    changed_ = false;
    std::string gpt = GptIniFile(folder_);
    auto text = files_.ReadText(gpt);
    if (files_.WriteText(gpt, RaisedGptIni(text ? text->text : std::string()))) return true;
    notWritten_ = gpt;
    return false;
}

std::optional<std::string> TargetRegistry::FileBytes() {
    return files_.ReadBytes(UserPolicyFile(folder_));
}

bool TargetRegistry::PutFileBytes(const std::optional<std::string>& bytes) {
    std::string file = UserPolicyFile(folder_);
    entries_.reset();
    bool done = bytes ? files_.CreateFolder(file.substr(0, file.rfind('\\'))) &&
                            files_.WriteBytes(file, *bytes)
                      : !files_.Exists(file) || files_.Delete(file);
    changed_ |= done;
    return done;
}

}  // namespace grouppolicy
