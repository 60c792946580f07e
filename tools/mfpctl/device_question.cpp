#include "device_question.h"

#include <cstdlib>
#include <vector>

#include "address/printer_record.h"
#include "address/resolve_device_address.h"
#include "json.h"

namespace mfpctl {

namespace {

bool IsDecimal(const std::string &text)
{
    char *end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && value >= -2147483647L && value <= 2147483647L;
}

std::vector<char> Writable(const std::string &text) { return std::vector<char>(text.begin(), text.end() + 1); }

}  // namespace

int ParseQuestionLine(const CommandGroup &group, Arguments args, QuestionLine &line)
{
    line.json = TakeFlag(args, "--json");
    if (TakeOption(args, "--brand", line.brand) && !IsDecimal(line.brand))
        return UsageError(group, "--brand needs a decimal number, not '" + line.brand + "'");
    if (args.size() != 1)
        return UsageError(group, args.empty() ? "which printer?" : "one printer name only");
    if (!args[0].empty() && args[0][0] == '-')
        return UsageError(group, "unknown option '" + args[0] + "'");
    line.printer = args[0];
    return kExitOk;
}

int CheckPrinterAddress(const QuestionLine &line)
{
    HANDLE handle = nullptr;
    mfpaddress::PrinterRecord record = mfpaddress::GetPrinterInfo2(line.printer.c_str(), &handle);
    if (!record)
        return Failure("no printer named '" + line.printer + "'");
    char address[260] = {};
    const int result =
        mfpaddress::ResolveDeviceAddress(record.get(), address, std::atoi(line.brand.c_str()), handle, 0, nullptr, 0);
    record.reset();
    mfpaddress::CloseOpenedPrinter(handle);
    if (result != 0)
        return Failure("no device address for printer '" + line.printer + "' (result " + std::to_string(result) +
                       "; see mfpctl resolve)");
    return kExitOk;
}

bool CallFlagExport(const DriverLibrary &library, const char *exportName, const QuestionLine &line, int &result)
{
    auto function = library.Find<int (*)(char *, char *, HANDLE)>(exportName);
    if (function == nullptr)
        return false;
    auto printer = Writable(line.printer);
    auto brand = Writable(line.brand);
    result = function(printer.data(), brand.data(), nullptr);
    return true;
}

std::string JsonMessages()
{
    std::string json = ", \"messages\": [";
    const auto &messages = DriverLibrary::ShownMessages();
    for (size_t i = 0; i < messages.size(); ++i)
        json += (i ? ", " : "") + JsonQuote(messages[i]);
    return json + "]";
}

}  // namespace mfpctl
