// Each screen's table through its real window; real icon files and picture
// loader; the logon notice's open time.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "optimization/frmOtiD.h"
#include "optimization/frmOtiIE.h"
#include "optimization/frmOtiS.h"
#include "options/frmIniOpt.h"
#include "options/frmPWDOPT.h"
#include "personalization/frmNovo.h"
#include "personalization/frmPersIE.h"
#include "personalization/frmPersDesk.h"
#include "platform/win32/Win32Pictures.h"
#include "tests/support/ScreenTables.h"
#include "tests/wine/support/ScreenWindowDriver.h"

namespace {

using namespace testing_support::screens;
using platform::win32::Narrow;
using platform::win32::Widen;
using namespace wine_tests;  // and the shared test verbs with it

// The project's own picture files, in images\ beside the built program.
std::string ImagePath(const char* name) {
    return Narrow(BuildFolder()) + "\\images\\" + name;
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

// Whether a well shows an image: some pixel of its bitmap is not the face colour.
bool ShowsAnImage(HWND well) {
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(well, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (!bitmap) return false;
    auto pixels = Pixels(bitmap);
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    std::uint32_t faceRgb = GetRValue(face) << 16 | GetGValue(face) << 8 | GetBValue(face);
    return std::any_of(pixels.begin(), pixels.end(), [&](auto p) { return p != faceRgb; });
}

TEST(ScreenWindows, EveryScreenDoesWhatItsTableSays) {
    ScreenWindow<personalization::frmPersDesk>().Walk(kPersDesk);
    ScreenWindow<personalization::frmPersIE>().Walk(kPersIE);
    ScreenWindow<personalization::frmNovo>().Walk(kNovo);
    ScreenWindow<optimization::frmOtiD>().Walk(kOtiD);
    ScreenWindow<optimization::frmOtiIE>().Walk(kOtiIE);
    ScreenWindow<optimization::frmOtiS>().Walk(kOtiS);
    ScreenWindow<options::frmPWDOPT>().Walk(kPwdOpt);
    ScreenWindow<options::frmIniOpt>().Walk(kIniOpt);
}

TEST(IconWindows, APickedIconShowsInItsWellAndIsWrittenToItsValue) {
    ScreenWindow<personalization::frmNovo> driver;
    driver.kept.Set({HKLM, kShellIcons, "3", ImagePath("disco.bmp").c_str()});
    driver.kept.Set({HKLM, kShellIcons, "4"});
    driver.Open();
    auto& screen = static_cast<personalization::frmNovo&>(*driver.form);
    HWND four = driver.real.Window(*screen.wells[3]), five = driver.real.Window(*screen.wells[4]);
    EXPECT_TRUE(ShowsAnImage(four)) << "a stored picture shows";
    EXPECT_FALSE(ShowsAnImage(five));
    EXPECT_EQ(driver.Run("Picture5", false, {{"Alterar ícone", ImagePath("pasta.ico")}}),
              (Said{{"Digite a localização do ícone, exemplo: "
                     "C:\\Icones\\nada.ico",
                     "Alterar ícone", 0}}));
    EXPECT_TRUE(ShowsAnImage(five)) << "the picked icon shows";
    EXPECT_EQ(driver.Run("Label44"), (Said{{"As alterações foram aplicadas com sucesso, clique em "
                                            "limpar o cache para melhores resultados",
                                            "Sucesso", 64}}));
    EXPECT_TRUE(HasValue(driver.registry, HKLM, kShellIcons, "4", ImagePath("pasta.ico")));
    // An icon resource has no preview: "Ler Atuais" keeps the well's picture,
    // and a fresh screen shows none.
    PutText(driver.registry, HKLM, kShellIcons, "3", "C:\\windows\\system32\\shell32.dll,4");
    EXPECT_EQ(driver.Run("Label47"), Said{});
    EXPECT_TRUE(ShowsAnImage(four));
    driver.form->Unload();
    driver.Open();
    EXPECT_FALSE(ShowsAnImage(driver.At("Picture4")));
}

TEST(PictureLoader, ShowsPicturesAsTheyAreAndRefusesTheRest) {
    platform::win32::Win32Pictures pictures;
    for (const char* name : {"pasta.ico", "seta.cur", "disco.bmp", "rede.gif", "lixeira.jpg"}) {
        EXPECT_TRUE(pictures.CanShow(ImagePath(name))) << name;
        HBITMAP bitmap = platform::win32::LoadPictureBitmap(ImagePath(name), 49, 41);
        EXPECT_NE(bitmap, nullptr) << name;
        DeleteObject(bitmap);
    }
    // clang-format off
    std::pair<const char*, std::string> broken[] = {
        {"vazio.ico", ""}, {"texto.ico", "isto não é uma imagem"},
        {"cortado.ico", std::string("\0\0\1\0\1\0\x20\x20", 8)},  // an icon header, no more
        {"lixo.bmp", "BM" + std::string(64, '\xff')},
        {"falso.jpg", "\xff\xd8\xff" + std::string(100, '\0')},
        {"enorme.bmp", ""}};  // 200 MB, far bigger than any icon: refused before it is read
    // clang-format on
    for (auto& [name, content] : broken) {
        std::string path = Narrow(BuildFolder()) + "\\quarvel-" + name;
        std::ofstream(Widen(path).c_str(), std::ios::binary) << content;
        if (std::string(name) == "enorme.bmp")
            std::filesystem::resize_file(std::filesystem::path(Widen(path)), 200ll << 20);
        EXPECT_FALSE(pictures.CanShow(path)) << name;
        EXPECT_EQ(platform::win32::LoadPictureBitmap(path, 49, 41), nullptr) << name;
        DeleteFileW(Widen(path).c_str());
    }
    for (std::string path : {std::string(100000, 'a') + ".ico", Narrow(BuildFolder()),
                             std::string("C:\\windows\\system32\\shell32.dll,4"), std::string()})
        EXPECT_FALSE(pictures.CanShow(path)) << path.substr(0, 40);

    // The wizard's side picture is shown pixel for pixel at its own size.
    std::string path = ImagePath("tela fundo.bmp");
    auto file = static_cast<HBITMAP>(
        LoadImageW(nullptr, Widen(path).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    HBITMAP shown = platform::win32::LoadPictureBitmap(path, 150, 494);
    ASSERT_TRUE(file && shown);
    EXPECT_TRUE(Pixels(shown) == Pixels(file));
    DeleteObject(shown);

    DeleteObject(file);
}

// A notice of any length another tool left opens the screen at once: the
// box shows the first 2048 characters (all the logon shows) in one
// paragraph, the worst case for a word-wrapping box. Prints the figures.
TEST(DesktopPersonalizationWindow, ANoticeOfAnyLengthOpensWithinASecond) {
    ScreenWindow<personalization::frmPersDesk> driver;
    driver.Without9xWinlogon();
    driver.kept.Keep({HKLM, kNtWinlogon, "LegalNoticeText"});
    std::string words;
    while (words.size() < 3000000) words += "palavra ";
    for (std::size_t length : {2048u, 30000u, 300000u, 3000000u}) {
        PutText(driver.registry, HKLM, kNtWinlogon, "LegalNoticeText", words.substr(0, length));
        MessageBoxAnswerer answerer;
        auto start = std::chrono::steady_clock::now();
        driver.Open();
        std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - start;
        std::printf("frmPersDesk open, notice of %zu characters: %.0f ms\n", length, ms.count());
        EXPECT_LT(ms.count(), 1000.0) << length;
        EXPECT_EQ(GetWindowTextLengthW(driver.At("Text4")), std::min<int>(length, 2048));
        // The notice's words are the native tests'; here, that it is said once.
        EXPECT_EQ(answerer.Seen().size(), length > 2048 ? 1u : 0u);
        driver.form->Unload();
        driver.real.Pump();
    }
}

}  // namespace
