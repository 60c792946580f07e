#include "snmpsim_agent.h"

#include "snmp/snmp_pp.h"

#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <stdexcept>
#include <thread>
#include <vector>

extern char **environ;

namespace {

const char *const kResponder = "/usr/bin/snmpsimd";

unsigned short FreeUdpPort()
{
    int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof local;
    bind(fd, reinterpret_cast<sockaddr *>(&local), length);
    getsockname(fd, reinterpret_cast<sockaddr *>(&local), &length);
    close(fd);
    return ntohs(local.sin_port);
}

bool Answers(unsigned short port, const std::string &community)
{
    int status = 0;
    Snmp session(status);
    CTarget target(IpAddress("127.0.0.1"));
    target.SetPort(port);
    target.set_timeout(50);
    target.set_retry(0);
    target.set_readcommunity(OctetStr(community.c_str()));
    Pdu pdu;
    pdu += Vb(Oid("1.3.6"));
    return session.get_next(pdu, target) == SNMP_CLASS_SUCCESS;
}

}  // namespace

bool SnmpSimAgent::Installed()
{
    return access(kResponder, X_OK) == 0;
}

SnmpSimAgent::SnmpSimAgent(const std::map<std::string, std::string> &communityProfiles)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "mfp-snmpsim-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a directory for snmpsim");
    workDir_ = pattern;
    // The responder drops its privileges when started as root: its data must stay readable and
    // its cache writable for that user.
    using std::filesystem::perms;
    std::filesystem::permissions(workDir_, perms::all & ~perms::group_write & ~perms::others_write);
    std::filesystem::path data = workDir_ / "data";
    std::filesystem::path cache = workDir_ / "cache";
    std::filesystem::create_directories(data);
    std::filesystem::create_directories(cache);
    std::filesystem::permissions(cache, perms::all);
    for (const auto &[community, text] : communityProfiles) {
        std::ofstream(data / (community + ".snmprec")) << text;
    }
    port_ = FreeUdpPort();
    std::vector<std::string> arguments = {kResponder,
                                          "--data-dir=" + data.string(),
                                          "--cache-dir=" + cache.string(),
                                          "--agent-udpv4-endpoint=127.0.0.1:" + std::to_string(port_),
                                          "--logging-method=file:" + (workDir_ / "snmpsim.log").string()};
    if (geteuid() == 0) {
        arguments.push_back("--process-user=nobody");
        arguments.push_back("--process-group=nogroup");
    }
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    std::string output = (workDir_ / "snmpsim.out").string();
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    pid_t pid = -1;
    int spawned = posix_spawn(&pid, kResponder, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return;
    pid_ = pid;
    const std::string anyCommunity = communityProfiles.empty() ? "public" : communityProfiles.begin()->first;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!ready_ && std::chrono::steady_clock::now() < deadline) {
        ready_ = Answers(port_, anyCommunity);
        if (!ready_)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}

SnmpSimAgent::~SnmpSimAgent()
{
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
    }
    std::error_code ignored;
    std::filesystem::remove_all(workDir_, ignored);
}
