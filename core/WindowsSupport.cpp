#include "core/WindowsSupport.h"

#include "registry/RegistryAccess.h"

namespace core {

Windows ReleaseOf(const platform::WindowsVersion& version) {
    if (version.major < 5) return Windows::Nine;
    if (version.major == 5) return version.minor == 0 ? Windows::W2000 : Windows::XP;
    if (version.major == 6) {
        switch (version.minor) {
            case 0:
                return Windows::Vista;
            case 1:
                return Windows::W7;
            case 2:
                return Windows::W8;
            default:
                return Windows::W81;
        }
    }
    return version.build >= 22000 ? Windows::W11 : Windows::W10;
}

const Support* SupportOf(std::string_view setting) {
    for (const Support& row : kWindowsSupport)
        if (SameName(row.setting, setting)) return &row;
    return nullptr;
}

bool Honours(Windows running, std::string_view setting) {
    const Support* row = SupportOf(setting);
    return !row || !row->known || (row->first <= running && running <= row->last);
}

std::string_view KeyGoneOn(Windows running, std::string_view key) {
    for (const Support& row : kWindowsSupport) {
        if (!row.wholeKey || Honours(running, row.setting)) continue;
        // The row's name as one whole element of the path, anywhere in it.
        for (std::size_t at = 0; at + row.setting.size() <= key.size(); ++at) {
            bool starts = at == 0 || key[at - 1] == '\\';
            std::size_t end = at + row.setting.size();
            bool ends = end == key.size() || key[end] == '\\';
            if (starts && ends && SameName(key.substr(at, row.setting.size()), row.setting))
                return row.setting;
        }
    }
    return {};
}

std::string NoEffectLine(Windows running, std::span<const CaptionedSetting> settings) {
    std::string line;
    for (const CaptionedSetting& entry : settings) {
        if (Honours(running, entry.setting)) continue;
        std::string_view caption = entry.caption;
        while (!caption.empty() && (caption.back() == ':' || caption.back() == ' '))
            caption.remove_suffix(1);
        line += (line.empty() ? "Sem efeito neste Windows: " : "; ") + std::string(caption);
    }
    return line;
}

std::string NoEffectLine(platform::Accounts& accounts, std::span<const CaptionedSetting> settings) {
    return NoEffectLine(ReleaseOf(accounts.Windows()), settings);
}

}  // namespace core
