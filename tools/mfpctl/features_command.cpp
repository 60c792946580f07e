// mfpctl features: the device's two feature letters (AbvPrinterCheck).
#include <iostream>

#include "device_question.h"
#include "json.h"

using namespace mfpctl;

namespace {

int RunFeatures(const Arguments &arguments);

const CommandGroup kFeaturesGroup{
    "features", "the feature code of the printer's device",
    "usage: mfpctl features PRINTER [--brand N] [--json]\n"
    "\n"
    "Calls AbvPrinterCheck of libmirvale.so for the printer and prints its feature code:\n"
    "'f', then t/f for feature F, 'm', then t/f for feature M (\"ftmt\" also when the device\n"
    "cannot be asked).\n"
    "\n"
    "  --brand N  brand code (3: the partner brand's discovery cache; default 0)\n"
    "  --json     one JSON object: printer, code, F, M, messages\n"
    "\n"
    "exit: 0 code printed, 1 printer or device address not found, library not loadable,\n"
    "     2 wrong usage.\n",
    RunFeatures};

MFPCTL_COMMAND_GROUP(kFeaturesGroup);

int RunFeatures(const Arguments &arguments)
{
    QuestionLine line;
    if (const int code = ParseQuestionLine(kFeaturesGroup, arguments, line); code != kExitOk)
        return code;
    if (const int code = CheckPrinterAddress(line); code != kExitOk)
        return code;
    DriverLibrary mirvale("libmirvale.so");
    auto abvPrinterCheck = mirvale.Find<void (*)(char *, char *, char *, HANDLE)>("AbvPrinterCheck");
    if (abvPrinterCheck == nullptr)
        return Failure("cannot call AbvPrinterCheck of " + mirvale.Path());
    std::string printer = line.printer;
    std::string brand = line.brand;
    char code[5] = {};
    abvPrinterCheck(printer.data(), brand.data(), code, nullptr);
    const bool f = code[1] == 't';
    const bool m = code[3] == 't';
    if (line.json)
        std::cout << "{\"printer\": " << JsonQuote(line.printer) << ", \"code\": " << JsonQuote(code)
                  << ", \"F\": " << (f ? "true" : "false") << ", \"M\": " << (m ? "true" : "false") << JsonMessages()
                  << "}\n";
    else
        std::cout << "features " << code << "\nF " << (f ? "yes" : "no") << "\nM " << (m ? "yes" : "no") << "\n";
    return kExitOk;
}

}  // namespace
