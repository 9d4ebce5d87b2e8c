#pragma once
// What a job of the command line reports: its exit code and what was done,
// on one line.
#include <string>

namespace changes {

namespace exit_code {
inline constexpr int Done = 0;
inline constexpr int WrongCommandLine = 1;
inline constexpr int Unreadable = 2;  // the file cannot be read or holds no record
inline constexpr int LockCode = 3;    // missing or wrong
inline constexpr int Partial = 4;     // something could not be written
inline constexpr int NothingToUndo = 5;
}  // namespace exit_code

struct JobReport {
    int code = exit_code::Done;
    std::string facts;
};

}  // namespace changes
