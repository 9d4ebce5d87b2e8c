#include "tests/support/TestProgram.h"

#include <atomic>
#include <chrono>

namespace testing_support {

std::filesystem::path FreshFolder() {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    auto folder = std::filesystem::temp_directory_path() /
                  ("quarvel-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(folder);
    return folder;
}

TestProgram::TestProgram() = default;

TestProgram::~TestProgram() {
    std::error_code ignored;
    std::filesystem::remove(Folder() + "\\restt.qvn", ignored);  // beside it, natively
    std::filesystem::remove_all(folder, ignored);
}

}  // namespace testing_support
