// Lays texts out behind the records of a caller's buffer, as the spooler's packed records hold
// them: the records first, then every text they point to. With no buffer it only measures, so
// one fill routine serves both the size question and the real copy.
#pragma once

#include <string>
#include <vector>

#include "mfpwin/spooler.h"

namespace mfpwin::spooler {

class StringPacker {
public:
    // base null: measure only. The texts start offset bytes into the buffer.
    StringPacker(BYTE *base, size_t offset) : base_(base), used_(offset) {}

    // Copies the text with its terminating zero; returns where it went (null when measuring).
    LPSTR Put(const std::string &text);
    // Zero-terminated names followed by one more zero.
    LPSTR PutList(const std::vector<std::string> &texts);

    size_t Used() const { return used_; }

private:
    LPSTR Append(const char *data, size_t size);

    BYTE *base_;
    size_t used_;
};

// Runs fill(record, packer) once to measure and, when the buffer is big enough, once more to
// write count records of type Record and their texts. Returns ERROR_SUCCESS,
// ERROR_INSUFFICIENT_BUFFER (needed set) or ERROR_INVALID_USER_BUFFER (no buffer but a size).
template <typename Record, typename Source, typename Fill>
DWORD PackRecords(const std::vector<Source> &sources, Fill fill, LPBYTE buffer, DWORD bufferSize, DWORD &needed);

}  // namespace mfpwin::spooler

#include "string_packer_impl.h"
