// LookupIconIdFromDirectoryEx: picks the image of an RT_GROUP_ICON (or RT_GROUP_CURSOR)
// directory that fits the wanted size best.
#include <cstdlib>

#include "mfpwin/kernel.h"
#include "mfpwin/resources.h"

namespace {

constexpr int kStandardIconSize = 32;
constexpr size_t kDirectoryHeaderSize = 6;
constexpr size_t kEntrySize = 14;

int Word(const BYTE *p) { return p[0] | (p[1] << 8); }

struct Candidate {
    int width, height, bitCount, id;
};

// Icon entries hold byte sizes (0 = 256); cursor entries hold word sizes, the height doubled.
Candidate ReadEntry(const BYTE *entry, bool icon)
{
    if (icon) {
        return {entry[0] == 0 ? 256 : entry[0], entry[1] == 0 ? 256 : entry[1], Word(entry + 6), Word(entry + 12)};
    }
    return {Word(entry), Word(entry + 2) / 2, Word(entry + 6), Word(entry + 12)};
}

}  // namespace

MFPAPI int LookupIconIdFromDirectoryEx(const BYTE *directory, BOOL icon, int width, int height, UINT)
{
    int wantedType = icon ? 1 : 2;
    if (directory == nullptr || Word(directory) != 0 || Word(directory + 2) != wantedType) {
        SetLastError(ERROR_INVALID_DATA);
        return 0;
    }
    if (width == 0) width = kStandardIconSize;
    if (height == 0) height = kStandardIconSize;
    int count = Word(directory + 4);
    int bestId = 0, bestDistance = 0, bestBits = 0;
    for (int i = 0; i < count; ++i) {
        Candidate candidate = ReadEntry(directory + kDirectoryHeaderSize + i * kEntrySize, icon != FALSE);
        int distance = std::abs(candidate.width - width) + std::abs(candidate.height - height);
        bool better = bestId == 0 || distance < bestDistance ||
                      (distance == bestDistance && candidate.bitCount > bestBits);
        if (better) bestId = candidate.id, bestDistance = distance, bestBits = candidate.bitCount;
    }
    if (bestId == 0) SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return bestId;
}

MFPAPI int LookupIconIdFromDirectory(const BYTE *directory, BOOL icon)
{
    return LookupIconIdFromDirectoryEx(directory, icon, 0, 0, LR_DEFAULTCOLOR);
}
