// Runs a function in a forked child process; the child's exit status is the function's result.
// A pipe lets the parent and the child tell each other when a step is done.
#pragma once

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

class ChildProcess {
public:
    explicit ChildProcess(std::function<int(ChildProcess &)> body)
    {
        if (pipe(toChild_) != 0 || pipe(toParent_) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            int status = body(*this);
            _exit(status);
        }
    }
    ~ChildProcess()
    {
        if (pid_ > 0 && !reaped_)
            Wait();
        for (int fd : {toChild_[0], toChild_[1], toParent_[0], toParent_[1]})
            close(fd);
    }
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    bool Started() const { return pid_ > 0; }
    // Exit status of the child, or -1 when it did not exit normally.
    int Wait()
    {
        int status = 0;
        waitpid(pid_, &status, 0);
        reaped_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void TellChild() { Send(toChild_[1]); }
    bool AwaitParent() { return Receive(toChild_[0]); }
    void TellParent() { Send(toParent_[1]); }
    bool AwaitChild() { return Receive(toParent_[0]); }

private:
    static void Send(int fd)
    {
        char token = 1;
        (void)!write(fd, &token, 1);
    }
    static bool Receive(int fd)
    {
        char token = 0;
        return read(fd, &token, 1) == 1;
    }

    int toChild_[2] = {-1, -1};
    int toParent_[2] = {-1, -1};
    pid_t pid_ = -1;
    bool reaped_ = false;
};
