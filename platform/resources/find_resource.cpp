// FindResourceA and friends: the resource's bytes stay in the module's image, so loading and
// locking hand out pointers to them and freeing does nothing.
#include "mfpwin/kernel.h"
#include "mfpwin/resources.h"
#include "resources/module_resources.h"
#include "resources/resource_name.h"

namespace {

HRSRC Find(HMODULE module, LPCSTR type, LPCSTR name, std::optional<uint16_t> language)
{
    if (type == nullptr || name == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    mfpwin::ModuleResourceState state{};
    std::shared_ptr<const mfpwin::ResourceDirectory> directory = mfpwin::ResourcesOf(module, state);
    if (!directory) {
        SetLastError(state == mfpwin::ModuleResourceState::Malformed ? ERROR_INVALID_DATA : ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    mfpwin::LookupResult result{};
    const mfpwin::ResourceEntry *entry = directory->Find(mfpwin::ResourceIdFromArgument(type),
                                                         mfpwin::ResourceIdFromArgument(name), language, result);
    if (entry == nullptr) {
        SetLastError(result == mfpwin::LookupResult::TypeNotFound ? ERROR_RESOURCE_TYPE_NOT_FOUND
                                                                  : ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HRSRC>(const_cast<mfpwin::ResourceEntry *>(entry));
}

// The entry behind a handle, when it belongs to the module.
const mfpwin::ResourceEntry *EntryOf(HMODULE module, HRSRC resource)
{
    mfpwin::ModuleResourceState state{};
    std::shared_ptr<const mfpwin::ResourceDirectory> directory = mfpwin::ResourcesOf(module, state);
    auto *entry = reinterpret_cast<const mfpwin::ResourceEntry *>(resource);
    if (!directory || resource == nullptr || !directory->Owns(entry)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return entry;
}

}  // namespace

MFPAPI HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) { return Find(module, type, name, std::nullopt); }

MFPAPI HRSRC FindResourceExA(HMODULE module, LPCSTR type, LPCSTR name, WORD language)
{
    return Find(module, type, name, language);
}

MFPAPI DWORD SizeofResource(HMODULE module, HRSRC resource)
{
    const mfpwin::ResourceEntry *entry = EntryOf(module, resource);
    return entry != nullptr ? static_cast<DWORD>(entry->data.size()) : 0;
}

MFPAPI HGLOBAL LoadResource(HMODULE module, HRSRC resource)
{
    const mfpwin::ResourceEntry *entry = EntryOf(module, resource);
    return entry != nullptr ? const_cast<uint8_t *>(entry->data.data()) : nullptr;
}

MFPAPI LPVOID LockResource(HGLOBAL resourceData) { return resourceData; }

MFPAPI BOOL FreeResource(HGLOBAL) { return FALSE; }
