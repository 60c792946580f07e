// mfpctl model: whether the printer's device is one of the listed device families (GetMFPModel).
#include <iostream>

#include "device_question.h"
#include "json.h"

using namespace mfpctl;

namespace {

int RunModel(const Arguments &arguments);

const CommandGroup kModelGroup{
    "model", "whether the printer's device is of a listed family",
    "usage: mfpctl model PRINTER [--brand N] [--json]\n"
    "\n"
    "Calls GetMFPModel of libmirvale.so for the printer: 1 when the device's sysObjectID names\n"
    "one of the listed device families, 0 otherwise (also when the device does not answer).\n"
    "\n"
    "  --brand N  brand code (3: the partner brand's discovery cache; default 0)\n"
    "  --json     one JSON object: printer, model, listedFamily, messages\n"
    "\n"
    "exit: 0 listed family, 3 not listed (or no answer), 1 printer or device address not found,\n"
    "     library not loadable, 2 wrong usage.\n",
    RunModel};

MFPCTL_COMMAND_GROUP(kModelGroup);

int RunModel(const Arguments &arguments)
{
    QuestionLine line;
    if (const int code = ParseQuestionLine(kModelGroup, arguments, line); code != kExitOk)
        return code;
    if (const int code = CheckPrinterAddress(line); code != kExitOk)
        return code;
    DriverLibrary mirvale("libmirvale.so");
    int model = 0;
    if (!CallFlagExport(mirvale, "GetMFPModel", line, model))
        return Failure("cannot call GetMFPModel of " + mirvale.Path());
    if (line.json)
        std::cout << "{\"printer\": " << JsonQuote(line.printer) << ", \"model\": " << model
                  << ", \"listedFamily\": " << (model == 1 ? "true" : "false") << JsonMessages() << "}\n";
    else
        std::cout << "model " << model << (model == 1 ? " (listed device family)" : " (not a listed family)")
                  << "\n";
    return model == 1 ? kExitOk : kExitNo;
}

}  // namespace
