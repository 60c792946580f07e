#include "kernel/memory_blocks.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "mfpwin/kernel.h"

namespace mfpwin {

namespace {

constexpr DWORD ErrorNotLocked = 158;  // ERROR_NOT_LOCKED
constexpr DWORD ErrorDiscarded = 157;  // ERROR_DISCARDED

struct Block {
    void *data = nullptr;  // null for a moveable block of size zero
    SIZE_T size = 0;
    bool moveable = false;
    int lockCount = 0;
};

// Fixed blocks are known by their address, moveable blocks by their handle, which is the
// address of their record here (so it can never equal the address of live data).
struct Blocks {
    std::mutex mutex;
    std::unordered_map<const void *, std::unique_ptr<Block>> byHandle;
    std::unordered_map<const void *, Block *> moveableByData;
};

Blocks &AllBlocks()
{
    static Blocks *blocks = new Blocks;  // lives until exit: callers free late
    return *blocks;
}

Block *Find(Blocks &blocks, const void *handle)
{
    auto found = blocks.byHandle.find(handle);
    return found == blocks.byHandle.end() ? nullptr : found->second.get();
}

}  // namespace

HGLOBAL AllocateBlock(UINT flags, SIZE_T bytes)
{
    if ((flags & ~static_cast<UINT>(GMEM_VALID_FLAGS)) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto block = std::make_unique<Block>();
    block->moveable = (flags & GMEM_MOVEABLE) != 0;
    block->size = bytes;
    if (bytes > 0 || !block->moveable) {
        // A fixed block of size zero still gets an address of its own.
        block->data = (flags & GMEM_ZEROINIT) ? std::calloc(bytes ? bytes : 1, 1) : std::malloc(bytes ? bytes : 1);
        if (!block->data) {
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
            return nullptr;
        }
    }

    Blocks &blocks = AllBlocks();
    std::lock_guard lock(blocks.mutex);
    const void *handle = block->moveable ? static_cast<const void *>(block.get()) : block->data;
    if (block->moveable && block->data)
        blocks.moveableByData[block->data] = block.get();
    blocks.byHandle[handle] = std::move(block);
    return const_cast<void *>(handle);
}

LPVOID LockBlock(HGLOBAL memory)
{
    Blocks &blocks = AllBlocks();
    std::lock_guard lock(blocks.mutex);
    Block *block = Find(blocks, memory);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!block->moveable)
        return block->data;
    if (!block->data) {
        SetLastError(ErrorDiscarded);
        return nullptr;
    }
    ++block->lockCount;
    return block->data;
}

BOOL UnlockBlock(HGLOBAL memory)
{
    Blocks &blocks = AllBlocks();
    std::lock_guard lock(blocks.mutex);
    Block *block = Find(blocks, memory);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!block->moveable || block->lockCount == 0) {
        SetLastError(ErrorNotLocked);
        return FALSE;
    }
    --block->lockCount;
    if (block->lockCount == 0) {
        SetLastError(NO_ERROR);
        return FALSE;
    }
    return TRUE;
}

HGLOBAL FreeBlock(HGLOBAL memory)
{
    std::unique_ptr<Block> released;
    {
        Blocks &blocks = AllBlocks();
        std::lock_guard lock(blocks.mutex);
        auto found = blocks.byHandle.find(memory);
        if (found == blocks.byHandle.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return memory;
        }
        released = std::move(found->second);
        blocks.byHandle.erase(found);
        if (released->moveable && released->data)
            blocks.moveableByData.erase(released->data);
    }
    std::free(released->data);
    return nullptr;
}

SIZE_T BlockSize(HGLOBAL memory)
{
    Blocks &blocks = AllBlocks();
    std::lock_guard lock(blocks.mutex);
    Block *block = Find(blocks, memory);
    if (!block) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return block->size;
}

HGLOBAL BlockHandle(LPCVOID pointer)
{
    Blocks &blocks = AllBlocks();
    std::lock_guard lock(blocks.mutex);
    if (Block *block = Find(blocks, pointer); block && !block->moveable)
        return const_cast<void *>(pointer);
    auto found = blocks.moveableByData.find(pointer);
    if (found != blocks.moveableByData.end())
        return found->second;
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

}  // namespace mfpwin
