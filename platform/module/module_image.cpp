#include "module/module_image.h"

#include <dlfcn.h>
#include <link.h>
#include <strings.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <functional>

namespace mfpwin {
namespace {

struct LoadedObject {
    uintptr_t start = 0;
    uintptr_t loadBias = 0;
    std::string_view loaderName;  // "" for the main program
    bool isMainProgram = false;
};

// Calls `visit` for each loaded object until it returns true.
void ForEachLoadedObject(const std::function<bool(const LoadedObject &)> &visit)
{
    struct Context {
        const std::function<bool(const LoadedObject &)> *visit;
        bool first = true;
    } context{&visit};
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) -> int {
            auto *context = static_cast<Context *>(data);
            uintptr_t lowest = UINTPTR_MAX;
            for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
                if (info->dlpi_phdr[i].p_type == PT_LOAD && info->dlpi_phdr[i].p_vaddr < lowest) {
                    lowest = info->dlpi_phdr[i].p_vaddr;
                }
            }
            if (lowest == UINTPTR_MAX) return 0;
            uintptr_t pageSize = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
            LoadedObject object;
            object.start = (info->dlpi_addr + lowest) & ~(pageSize - 1);
            object.loadBias = info->dlpi_addr;
            object.loaderName = info->dlpi_name != nullptr ? info->dlpi_name : "";
            object.isMainProgram = context->first;
            context->first = false;
            return (*context->visit)(object) ? 1 : 0;
        },
        &context);
}

HMODULE ToHandle(uintptr_t start) { return reinterpret_cast<HMODULE>(start); }

std::string MainProgramPath()
{
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return {};
    return std::string(path, static_cast<size_t>(length));
}

bool SameFileName(std::string_view candidatePath, std::string_view wanted)
{
    std::string candidate = std::filesystem::path(candidatePath).filename().string();
    auto equal = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
    };
    return equal(candidate, wanted) || equal(candidate, std::string(wanted) + ".so");
}

}  // namespace

HMODULE ModuleContaining(const void *address)
{
    Dl_info info{};
    if (address == nullptr || dladdr(address, &info) == 0 || info.dli_fbase == nullptr) return nullptr;
    return static_cast<HMODULE>(info.dli_fbase);
}

HMODULE MainProgramModule()
{
    HMODULE found = nullptr;
    ForEachLoadedObject([&](const LoadedObject &object) {
        found = ToHandle(object.start);
        return true;
    });
    return found;
}

HMODULE ModuleWithLoadBias(uintptr_t loadBias, std::string_view loaderName)
{
    HMODULE found = nullptr;
    ForEachLoadedObject([&](const LoadedObject &object) {
        if (object.isMainProgram || object.loadBias != loadBias || object.loaderName != loaderName) return false;
        found = ToHandle(object.start);
        return true;
    });
    return found;
}

std::optional<std::string> ModulePath(HMODULE module)
{
    std::optional<std::string> path;
    ForEachLoadedObject([&](const LoadedObject &object) {
        if (ToHandle(object.start) != module) return false;
        path = object.isMainProgram ? MainProgramPath() : std::string(object.loaderName);
        return true;
    });
    return path;
}

HMODULE FindLoadedModule(std::string_view name)
{
    bool byPath = name.find('/') != std::string_view::npos;
    std::error_code error;
    std::filesystem::path wanted = byPath ? std::filesystem::weakly_canonical(std::string(name), error) : "";
    HMODULE found = nullptr;
    ForEachLoadedObject([&](const LoadedObject &object) {
        std::string path = object.isMainProgram ? MainProgramPath() : std::string(object.loaderName);
        if (path.empty()) return false;
        bool match = byPath ? std::filesystem::weakly_canonical(path, error) == wanted : SameFileName(path, name);
        if (match) found = ToHandle(object.start);
        return match;
    });
    return found;
}

}  // namespace mfpwin
