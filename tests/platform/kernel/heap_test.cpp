#include <gtest/gtest.h>

#include <cstring>

#include "mfpwin.h"

namespace {

struct AllocationCase {
    const char *name;
    UINT flags;
    bool moveable;
    bool zeroed;
};

class GlobalHeapFlags : public testing::TestWithParam<AllocationCase> {};

TEST_P(GlobalHeapFlags, AllocateLockSizeAndFree)
{
    const AllocationCase &c = GetParam();
    HGLOBAL memory = GlobalAlloc(c.flags, 144);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(GlobalSize(memory), 144u);

    auto *bytes = static_cast<BYTE *>(GlobalLock(memory));
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(bytes == memory, !c.moveable) << "a fixed block is its own address";
    if (c.zeroed) {
        for (int i = 0; i < 144; ++i)
            ASSERT_EQ(bytes[i], 0) << i;
    }
    std::memset(bytes, 0x5A, 144);
    EXPECT_EQ(GlobalHandle(bytes), memory);

    if (c.moveable) {
        ASSERT_EQ(GlobalLock(memory), bytes) << "the second lock sees the same data";
        EXPECT_TRUE(GlobalUnlock(memory)) << "still locked once";
        SetLastError(ERROR_INVALID_DATA);
        EXPECT_FALSE(GlobalUnlock(memory));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR)) << "unlocked for good";
    }
    EXPECT_EQ(GlobalFree(memory), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Flags, GlobalHeapFlags,
                         testing::Values(AllocationCase{"Fixed", GMEM_FIXED, false, false},
                                         AllocationCase{"FixedZeroed", GPTR, false, true},
                                         AllocationCase{"Moveable", GMEM_MOVEABLE, true, false},
                                         AllocationCase{"MoveableZeroed", GHND, true, true},
                                         AllocationCase{"ZeroinitAlone", GMEM_ZEROINIT, false, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(GlobalHeap, FreeingTwiceOrFreeingForeignMemoryIsRefused)
{
    HGLOBAL memory = GlobalAlloc(GMEM_ZEROINIT, 16);
    ASSERT_EQ(GlobalFree(memory), nullptr);
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GlobalFree(memory), memory) << "the failing handle is returned";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    int onTheStack = 0;
    EXPECT_EQ(GlobalFree(&onTheStack), &onTheStack);
    EXPECT_EQ(GlobalLock(&onTheStack), nullptr);
    EXPECT_EQ(GlobalSize(&onTheStack), 0u);
}

TEST(GlobalHeap, InvalidFlagsAreRefused)
{
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(GlobalAlloc(0x8000, 8), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(GlobalHeap, ZeroSizedBlocks)
{
    HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 0);
    ASSERT_NE(fixed, nullptr) << "a fixed block of size zero still has an address";
    EXPECT_EQ(GlobalSize(fixed), 0u);
    EXPECT_EQ(GlobalFree(fixed), nullptr);

    HGLOBAL moveable = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(moveable, nullptr);
    EXPECT_EQ(GlobalLock(moveable), nullptr) << "nothing to lock";
    EXPECT_EQ(GlobalFree(moveable), nullptr);
}

TEST(GlobalHeap, UnlockingAFixedOrUnlockedBlockFails)
{
    HGLOBAL fixed = GlobalAlloc(GPTR, 8);
    EXPECT_FALSE(GlobalUnlock(fixed));
    HGLOBAL moveable = GlobalAlloc(GHND, 8);
    EXPECT_FALSE(GlobalUnlock(moveable));
    EXPECT_NE(GetLastError(), static_cast<DWORD>(NO_ERROR));
    GlobalFree(fixed);
    GlobalFree(moveable);
}

TEST(LocalAndProcessHeaps, ShareTheGlobalBlocks)
{
    HLOCAL local = LocalAlloc(LPTR, 32);
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(LocalSize(local), 32u);
    EXPECT_EQ(GlobalFree(local), nullptr) << "memory of one heap may be freed through another";

    HLOCAL moveable = LocalAlloc(LHND, 8);
    ASSERT_NE(LocalLock(moveable), nullptr);
    EXPECT_FALSE(LocalUnlock(moveable));
    EXPECT_EQ(LocalFree(moveable), nullptr);
    EXPECT_EQ(LocalFree(moveable), moveable);

    auto *zeroed = static_cast<BYTE *>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, 64));
    ASSERT_NE(zeroed, nullptr);
    EXPECT_EQ(zeroed[63], 0);
    EXPECT_TRUE(HeapFree(GetProcessHeap(), 0, zeroed));
    EXPECT_FALSE(HeapFree(GetProcessHeap(), 0, zeroed));
}

}  // namespace
