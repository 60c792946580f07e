// Template part of string_packer.h.
#pragma once

#include <cstring>
#include <limits>

namespace mfpwin::spooler {

template <typename Record, typename Source, typename Fill>
DWORD PackRecords(const std::vector<Source> &sources, Fill fill, LPBYTE buffer, DWORD bufferSize, DWORD &needed)
{
    const size_t recordsSize = sizeof(Record) * sources.size();
    StringPacker measure(nullptr, recordsSize);
    for (const auto &source : sources) {
        Record scratch{};
        fill(source, scratch, measure);
    }
    if (measure.Used() > std::numeric_limits<DWORD>::max())
        return ERROR_NOT_ENOUGH_MEMORY;
    needed = static_cast<DWORD>(measure.Used());
    if (buffer == nullptr && bufferSize != 0)
        return ERROR_INVALID_USER_BUFFER;
    if (bufferSize < needed || (buffer == nullptr && needed > 0))
        return ERROR_INSUFFICIENT_BUFFER;

    StringPacker packer(buffer, recordsSize);
    for (size_t index = 0; index < sources.size(); ++index) {
        Record record{};
        fill(sources[index], record, packer);
        std::memcpy(buffer + index * sizeof(Record), &record, sizeof record);
    }
    return ERROR_SUCCESS;
}

}  // namespace mfpwin::spooler
