// Global, local and process heaps. Memory handed across the libraries' exports comes from the
// global heap, so callers free it with GlobalFree.
#pragma once

#include "types.h"

#define GMEM_FIXED 0x0000
#define GMEM_MOVEABLE 0x0002
#define GMEM_NOCOMPACT 0x0010
#define GMEM_NODISCARD 0x0020
#define GMEM_ZEROINIT 0x0040
#define GMEM_MODIFY 0x0080
#define GMEM_DISCARDABLE 0x0100
#define GMEM_NOT_BANKED 0x1000
#define GMEM_SHARE 0x2000
#define GMEM_DDESHARE 0x2000
#define GMEM_NOTIFY 0x4000
#define GMEM_LOWER GMEM_NOT_BANKED
#define GMEM_VALID_FLAGS 0x7F72
#define GHND (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR (GMEM_FIXED | GMEM_ZEROINIT)

#define LMEM_FIXED 0x0000
#define LMEM_MOVEABLE 0x0002
#define LMEM_ZEROINIT 0x0040
#define LHND (LMEM_MOVEABLE | LMEM_ZEROINIT)
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)

#define HEAP_ZERO_MEMORY 0x00000008

typedef HANDLE HLOCAL;

MFPAPI HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
MFPAPI LPVOID GlobalLock(HGLOBAL memory);
MFPAPI BOOL GlobalUnlock(HGLOBAL memory);
MFPAPI HGLOBAL GlobalFree(HGLOBAL memory);
MFPAPI SIZE_T GlobalSize(HGLOBAL memory);
MFPAPI HGLOBAL GlobalHandle(LPCVOID pointer);

MFPAPI HLOCAL LocalAlloc(UINT flags, SIZE_T bytes);
MFPAPI LPVOID LocalLock(HLOCAL memory);
MFPAPI BOOL LocalUnlock(HLOCAL memory);
MFPAPI HLOCAL LocalFree(HLOCAL memory);
MFPAPI SIZE_T LocalSize(HLOCAL memory);

MFPAPI HANDLE GetProcessHeap(void);
MFPAPI LPVOID HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes);
MFPAPI BOOL HeapFree(HANDLE heap, DWORD flags, LPVOID memory);
