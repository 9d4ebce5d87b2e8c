// Every program carries its manifest, version and icon.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/wine/support/WindowDriver.h"

namespace {

std::string Manifest(HMODULE module) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    if (!found) return {};
    const char* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(data, SizeofResource(module, found));
}

std::wstring VersionText(const std::wstring& path, const wchar_t* field) {
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (!size) return {};
    std::vector<char> info(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, info.data())) return {};
    wchar_t* text = nullptr;
    UINT length = 0;
    std::wstring query = std::wstring(L"\\StringFileInfo\\041604B0\\") + field;
    if (!VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&text), &length))
        return {};
    return std::wstring(text, length ? length - 1 : 0);
}

TEST(Release, EveryProgramCarriesItsManifestVersionAndIcon) {
    for (auto [name, level] : {std::pair{L"Quarvel.exe", "requireAdministrator"},
                               {L"Resgate.exe", "requireAdministrator"},
                               {L"DErodu.exe", "asInvoker"},
                               {L"limpaico.exe", "asInvoker"}}) {
        std::wstring path = wine_tests::ProgramPath(name);
        HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
        std::string manifest = Manifest(module);
        EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
        EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
        EXPECT_NE(manifest.find(std::string("level=\"") + level), std::string::npos);
        EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)), nullptr)
            << "icon";
        FreeLibrary(module);
        EXPECT_EQ(VersionText(path, L"FileVersion"), L"2.0");
        EXPECT_EQ(VersionText(path, L"ProductName"), L"Quarvel");
    }
}

}  // namespace
