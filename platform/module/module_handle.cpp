// GetModuleHandleA, GetModuleFileNameA and the address-to-module look-up.
#include <cstring>
#include <optional>
#include <string>

#include "mfpwin/kernel.h"
#include "mfpwin/module.h"
#include "module/module_image.h"

MFPAPI HMODULE GetModuleHandleA(LPCSTR moduleName)
{
    HMODULE module = moduleName == nullptr ? mfpwin::MainProgramModule() : mfpwin::FindLoadedModule(moduleName);
    if (module == nullptr) SetLastError(ERROR_MOD_NOT_FOUND);
    return module;
}

MFPAPI DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size)
{
    std::optional<std::string> path = mfpwin::ModulePath(module == nullptr ? mfpwin::MainProgramModule() : module);
    if (!path) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (fileName == nullptr || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path->size() >= size) {
        std::memcpy(fileName, path->data(), size - 1);
        fileName[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(fileName, path->c_str(), path->size() + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path->size());
}

MFPAPI HMODULE MfpModuleFromAddress(const void *address) { return mfpwin::ModuleContaining(address); }
