// mfpctl policies: the device's five policy flags (IsDeptCodeEnforced and its siblings).
#include <iomanip>
#include <iostream>
#include <vector>

#include "device_question.h"
#include "json.h"

using namespace mfpctl;

namespace {

int RunPolicies(const Arguments &arguments);

const CommandGroup kPoliciesGroup{
    "policies", "the policy flags of the printer's device",
    "usage: mfpctl policies PRINTER [--policy NAME] [--brand N] [--json]\n"
    "\n"
    "Calls the policy exports of libmirvale.so for the printer and prints each flag: on, off,\n"
    "or why it could not be read (no address: -1, no answer: -5).\n"
    "\n"
    "  --policy NAME  ask one policy only: dept-code, user-account, confirm-dialog, black-free,\n"
    "                 private-password\n"
    "  --brand N      brand code (3: the partner brand's discovery cache; default 0)\n"
    "  --json         one JSON object: printer, policies (name, export, value, state), messages\n"
    "\n"
    "exit: with --policy 0 on, 3 off; without, 0 when every flag was read. 1 a flag could not be\n"
    "     read (or the connection-failure message was shown), printer or device address not found,\n"
    "     library not loadable; 2 wrong usage.\n",
    RunPolicies};

MFPCTL_COMMAND_GROUP(kPoliciesGroup);

struct Policy {
    const char *name;
    const char *exportName;
    const char *label;
};

const Policy kPolicies[] = {
    {"dept-code", "IsDeptCodeEnforced", "department codes enforced"},
    {"user-account", "IsUserAccountenforced", "user accounts enforced"},
    {"confirm-dialog", "IsConfirmDialogEnforced", "confirmation dialog enforced"},
    {"black-free", "IsBlackFreeModeEnabled", "black-free mode"},
    {"private-password", "IsPrivPasswordEncryptEnabled", "private-print password encryption"},
};

const char *StateOf(int value)
{
    switch (value) {
    case 1: return "on";
    case 0: return "off";
    case -1: return "no address";
    case -5: return "no answer";
    }
    return "unknown";
}

int RunPolicies(const Arguments &arguments)
{
    Arguments args = arguments;
    std::string only;
    const bool single = TakeOption(args, "--policy", only);
    std::vector<Policy> asked;
    for (const Policy &policy : kPolicies)
        if (!single || only == policy.name)
            asked.push_back(policy);
    if (asked.empty())
        return UsageError(kPoliciesGroup, "no policy named '" + only + "'");
    QuestionLine line;
    if (const int code = ParseQuestionLine(kPoliciesGroup, args, line); code != kExitOk)
        return code;
    if (const int code = CheckPrinterAddress(line); code != kExitOk)
        return code;

    DriverLibrary mirvale("libmirvale.so");
    std::vector<int> values;
    for (const Policy &policy : asked) {
        int value = 0;
        if (!CallFlagExport(mirvale, policy.exportName, line, value))
            return Failure(std::string("cannot call ") + policy.exportName + " of " + mirvale.Path());
        values.push_back(value);
    }

    bool allRead = true;
    if (line.json)
        std::cout << "{\"printer\": " << JsonQuote(line.printer) << ", \"policies\": [";
    for (size_t i = 0; i < asked.size(); ++i) {
        allRead = allRead && values[i] >= 0;
        if (line.json)
            std::cout << (i ? ", " : "") << "{\"name\": " << JsonQuote(asked[i].name)
                      << ", \"export\": " << JsonQuote(asked[i].exportName) << ", \"value\": " << values[i]
                      << ", \"state\": " << JsonQuote(StateOf(values[i])) << "}";
        else
            std::cout << std::left << std::setw(17) << asked[i].name << std::setw(11) << StateOf(values[i])
                      << asked[i].label << "\n";
    }
    if (line.json)
        std::cout << "]" << JsonMessages() << "}\n";
    // A connection-failure message means the flags could not be asked, whatever they say.
    if (!allRead || !DriverLibrary::ShownMessages().empty())
        return kExitFailure;
    return single && values[0] == 0 ? kExitNo : kExitOk;
}

}  // namespace
