#include "resources/resource_directory.h"

#include <algorithm>

#include "codepage/posix_locale.h"

namespace mfpwin {
namespace {

constexpr uint16_t kEnglishUnitedStates = 0x0409;
constexpr uint16_t kUserDefault = 0x0400;
constexpr uint16_t kSystemDefault = 0x0800;

std::u16string Key(const ResourceId &id)
{
    if (id.isOrdinal) return std::u16string{char16_t{0xFFFF}, static_cast<char16_t>(id.ordinal)};
    return id.text;
}

std::u16string Key(const ResourceId &type, const ResourceId &name) { return Key(type) + u'\0' + Key(name); }

uint16_t NeutralForm(uint16_t language) { return language & 0x3FF; }

}  // namespace

std::vector<uint16_t> LanguagePreference(std::optional<uint16_t> requested, uint16_t userDefault)
{
    std::vector<uint16_t> order;
    auto add = [&](uint16_t language) {
        if (std::find(order.begin(), order.end(), language) == order.end()) order.push_back(language);
    };
    if (requested) {
        uint16_t language = (*requested == kUserDefault || *requested == kSystemDefault) ? userDefault : *requested;
        add(language);
        add(NeutralForm(language));
    }
    add(0);
    add(userDefault);
    add(NeutralForm(userDefault));
    add(kEnglishUnitedStates);
    add(NeutralForm(kEnglishUnitedStates));
    return order;
}

std::optional<ResourceDirectory> ResourceDirectory::FromBytes(std::span<const uint8_t> bytes)
{
    std::optional<std::vector<ResourceEntry>> entries = ParseResourceFile(bytes);
    if (!entries) return std::nullopt;
    ResourceDirectory directory;
    directory.entries_ = std::move(*entries);
    for (size_t index = 0; index < directory.entries_.size(); ++index) {
        const ResourceEntry &entry = directory.entries_[index];
        directory.byTypeAndName_[Key(entry.type, entry.name)].push_back(index);
        directory.types_.insert(Key(entry.type));
    }
    return directory;
}

const ResourceEntry *ResourceDirectory::Find(const ResourceId &type, const ResourceId &name,
                                             std::optional<uint16_t> language, LookupResult &result) const
{
    auto found = byTypeAndName_.find(Key(type, name));
    if (found == byTypeAndName_.end()) {
        result = types_.contains(Key(type)) ? LookupResult::NameNotFound : LookupResult::TypeNotFound;
        return nullptr;
    }
    result = LookupResult::Found;
    for (uint16_t wanted : LanguagePreference(language, UserDefaultLanguage())) {
        for (size_t index : found->second) {
            if (entries_[index].language == wanted) return &entries_[index];
        }
    }
    return &entries_[found->second.front()];
}

bool ResourceDirectory::Owns(const ResourceEntry *entry) const
{
    return !entries_.empty() && entry >= entries_.data() && entry < entries_.data() + entries_.size();
}

}  // namespace mfpwin
