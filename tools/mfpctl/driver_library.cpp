#include "driver_library.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>

namespace mfpctl {

namespace {

std::vector<std::string> shownMessages;

void CALLBACK ReportMessage(HWND modal, void *)
{
    MFP_MODAL_INFO info{};
    if (MfpGetModalInfo(modal, &info) && info.kind == MFP_MODAL_MESSAGEBOX) {
        shownMessages.push_back(std::string(info.caption) + ": " + info.text);
        std::cerr << "mfpctl: message box: " << shownMessages.back() << "\n";
    }
    MfpAutomationPressEnter(modal);
}

// <folder of mfpctl>/../lib/<file> when it exists, else the bare name for the system's search.
std::string LibraryPath(const char *fileName)
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const std::filesystem::path beside = program.parent_path().parent_path() / "lib" / fileName;
        if (std::filesystem::exists(beside, error))
            return beside.string();
    }
    return fileName;
}

}  // namespace

DriverLibrary::DriverLibrary(const char *fileName) : path_(LibraryPath(fileName))
{
    MfpSetAutomationHandler(ReportMessage, nullptr);
    module_ = LoadLibraryA(path_.c_str());
}

DriverLibrary::~DriverLibrary()
{
    if (module_ != nullptr)
        FreeLibrary(module_);
    MfpSetAutomationHandler(nullptr, nullptr);
}

const std::vector<std::string> &DriverLibrary::ShownMessages() { return shownMessages; }

}  // namespace mfpctl
