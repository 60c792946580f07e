#include "command.h"

#include <algorithm>
#include <iostream>

namespace mfpctl {

static std::vector<CommandGroup> &Registry()
{
    static std::vector<CommandGroup> groups;
    return groups;
}

void RegisterGroup(const CommandGroup &group)
{
    auto &groups = Registry();
    auto at = std::lower_bound(groups.begin(), groups.end(), group,
                               [](const CommandGroup &a, const CommandGroup &b) { return std::string(a.name) < b.name; });
    groups.insert(at, group);
}

const std::vector<CommandGroup> &Groups() { return Registry(); }

int UsageError(const CommandGroup &group, const std::string &message)
{
    std::cerr << "mfpctl: " << message << "\n\n" << group.usage;
    return kExitUsage;
}

int Failure(const std::string &message)
{
    std::cerr << "mfpctl: " << message << "\n";
    return kExitFailure;
}

bool TakeFlag(Arguments &args, const std::string &flag)
{
    auto at = std::find(args.begin(), args.end(), flag);
    if (at == args.end())
        return false;
    args.erase(at);
    return true;
}

bool TakeOption(Arguments &args, const std::string &name, std::string &value)
{
    for (auto at = args.begin(); at != args.end(); ++at) {
        if (*at == name && at + 1 != args.end()) {
            value = *(at + 1);
            args.erase(at, at + 2);
            return true;
        }
        if (at->rfind(name + "=", 0) == 0) {
            value = at->substr(name.size() + 1);
            args.erase(at);
            return true;
        }
    }
    return false;
}

}  // namespace mfpctl
