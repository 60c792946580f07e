// LoadLibraryA, FreeLibrary and GetProcAddress over the dynamic loader, with the attach and
// detach calls that let a library refuse to load when its initialisation fails.
#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>

#include <map>
#include <string_view>
#include <mutex>

#include "mfpwin/kernel.h"
#include "mfpwin/module.h"
#include "module/module_image.h"

namespace {

struct LoadedLibrary {
    void *loaderHandle = nullptr;
    int loadCount = 0;
};

// Held while a library is loaded, attached, detached or unloaded, so the calls run one at a
// time; recursive because an attach may itself load libraries.
std::recursive_mutex &LoaderLock()
{
    static std::recursive_mutex lock;
    return lock;
}

std::map<HMODULE, LoadedLibrary> &LoadedLibraries()
{
    static std::map<HMODULE, LoadedLibrary> libraries;
    return libraries;
}

HMODULE ModuleOfLoaderHandle(void *loaderHandle)
{
    link_map *map = nullptr;
    if (dlinfo(loaderHandle, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) return nullptr;
    return mfpwin::ModuleWithLoadBias(map->l_addr, map->l_name != nullptr ? map->l_name : "");
}

// The symbol when the module itself defines it (not one of the libraries it depends on).
void *OwnSymbol(void *loaderHandle, HMODULE module, const char *name)
{
    void *symbol = dlsym(loaderHandle, name);
    return symbol != nullptr && mfpwin::ModuleContaining(symbol) == module ? symbol : nullptr;
}

// The Windows error for a failed dlopen, from the loader's message: a missing file or
// dependency, a missing symbol, or a file that is no library for this machine.
DWORD LoadError(const char *fileName, const char *message)
{
    std::string_view text = message != nullptr ? message : "";
    if (text.find("undefined symbol") != std::string_view::npos) return ERROR_PROC_NOT_FOUND;
    struct stat status{};
    bool fileExists = stat(fileName, &status) == 0 && S_ISREG(status.st_mode);
    if (fileExists && text.find("No such file") == std::string_view::npos) return ERROR_BAD_EXE_FORMAT;
    return ERROR_MOD_NOT_FOUND;
}

}  // namespace

MFPAPI HMODULE LoadLibraryA(LPCSTR fileName)
{
    if (fileName == nullptr || *fileName == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::lock_guard lock(LoaderLock());
    void *loaderHandle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (loaderHandle == nullptr) {
        SetLastError(LoadError(fileName, dlerror()));
        return nullptr;
    }
    HMODULE module = ModuleOfLoaderHandle(loaderHandle);
    if (module == nullptr) {
        dlclose(loaderHandle);
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    LoadedLibrary &library = LoadedLibraries()[module];
    library.loaderHandle = loaderHandle;
    if (++library.loadCount == 1) {
        auto attach = reinterpret_cast<MfpModuleAttachProc>(OwnSymbol(loaderHandle, module, MFP_MODULE_ATTACH_NAME));
        if (attach != nullptr && !attach(reinterpret_cast<HINSTANCE>(module))) {
            LoadedLibraries().erase(module);
            dlclose(loaderHandle);
            SetLastError(ERROR_DLL_INIT_FAILED);
            return nullptr;
        }
    }
    return module;
}

MFPAPI BOOL FreeLibrary(HMODULE module)
{
    std::lock_guard lock(LoaderLock());
    auto found = LoadedLibraries().find(module);
    if (found == LoadedLibraries().end()) {
        // Modules the program was linked with stay loaded; anything else is no module at all.
        if (module != nullptr && mfpwin::ModulePath(module)) return TRUE;
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    void *loaderHandle = found->second.loaderHandle;
    if (--found->second.loadCount == 0) {
        auto detach = reinterpret_cast<MfpModuleDetachProc>(OwnSymbol(loaderHandle, module, MFP_MODULE_DETACH_NAME));
        if (detach != nullptr) detach(reinterpret_cast<HINSTANCE>(module));
        LoadedLibraries().erase(found);
    }
    dlclose(loaderHandle);
    return TRUE;
}

MFPAPI FARPROC GetProcAddress(HMODULE module, LPCSTR procName)
{
    if (module == nullptr || procName == nullptr || (reinterpret_cast<uintptr_t>(procName) >> 16) == 0) {
        SetLastError(module == nullptr ? ERROR_INVALID_HANDLE : ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    // A handle that keeps the module loaded only for the look-up: by path for libraries, the
    // global scope for the main program.
    void *loaderHandle = nullptr;
    if (module == mfpwin::MainProgramModule()) {
        loaderHandle = dlopen(nullptr, RTLD_NOW);
    } else if (std::optional<std::string> path = mfpwin::ModulePath(module)) {
        loaderHandle = dlopen(path->c_str(), RTLD_NOW | RTLD_NOLOAD);
    }
    if (loaderHandle == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    void *symbol = OwnSymbol(loaderHandle, module, procName);
    dlclose(loaderHandle);
    if (symbol == nullptr) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}
