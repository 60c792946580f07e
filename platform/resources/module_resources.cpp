#include "resources/module_resources.h"

#include <map>
#include <mutex>

#include "module/module_image.h"

namespace {

struct Registration {
    std::shared_ptr<const mfpwin::ResourceDirectory> directory;  // null when malformed
};

std::mutex &RegistryLock()
{
    static auto *lock = new std::mutex;  // outlives every module's unregistration at exit
    return *lock;
}

std::map<HMODULE, Registration> &Registry()
{
    static auto *registry = new std::map<HMODULE, Registration>;
    return *registry;
}

}  // namespace

MFPAPI void MfpRegisterModuleResources(const void *begin, size_t size)
{
    HMODULE module = mfpwin::ModuleContaining(begin);
    if (module == nullptr) return;
    std::span<const uint8_t> bytes(static_cast<const uint8_t *>(begin), size);
    std::optional<mfpwin::ResourceDirectory> directory = mfpwin::ResourceDirectory::FromBytes(bytes);
    Registration registration;
    if (directory) registration.directory = std::make_shared<const mfpwin::ResourceDirectory>(std::move(*directory));
    std::lock_guard lock(RegistryLock());
    Registry()[module] = std::move(registration);
}

MFPAPI void MfpUnregisterModuleResources(const void *begin)
{
    HMODULE module = mfpwin::ModuleContaining(begin);
    std::lock_guard lock(RegistryLock());
    Registry().erase(module);
}

namespace mfpwin {

std::shared_ptr<const ResourceDirectory> ResourcesOf(HMODULE module, ModuleResourceState &state)
{
    if (module == nullptr) module = MainProgramModule();
    std::lock_guard lock(RegistryLock());
    auto found = Registry().find(module);
    if (found == Registry().end()) {
        state = ModuleResourceState::Missing;
        return nullptr;
    }
    state = found->second.directory ? ModuleResourceState::Present : ModuleResourceState::Malformed;
    return found->second.directory;
}

}  // namespace mfpwin
