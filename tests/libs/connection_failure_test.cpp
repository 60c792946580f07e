// When no SNMP session can be opened, the questions marked for it show Mirvale's connection-
// failure message (seen here through the automation interface) and return their failure value;
// the model questions stay silent. The call runs in a child process in which the kernel refuses
// every Internet socket, so the sessions really cannot be opened.
#include <gtest/gtest.h>

#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <string>
#include <vector>

#include "device_fixture.h"

using namespace libstest;

namespace {

// From now on socket(AF_INET or AF_INET6, ...) fails with EACCES in this process.
bool RefuseInternetSockets()
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_socket, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[0])),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AF_INET, 2, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AF_INET6, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (EACCES & SECCOMP_RET_DATA)),
    };
    sock_fprog program{static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

std::vector<std::string> shownMessages;

void CALLBACK RecordAndConfirm(HWND modal, void *)
{
    MFP_MODAL_INFO info{};
    if (MfpGetModalInfo(modal, &info) && info.kind == MFP_MODAL_MESSAGEBOX)
        shownMessages.push_back(std::string(info.caption) + "|" + info.text);
    MfpAutomationPressEnter(modal);
}

// What the call gave and which messages it showed, from a child process without sockets.
struct Outcome {
    std::string result;
    std::vector<std::string> messages;
};

template <typename Call>
Outcome RunWithoutSockets(Call call)
{
    int channel[2];
    if (pipe(channel) != 0)
        return {"(no pipe)", {}};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::string report = "(sockets still allowed)";
        if (RefuseInternetSockets()) {
            MfpSetAutomationHandler(RecordAndConfirm, nullptr);
            report = call();
            for (const auto &message : shownMessages)
                report += "\n" + message;
        }
        (void)!write(channel[1], report.data(), report.size());
        _exit(0);
    }
    close(channel[1]);
    std::string report;
    char buffer[512];
    ssize_t length;
    while ((length = read(channel[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, static_cast<size_t>(length));
    close(channel[0]);
    waitpid(child, nullptr, 0);
    Outcome outcome;
    size_t start = 0;
    for (size_t end; (end = report.find('\n', start)) != std::string::npos; start = end + 1)
        (outcome.result.empty() && start == 0 ? outcome.result : outcome.messages.emplace_back()) =
            report.substr(start, end - start);
    (start == 0 ? outcome.result : outcome.messages.emplace_back()) = report.substr(start);
    return outcome;
}

class ConnectionFailureTest : public DeviceTest {};

TEST_F(ConnectionFailureTest, MessageRowsShowItSilentRowsDoNot)
{
    char text[256] = {};
    ASSERT_GT(LoadStringA(mirvale_.Library().Handle(), 5023, text, sizeof text), 0);
    ASSERT_EQ(std::string(text).rfind("Nie mo", 0), 0u);
    const std::string message = std::string("Error|") + text;

    mfptest::DevSim device(SysObjectIdLine("2.3.14.1") + VendorLine("2.3.50.1.3.21.7.1.2.1.1", "2", "3"));
    const struct {
        const char *exportName;
        const char *result;
        bool message;
    } cases[] = {
        {"IsDeptCodeEnforced", "0", true},
        {"IsConfirmDialogEnforced", "0", true},
        {"IsBlackFreeModeEnabled", "0", true},
        {"IsPrivPasswordEncryptEnabled", "0", true},
        // Shows the message and still sends, over a session that could not be opened.
        {"IsUserAccountenforced", "0", true},
        {"GetMFPModel", "0", false},
        {"AbvPrinterCheck", "ftmt", false},
    };
    for (const auto &c : cases) {
        const std::string name = c.exportName;
        const Outcome outcome = RunWithoutSockets([&] {
            return name == "AbvPrinterCheck" ? mirvale_.Features("Office")
                                             : std::to_string(mirvale_.Ask(c.exportName, "Office"));
        });
        EXPECT_EQ(outcome.result, c.result) << c.exportName;
        EXPECT_EQ(outcome.messages, c.message ? std::vector<std::string>{message} : std::vector<std::string>{})
            << c.exportName;
    }
    EXPECT_TRUE(device.RequestLog().empty());
}

}  // namespace
