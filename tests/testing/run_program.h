#pragma once
// Runs a shell command line as a child process, for tests of the command-line
// tools: its exit code and everything it printed.

#include <string>

namespace quillan::testing {

struct ProgramRun {
    int exitCode = -1;   // -1 when the child did not exit normally
    std::string output;  // standard output and standard error together
};

ProgramRun runProgram(const std::string& commandLine);

}  // namespace quillan::testing
