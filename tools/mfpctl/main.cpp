// mfpctl: administration of the emulated Windows root and calls of the libraries' exports.
#include <cstring>
#include <iostream>

#include "command.h"

using namespace mfpctl;

static void PrintOverview(std::ostream &out)
{
    out << "usage: mfpctl <command> [arguments]\n"
           "\n"
           "The emulated Windows root is the directory named by MFP_ROOT\n"
           "(default: $XDG_DATA_HOME/mfp, else ~/.local/share/mfp).\n"
           "\n"
           "commands:\n";
    for (const auto &group : Groups())
        out << "  " << group.name << std::string(12 - std::min<size_t>(11, std::strlen(group.name)), ' ')
            << group.summary << "\n";
    out << "\n"
           "'mfpctl help <command>' shows a command's usage.\n"
           "exit codes: 0 done (or yes), 1 failed, 2 wrong usage, 3 no.\n";
}

int main(int argc, char **argv)
{
    Arguments args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintOverview(std::cerr);
        return kExitUsage;
    }
    const std::string word = args.front();
    if (word == "--version" || word == "version") {
        std::cout << "mfpctl " << MFP_VERSION << "\nvendor prefix " << MFP_VENDOR_OID << "\n";
        return kExitOk;
    }
    if (word == "help" || word == "--help" || word == "-h") {
        if (args.size() > 1) {
            for (const auto &group : Groups())
                if (args[1] == group.name) {
                    std::cout << group.usage;
                    return kExitOk;
                }
            std::cerr << "mfpctl: unknown command '" << args[1] << "'\n";
            return kExitUsage;
        }
        PrintOverview(std::cout);
        return kExitOk;
    }
    for (const auto &group : Groups())
        if (word == group.name)
            return group.run(Arguments(args.begin() + 1, args.end()));
    std::cerr << "mfpctl: unknown command '" << word << "'\n\n";
    PrintOverview(std::cerr);
    return kExitUsage;
}
