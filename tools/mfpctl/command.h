// The mfpctl command dispatcher. Each command group (reg, printer, driver, ...) lives in its own
// source file and registers itself with MFPCTL_COMMAND_GROUP; main() finds it by its first word.
#pragma once

#include <string>
#include <vector>

namespace mfpctl {

// Exit codes that scripts can rely on.
enum ExitCode {
    kExitOk = 0,       // done; for a question: the answer is "yes"
    kExitFailure = 1,  // the operation failed (not found, refused, device unreachable, ...)
    kExitUsage = 2,    // the command line was wrong; usage text on standard error
    kExitNo = 3,       // a question was answered, and the answer is "no"
};

using Arguments = std::vector<std::string>;

struct CommandGroup {
    const char *name;     // first word on the command line
    const char *summary;  // one line for the overview
    const char *usage;    // full usage text of the group
    int (*run)(const Arguments &args);  // args: the words after the group name
};

void RegisterGroup(const CommandGroup &group);
const std::vector<CommandGroup> &Groups();

struct GroupRegistrar {
    explicit GroupRegistrar(const CommandGroup &group) { RegisterGroup(group); }
};

// Prints "mfpctl: <message>" and the group's usage to standard error; returns kExitUsage.
int UsageError(const CommandGroup &group, const std::string &message);
// Prints "mfpctl: <message>" to standard error; returns kExitFailure.
int Failure(const std::string &message);

// Removes the flag from args when present; true when it was there.
bool TakeFlag(Arguments &args, const std::string &flag);
// Removes "--name VALUE" (or "--name=VALUE") from args; true and value set when present.
bool TakeOption(Arguments &args, const std::string &name, std::string &value);

}  // namespace mfpctl

#define MFPCTL_CONCAT_INNER(a, b) a##b
#define MFPCTL_CONCAT(a, b) MFPCTL_CONCAT_INNER(a, b)
#define MFPCTL_COMMAND_GROUP(...) \
    static const ::mfpctl::GroupRegistrar MFPCTL_CONCAT(mfpctlGroup, __LINE__)(::mfpctl::CommandGroup{__VA_ARGS__})
