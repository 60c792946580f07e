// The global, local and process heaps: one set of registered blocks behind all three, so memory
// from one may be released through another as on Windows.
#include "kernel/memory_blocks.h"

#include "mfpwin/kernel.h"

MFPAPI HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) { return mfpwin::AllocateBlock(flags, bytes); }
MFPAPI LPVOID GlobalLock(HGLOBAL memory) { return mfpwin::LockBlock(memory); }
MFPAPI BOOL GlobalUnlock(HGLOBAL memory) { return mfpwin::UnlockBlock(memory); }
MFPAPI HGLOBAL GlobalFree(HGLOBAL memory) { return mfpwin::FreeBlock(memory); }
MFPAPI SIZE_T GlobalSize(HGLOBAL memory) { return mfpwin::BlockSize(memory); }
MFPAPI HGLOBAL GlobalHandle(LPCVOID pointer) { return mfpwin::BlockHandle(pointer); }

MFPAPI HLOCAL LocalAlloc(UINT flags, SIZE_T bytes) { return mfpwin::AllocateBlock(flags, bytes); }
MFPAPI LPVOID LocalLock(HLOCAL memory) { return mfpwin::LockBlock(memory); }
MFPAPI BOOL LocalUnlock(HLOCAL memory) { return mfpwin::UnlockBlock(memory); }
MFPAPI HLOCAL LocalFree(HLOCAL memory) { return mfpwin::FreeBlock(memory); }
MFPAPI SIZE_T LocalSize(HLOCAL memory) { return mfpwin::BlockSize(memory); }

namespace {
// The process heap is a name only; its blocks are the same registered blocks.
int processHeap;
}

MFPAPI HANDLE GetProcessHeap(void) { return &processHeap; }

MFPAPI LPVOID HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes)
{
    if (heap != &processHeap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return mfpwin::AllocateBlock((flags & HEAP_ZERO_MEMORY) ? GMEM_ZEROINIT : GMEM_FIXED, bytes);
}

MFPAPI BOOL HeapFree(HANDLE heap, DWORD, LPVOID memory)
{
    if (heap != &processHeap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return memory == nullptr || mfpwin::FreeBlock(memory) == nullptr;
}
