// snmpsim, an agent nobody here wrote, loads the demonstration profile and answers from it.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "demo_profile.h"
#include "tests/support/temp_root.h"

namespace {

namespace fs = std::filesystem;

std::optional<fs::path> FindProgram(const std::string &name)
{
    const char *path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    for (std::size_t start = 0; start <= dirs.size();) {
        std::size_t colon = dirs.find(':', start);
        fs::path candidate = fs::path(dirs.substr(start, colon - start)) / name;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return std::nullopt;
}

// A UDP port on loopback that nothing uses right now.
int FreeUdpPort()
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = -1;
    if (bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    close(fd);
    return port;
}

std::string RunAndCapture(const std::string &command)
{
    std::string output;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            output += buffer;
        pclose(pipe);
    }
    return output;
}

// snmpsimd serving one data directory on a loopback port, stopped with the object.
class Snmpsim {
public:
    Snmpsim(const fs::path &program, const fs::path &workDir, int port)
    {
        fs::create_directories(workDir / "data");
        fs::create_directories(workDir / "cache");
        // snmpsimd running as nobody reads the data and writes its index into the cache.
        fs::permissions(workDir, fs::perms::all);
        fs::permissions(workDir / "data", fs::perms::all);
        fs::permissions(workDir / "cache", fs::perms::all);

        std::vector<std::string> args = {
            program.string(), "--data-dir=" + (workDir / "data").string(),
            "--cache-dir=" + (workDir / "cache").string(),
            "--agent-udpv4-endpoint=127.0.0.1:" + std::to_string(port),
            "--logging-method=file:" + (workDir / "cache" / "snmpsimd.log").string()};
        if (geteuid() == 0) {
            args.push_back("--process-user=nobody");
            args.push_back("--process-group=nogroup");
        }
        pid_ = fork();
        if (pid_ == 0) {
            std::vector<char *> argv;
            for (auto &arg : args)
                argv.push_back(arg.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
    }
    // False once the agent process has ended (a profile it cannot load stops it at start).
    bool Running()
    {
        if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == pid_)
            pid_ = -1;
        return pid_ > 0;
    }

    ~Snmpsim()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }

private:
    pid_t pid_ = -1;
};

}  // namespace

TEST(DemoProfileInSnmpsim, AnswersSysObjectIdAndPrivateObjects)
{
    auto snmpsimd = FindProgram("snmpsimd");
    if (!snmpsimd)
        snmpsimd = FindProgram("snmpsim-command-responder");
    auto snmpget = FindProgram("snmpget");
    if (!snmpsimd || !snmpget)
        GTEST_SKIP() << "snmpsim (snmpsimd) or net-snmp's snmpget is not installed";

    mfptest::TempRoot work;
    // As root snmpsimd runs as nobody, who must be able to pass through the temporary root.
    fs::permissions(work.Path(), fs::perms::others_exec | fs::perms::group_exec, fs::perm_options::add);
    const fs::path data = work.Path() / "sim" / "data";
    fs::create_directories(data);
    // snmpsim selects the profile by community: public.snmprec answers community "public".
    fs::copy_file(demotest::DemoProfilePath(), data / "public.snmprec");
    fs::permissions(data / "public.snmprec", fs::perms::all);
    const int port = FreeUdpPort();
    ASSERT_GT(port, 0);
    Snmpsim agent(*snmpsimd, work.Path() / "sim", port);

    const std::string vendor = MFP_VENDOR_OID;
    // net-snmp's client must not read this machine's configuration or MIB files.
    const std::string command = "SNMPCONFPATH='" + work.Path().string() + "' SNMP_PERSISTENT_DIR='" +
                                work.Path().string() + "' MIBS= '" + snmpget->string() +
                                "' -v1 -c public -On -t 1 -r 0 127.0.0.1:" + std::to_string(port) +
                                " 1.3.6.1.2.1.1.2.0 " + vendor + ".2.3.50.1.3.23.1.1.3.1.2 " + vendor +
                                ".2.3.50.1.3.21.4.1.2.1.99999 2>&1";
    std::string answer;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        ASSERT_TRUE(agent.Running()) << "snmpsimd stopped:\n"
                                     << RunAndCapture("tail -n 20 '" + (work.Path() / "sim" / "cache" / "snmpsimd.log").string() + "'");
        answer = RunAndCapture(command);
        if (answer.find("OID:") != std::string::npos)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    EXPECT_NE(answer.find(".1.3.6.1.2.1.1.2.0 = OID: ." + vendor + ".2.3.16.1"), std::string::npos) << answer;
    EXPECT_NE(answer.find("Hex-STRING: 4B 00 61 00 64 00 72 00 79 00"), std::string::npos) << answer;
    EXPECT_NE(answer.find(".2.3.50.1.3.21.4.1.2.1.99999 = INTEGER: -1"), std::string::npos) << answer;
}
