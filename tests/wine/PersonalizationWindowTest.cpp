// The personalisation screens through their real windows, the real registry,
// real icon files and the real picture loader.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <optional>
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

// The pixels of a bitmap, 32 bits each, alpha cleared.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap) {
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    BITMAPINFO format = {};
    format.bmiHeader = {
        sizeof format.bmiHeader, info.bmWidth, -info.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(std::size_t(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (auto& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}

// The wizard's side picture is shown pixel for pixel at its own size; shrunk,
// thin strokes are averaged into grey rather than dropped.
TEST(PictureLoader, ShowsAPictureAtItsOwnSizeAsItIsAndShrinksItSmoothly) {
    std::string path = ImagePath("tela fundo.bmp");
    auto file = static_cast<HBITMAP>(
        LoadImageW(nullptr, Widen(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    HBITMAP shown = platform::win32::LoadPictureBitmap(path, 150, 494);
    ASSERT_TRUE(file && shown);
    EXPECT_TRUE(Pixels(shown) == Pixels(file));
    DeleteObject(shown);
    DeleteObject(file);

    // One-pixel black and white columns, 150 of them, shown 146 wide.
    std::string stripes = TempFolder() + "\\quarvel-listras.bmp";
    {
        const int width = 150, height = 2, stride = (width * 3 + 3) / 4 * 4;
        BITMAPFILEHEADER head = {0x4D42, DWORD(54 + stride * height), 0, 0, 54};
        BITMAPINFOHEADER info = {40, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        std::string rows;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < stride; ++x) rows += char(x < width * 3 && (x / 3) % 2 ? 0xFF : 0);
        std::ofstream out(Widen(stripes).c_str(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(&head), sizeof head);
        out.write(reinterpret_cast<const char*>(&info), sizeof info);
        out << rows;
    }
    HBITMAP shrunk = platform::win32::LoadPictureBitmap(stripes, 146, 2);
    ASSERT_NE(shrunk, nullptr);
    auto pixels = Pixels(shrunk);
    EXPECT_TRUE(std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) {
        return p != 0 && p != 0xFFFFFF;
    })) << "no grey: columns were dropped";
    DeleteObject(shrunk);
    DeleteFileW(Widen(stripes).c_str());
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

// Puts a value back as it was (type included, or absent) when the test ends.
struct KeptValue {
    KeptValue(RegistryAccess& registry, Hive hive, std::string key, std::string name)
        : registry(registry),
          hive(hive),
          key(std::move(key)),
          name(std::move(name)),
          value(registry.Snapshot(hive, this->key, this->name)) {}
    ~KeptValue() { registry.Restore(hive, key, name, value); }
    RegistryAccess& registry;
    Hive hive;
    std::string key, name;
    std::optional<StoredValue> value;
};

constexpr char k9xWinlogon[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
constexpr char kNtWinlogon[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

// A fresh Wine, like the NT family, has no Winlogon key in the 9x place;
// other tests may leave one behind, holding a notice only: it is set aside
// for the test and put back after it.
class Without9xWinlogon {
  public:
    explicit Without9xWinlogon(RegistryAccess& registry) : registry_(registry) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, k9xWinlogon, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return;
        DWORD subkeys = 0, values = 0;
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr);
        RegCloseKey(key);
        existed_ = true;
        for (const char* name : {"LegalNoticeCaption", "LegalNoticeText"})
            if (auto value = registry.Snapshot(Hive::LocalMachine, k9xWinlogon, name))
                kept_.emplace_back(name, *value);
        if (subkeys == 0 && values == kept_.size())
            registry.DeleteKey(Hive::LocalMachine, k9xWinlogon);
    }
    ~Without9xWinlogon() {
        if (!existed_) return;
        registry_.CreateKey(Hive::LocalMachine, k9xWinlogon);
        for (auto& [name, value] : kept_)
            registry_.Restore(Hive::LocalMachine, k9xWinlogon, name, value);
    }

  private:
    RegistryAccess& registry_;
    bool existed_ = false;
    std::vector<std::pair<std::string, StoredValue>> kept_;
};

// Wine, like the NT family, has no Winlogon key in the 9x place: the notice
// goes where the logon reads it, and text the code page cannot hold is
// refused with the box left as typed.
TEST(DesktopPersonalizationWindow, TheNoticeGoesToTheNtKeyAndUnstorableTextIsRefused) {
    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    Without9xWinlogon nt(registry);
    ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, k9xWinlogon));
    KeptValue caption(registry, Hive::LocalMachine, kNtWinlogon, "LegalNoticeCaption");
    KeptValue text(registry, Hive::LocalMachine, kNtWinlogon, "LegalNoticeText");
    auto& screen = real.program.screens.Open<personalization::frmPersDesk>(real.program.context);
    real.Pump();
    HWND title = real.Window(screen.Text3);
    wine_tests::Type(title, "Aviso ☃ € Ω");
    // A multi-line box reports no change for WM_SETTEXT: type over a selection.
    HWND body = real.Window(screen.Text4);
    SendMessageW(body, EM_SETSEL, 0, -1);
    SendMessageW(body, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"Linha um\r\nLinha dois"));
    real.Pump();
    MessageBoxAnswerer answerer;
    real.ClickAndPump(screen.Label7);
    EXPECT_EQ(registry.Snapshot(Hive::LocalMachine, kNtWinlogon, "LegalNoticeCaption"),
              caption.value)
        << "nothing written";
    EXPECT_EQ(WindowTextUtf8(title), "Aviso ☃ € Ω");
    wine_tests::Type(title, "Atenção €");
    real.ClickAndPump(screen.Label7);
    EXPECT_EQ(registry.GetValue(Hive::LocalMachine, kNtWinlogon, "LegalNoticeCaption"),
              "Atenção €");
    EXPECT_EQ(registry.GetValue(Hive::LocalMachine, kNtWinlogon, "LegalNoticeText"),
              "Linha um\r\nLinha dois");
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, k9xWinlogon));
    real.ClickAndPump(screen.Label2);
    EXPECT_FALSE(registry.ValueExists(Hive::LocalMachine, kNtWinlogon, "LegalNoticeText"));
    EXPECT_EQ(answerer.Seen(),
              (std::vector<SeenMessage>{
                  {"A mensagem de logon contém caracteres que o Windows não consegue gravar: ☃ "
                   "Ω. Nada foi gravado: troque esses caracteres e tente de novo.",
                   "Erro"},
                  {"A mensagem de logon foi criada com sucesso, efetue logoff para conferir os "
                   "resultados",
                   "Quarvel"},
                  {"A Mensagem foi removida com sucesso", "Aviso"}}));
}

// A notice of any length another tool left opens the screen at once: the
// box shows the first 2048 characters (all the logon shows) in one
// paragraph, the worst case for a word-wrapping box. Prints the figures.
TEST(DesktopPersonalizationWindow, ANoticeOfAnyLengthOpensWithinASecond) {
    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    Without9xWinlogon nt(registry);
    KeptValue text(registry, Hive::LocalMachine, kNtWinlogon, "LegalNoticeText");
    std::string words;
    while (words.size() < 3000000) words += "palavra ";
    for (std::size_t length : {2048u, 30000u, 300000u, 3000000u}) {
        registry.SetValue(Hive::LocalMachine, kNtWinlogon, "LegalNoticeText",
                          words.substr(0, length), ValueType::String);
        MessageBoxAnswerer answerer;
        LARGE_INTEGER frequency, start, end;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        auto& screen =
            real.program.screens.Open<personalization::frmPersDesk>(real.program.context);
        real.Pump();
        QueryPerformanceCounter(&end);
        double ms = (end.QuadPart - start.QuadPart) * 1000.0 / frequency.QuadPart;
        std::printf("frmPersDesk open, notice of %zu characters: %.0f ms\n", length, ms);
        EXPECT_LT(ms, 1000.0) << length;
        EXPECT_EQ(GetWindowTextLengthW(real.Window(screen.Text4)), std::min<int>(length, 2048));
        EXPECT_EQ(answerer.Seen().size(), length > 2048 ? 1u : 0u) << "said once";
        screen.Unload();
        real.Pump();
    }
}

TEST(DesktopPersonalizationWindow, RolagemCreatesTheMissingAdvancedKey) {
    const char* advanced = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
    if (KeyExists(HKEY_CURRENT_USER, advanced)) GTEST_SKIP() << "this prefix has the key";
    RealProgram real;
    RegistryAccess& registry = real.program.registry;
    auto& screen = real.program.screens.Open<personalization::frmPersDesk>(real.program.context);
    real.Pump();
    real.ClickAndPump(screen.startMenu.on);
    EXPECT_EQ(registry.GetValue(Hive::CurrentUser, advanced, "StartMenuScrollPrograms"), "YES");
    registry.DeleteKey(Hive::CurrentUser, advanced);
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
