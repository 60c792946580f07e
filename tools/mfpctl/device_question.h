// What the device question commands (model, features, policies) share: their command line, the
// check that the printer exists and has a device address, and Mirvale loaded by file name.
#pragma once

#include <string>

#include "command.h"
#include "driver_library.h"

namespace mfpctl {

struct QuestionLine {
    std::string printer;
    std::string brand = "0";
    bool json = false;
};

// Parses "PRINTER [--brand N] [--json]" plus the group's own options already taken from args.
// Returns kExitOk, or the usage error's exit code.
int ParseQuestionLine(const CommandGroup &group, Arguments args, QuestionLine &line);

// kExitOk when the printer exists and its device address resolves (without asking the network),
// else prints the reason and returns kExitFailure.
int CheckPrinterAddress(const QuestionLine &line);

// Calls an int (printer, brand, handle) export of the library; false when it lacks the export.
bool CallFlagExport(const DriverLibrary &library, const char *exportName, const QuestionLine &line, int &result);

// The ", \"messages\": [...]" member of the message boxes shown so far.
std::string JsonMessages();

}  // namespace mfpctl
