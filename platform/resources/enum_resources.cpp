// EnumResourceTypesA, EnumResourceNamesA and EnumResourceLanguagesA over a module's entries.
#include <algorithm>
#include <functional>
#include <vector>

#include "codepage/text_conversion.h"
#include "mfpwin/kernel.h"
#include "mfpwin/resources.h"
#include "resources/module_resources.h"
#include "resources/resource_name.h"

namespace {

// A resource id as the callbacks receive it: an ordinal, or an ANSI text kept alive here.
class IdArgument {
public:
    explicit IdArgument(const mfpwin::ResourceId &id)
        : text_(id.isOrdinal ? std::string() : mfpwin::WideToAnsi(id.text)), id_(id)
    {
    }
    LPSTR Get()
    {
        return id_.isOrdinal ? MAKEINTRESOURCEA(id_.ordinal) : text_.data();
    }

private:
    std::string text_;
    mfpwin::ResourceId id_;
};

// Calls `visit` once per distinct key among the matching entries, in data order; false when
// the module has no resources, nothing matches (`noneError`) or a visit stopped the enumeration.
template <typename Key>
BOOL EnumerateDistinct(HMODULE module, DWORD noneError,
                       const std::function<bool(const mfpwin::ResourceEntry &)> &matches,
                       const std::function<Key(const mfpwin::ResourceEntry &)> &keyOf,
                       const std::function<BOOL(const mfpwin::ResourceEntry &)> &visit)
{
    mfpwin::ModuleResourceState state{};
    std::shared_ptr<const mfpwin::ResourceDirectory> directory = mfpwin::ResourcesOf(module, state);
    if (!directory) {
        SetLastError(state == mfpwin::ModuleResourceState::Malformed ? ERROR_INVALID_DATA
                                                                     : ERROR_RESOURCE_DATA_NOT_FOUND);
        return FALSE;
    }
    std::vector<Key> seen;
    for (const mfpwin::ResourceEntry &entry : directory->Entries()) {
        if (!matches(entry)) continue;
        Key key = keyOf(entry);
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
        seen.push_back(key);
        if (!visit(entry)) {
            SetLastError(ERROR_RESOURCE_ENUM_USER_STOP);
            return FALSE;
        }
    }
    if (seen.empty()) {
        SetLastError(noneError);
        return FALSE;
    }
    return TRUE;
}

}  // namespace

MFPAPI BOOL EnumResourceTypesA(HMODULE module, ENUMRESTYPEPROCA callback, LONG_PTR param)
{
    if (callback == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return EnumerateDistinct<mfpwin::ResourceId>(
        module, ERROR_RESOURCE_DATA_NOT_FOUND, [](const mfpwin::ResourceEntry &) { return true; },
        [](const mfpwin::ResourceEntry &entry) { return entry.type; },
        [&](const mfpwin::ResourceEntry &entry) { return callback(module, IdArgument(entry.type).Get(), param); });
}

MFPAPI BOOL EnumResourceNamesA(HMODULE module, LPCSTR type, ENUMRESNAMEPROCA callback, LONG_PTR param)
{
    if (callback == nullptr || type == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    mfpwin::ResourceId wantedType = mfpwin::ResourceIdFromArgument(type);
    return EnumerateDistinct<mfpwin::ResourceId>(
        module, ERROR_RESOURCE_TYPE_NOT_FOUND,
        [&](const mfpwin::ResourceEntry &entry) { return entry.type == wantedType; },
        [](const mfpwin::ResourceEntry &entry) { return entry.name; },
        [&](const mfpwin::ResourceEntry &entry) { return callback(module, type, IdArgument(entry.name).Get(), param); });
}

MFPAPI BOOL EnumResourceLanguagesA(HMODULE module, LPCSTR type, LPCSTR name, ENUMRESLANGPROCA callback, LONG_PTR param)
{
    if (callback == nullptr || type == nullptr || name == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    mfpwin::ResourceId wantedType = mfpwin::ResourceIdFromArgument(type);
    mfpwin::ResourceId wantedName = mfpwin::ResourceIdFromArgument(name);
    return EnumerateDistinct<uint16_t>(
        module, ERROR_RESOURCE_NAME_NOT_FOUND,
        [&](const mfpwin::ResourceEntry &entry) { return entry.type == wantedType && entry.name == wantedName; },
        [](const mfpwin::ResourceEntry &entry) { return entry.language; },
        [&](const mfpwin::ResourceEntry &entry) { return callback(module, type, name, entry.language, param); });
}
