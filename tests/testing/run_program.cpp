#include "testing/run_program.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace quillan::testing {

ProgramRun runProgram(const std::string& commandLine) {
    ProgramRun run;
    std::FILE* pipe = popen((commandLine + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 256> buffer;
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) run.output += buffer.data();
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace quillan::testing
