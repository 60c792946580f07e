// The blocks of the global, local and process heaps. Every block is registered, so that a
// pointer or handle that is not a live block (already freed, or never allocated here) is
// refused with ERROR_INVALID_HANDLE instead of corrupting the heap.
#pragma once

#include "mfpwin/heap.h"

namespace mfpwin {

// flags: the GMEM_ values (LMEM_ values are the same).
HGLOBAL AllocateBlock(UINT flags, SIZE_T bytes);
// Moveable blocks count their locks; a fixed block is its own address.
LPVOID LockBlock(HGLOBAL memory);
BOOL UnlockBlock(HGLOBAL memory);
// Null on success, the argument when it is not a live block.
HGLOBAL FreeBlock(HGLOBAL memory);
SIZE_T BlockSize(HGLOBAL memory);
// The handle of the block that holds a locked address (for a fixed block, the address itself).
HGLOBAL BlockHandle(LPCVOID pointer);

}  // namespace mfpwin
