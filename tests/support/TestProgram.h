#pragma once
// Everything a screen needs, over test doubles: the in-memory registry,
// scripted dialogs, real files in a fresh temporary folder and the
// headless renderer. One per test.
#include <filesystem>
#include <string>

#include "forms/HeadlessRenderer.h"
#include "forms/Screens.h"
#include "platform/MemoryRegistry.h"
#include "platform/StdFiles.h"
#include "core/Context.h"
#include "tests/support/ScriptedDialogs.h"

namespace testing_support {

class KnownPictures : public platform::PictureLoader {
  public:
    bool CanShow(const std::string& path) override {
        auto dot = path.rfind('.');
        std::string extension = dot == std::string::npos ? "" : path.substr(dot);
        return extension == ".bmp" || extension == ".ico" || extension == ".cur";
    }
};

std::filesystem::path FreshFolder();

struct TestProgram {
    TestProgram();
    ~TestProgram();

    std::string Folder() const { return folder.string(); }

    std::filesystem::path folder = FreshFolder();
    platform::Cp1252Codec codec;
    platform::MemoryRegistry registryApi;
    RegistryAccess registry{registryApi, codec};
    ScriptedDialogs dialogs;
    platform::StdFiles files{codec, folder.string()};
    KnownPictures pictures;
    core::ProgramValues values;
    core::Context context{registry, dialogs, files, pictures, values};
    forms::HeadlessRenderer renderer;
    forms::Screens screens{renderer};
};

}  // namespace testing_support
