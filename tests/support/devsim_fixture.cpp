#include "devsim_fixture.h"

#include "temp_root.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

extern char **environ;

namespace mfptest {

namespace {

void WriteFile(const std::filesystem::path &path, const std::string &text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

// Reads one line from fd within the time limit; empty when none came.
std::string ReadLine(int fd, int timeoutMs)
{
    std::string line;
    char c = 0;
    while (true) {
        pollfd watched{fd, POLLIN, 0};
        if (poll(&watched, 1, timeoutMs) <= 0 || read(fd, &c, 1) != 1)
            return line;
        if (c == '\n')
            return line;
        line += c;
    }
}

}  // namespace

DevSim::DevSim(const std::string &profile, const std::string &faults)
{
    DevSimOptions options;
    options.profile = profile;
    options.faults = faults;
    Start(options);
}

DevSim::DevSim(const DevSimOptions &options)
{
    Start(options);
}

DevSim::~DevSim()
{
    Stop();
    if (hadPreviousPort_)
        setenv("MFP_SNMP_PORT", previousPort_.c_str(), 1);
    else
        unsetenv("MFP_SNMP_PORT");
    std::error_code ignored;
    std::filesystem::remove_all(workDir_, ignored);
}

void DevSim::Start(const DevSimOptions &options)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "mfp-devsim-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a directory for devsim");
    workDir_ = pattern;
    logPath_ = workDir_ / "requests.log";

    std::filesystem::path profilePath;
    if (options.communityProfiles.empty()) {
        profilePath = workDir_ / "device.snmprec";
        WriteFile(profilePath, options.profile);
    } else {
        profilePath = workDir_ / "profiles";
        std::filesystem::create_directory(profilePath);
        for (const auto &[community, text] : options.communityProfiles)
            WriteFile(profilePath / (community + ".snmprec"), text);
    }
    std::vector<std::string> arguments = {(BuildDir() / "bin" / "devsim").string(), "--profile", profilePath.string(),
                                          "--log", logPath_.string()};
    if (!options.faults.empty()) {
        WriteFile(workDir_ / "faults.txt", options.faults);
        arguments.insert(arguments.end(), {"--faults", (workDir_ / "faults.txt").string()});
    }
    if (options.ipv6)
        arguments.push_back("--ipv6");
    arguments.insert(arguments.end(), options.extraArguments.begin(), options.extraArguments.end());

    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        throw std::runtime_error("cannot create a pipe for devsim");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        throw std::runtime_error("cannot start " + arguments[0]);
    }
    pid_ = pid;
    std::string ready = ReadLine(pipeFds[0], 10000);
    close(pipeFds[0]);

    std::istringstream words(ready);
    std::string name, state, transport;
    unsigned port = 0;
    words >> name >> state >> transport >> host_ >> port;
    if (name != "devsim" || state != "ready" || port == 0 || port > 65535) {
        Stop();
        throw std::runtime_error("devsim did not start (ready line: '" + ready + "')");
    }
    port_ = static_cast<unsigned short>(port);
    if (const char *previous = std::getenv("MFP_SNMP_PORT")) {
        previousPort_ = previous;
        hadPreviousPort_ = true;
    }
    setenv("MFP_SNMP_PORT", std::to_string(port_).c_str(), 1);
}

std::vector<std::string> DevSim::RequestLog() const
{
    std::vector<std::string> lines;
    std::ifstream in(logPath_);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void DevSim::Stop()
{
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

}  // namespace mfptest
