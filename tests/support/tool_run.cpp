#include "tool_run.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "temp_root.h"

namespace mfptest {

ToolRun RunCommandLine(const std::string &commandLine)
{
    ToolRun run;
    FILE *pipe = popen(commandLine.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 4096> buffer;
    size_t got;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), got);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string ShellQuote(const std::string &word)
{
    std::string out = "'";
    for (char c : word)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string MfpctlCommand() { return ShellQuote((BuildDir() / "bin" / "mfpctl").string()); }

ToolRun RunMfpctl(const std::vector<std::string> &args)
{
    std::string command = MfpctlCommand();
    for (const auto &arg : args)
        command += " " + ShellQuote(arg);
    return RunCommandLine(command + " 2>&1");
}

}  // namespace mfptest
