// Running the project's own programs (mfpctl, devsim, ...) from a test as a user would: a child
// process through the shell, its output captured.
#pragma once

#include <string>
#include <vector>

namespace mfptest {

struct ToolRun {
    int exitCode = -1;   // -1 when the program could not run or did not exit normally
    std::string output;  // what the command line sent to the pipe
};

// Runs one shell command line and captures its standard output (add "2>&1" to capture standard
// error as well).
ToolRun RunCommandLine(const std::string &commandLine);

// The word quoted for the shell, whatever it holds.
std::string ShellQuote(const std::string &word);

// build/bin/mfpctl, quoted for the shell.
std::string MfpctlCommand();

// mfpctl with each argument quoted; standard output and standard error together.
ToolRun RunMfpctl(const std::vector<std::string> &args);

}  // namespace mfptest
