// The personalisation screens through their real windows, the real registry,
// real icon files and the real picture loader.
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <thread>

#include "personalization/frmNovo.h"
#include "personalization/frmPersDesk.h"
#include "personalization/frmPersIE.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Pictures.h"
#include "core/modFileAttributes.h"
#include "tests/wine/support/WindowDriver.h"

namespace {

using platform::win32::Narrow;
using platform::win32::Widen;
using wine_tests::MessageBoxAnswerer;
using wine_tests::RealProgram;
using wine_tests::SeenMessage;
using wine_tests::WindowTextUtf8;

constexpr char kIconsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons";

// The project's own picture files: images\ beside the build folder.
std::string ImagePath(const char* name) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
    for (int up = 0; up < 4; ++up) path = path.substr(0, path.find_last_of(L'\\'));
    return Narrow(path) + "\\images\\" + name;
}

std::string TempFolder() {
    wchar_t buffer[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, buffer);
    std::string folder = Narrow(buffer);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return folder;
}

bool KeyExists(HKEY root, const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// Whether a well shows an image: some pixel of its bitmap is not the face colour.
bool ShowsAnImage(HWND well) {
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(well, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (!bitmap) return false;
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    bool found = false;
    for (int y = 0; y < info.bmHeight && !found; ++y)
        for (int x = 0; x < info.bmWidth && !found; ++x)
            found = GetPixel(memory, x, y) != GetSysColor(COLOR_BTNFACE);
    SelectObject(memory, old);
    DeleteDC(memory);
    return found;
}

// Answers the one-line prompt of this process with a text, as a user
// typing it and pressing OK would, and remembers the prompt's question.
class PromptAnswerer {
  public:
    PromptAnswerer(std::string title, std::string answer)
        : thread_([this, title = Widen(title), answer = Widen(answer)] {
              for (int tries = 0; tries < 500 && !stop_; ++tries) {
                  HWND dialog = FindWindowW(L"#32770", title.c_str());
                  if (dialog && IsWindowVisible(dialog)) {
                      question_ = wine_tests::MessageText(dialog);
                      HWND edit = FindWindowExW(dialog, nullptr, L"Edit", nullptr);
                      SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(answer.c_str()));
                      SendMessageW(dialog, WM_COMMAND, IDOK, 0);
                      answered_ = true;
                      return;
                  }
                  Sleep(10);
              }
          }) {}
    ~PromptAnswerer() {
        stop_ = true;
        thread_.join();
    }
    bool answered() const { return answered_; }
    std::string question() const { return question_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> answered_{false};
    std::string question_;
    std::thread thread_;
};

class IconWindows : public ::testing::Test {
  protected:
    void SetUp() override { hadKey_ = KeyExists(HKEY_LOCAL_MACHINE, kIconsKey); }
    void TearDown() override {
        RegistryAccess& registry = real.program.registry;
        registry.DeleteValue(Hive::LocalMachine, kIconsKey, "4");
        if (!hadKey_) registry.DeleteKey(Hive::LocalMachine, kIconsKey);
    }
    RealProgram real;

  private:
    bool hadKey_ = false;
};

TEST_F(IconWindows, AnIconPickedForSlotFiveIsWrittenToValueFour) {
    auto& screen = real.program.screens.Open<personalization::frmNovo>(real.program.context);
    real.Pump();
    EXPECT_EQ(WindowTextUtf8(real.Window(screen)), "Alterar Ícones");
    HWND well = real.Window(*screen.wells[4]);
    std::string icon = ImagePath("pasta.ico");
    {
        PromptAnswerer prompt("Alterar ícone", icon);
        wine_tests::Click(well);
        real.Pump();
        ASSERT_TRUE(prompt.answered());
        EXPECT_EQ(prompt.question(),
                  "Digite a localização do ícone, exemplo: C:\\Icones\\nada.ico");
    }
    EXPECT_FALSE(ShowsAnImage(real.Window(*screen.wells[3]))) << "an unpicked well is empty";
    EXPECT_TRUE(ShowsAnImage(well)) << "the well shows the icon";
    MessageBoxAnswerer answerer;
    real.ClickAndPump(screen.Label44);
    EXPECT_EQ(real.program.registry.GetValue(Hive::LocalMachine, kIconsKey, "4"), icon);
    EXPECT_EQ(answerer.Seen(),
              (std::vector<SeenMessage>{{"As alterações foram aplicadas com sucesso, clique em "
                                         "limpar o cache para melhores resultados",
                                         "Sucesso"}}));
}

TEST_F(IconWindows, StoredPicturesShowAndIconResourcesLeaveTheWellEmpty) {
    RegistryAccess& registry = real.program.registry;
    registry.CreateKey(Hive::LocalMachine, kIconsKey);
    registry.SetValue(Hive::LocalMachine, kIconsKey, "4", ImagePath("disco.bmp"),
                      ValueType::String);
    auto& screen = real.program.screens.Open<personalization::frmNovo>(real.program.context);
    real.Pump();
    HWND well = real.Window(*screen.wells[4]);
    EXPECT_TRUE(ShowsAnImage(well));
    registry.SetValue(Hive::LocalMachine, kIconsKey, "4", "C:\\windows\\system32\\shell32.dll,4",
                      ValueType::String);
    real.ClickAndPump(screen.Label47);
    EXPECT_TRUE(ShowsAnImage(well)) << "Ler Atuais keeps it";
    real.program.screens.Close<personalization::frmNovo>();
    auto& again = real.program.screens.Open<personalization::frmNovo>(real.program.context);
    real.Pump();
    EXPECT_FALSE(ShowsAnImage(real.Window(*again.wells[4])));
}

TEST(PictureLoader, ShowsIconsCursorsBitmapsGifsAndJpegs) {
    platform::win32::Win32Pictures pictures;
    for (const char* name : {"pasta.ico", "seta.cur", "disco.bmp", "rede.gif", "lixeira.jpg"}) {
        std::string path = ImagePath(name);
        EXPECT_TRUE(pictures.CanShow(path)) << path;
        HBITMAP bitmap = platform::win32::LoadPictureBitmap(path, 49, 41);
        EXPECT_NE(bitmap, nullptr) << name;
        if (bitmap) DeleteObject(bitmap);
    }
}

TEST(PictureLoader, RefusesBrokenFilesWithoutHarm) {
    platform::win32::Win32Pictures pictures;
    std::string folder = TempFolder();
    std::ifstream icon(Widen(ImagePath("pasta.ico")).c_str(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(icon)), std::istreambuf_iterator<char>());
    struct Case {
        const char* name;
        std::string content;
    };
    const Case cases[] = {
        {"vazio.ico", ""},
        {"cortado.ico", bytes.substr(0, 40)},
        {"texto.ico", "isto não é uma imagem"},
        {"lixo.bmp", std::string("BM") + std::string(64, '\xff')},
        {"falso.jpg", std::string("\xff\xd8\xff") + std::string(100, '\0')},
    };
    for (const Case& broken : cases) {
        std::string path = folder + "\\quarvel-" + broken.name;
        std::ofstream(Widen(path).c_str(), std::ios::binary) << broken.content;
        EXPECT_FALSE(pictures.CanShow(path)) << broken.name;
        HBITMAP bitmap = platform::win32::LoadPictureBitmap(path, 49, 41);
        if (bitmap) DeleteObject(bitmap);
        DeleteFileW(Widen(path).c_str());
    }
    // A file far bigger than any icon is refused before it is read.
    std::wstring huge = Widen(folder + "\\quarvel-enorme.bmp");
    HANDLE file = CreateFileW(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "BM", 2, &written, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = 200ll * 1024 * 1024;
    SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    EXPECT_FALSE(pictures.CanShow(Narrow(huge)));
    EXPECT_EQ(platform::win32::LoadPictureBitmap(Narrow(huge), 49, 41), nullptr);
    DeleteFileW(huge.c_str());
    EXPECT_FALSE(pictures.CanShow(std::string(100000, 'a') + ".ico"));
    EXPECT_FALSE(pictures.CanShow(TempFolder()));
    EXPECT_FALSE(pictures.CanShow("C:\\windows\\system32\\shell32.dll,4"));
    EXPECT_FALSE(pictures.CanShow(""));
}

TEST(IconCache, LimparCacheDeletesAReadOnlyHiddenSystemCache) {
    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    const char* currentVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    std::string folder = TempFolder();
    std::string oldRoot = registry.GetValue(Hive::LocalMachine, currentVersion, "SystemRoot");
    std::string oldCleaner = registry.GetValue(
        Hive::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "DelIconCache");
    registry.SetValue(Hive::LocalMachine, currentVersion, "SystemRoot", folder, ValueType::String);
    std::string cache = folder + "\\ShellIconCache";
    std::ofstream(Widen(cache).c_str()) << "cache";
    SetFileAttributesW(Widen(cache).c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    ASSERT_FALSE(DeleteFileW(Widen(cache).c_str())) << "a read-only file refuses to go";

    auto& screen = real.program.screens.Open<personalization::frmNovo>(real.program.context);
    real.Pump();
    MessageBoxAnswerer answerer;
    real.ClickAndPump(screen.Label45);
    EXPECT_EQ(GetFileAttributesW(Widen(cache).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(
        registry.GetValue(Hive::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                          "DelIconCache"),
        real.program.files.ProgramFolder() + "\\limpaico.exe");
    EXPECT_EQ(answerer.Seen(),
              (std::vector<SeenMessage>{{"reinicie o seu computador", "Limpeza de Cache"}}));

    if (oldRoot.empty())
        registry.DeleteValue(Hive::LocalMachine, currentVersion, "SystemRoot");
    else
        registry.SetValue(Hive::LocalMachine, currentVersion, "SystemRoot", oldRoot,
                          ValueType::String);
    if (oldCleaner.empty())
        registry.DeleteValue(Hive::LocalMachine,
                             "Software\\Microsoft\\Windows\\CurrentVersion\\Run", "DelIconCache");
}

TEST(FileAttributeRoutine, SetsTheExactWordOnARealFile) {
    RealProgram real;
    std::string path = TempFolder() + "\\quarvel-atributos.txt";
    std::ofstream(Widen(path).c_str()) << "x";
    std::wstring wide = Widen(path);
    SetFileAttributesW(wide.c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    using core::modFileAttributes::SetAttributes;
    SetAttributes(real.program.files, path, false, false, false);
    DWORD none = GetFileAttributesW(wide.c_str());
    // Wine reports every plain file as one to archive.
    EXPECT_EQ(none & 0x07u, 0u) << std::hex << none;
    SetAttributes(real.program.files, path, true, true, true);
    EXPECT_EQ(GetFileAttributesW(wide.c_str()) & 0x27u, 35u);
    SetAttributes(real.program.files, path, false, false, true);
    EXPECT_EQ(GetFileAttributesW(wide.c_str()) & 0x27u, 32u);
    DeleteFileW(wide.c_str());
    SetAttributes(real.program.files, path, true, false, false);  // no file: nothing happens
    EXPECT_EQ(GetFileAttributesW(wide.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(DesktopPersonalizationWindow, AMultiLineLogonMessageIsStoredAsTyped) {
    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    const char* winlogon = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
    bool existed = KeyExists(HKEY_LOCAL_MACHINE, winlogon);
    registry.CreateKey(Hive::LocalMachine, winlogon);
    auto& screen = real.program.screens.Open<personalization::frmPersDesk>(real.program.context);
    real.Pump();
    wine_tests::Type(real.Window(screen.Text3), "Atenção");
    // A multi-line box reports no change for WM_SETTEXT: type over a selection.
    HWND text = real.Window(screen.Text4);
    SendMessageW(text, EM_SETSEL, 0, -1);
    SendMessageW(text, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"Linha um\r\nLinha dois"));
    real.Pump();
    MessageBoxAnswerer answerer;
    real.ClickAndPump(screen.Label7);
    EXPECT_EQ(registry.GetValue(Hive::LocalMachine, winlogon, "LegalNoticeCaption"), "Atenção");
    EXPECT_EQ(registry.GetValue(Hive::LocalMachine, winlogon, "LegalNoticeText"),
              "Linha um\r\nLinha dois");
    real.ClickAndPump(screen.Label2);
    EXPECT_EQ(registry.GetValue(Hive::LocalMachine, winlogon, "LegalNoticeText"), "");
    auto seen = answerer.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1], (SeenMessage{"A Mensagem foi removida com sucesso", "Aviso"}));
    if (!existed) registry.DeleteKey(Hive::LocalMachine, winlogon);
}

TEST(BrowserPersonalizationWindow, ASwitchWritesAtOnceAndEnterAppliesTheStartPage) {
    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    const char* main = "Software\\Microsoft\\Internet Explorer\\Main";
    registry.CreateKey(Hive::CurrentUser, main);
    std::string oldPage = registry.GetValue(Hive::CurrentUser, main, "Start Page");
    auto& screen = real.program.screens.Open<personalization::frmPersIE>(real.program.context);
    real.Pump();
    forms::OnOffPair& suggestions = screen.switches.pair(3);
    EXPECT_EQ(WindowTextUtf8(real.Window(suggestions.on)), "Ligado");
    real.ClickAndPump(suggestions.on);
    EXPECT_EQ(registry.GetValue(Hive::CurrentUser, main, "Use FormSuggest"), "yes");
    real.ClickAndPump(suggestions.off);
    EXPECT_EQ(registry.GetValue(Hive::CurrentUser, main, "Use FormSuggest"), "no");

    MessageBoxAnswerer answerer;
    HWND page = real.Window(screen.Text29);
    wine_tests::Type(page, "http://escola.example/");
    SetFocus(page);
    wine_tests::PressKey(page, VK_RETURN);
    real.Pump();
    EXPECT_EQ(registry.GetValue(Hive::CurrentUser, main, "Start Page"), "http://escola.example/");
    real.ClickAndPump(screen.Label4);
    EXPECT_EQ(
        answerer.Seen(),
        (std::vector<SeenMessage>{
            {"As alterações foram efetuadas com sucesso", "Quarvel"},
            {"Se o seu sistema operacional for o Windows XP, selecione a versão 5.0", "Quarvel"}}));
    EXPECT_EQ(screen.chosenVersion(), "6.0");
    registry.SetValue(Hive::CurrentUser, main, "Start Page", oldPage, ValueType::String);
}

}  // namespace
