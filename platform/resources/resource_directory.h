// The resources of one module, indexed by type and name, with the language fallback of the
// look-up calls.
#pragma once

#include <optional>
#include <span>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "resources/resource_file.h"

namespace mfpwin {

enum class LookupResult { Found, TypeNotFound, NameNotFound };

class ResourceDirectory {
public:
    // nullopt when the bytes are not a well-formed resource stream.
    static std::optional<ResourceDirectory> FromBytes(std::span<const uint8_t> bytes);

    // The entry of that type and name in the language that fits best: `language` when given
    // (0x0400 and 0x0800 mean the user's default), then its sub-language-neutral form, then
    // neutral, then the user's default language and its neutral form, then English (United
    // States), then the first one in the data (the lowest language id).
    const ResourceEntry *Find(const ResourceId &type, const ResourceId &name, std::optional<uint16_t> language,
                              LookupResult &result) const;
    // Whether the pointer is one of this directory's entries.
    bool Owns(const ResourceEntry *entry) const;
    // Every entry, in the order of the compiled data.
    const std::vector<ResourceEntry> &Entries() const { return entries_; }

private:
    std::vector<ResourceEntry> entries_;
    std::unordered_map<std::u16string, std::vector<size_t>> byTypeAndName_;
    std::unordered_set<std::u16string> types_;
};

// Preference order of languages for a look-up, as described at ResourceDirectory::Find.
std::vector<uint16_t> LanguagePreference(std::optional<uint16_t> requested, uint16_t userDefault);

}  // namespace mfpwin
